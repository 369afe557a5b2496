#include "keyboard/mainwindow/CGKeyMenuPopups.h"

#include <optional>

#include "keyboard/dialogs/CComboPopup.h"
#include "keyboard/dialogs/CDPIPopup.h"
#include "keyboard/dialogs/CMacroLibraryPopup.h"
#include "keyboard/dialogs/CMultimediaPopup.h"
#include "keyboard/dialogs/CProfilePopup.h"
#include "keyboard/mainwindow/CTarvikDlg.h"
#include "keyboard/toolkit/CComboButton.h"
#include "platform/ui/Messaging.h"

namespace {

// The area the menu is opened with; its own layout gives it its size.
constexpr int kMenuArea = 300;
constexpr int kListWidth = 158;
constexpr int kListKinds[] = {CProfilePopup::kKind, CDPIPopup::kKind, CMultimediaPopup::kKind,
                              CMacroLibraryPopup::kKind};

struct ListOfHover {
    int kind;
    int menuItemValue;
    ui::UINT chosenMessage;
};

// The list a hover message opens, and the menu item it sits beside.
std::optional<ListOfHover> ListFor(ui::UINT hoverMessage) {
    switch (hoverMessage) {
        case CGKeyMenuPopups::kMacroHover:
            return ListOfHover{CMacroLibraryPopup::kKind, CComboPopup::macro, CGKeyMenuPopups::kMacroChosen};
        case CGKeyMenuPopups::kMultimediaHover:
            return ListOfHover{CProfilePopup::kKind, CComboPopup::multimedia, CGKeyMenuPopups::kMultimediaChosen};
        case CGKeyMenuPopups::kWindowManageHover:
            return ListOfHover{CDPIPopup::kKind, CComboPopup::windowManage, CGKeyMenuPopups::kWindowManageChosen};
        case CGKeyMenuPopups::kMouseHover:
            return ListOfHover{CMultimediaPopup::kKind, CComboPopup::mouseFunction, CGKeyMenuPopups::kMouseChosen};
        default:
            return std::nullopt;
    }
}

CSelectorPopup* NewList(int kind, const MacroLibrary& library) {
    switch (kind) {
        case CProfilePopup::kKind:
            return new CProfilePopup();
        case CDPIPopup::kKind:
            return new CDPIPopup();
        case CMultimediaPopup::kKind:
            return new CMultimediaPopup();
        default:
            return new CMacroLibraryPopup(&library);
    }
}

}  // namespace

void CGKeyMenuPopups::OpenMenu(ui::UINT buttonId) {
    CComboButton* button = Button(buttonId);
    if (!button) {
        return;
    }
    CloseAll();
    const ui::Rect rect = button->GetRect();
    const ui::Point corner = m_window.clientToScreen({rect.left, rect.bottom});
    auto* menu = new CComboPopup();  // deletes itself when its window goes
    if (!menu->Open(&m_window, ui::rectAt(corner.x, corner.y, kMenuArea, kMenuArea), kMenuMessage, buttonId)) {
        delete menu;
        return;
    }
    m_window.SetPopup(CComboPopup::kKind, menu);
    m_button = buttonId;
    button->m_open = ui::TRUE;
    m_window.invalidate(rect);
}

void CGKeyMenuPopups::OnHover(ui::UINT hoverMessage) {
    if (!Menu()) {
        return;
    }
    if (hoverMessage == kNoListHover) {
        CloseLists();
        Menu()->bringToFront();
        return;
    }
    const auto list = ListFor(hoverMessage);
    if (!list || m_window.Popup(list->kind)) {
        return;  // that list is open already
    }
    CloseLists();
    OpenList(list->kind, list->menuItemValue, list->chosenMessage);
}

// Beside the menu, level with the item that opens it.
void CGKeyMenuPopups::OpenList(int kind, int menuItemValue, ui::UINT chosenMessage) {
    CComboPopup* menu = Menu();
    const auto& items = menu->Items();
    const auto index = static_cast<std::size_t>(menuItemValue - 1);
    const ui::Rect placed = menu->windowRect();
    const int top = placed.top + (index < items.size() ? items[index].rect.top : 0);
    CSelectorPopup* list = NewList(kind, m_window.Data().library);  // deletes itself when its window goes
    if (!list->Open(&m_window, ui::rectAt(placed.right, top, kListWidth, 0), chosenMessage, m_button)) {
        delete list;
        return;
    }
    m_window.SetPopup(kind, list);
}

// The menu lost activation: to one of its lists, or to something else.
void CGKeyMenuPopups::OnMenuClosed() {
    if (PointerInside(CComboPopup::kKind)) {
        return;
    }
    for (int kind : kListKinds) {
        if (PointerInside(kind)) {
            return;
        }
    }
    CloseAll();
}

void CGKeyMenuPopups::OnListClosed(int kind) {
    if (PointerInside(CComboPopup::kKind)) {
        return;
    }
    m_window.ClosePopup(kind);
    if (!AnyListOpen()) {
        CloseAll();
    }
}

void CGKeyMenuPopups::CloseAll() {
    CloseLists();
    m_window.ClosePopup(CComboPopup::kKind);
    ReleaseButton();
}

void CGKeyMenuPopups::CloseLists() {
    for (int kind : kListKinds) {
        m_window.ClosePopup(kind);
    }
}

bool CGKeyMenuPopups::AnyListOpen() const {
    for (int kind : kListKinds) {
        if (m_window.Popup(kind)) {
            return true;
        }
    }
    return false;
}

bool CGKeyMenuPopups::PointerInside(int kind) const {
    const CWndPopup* popup = m_window.Popup(kind);
    return popup && popup->windowRect().contains(ui::cursorPos());
}

CComboPopup* CGKeyMenuPopups::Menu() const {
    return dynamic_cast<CComboPopup*>(m_window.Popup(CComboPopup::kKind));
}

CComboButton* CGKeyMenuPopups::Button(ui::UINT id) const {
    return dynamic_cast<CComboButton*>(m_window.FindControl(id));
}

void CGKeyMenuPopups::ReleaseButton() {
    if (CComboButton* button = Button(m_button)) {
        button->m_open = ui::FALSE;
        m_window.invalidate(button->GetRect());
    }
    m_button = 0;
}
