#pragma once

#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/scenario/Expectations.h"
#include "platform/scenario/ProgramAdapter.h"
#include "platform/scenario/Script.h"
#include "platform/scenario/Verbs.h"
#include "platform/ui/Types.h"

namespace ui {
class Window;
namespace headless {
class Driver;
}
}  // namespace ui

namespace scenario {

// Runs a program headless under a scenario: the lines that may run before the
// program run first, the program starts, the window's lines run once its main
// window is shown (and, after enter-dialog, inside a modal dialog until it
// closes), and the lines after "quit" run when it has ended. A failed line
// ends the run with its number and what went wrong.
class Runner {
public:
    Runner(Script script, VerbTable verbs, ProgramAdapter& adapter, ui::headless::Driver& driver);
    ~Runner();
    Runner(const Runner&) = delete;
    Runner& operator=(const Runner&) = delete;

    // `program` runs the application; the result is the process's exit code.
    int run(const std::function<void()>& program);

    // The common verbs, with the adapter's own added after them.
    static VerbTable verbsFor(ProgramAdapter& adapter);

    // For the verbs.
    bool fail(const Line& line, const std::string& message);
    ui::headless::Driver& driver() { return driver_; }
    // Null before the main window opened and once it has closed.
    ui::Window* mainWindow() const;

private:
    struct Target {
        ui::Window* window = nullptr;
        ui::Point point;
    };
    enum class WindowKind { main, dialog, popup, window };

    static void addCommonVerbs(VerbTable& verbs);

    void runMainWindow(ui::Window& window);
    // Runs lines while `scope` (the main window or a dialog entered) is up.
    void runLinesIn(ui::Window& scope);
    bool execute(const Line& line);
    bool checkExpectations(const Line& current);
    bool gone(const ui::Window* window) const;

    // The open windows, topmost first; the main window is among them while it exists.
    std::vector<ui::Window*> openWindows() const;
    WindowKind kindOf(ui::Window& window) const;
    // The window that takes "x,y" targets and keystrokes: the dialog entered last, else the main window.
    ui::Window* inputWindow() const;
    std::optional<Target> resolveTarget(const Line& line, const std::string& word);

    bool pointer(const Line& line);
    void drag(ui::Window& window, ui::Point start, ui::Point offset);
    bool keyEvent(const Line& line);
    bool tray(const Line& line);
    bool screenshot(const Line& line);
    ui::Window* pictureWindow(const Line& line, const std::string& what);
    bool dump(const Line& line);
    bool expectLine(const Line& line, bool present);
    bool waitForFile(const Line& line);
    bool enterDialog(const Line& line);
    bool queued(const Line& line, const std::optional<std::string>& wrongWords);

    std::string dumpWindows();
    std::string fullDump();
    std::string dumpFileDialogs() const;

    Script script_;
    VerbTable verbs_;
    ProgramAdapter& adapter_;
    ui::headless::Driver& driver_;
    Expectations expectations_;
    ui::Window* main_ = nullptr;
    bool mainOpened_ = false;
    bool mainDone_ = false;
    bool failed_ = false;
    std::size_t next_ = 0;
    std::vector<ui::Window*> scopes_;  // the main window, then the dialogs entered
    std::mutex launchesMutex_;
    std::vector<std::vector<std::string>> launches_;
};

}  // namespace scenario
