#include "keyboard/toolkit/CEditShowList.h"

#include "keyboard/model/MacroRules.h"

namespace {
constexpr ui::COLORREF kGround = ui::RGB(5, 16, 38);
constexpr ui::COLORREF kSelected = ui::RGB(53, 160, 222);
constexpr ui::COLORREF kText = ui::RGB(255, 255, 255);
}  // namespace

CEditShowList::CEditShowList(ui::Window* parent, ui::UINT id, const ui::Rect& rect, MacroLibrary* library,
                             const std::string& text, ui::BOOL visible, ui::BOOL disabled)
    : CControlBase(parent, id, rect, text, visible, disabled, ui::TRUE),
      m_library(library),
      m_visibleRows((rect.height() + 10) / kRowHeight) {}

CEditShowList::~CEditShowList() = default;

MacroSet* CEditShowList::Set() const {
    return m_library ? m_library->GetSet(m_shownSet) : nullptr;
}

int CEditShowList::MacroCount() const {
    const MacroSet* set = Set();
    return set ? static_cast<int>(set->macros.size()) : 0;
}

void CEditShowList::ShowSet(int setIndex) {
    m_shownSet = setIndex;
    m_firstRow = 0;
    m_selection = MacroCount() > 0 ? 0 : -1;
    InvalidateSelf();
}

void CEditShowList::ScrollToEnd() {
    const int count = MacroCount();
    m_firstRow = count > m_visibleRows ? count - m_visibleRows : 0;
    InvalidateSelf();
}

ui::BOOL CEditShowList::BeginNewName() {
    if (m_edit) {
        return ui::FALSE;
    }
    if (!Set() || !m_parent) {
        return ui::TRUE;
    }
    const int count = MacroCount();
    int row = count;
    if (count >= m_visibleRows) {
        m_firstRow = count - m_visibleRows + 1;
        row = m_visibleRows - 1;
    }
    const ui::Rect place{m_rect.left + 2, m_rect.top + kRowHeight * row + 2, m_rect.right - 2,
                         m_rect.top + kRowHeight * row + kRowHeight};
    m_edit = std::make_unique<ui::EditControl>();
    if (!m_edit->create(*m_parent, kEditId, place)) {
        m_edit.reset();
        return ui::TRUE;
    }
    m_edit->setFocus();
    InvalidateSelf();
    return ui::TRUE;
}

std::string CEditShowList::GetEditText() const {
    return m_edit ? m_edit->text() : std::string{};
}

void CEditShowList::Draw(ui::DeviceContext& dc, const ui::Rect&) {
    dc.fillRect(m_rect, kGround);
    const MacroSet* set = Set();
    if (!set) {
        return;
    }
    ui::BkMode previousMode = dc.setBkMode(ui::BkMode::transparent);
    ui::COLORREF previousColor = dc.setTextColor(kText);
    ui::Font previousFont = dc.setFont(m_font);
    const int count = MacroCount();
    for (int i = 0; i < m_visibleRows && m_firstRow + i < count; ++i) {
        const int index = m_firstRow + i;
        const ui::Rect row{m_rect.left + 2, m_rect.top + kRowHeight * i, m_rect.right - 2,
                           m_rect.top + kRowHeight * i + kRowHeight};
        if (index == m_selection) {
            dc.fillRect(row, kSelected);
        }
        dc.drawText(set->macros[static_cast<std::size_t>(index)].name, row,
                    ui::DT_SINGLELINE | ui::DT_VCENTER | ui::DT_WORD_ELLIPSIS);
    }
    dc.setFont(previousFont);
    dc.setTextColor(previousColor);
    dc.setBkMode(previousMode);
}

ui::BOOL CEditShowList::OnMouseMove(ui::UINT, int x, int y) {
    if (m_disabled) {
        return ui::FALSE;
    }
    return m_state.Move(Contains(x, y));
}

ui::BOOL CEditShowList::OnLButtonDown(ui::UINT, int x, int y) {
    if (m_disabled) {
        return ui::FALSE;
    }
    ui::BOOL changed = ui::FALSE;
    if (m_state.Press(Contains(x, y))) {
        // Counted from the first visible row, so a press below the last macro
        // of a scrolled list cannot select past the end.
        const int index = m_firstRow + (y - m_rect.top) / kRowHeight;
        if (index < MacroCount() && index != m_selection) {
            m_selection = index;
            changed = ui::TRUE;
        }
    }
    if (m_edit) {
        CommitName();
        changed = ui::TRUE;
    }
    return changed;
}

ui::BOOL CEditShowList::OnLButtonUp(ui::UINT, int x, int y) {
    if (m_disabled) {
        return ui::FALSE;
    }
    if (m_state.Release(Contains(x, y))) {
        Notify(kNotifyClicked);
    }
    return ui::FALSE;
}

// The duplicate check comes first but a name that is also too long reports
// its length, so the user fixes that first.
void CEditShowList::CommitName() {
    const std::string name = m_edit->text();
    if (name.empty()) {
        CloseEdit();
        return;
    }
    MacroSet* set = Set();
    bool taken = false;
    if (set) {
        for (const MacroKey& macro : set->macros) {
            taken = taken || macro.name == name;
        }
    }
    if (NameLength(name) > kMacroNameLimit) {
        Notify(kNotifyNameTooLong);
        return;
    }
    if (taken) {
        Notify(kNotifyNameExists);
        return;
    }
    if (set) {
        set->AddMacro(name);
    }
    Notify(kNotifyNameAdded);
    CloseEdit();
}

void CEditShowList::CloseEdit() {
    if (m_edit) {
        m_edit->destroy();
        m_edit.reset();
    }
    InvalidateSelf();
}
