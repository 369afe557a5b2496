#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/forms/FormMouseRouter.h"
#include "platform/forms/TComponent.h"
#include "platform/forms/TControl.h"
#include "platform/ui/Region.h"
#include "platform/ui/Window.h"

namespace forms {

class TCTrayIcon;
class TTimer;

enum class TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TFormMouseEvent = std::function<void(TForm* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TFormNotifyEvent = std::function<void(TForm* Sender)>;
using TMessageHandler = std::function<ui::LRESULT(ui::WPARAM wParam, ui::LPARAM lParam)>;

inline constexpr int mrNone = 0;
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;

// A top-level window holding components. Its window exists (hidden) from
// construction on; its layout usually comes from a layout file. Mouse input
// goes first to the application's hook, then to the control under the pointer
// (which keeps it while a button is held), else to the form's own events.
class TForm : public ui::Window {
public:
    TForm();
    // Derived forms whose handlers use their own members call Release() in their
    // destructor, so OnDestroy still finds them.
    ~TForm() override;

    template <class T>
    T& Add(const std::string& name) {
        auto component = std::make_unique<T>(*this);
        component->SetName(name);
        T& added = *component;
        Adopt(std::move(component));
        return added;
    }
    void Adopt(std::unique_ptr<TComponent> component);
    // Components a form does not hold itself (menu items) are findable once registered.
    void RegisterName(TComponent& component);
    void UnregisterName(const TComponent& component);
    TComponent* FindComponent(const std::string& name) const;
    template <class T>
    T* Find(const std::string& name) const {
        return dynamic_cast<T*>(FindComponent(name));
    }
    const std::vector<std::unique_ptr<TComponent>>& Components() const { return components_; }
    // Every control in drawing order (lowest first).
    std::vector<TControl*> Controls() const;
    // The uppermost shown and enabled control at a client point, or null.
    TControl* ControlAtPos(ui::Point client) const;

    // Reads a layout file into this form; an error names the file and the line.
    std::optional<std::string> LoadLayout(const std::string& path);

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }
    const std::string& Caption() const { return title(); }
    void SetCaption(const std::string& caption);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font) { font_ = font; }

    int Left() const { return windowRect().left; }
    int Top() const { return windowRect().top; }
    int Width() const { return windowRect().width(); }
    int Height() const { return windowRect().height(); }
    void SetBounds(int left, int top, int width, int height);
    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientSize(int width, int height);
    // Where the client area starts inside the window (0,0 without a border).
    ui::Point ClientOrigin() const;
    // The outline of the window, in window coordinates; an empty region removes it.
    void SetWindowRgn(const ui::Region& region);
    void SetIcon(const std::string& pictureFile);

    bool Visible() const { return isVisible(); }
    void SetVisible(bool visible);
    void Show();
    void Hide();
    int ShowModal();
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result);
    void Close();
    // Destroys the window now, raising OnDestroy.
    void Release();
    TWindowState WindowState() const;
    void SetWindowState(TWindowState state);

    // Raises OnCreate; TApplication::CreateForm calls it once the form is built.
    void DoCreate();

    // Handlers for window messages by number (user and registered messages);
    // they run before the form's own handling and their result is returned.
    void SetMessageHandler(ui::UINT message, TMessageHandler handler);

    TFormNotifyEvent OnCreate;
    TFormNotifyEvent OnActivate;
    TFormNotifyEvent OnDestroy;
    TFormNotifyEvent OnShow;
    TFormNotifyEvent OnHide;
    TCloseEvent OnClose;
    TFormMouseEvent OnMouseDown;
    TFormMouseEvent OnMouseUp;
    std::function<void(TForm* Sender, TShiftState Shift, int X, int Y)> OnMouseMove;
    TFormNotifyEvent OnClick;

    ui::LRESULT WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) override;

    // For the components.
    void InvalidateFormRect(const ui::Rect& formRect);
    void ControlHidden(const TControl& control);
    std::uintptr_t AllocateTimerId() { return nextTimerId_++; }
    void AddTimer(TTimer& timer);
    void RemoveTimer(const TTimer& timer);
    void AddTrayIcon(TCTrayIcon& tray);
    void RemoveTrayIcon(const TCTrayIcon& tray);

    bool SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                     std::string& error);
    void DescribeState(std::ostream& out) const;

private:
    void Paint();
    void PaintFrame(ui::DeviceContext& dc);
    void PaintControls(ui::DeviceContext& dc, const ui::Rect& clip);
    bool HandleMouse(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam);
    bool OnCaptionBar(ui::Point windowPoint) const;
    void Activated();

    std::string name_;
    int tag_ = 0;
    TBorderStyle borderStyle_ = TBorderStyle::bsNone;
    TColor color_ = clBtnFace;
    TFont font_;
    std::vector<std::unique_ptr<TComponent>> components_;
    std::map<std::string, TComponent*> names_;
    std::map<ui::UINT, TMessageHandler> messageHandlers_;
    std::vector<TTimer*> timers_;
    std::vector<TCTrayIcon*> trayIcons_;
    FormMouseRouter mouse_;
    std::uintptr_t nextTimerId_ = 1;
    int modalResult_ = mrNone;
    bool created_ = false;
};

}  // namespace forms
