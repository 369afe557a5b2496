#pragma once

#include "keyboard/dialogs/CSelectorPopup.h"

class MacroLibrary;

// The "Assign a Macro" list: the macros of the library's first set, by name.
class CMacroLibraryPopup : public CSelectorPopup {
public:
    static constexpr int kKind = 4;

    // The library stays the owner's; it is read when the popup opens.
    explicit CMacroLibraryPopup(const MacroLibrary* library);

protected:
    void BuildItems() override;
    void OnClick(const SelectorItem& item) override;

private:
    const MacroLibrary* m_library;
};
