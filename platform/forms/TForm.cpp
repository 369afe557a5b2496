#include "platform/forms/TForm.h"

#include <algorithm>

#include "platform/forms/FormLayout.h"
#include "platform/forms/LayoutProperties.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCTrayIcon.h"
#include "platform/forms/TTimer.h"
#include "platform/ui/Image.h"
#include "platform/ui/Messaging.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/detail/WindowState.h"

namespace forms {

namespace {

// A form with a border gets a frame and a caption bar drawn by the form itself:
// the layer's windows are all client area.
constexpr int kFrame = 3;
constexpr int kCaptionBar = 22;
constexpr ui::UINT SC_MOVE = 0xF010;
constexpr ui::UINT SC_MINIMIZE = 0xF020;
constexpr ui::UINT SC_CLOSE = 0xF060;
constexpr ui::UINT SC_RESTORE = 0xF120;

bool isMouseMessage(ui::UINT message) {
    return message >= ui::WM_MOUSEMOVE && message <= ui::WM_RBUTTONDBLCLK;
}

bool isButtonDown(ui::UINT message) {
    return message == ui::WM_LBUTTONDOWN || message == ui::WM_RBUTTONDOWN || message == ui::WM_LBUTTONDBLCLK ||
           message == ui::WM_RBUTTONDBLCLK;
}

// Graphic children of `parent` first, then each windowed child followed by its own children.
void appendInOrder(const std::vector<std::unique_ptr<TComponent>>& components, const TControl* parent,
                   std::vector<TControl*>& out) {
    std::vector<TControl*> windowed;
    for (const auto& component : components) {
        auto* control = dynamic_cast<TControl*>(component.get());
        if (control == nullptr || control->Parent() != parent) {
            continue;
        }
        if (control->IsWindowed()) {
            windowed.push_back(control);
        } else {
            out.push_back(control);
        }
    }
    for (TControl* control : windowed) {
        out.push_back(control);
        appendInOrder(components, control, out);
    }
}

}  // namespace

TForm::TForm() : mouse_(*this) {
    ui::WindowOptions options;
    options.rect = ui::rectAt(0, 0, 320, 240);
    options.doubleClicks = true;
    create(options);
    Application->FormCreated(*this);
}

TForm::~TForm() {
    Application->FormDestroyed(*this);
    // The derived parts are gone: handlers bound to them must not run any more.
    OnDestroy = nullptr;
    OnHide = nullptr;
    destroy();
    timers_.clear();
    components_.clear();
}

void TForm::Adopt(std::unique_ptr<TComponent> component) {
    RegisterName(*component);
    components_.push_back(std::move(component));
    invalidate();
}

void TForm::RegisterName(TComponent& component) {
    if (!component.Name().empty()) {
        names_[component.Name()] = &component;
    }
}

void TForm::UnregisterName(const TComponent& component) {
    const auto it = names_.find(component.Name());
    if (it != names_.end() && it->second == &component) {
        names_.erase(it);
    }
}

TComponent* TForm::FindComponent(const std::string& name) const {
    const auto it = names_.find(name);
    return it == names_.end() ? nullptr : it->second;
}

std::vector<TControl*> TForm::Controls() const {
    std::vector<TControl*> ordered;
    appendInOrder(components_, nullptr, ordered);
    return ordered;
}

TControl* TForm::ControlAtPos(ui::Point client) const {
    const std::vector<TControl*> ordered = Controls();
    for (auto it = ordered.rbegin(); it != ordered.rend(); ++it) {
        TControl* control = *it;
        if (!control->Showing() || !control->FormRect().contains(client)) {
            continue;
        }
        // A disabled control passes its input to its parent, as it would on the desktop.
        return control->Enabled() ? control : control->Parent();
    }
    return nullptr;
}

std::optional<std::string> TForm::LoadLayout(const std::string& path) {
    return loadFormLayout(*this, path);
}

void TForm::SetCaption(const std::string& caption) {
    setTitle(caption);
    if (borderStyle_ != TBorderStyle::bsNone) {
        invalidate();
    }
}

void TForm::SetBorderStyle(TBorderStyle style) {
    const int width = ClientWidth();
    const int height = ClientHeight();
    borderStyle_ = style;
    SetClientSize(width, height);
    invalidate();
}

void TForm::SetColor(TColor color) {
    color_ = color;
    invalidate();
}

void TForm::SetBounds(int left, int top, int width, int height) {
    setWindowRect(ui::rectAt(left, top, width, height));
    invalidate();
}

ui::Point TForm::ClientOrigin() const {
    return borderStyle_ == TBorderStyle::bsNone ? ui::Point{0, 0} : ui::Point{kFrame, kFrame + kCaptionBar};
}

int TForm::ClientWidth() const {
    return Width() - 2 * ClientOrigin().x;
}

int TForm::ClientHeight() const {
    return Height() - ClientOrigin().y - ClientOrigin().x;
}

void TForm::SetClientSize(int width, int height) {
    const ui::Point origin = ClientOrigin();
    SetBounds(Left(), Top(), width + 2 * origin.x, height + origin.y + origin.x);
}

void TForm::SetWindowRgn(const ui::Region& region) {
    setShape(region);
    invalidate();
}

void TForm::SetIcon(const std::string& pictureFile) {
    const ui::Image icon = ui::Image::fromFile(pictureFile);
    if (!icon.isNull() && state().native) {
        state().native->setIcon(icon);
    }
}

void TForm::SetVisible(bool visible) {
    if (visible) {
        Show();
    } else {
        Hide();
    }
}

void TForm::Show() {
    if (!isVisible() || isMinimized()) {
        show(ui::ShowCommand::showNormal);
        if (OnShow) {
            OnShow(this);
        }
    }
    bringToFront();
}

void TForm::Hide() {
    if (isVisible()) {
        show(ui::ShowCommand::hide);
        if (OnHide) {
            OnHide(this);
        }
    }
}

int TForm::ShowModal() {
    // Every other form is out of reach while this one runs, as on the desktop.
    std::vector<TForm*> disabled;
    for (TForm* form : Application->Forms()) {
        if (form != this && form->isEnabled()) {
            form->enable(false);
            disabled.push_back(form);
        }
    }
    modalResult_ = mrNone;
    Show();
    const ui::WindowHandle self = handle();
    runModal();
    if (ui::windowFromHandle(self) == this) {
        Hide();
    }
    for (TForm* form : Application->Forms()) {
        if (std::find(disabled.begin(), disabled.end(), form) != disabled.end()) {
            form->enable(true);
        }
    }
    return modalResult_ == mrNone ? mrCancel : modalResult_;
}

void TForm::SetModalResult(int result) {
    modalResult_ = result;
    if (result != mrNone && inModalRun()) {
        endModal(result);
    }
}

void TForm::Close() {
    TCloseAction action = TCloseAction::caHide;
    if (OnClose) {
        OnClose(nullptr, action);
    }
    if (action == TCloseAction::caNone) {
        return;
    }
    if (inModalRun()) {
        SetModalResult(modalResult_ == mrNone ? mrCancel : modalResult_);
        return;
    }
    if (Application->MainForm() == this) {
        Hide();
        Application->Terminate();
        return;
    }
    switch (action) {
        case TCloseAction::caFree:
            Release();
            break;
        case TCloseAction::caMinimize:
            Application->Minimize();
            break;
        default:
            Hide();
            break;
    }
}

void TForm::Release() {
    destroy();
}

TWindowState TForm::WindowState() const {
    if (isMinimized()) {
        return TWindowState::wsMinimized;
    }
    return isMaximized() ? TWindowState::wsMaximized : TWindowState::wsNormal;
}

void TForm::SetWindowState(TWindowState state) {
    switch (state) {
        case TWindowState::wsMinimized:
            show(ui::ShowCommand::minimize);
            break;
        case TWindowState::wsMaximized:
            show(ui::ShowCommand::maximize);
            break;
        case TWindowState::wsNormal:
            if (isVisible()) {
                show(ui::ShowCommand::restore);
            }
            break;
    }
}

void TForm::DoCreate() {
    if (!created_) {
        created_ = true;
        if (OnCreate) {
            OnCreate(this);
        }
    }
}

void TForm::SetMessageHandler(ui::UINT message, TMessageHandler handler) {
    if (handler) {
        messageHandlers_[message] = std::move(handler);
    } else {
        messageHandlers_.erase(message);
    }
}

void TForm::InvalidateFormRect(const ui::Rect& formRect) {
    const ui::Point origin = ClientOrigin();
    invalidate(formRect.offset(origin.x, origin.y));
}

void TForm::ControlHidden(const TControl& control) {
    mouse_.ControlHidden(control);
}

void TForm::AddTimer(TTimer& timer) {
    timers_.push_back(&timer);
}

void TForm::RemoveTimer(const TTimer& timer) {
    std::erase(timers_, &timer);
}

void TForm::AddTrayIcon(TCTrayIcon& tray) {
    trayIcons_.push_back(&tray);
}

void TForm::RemoveTrayIcon(const TCTrayIcon& tray) {
    std::erase(trayIcons_, &tray);
}

ui::LRESULT TForm::WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
    if (const auto it = messageHandlers_.find(message); it != messageHandlers_.end()) {
        const TMessageHandler handler = it->second;  // a handler may replace itself
        return handler(wParam, lParam);
    }
    if (isMouseMessage(message)) {
        HandleMouse(message, wParam, lParam);
        return 0;
    }
    switch (message) {
        case ui::WM_PAINT:
            Paint();
            return 0;
        case ui::WM_TIMER:
            for (TTimer* timer : std::vector<TTimer*>(timers_)) {
                if (timer->TimerId() == wParam) {
                    timer->Fire();
                    break;
                }
            }
            return 0;
        case ui::WM_ACTIVATE:
            if (wParam != ui::WA_INACTIVE) {
                Activated();
            }
            return 0;
        case ui::WM_CLOSE:
            Close();
            return 0;
        case ui::WM_DESTROY:
            if (OnDestroy) {
                OnDestroy(this);
            }
            return 0;
        case ui::WM_SYSCOMMAND:
            switch (wParam & 0xFFF0) {
                case SC_MOVE:
                    ui::releaseCapture();
                    return DefWindowProc(ui::WM_NCLBUTTONDOWN, ui::HTCAPTION, lParam);
                case SC_MINIMIZE:
                    Application->Minimize();
                    return 0;
                case SC_RESTORE:
                    Application->Restore();
                    return 0;
                case SC_CLOSE:
                    Close();
                    return 0;
                default:
                    return 0;
            }
        default:
            break;
    }
    if (message == TCTrayIcon::kCallbackMessage) {
        for (TCTrayIcon* tray : std::vector<TCTrayIcon*>(trayIcons_)) {
            if (tray->IconId() == wParam) {
                tray->HandleMouse(static_cast<ui::UINT>(lParam));
                break;
            }
        }
        return 0;
    }
    return DefWindowProc(message, wParam, lParam);
}

void TForm::Activated() {
    if (OnActivate) {
        OnActivate(this);
    }
}

bool TForm::HandleMouse(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
    const ui::Point windowPoint = ui::pointFromParam(lParam);
    TMsg msg{this, message, wParam, lParam, clientToScreen(windowPoint)};
    if (Application->HookInput(msg)) {
        return false;
    }
    if (!mouse_.Pressing() && isButtonDown(message) && OnCaptionBar(windowPoint)) {
        if (message == ui::WM_LBUTTONDOWN && windowPoint.x >= Width() - kFrame - kCaptionBar) {
            Close();  // the close box
        } else if (message == ui::WM_LBUTTONDOWN) {
            DefWindowProc(ui::WM_NCLBUTTONDOWN, ui::HTCAPTION, lParam);
        }
        return true;
    }
    const ui::Point origin = ClientOrigin();
    mouse_.Route(message, wParam, {windowPoint.x - origin.x, windowPoint.y - origin.y});
    return true;
}

bool TForm::OnCaptionBar(ui::Point windowPoint) const {
    return borderStyle_ != TBorderStyle::bsNone && windowPoint.y < kFrame + kCaptionBar;
}

void TForm::Paint() {
    ui::PaintDC dc(*this);
    const ui::Rect clip = dc.paintRect();
    const ui::Point origin = ClientOrigin();
    dc.setClipRect(clip);
    dc.fillRect(clip, color_);
    if (borderStyle_ != TBorderStyle::bsNone) {
        PaintFrame(dc);
    }
    const ui::Rect clientArea = ui::rectAt(origin.x, origin.y, ClientWidth(), ClientHeight());
    PaintControls(dc, clip.intersected(clientArea));
}

void TForm::PaintFrame(ui::DeviceContext& dc) {
    const ui::Rect whole = clientRect();
    dc.fillRect(ui::rectAt(0, 0, whole.width(), kFrame + kCaptionBar), 0x00A05A1E);
    drawEdge(dc, whole, Edge::raised);
    dc.setBkMode(ui::BkMode::transparent);
    dc.setTextColor(clWhite);
    TFont captionFont = font_;
    captionFont.Style |= fsBold;
    dc.setFont(layerFont(captionFont));
    const ui::Rect bar = ui::rectAt(kFrame + 4, kFrame, whole.width() - 2 * kFrame - kCaptionBar - 4, kCaptionBar);
    dc.drawText(Caption(), bar, ui::DT_SINGLELINE | ui::DT_VCENTER | ui::DT_NOPREFIX | ui::DT_END_ELLIPSIS);
    const ui::Rect closeBox = ui::rectAt(whole.width() - kFrame - kCaptionBar, kFrame, kCaptionBar, kCaptionBar);
    dc.drawText("\u00D7", closeBox, ui::DT_SINGLELINE | ui::DT_VCENTER | ui::DT_CENTER | ui::DT_NOPREFIX);
}

void TForm::PaintControls(ui::DeviceContext& dc, const ui::Rect& clip) {
    const ui::Point origin = ClientOrigin();
    for (TControl* control : Controls()) {
        if (!control->Showing()) {
            continue;
        }
        const ui::Rect rect = control->FormRect().offset(origin.x, origin.y);
        ui::Rect visible = rect.intersected(clip);
        for (const TControl* p = control->Parent(); p != nullptr && !visible.isEmpty(); p = p->Parent()) {
            visible = visible.intersected(p->FormRect().offset(origin.x, origin.y));
        }
        if (visible.isEmpty()) {
            continue;
        }
        dc.setClipRect(visible);
        control->Paint(dc, rect);
    }
    dc.setClipRect(clip);
}

bool TForm::SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                        std::string& error) {
    if (key == "Caption") {
        return layout::applyText(value, error, [&](const std::string& v) { SetCaption(v); });
    }
    if (key == "BorderStyle") {
        return layout::applyEnum<TBorderStyle>(value, error,
                                               {{"bsNone", TBorderStyle::bsNone},
                                                {"bsSingle", TBorderStyle::bsSingle},
                                                {"bsDialog", TBorderStyle::bsDialog},
                                                {"bsSizeable", TBorderStyle::bsSizeable},
                                                {"bsToolWindow", TBorderStyle::bsToolWindow}},
                                               [&](TBorderStyle v) { SetBorderStyle(v); });
    }
    if (key == "Color") {
        return layout::applyColor(value, error, [&](TColor v) { SetColor(v); });
    }
    if (key == "ClientWidth") {
        return layout::applyInt(value, error, [&](int v) { SetClientSize(v, ClientHeight()); });
    }
    if (key == "ClientHeight") {
        return layout::applyInt(value, error, [&](int v) { SetClientSize(ClientWidth(), v); });
    }
    if (key == "Left") {
        return layout::applyInt(value, error, [&](int v) { move({v, Top()}); });
    }
    if (key == "Top") {
        return layout::applyInt(value, error, [&](int v) { move({Left(), v}); });
    }
    if (key == "Tag") {
        return layout::toInt(value, tag_, error);
    }
    if (key == "Position") {
        return layout::applyEnum<int>(value, error, {{"poDesigned", 0}, {"poScreenCenter", 1}},
                                      [&](int v) { v == 1 ? centerOn(nullptr) : void(); });
    }
    if (key == "FormStyle") {
        return layout::applyEnum<bool>(value, error, {{"fsNormal", false}, {"fsStayOnTop", true}},
                                       [&](bool v) { setTopmost(v); });
    }
    if (key == "Icon") {
        return layout::applyText(value, error,
                                 [&](const std::string& v) { SetIcon(layout::resolvePath(folder, v)); });
    }
    if (key.starts_with("Font.")) {
        return layout::setFontProperty(font_, key.substr(5), value, error);
    }
    error = "unknown property \"" + key + "\" of TForm";
    return false;
}

void TForm::DescribeState(std::ostream& out) const {
    out << "form " << name_ << " at=" << Left() << ',' << Top() << " client=" << ClientWidth() << 'x'
        << ClientHeight() << " visible=" << (isVisible() ? 1 : 0) << " minimized=" << (isMinimized() ? 1 : 0)
        << " active=" << (isActive() ? 1 : 0) << " enabled=" << (isEnabled() ? 1 : 0) << " shaped=" << (shape().isEmpty() ? 0 : 1)
        << " caption=";
    writeQuoted(out, Caption());
}

}  // namespace forms
