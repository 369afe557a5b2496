#pragma once

#include <memory>
#include <string>

#include "keyboard/model/MacroLibrary.h"
#include "keyboard/toolkit/ButtonState.h"
#include "keyboard/toolkit/CControlBase.h"
#include "platform/ui/EditControl.h"

// The macro names of one set of the library, one 20-pixel row each, with an
// inline editor for the name of a new macro. A press while the editor is open
// commits the typed name.
class CEditShowList : public CControlBase {
public:
    static constexpr int kEditId = 2016;
    static constexpr int kRowHeight = 20;

    CEditShowList(ui::Window* parent, ui::UINT id, const ui::Rect& rect, MacroLibrary* library,
                  const std::string& text = {}, ui::BOOL visible = ui::TRUE, ui::BOOL disabled = ui::FALSE);
    ~CEditShowList() override;

    void ShowSet(int setIndex);
    void ScrollToEnd();
    // FALSE when an editor is already open; TRUE otherwise, also when no set
    // is shown and so nothing opens.
    ui::BOOL BeginNewName();
    std::string GetEditText() const;

    void Draw(ui::DeviceContext& dc, const ui::Rect& clip) override;
    ui::BOOL OnMouseMove(ui::UINT flags, int x, int y) override;
    ui::BOOL OnLButtonDown(ui::UINT flags, int x, int y) override;
    ui::BOOL OnLButtonUp(ui::UINT flags, int x, int y) override;

    int ShownSet() const { return m_shownSet; }
    int Selection() const { return m_selection; }
    void SetSelection(int index) { m_selection = index; }
    int FirstVisibleRow() const { return m_firstRow; }
    void SetFirstVisibleRow(int row) { m_firstRow = row; }
    int VisibleRows() const { return m_visibleRows; }
    ui::EditControl* Edit() const { return m_edit.get(); }

    // A typed name is committed by a press in the list, and by the owner on
    // Enter or a press elsewhere: added (11), or refused (12, 13) with the
    // editor left open for the owner to close after telling the user.
    bool HasPendingName() const { return m_edit != nullptr; }
    void CommitName();
    void CloseEdit();

private:
    MacroSet* Set() const;
    int MacroCount() const;

    MacroLibrary* m_library;
    std::unique_ptr<ui::EditControl> m_edit;
    int m_shownSet = -1;
    int m_selection = -1;
    int m_visibleRows;
    int m_firstRow = 0;
    ButtonState m_state;
};
