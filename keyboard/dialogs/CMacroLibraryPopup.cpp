#include "keyboard/dialogs/CMacroLibraryPopup.h"

#include "keyboard/model/KeyFunction.h"
#include "keyboard/model/MacroLibrary.h"

CMacroLibraryPopup::CMacroLibraryPopup(const MacroLibrary* library)
    : CSelectorPopup({"CMacroLibraryPopup", kKind, 158, kWhiteText, ItemFont::windowDefault}),
      m_library(library) {}

// An empty set still gives the list a body: one separator, nothing to choose.
void CMacroLibraryPopup::BuildItems() {
    const MacroSet* first = m_library ? m_library->GetSet(0) : nullptr;
    if (!first || first->macros.empty()) {
        AddSeparator();
        return;
    }
    int value = 1;
    for (const MacroKey& macro : first->macros) {
        AddItem(macro.name, value++);
    }
}

void CMacroLibraryPopup::OnClick(const SelectorItem& item) {
    const KeyFunction macro = MacroFunction();
    m_result.category = macro.category;
    m_result.p1 = macro.p1;
    m_result.p2 = macro.p2;
    m_result.name = item.text;
    SendResult();
}
