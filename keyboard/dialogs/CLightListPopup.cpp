#include "keyboard/dialogs/CLightListPopup.h"

CLightListPopup::CLightListPopup(const char* className, int kind, NameOf nameOf, int count)
    : CSelectorPopup({className, kind, 169, kBlackText, ItemFont::item}), m_nameOf(nameOf), m_count(count) {}

void CLightListPopup::BuildItems() {
    for (int position = 0; position < m_count; ++position) {
        AddItem(m_nameOf(position), position + 1);
    }
}

void CLightListPopup::OnClick(const SelectorItem& item) {
    m_result.category = static_cast<std::uint8_t>(item.value - 1);
    m_result.name = item.text;
    SendResult();
}
