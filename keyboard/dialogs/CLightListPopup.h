#pragma once

#include <string>

#include "keyboard/dialogs/CSelectorPopup.h"

// What the three lighting lists share: black text, a press on the hot item
// tells the owner, and a choice reports its zero-based position in the
// record's category byte.
class CLightListPopup : public CSelectorPopup {
protected:
    using NameOf = std::string (*)(int position);

    CLightListPopup(const char* className, int kind, NameOf nameOf, int count);

    void BuildItems() override;
    bool PressNotifies(const SelectorItem&) const override { return true; }
    void OnClick(const SelectorItem& item) override;

private:
    NameOf m_nameOf;
    int m_count;
};
