#include "keyboard/dialogs/CDPIPopup.h"

#include "keyboard/model/KeyFunction.h"

CDPIPopup::CDPIPopup() : CSelectorPopup({"CDPIPopup", kKind, 158, kWhiteText, ItemFont::item}) {}

void CDPIPopup::BuildItems() {
    int value = kFirstValue;
    for (const NamedCode& entry : WindowManageFunctions()) {
        AddItem(entry.name, value++);
    }
}

void CDPIPopup::OnClick(const SelectorItem& item) {
    m_result.category = KeyboardFunctionOf(0).category;
    m_result.p1 = static_cast<std::uint8_t>(0xA8 + (item.value - kFirstValue));
    m_result.p2 = 0;
    m_result.name = item.text;
    SendResult();
}
