#pragma once

#include "keyboard/dialogs/CSelectorPopup.h"

// The "Window Manage" list of the G-key function menu: the browser, mail and
// application keys.
class CDPIPopup : public CSelectorPopup {
public:
    static constexpr int kKind = 2;
    static constexpr int kFirstValue = 21;

    CDPIPopup();

protected:
    void BuildItems() override;
    void OnClick(const SelectorItem& item) override;
};
