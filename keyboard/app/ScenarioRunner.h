#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "keyboard/app/EmulatedKeyboardBus.h"
#include "keyboard/app/ScenarioScript.h"
#include "platform/ui/headless/Driver.h"

class CDlgBase;
class CTarvikDlg;

// Runs the configurator headless under a scenario: the lines before the first
// one that needs the window run first, the program starts, the window's lines
// run once it is shown, and the lines after "quit" run when it has ended. A
// failed line ends the run with its number and what went wrong.
class ScenarioRunner {
public:
    ScenarioRunner(ScenarioScript script, EmulatedKeyboardBus& emulated, ui::headless::Driver& driver);
    ~ScenarioRunner();

    // `program` runs the application; the result is the process's exit code.
    int Run(const std::function<void()>& program);

private:
    // Something the next action must bring about: a dialog, a message box, a
    // file dialog or a popup menu. The answers are queued with the driver first.
    struct Expectation {
        enum class Kind { dialog, message, fileDialog, menu };
        Kind kind;
        ScenarioLine line;
        std::string title;
        std::string text;
        std::size_t seenBefore = 0;  // message boxes or file dialogs shown before
        bool met = false;
        std::string seenTitle;
        std::string seenText;
    };

    void RunWindowLines(ui::Window& window);
    bool Execute(const ScenarioLine& line);
    bool Fail(const ScenarioLine& line, const std::string& message);
    // Checks what the lines before `current` expected; `current` names a failure.
    bool CheckExpectations(const ScenarioLine& current);
    bool WindowGone() const;
    void OnUnexpectedDialog(ui::Window& dialog);

    bool Pointer(const ScenarioLine& line);
    bool PopupItem(const ScenarioLine& line);
    bool KeyEvent(const ScenarioLine& line);
    bool KeyboardEvent(const ScenarioLine& line);
    bool ExpectDialog(const ScenarioLine& line);
    bool ExpectMessage(const ScenarioLine& line);
    bool AnswerFileDialog(const ScenarioLine& line);
    bool AnswerMenu(const ScenarioLine& line);
    bool Tray(const ScenarioLine& line);
    // A dialog opened by the script; the lines after it run while it is open.
    bool OpenDialog(const ScenarioLine& line);
    void RunDialogLines(ui::Window& dialog);
    // The open dialog, or else the main window: where pointers and keystrokes go.
    CDlgBase& Target() const;
    bool Screenshot(const ScenarioLine& line);
    bool Dump(const ScenarioLine& line);
    bool ExpectLine(const ScenarioLine& line, bool present);
    bool WaitForFile(const ScenarioLine& line);
    bool ResolvePoint(const ScenarioLine& line, const std::string& target, ui::Point& point);
    bool WaitUntilListening();
    std::string FullDump();

    ScenarioScript script_;
    EmulatedKeyboardBus& emulated_;
    ui::headless::Driver& driver_;
    CTarvikDlg* window_ = nullptr;
    CDlgBase* dialog_ = nullptr;
    std::vector<std::string> dialogResults_;  // what dialogs reported, as dump lines
    bool windowOpened_ = false;
    bool windowDone_ = false;
    bool failed_ = false;
    std::size_t next_ = 0;
    std::vector<std::shared_ptr<Expectation>> expectations_;
    std::vector<std::string> unexpected_;  // dialogs shown without an expectation
    std::mutex launchesMutex_;
    std::vector<std::vector<std::string>> launches_;
};
