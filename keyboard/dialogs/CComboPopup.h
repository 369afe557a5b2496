#pragma once

#include "keyboard/dialogs/CSelectorPopup.h"

// The G-key function menu. The first four items open a second list beside it
// (the owner does that on their hover messages); the others are chosen here.
class CComboPopup : public CSelectorPopup {
public:
    static constexpr int kKind = 0;
    static constexpr ui::UINT kShortcutMessage = 1035;
    static constexpr ui::UINT kQuickLaunchMessage = 1037;
    static constexpr ui::UINT kCloseListMessage = 1033;

    enum Value {
        macro = 1,
        multimedia,
        windowManage,
        mouseFunction,
        defaultFunction,
        shortcut,
        quickLaunch,
        none
    };

    CComboPopup();

protected:
    void BuildItems() override;
    void OnNewHotItem(int index) override;
    bool PressNotifies(const SelectorItem& item) const override { return item.value < defaultFunction; }
    void OnClick(const SelectorItem& item) override;
};
