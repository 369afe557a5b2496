#pragma once

#include <string>

#include "platform/ui/Image.h"

namespace ui::detail {

// What a backend shows for one tray icon; destroying it takes the icon away.
class NativeTrayIcon {
public:
    virtual ~NativeTrayIcon() = default;
    virtual void update(const Image& picture, const std::string& tip) = 0;
};

}  // namespace ui::detail
