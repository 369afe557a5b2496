#pragma once

#include "keyboard/dialogs/CSelectorPopup.h"

// The "Multimedia" list of the G-key function menu: the keyboard's media keys.
class CProfilePopup : public CSelectorPopup {
public:
    static constexpr int kKind = 1;
    static constexpr int kFirstValue = 18;

    CProfilePopup();

protected:
    void BuildItems() override;
    void OnClick(const SelectorItem& item) override;
};
