#include "keyboard/dialogs/CComboPopup.h"

#include <array>

#include "keyboard/model/KeyFunction.h"

namespace {
// By position: the lists the first four items open, then "close any list".
constexpr std::array<ui::UINT, 8> kHoverMessages = {1046, 1030, 1040, 1043, 1033, 1033, 1033, 1033};
}  // namespace

CComboPopup::CComboPopup() : CSelectorPopup({"CComboPopup", kKind, 169, kWhiteText, ItemFont::item}) {
    m_result.category = MacroFunction().category;
}

void CComboPopup::BuildItems() {
    int value = macro;
    for (const char* text : GKeyMenuItems()) {
        AddItem(text, value, value < defaultFunction);
        ++value;
    }
}

void CComboPopup::OnNewHotItem(int index) {
    const auto position = static_cast<std::size_t>(index);
    if (position < kHoverMessages.size()) {
        SendToOwner(kHoverMessages[position], m_ownerControlId, Items()[position].value);
    }
}

void CComboPopup::OnClick(const SelectorItem& item) {
    switch (item.value) {
        case defaultFunction:
            // The owner puts back the slot's own default; the name tells it so.
            m_result.category = 0x06;
            m_result.p1 = 0x01;
            m_result.name = "默认功能";
            SendResult();
            break;
        case shortcut:
            SendToOwner(kShortcutMessage, m_ownerControlId, 0);
            break;
        case quickLaunch:
            SendToOwner(kQuickLaunchMessage, m_ownerControlId, 0);
            break;
        case none:
            m_result.category = NoFunction().category;
            m_result.p1 = 0;
            m_result.p2 = 0;
            m_result.name = "No Function";
            SendResult();
            break;
        default:
            SendToOwner(m_notifyMessage, 0, reinterpret_cast<ui::LPARAM>(&m_result));
            break;
    }
}
