#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/forms/FormTypes.h"

namespace forms {

class TControl;
class TCTrayIcon;
class TForm;

using TMessageEvent = std::function<void(TMsg& Msg, bool& Handled)>;

// The program as a whole: its forms, the main one among them, the message
// loop, minimising to the task bar or the tray, and the hook that sees the
// mouse input of every form before any control does.
class TApplication {
public:
    std::string Title;

    // Builds a form, makes the first one the main form and raises its OnCreate.
    template <class T, class... Args>
    std::unique_ptr<T> CreateForm(Args&&... args) {
        auto form = std::make_unique<T>(std::forward<Args>(args)...);
        if (mainForm_ == nullptr) {
            mainForm_ = form.get();
        }
        form->DoCreate();
        return form;
    }
    TForm* MainForm() const { return mainForm_; }
    void SetMainForm(TForm* form) { mainForm_ = form; }
    // Every live form, in creation order.
    const std::vector<TForm*>& Forms() const { return forms_; }

    // Shows the main form and runs the message loop until Terminate.
    int Run();
    void Terminate();
    // Hands out what is queued now (messages, paints, due timers) and returns.
    void ProcessMessages();

    // To the task-bar button, or, when a tray icon hides the program, to the tray only.
    void Minimize();
    void Restore();
    bool Minimized() const { return minimized_; }
    void SetTrayHide(TCTrayIcon* tray) { trayHide_ = tray; }
    std::function<void()> OnMinimize;
    std::function<void()> OnRestore;

    // Mouse messages of every form pass here first; Handled = true stops them.
    TMessageEvent OnMessage;
    bool HookInput(TMsg& msg);
    // The control under a screen point, on the uppermost shown form; null when none.
    TControl* FindControlAt(ui::Point screen) const;

    // The same number for the same name, in every program of ours (0xC000 to 0xFFFF).
    ui::UINT RegisterWindowMessage(const std::string& name);

    void FormCreated(TForm& form);
    void FormDestroyed(TForm& form);

private:
    TForm* mainForm_ = nullptr;
    std::vector<TForm*> forms_;
    std::vector<TForm*> hiddenByMinimize_;
    TCTrayIcon* trayHide_ = nullptr;
    bool minimized_ = false;
    std::vector<std::pair<std::string, ui::UINT>> registered_;
};

extern TApplication* const Application;

// The screen's size in pixels.
class TScreen {
public:
    int Width() const;
    int Height() const;
    int PixelsPerInch() const;
};

extern TScreen* const Screen;

}  // namespace forms
