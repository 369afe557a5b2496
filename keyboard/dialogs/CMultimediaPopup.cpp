#include "keyboard/dialogs/CMultimediaPopup.h"

#include "keyboard/model/KeyFunction.h"

CMultimediaPopup::CMultimediaPopup()
    : CSelectorPopup({"CMultimediaPopup", kKind, 0, kWhiteText, ItemFont::item}) {}

void CMultimediaPopup::BuildItems() {
    int value = kFirstValue;
    for (const MouseFunction& entry : MouseFunctions()) {
        AddItem(entry.name, value++);
    }
}

void CMultimediaPopup::OnClick(const SelectorItem& item) {
    const MouseFunction& chosen = MouseFunctions().at(static_cast<std::size_t>(item.value - kFirstValue));
    m_result.category = chosen.function.category;
    m_result.p1 = chosen.function.p1;
    m_result.p2 = 0;
    m_result.name = item.text;
    SendResult();
}
