#pragma once

#include <memory>
#include <vector>

#include "platform/ui/Image.h"
#include "platform/ui/TrayIcon.h"
#include "platform/ui/detail/NativeTrayIcon.h"

namespace ui::detail {

class BackendImpl;

struct TrayIconEntry {
    TrayIconData data;
    Image picture;
    std::unique_ptr<NativeTrayIcon> native;  // null when the backend shows nothing
};

// The session's tray icons. An entry lives no longer than its owner window, so
// its owner pointer is always valid.
class TrayIconList {
public:
    bool add(const TrayIconData& data, BackendImpl& backend);
    bool modify(const TrayIconData& data);
    bool remove(const Window* owner, UINT id);
    void removeOwnedBy(const Window& owner);
    // Posts the icon's callback message for one mouse message; false when there is no such icon.
    bool notify(const Window* owner, UINT id, UINT mouseMessage) const;

    const std::vector<TrayIconEntry>& entries() const { return entries_; }

private:
    const TrayIconEntry* find(const Window* owner, UINT id) const;
    TrayIconEntry* find(const Window* owner, UINT id);

    std::vector<TrayIconEntry> entries_;
};

}  // namespace ui::detail
