#include "keyboard/dialogs/CProfilePopup.h"

#include "keyboard/model/KeyFunction.h"

CProfilePopup::CProfilePopup() : CSelectorPopup({"CProfilePopup", kKind, 158, kWhiteText, ItemFont::item}) {}

void CProfilePopup::BuildItems() {
    int value = kFirstValue;
    for (const NamedCode& entry : MultimediaFunctions()) {
        AddItem(entry.name, value++);
    }
}

void CProfilePopup::OnClick(const SelectorItem& item) {
    m_result.category = KeyboardFunctionOf(0).category;
    m_result.p1 = static_cast<std::uint8_t>(0xA0 + (item.value - kFirstValue));
    m_result.p2 = 0;
    m_result.name = item.text;
    SendResult();
}
