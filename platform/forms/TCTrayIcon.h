#pragma once

#include "platform/forms/TComponent.h"
#include "platform/ui/Messages.h"

namespace forms {

class TImageList;
class TPopupMenu;

// Which mouse action on the icon does a thing.
enum class TTrayMouseAction {
    imNone,
    imClick,
    imDoubleClick,
    imMouseDown,
    imMouseUp,
    imLeftClickUp,
    imLeftDoubleClick,
    imRightClickUp,
    imRightDoubleClick,
};

// The program's icon in the notification area. With Hide on, minimising the
// program leaves only this icon; RestoreOn brings the program back (and raises
// OnRestore), PopupMenuOn opens PopupMenu at the pointer.
class TCTrayIcon : public TComponent {
public:
    static constexpr ui::UINT kCallbackMessage = ui::WM_APP + 0x3F01;

    explicit TCTrayIcon(TForm& owner);
    ~TCTrayIcon() override;

    std::string_view KindName() const override { return "TCTrayIcon"; }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool HideTaskbarButton() const { return hide_; }
    void SetHide(bool hide);
    TTrayMouseAction RestoreOn() const { return restoreOn_; }
    void SetRestoreOn(TTrayMouseAction action) { restoreOn_ = action; }
    TTrayMouseAction PopupMenuOn() const { return popupMenuOn_; }
    void SetPopupMenuOn(TTrayMouseAction action) { popupMenuOn_ = action; }
    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu) { popupMenu_ = menu; }
    TImageList* Icons() const { return icons_; }
    void SetIcons(TImageList* icons);
    int IconIndex() const { return iconIndex_; }
    void SetIconIndex(int index);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);

    // To the tray (or the task bar without Hide), and back.
    void Minimize();
    void Restore();

    TNotifyEvent OnRestore;
    TNotifyEvent OnMinimize;
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;

    ui::UINT IconId() const { return id_; }
    // A mouse message on the icon, from the form that owns it.
    void HandleMouse(ui::UINT mouseMessage);

    bool SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                     std::string& error) override;
    bool Loaded(std::string& error) override;
    void DescribeState(std::ostream& out) const override;

private:
    bool Matches(TTrayMouseAction action, ui::UINT mouseMessage) const;
    void Update();

    ui::UINT id_;
    bool visible_ = false;
    bool shown_ = false;
    bool hide_ = false;
    TTrayMouseAction restoreOn_ = TTrayMouseAction::imDoubleClick;
    TTrayMouseAction popupMenuOn_ = TTrayMouseAction::imNone;
    TPopupMenu* popupMenu_ = nullptr;
    TImageList* icons_ = nullptr;
    int iconIndex_ = 0;
    std::string hint_;
    std::string popupMenuName_;
    std::string iconsName_;
};

}  // namespace forms
