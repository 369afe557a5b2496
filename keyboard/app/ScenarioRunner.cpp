#include "keyboard/app/ScenarioRunner.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <thread>

#include "keyboard/app/PopupTargets.h"
#include "keyboard/app/ScenarioValues.h"
#include "keyboard/app/StateDump.h"
#include "keyboard/mainwindow/CTarvikDlg.h"
#include "platform/core/AtomicFile.h"
#include "platform/hook/CKeyboardHook.h"
#include "platform/shell/Shell.h"
#include "platform/ui/Messaging.h"

namespace {

constexpr auto kEventWait = std::chrono::milliseconds(3000);

}  // namespace

// A scripted run starts no programs or browsers: what it would start is
// recorded and shown with the state.
ScenarioRunner::ScenarioRunner(ScenarioScript script, EmulatedKeyboardBus& emulated,
                               ui::headless::Driver& driver)
    : script_(std::move(script)), emulated_(emulated), driver_(driver) {
    driver_.onUnansweredModal([this](ui::Window& dialog) { OnUnexpectedDialog(dialog); });
    shell::setLauncher([this](const std::vector<std::string>& commandLine) {
        std::lock_guard lock(launchesMutex_);
        launches_.push_back(commandLine);
        return true;
    });
}

ScenarioRunner::~ScenarioRunner() {
    shell::setLauncher(nullptr);
    driver_.onUnansweredModal(nullptr);
}

int ScenarioRunner::Run(const std::function<void()>& program) {
    const auto& lines = script_.lines;
    while (next_ < lines.size() && !NeedsWindow(lines[next_])) {
        if (!Execute(lines[next_++])) {
            return 1;
        }
    }
    driver_.answerModal([this](ui::Window& window) { RunWindowLines(window); });
    program();
    window_ = nullptr;
    windowDone_ = true;
    if (failed_) {
        return 1;
    }
    // What the last line run expected (the start itself, in a run without the window).
    if (!lines.empty() && !CheckExpectations(lines[next_ > 0 ? next_ - 1 : 0])) {
        return 1;
    }
    if (!windowOpened_ && next_ < lines.size()) {
        Fail(lines[next_], "the main window never opened");
        return 1;
    }
    while (next_ < lines.size()) {
        const ScenarioLine& line = lines[next_++];
        if (NeedsWindow(line) && !LooksAtState(line)) {
            Fail(line, "the main window has closed");
            return 1;
        }
        if (!Execute(line) || !CheckExpectations(line)) {
            return 1;
        }
    }
    return 0;
}

void ScenarioRunner::RunWindowLines(ui::Window& window) {
    window_ = dynamic_cast<CTarvikDlg*>(&window);
    if (!window_) {
        return;  // not the main window: leave it to the headless default
    }
    windowOpened_ = true;
    const auto& lines = script_.lines;
    while (next_ < lines.size() && !WindowGone()) {
        const ScenarioLine& line = lines[next_++];
        if (line.verb == "quit" || line.verb == "close") {
            ui::SendMessage(window_, ui::WM_CLOSE);
            break;
        }
        if (!Execute(line)) {
            failed_ = true;
            break;
        }
        const bool answersNextAction = line.verb.rfind("expect-", 0) == 0 && line.verb != "expect-not";
        if (!answersNextAction && line.verb != "file-dialog" && line.verb != "menu" &&
            !CheckExpectations(line)) {
            failed_ = true;
            break;
        }
    }
    if (failed_ && !WindowGone()) {
        ui::SendMessage(window_, ui::WM_CLOSE);
    }
}

bool ScenarioRunner::WindowGone() const {
    return !window_ || !window_->exists() || window_->modalEnded();
}

bool ScenarioRunner::Fail(const ScenarioLine& line, const std::string& message) {
    std::cerr << script_.name << ":" << line.number << ": " << line.verb << ": " << message << "\n";
    failed_ = true;
    return false;
}

bool ScenarioRunner::Execute(const ScenarioLine& line) {
    const std::string& verb = line.verb;
    const auto& words = line.words;
    if (verb == "attach") {
        emulated_.Attach();
        driver_.runUntilIdle();
    } else if (verb == "detach") {
        emulated_.Detach();
        driver_.runUntilIdle();
    } else if (verb == "keyboard-profile") {
        auto profile = ParseNumber(words[0]);
        if (!profile || *profile > 7) {
            return Fail(line, "a profile 0..7 is needed");
        }
        emulated_.Keyboard().change(
            [&](sim::KeyboardFirmware& f) { f.currentProfile = static_cast<std::uint8_t>(*profile); });
    } else if (verb == "event" || verb == "profile-key") {
        return KeyboardEvent(line);
    } else if (verb == "click" || verb == "double-click" || verb == "press" || verb == "release" ||
               verb == "move" || verb == "leave" || verb == "wheel") {
        return Pointer(line);
    } else if (verb == "popup") {
        return PopupItem(line);
    } else if (verb == "key" || verb == "keystroke") {
        return KeyEvent(line);
    } else if (verb == "type") {
        driver_.typeText(words[0]);
    } else if (verb == "advance" || verb == "wait") {
        auto ms = ParseNumber(words[0]);
        if (!ms) {
            return Fail(line, "milliseconds expected");
        }
        if (verb == "advance") {
            driver_.advance(std::chrono::milliseconds(*ms));
        } else {
            driver_.waitForPosted(std::chrono::milliseconds(*ms));
        }
    } else if (verb == "expect-dialog") {
        return ExpectDialog(line);
    } else if (verb == "expect-message") {
        return ExpectMessage(line);
    } else if (verb == "file-dialog") {
        return AnswerFileDialog(line);
    } else if (verb == "menu") {
        return AnswerMenu(line);
    } else if (verb == "tray") {
        return Tray(line);
    } else if (verb == "open-dialog") {
        return OpenDialog(line);
    } else if (verb == "screenshot") {
        return Screenshot(line);
    } else if (verb == "dump") {
        return Dump(line);
    } else if (verb == "expect" || verb == "expect-not") {
        return ExpectLine(line, verb == "expect");
    } else if (verb == "touch") {
        if (!core::replaceFileAtomically(words[0], "")) {
            return Fail(line, "cannot write " + words[0]);
        }
    } else if (verb == "wait-file") {
        return WaitForFile(line);
    }
    return true;
}

bool ScenarioRunner::ResolvePoint(const ScenarioLine& line, const std::string& target, ui::Point& point) {
    if (auto xy = ParsePoint(target)) {
        point = *xy;
        return true;
    }
    auto control = ParseControlTarget(target);
    if (!control) {
        return Fail(line, "\"" + target + "\" is neither a control id nor x,y");
    }
    int seen = 0;
    for (int group = 1; group <= CDlgBase::kGroups; ++group) {
        for (const auto& candidate : Target().Group(group)) {
            if (candidate->GetId() != control->id) {
                continue;
            }
            ++seen;
            const bool chosen =
                control->occurrence ? seen == control->occurrence : candidate->IsVisible() != 0;
            if (!chosen) {
                continue;
            }
            if (!candidate->IsVisible()) {
                return Fail(line, "control " + target + " is not visible");
            }
            ui::Rect rect = candidate->GetRect();
            point = {rect.left + rect.width() / 2, rect.top + rect.height() / 2};
            return true;
        }
    }
    return Fail(line, seen ? "control " + target + " is not visible" : "there is no control " + target);
}

bool ScenarioRunner::Pointer(const ScenarioLine& line) {
    if (line.verb == "leave") {
        driver_.mouseAway();
        return true;
    }
    ui::Point point;
    if (!ResolvePoint(line, line.words[0], point)) {
        return false;
    }
    if (line.verb == "click") {
        driver_.click(Target(), point);
    } else if (line.verb == "double-click") {
        driver_.click(Target(), point);
        driver_.click(Target(), point);
    } else if (line.verb == "press") {
        driver_.mouseMove(Target(), point);
        driver_.mouseDown(Target(), point);
    } else if (line.verb == "release") {
        driver_.mouseUp(Target(), point);
    } else if (line.verb == "move") {
        driver_.mouseMove(Target(), point);
    } else if (line.verb == "wheel") {
        auto notches = ParseSigned(line.words[1]);
        if (!notches) {
            return Fail(line, "a number of notches is needed");
        }
        driver_.wheel(Target(), point, *notches * ui::WHEEL_DELTA);
    }
    return true;
}

bool ScenarioRunner::PopupItem(const ScenarioLine& line) {
    const std::string problem = ActOnPopupItem(driver_, line.words[0], line.words[1]);
    return problem.empty() ? true : Fail(line, problem);
}

bool ScenarioRunner::KeyEvent(const ScenarioLine& line) {
    auto key = ParseVirtualKey(line.words[0]);
    if (!key) {
        return Fail(line, "\"" + line.words[0] + "\" is no key");
    }
    const std::string how = line.words.size() > 1 ? line.words[1] : "tap";
    if (how != "tap" && how != "down" && how != "up") {
        return Fail(line, "down, up or nothing expected after the key");
    }
    // "key" is what the system-wide hook sees; "keystroke" is typed into the
    // window that has the focus.
    const bool hook = line.verb == "key";
    if (how != "up") {
        hook ? hook::injectKey(*key, false) : driver_.keyDown(Target(), *key);
        driver_.runUntilIdle();
    }
    if (how != "down") {
        hook ? hook::injectKey(*key, true) : driver_.keyUp(Target(), *key);
        driver_.runUntilIdle();
    }
    return true;
}

bool ScenarioRunner::WaitUntilListening() {
    for (int i = 0; i < 500; ++i) {
        if (window_->Link().listening) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        driver_.runUntilIdle();
    }
    return false;
}

// The keyboard's events travel through the link's listener thread; the run
// waits (in real time) for the work it hands to the window.
bool ScenarioRunner::KeyboardEvent(const ScenarioLine& line) {
    if (!emulated_.Attached()) {
        return Fail(line, "the keyboard is not attached");
    }
    if (!WaitUntilListening()) {
        return Fail(line, "the configurator does not listen to the keyboard");
    }
    if (line.verb == "profile-key") {
        auto profile = ParseNumber(line.words[0]);
        if (!profile || *profile < 1 || *profile > 3) {
            return Fail(line, "profile 1..3 expected");
        }
        emulated_.Keyboard().pressProfileKey(static_cast<std::uint8_t>(*profile - 1));
    } else {
        auto code = ParseNumber(line.words[0]);
        auto value = ParseNumber(line.words[1]);
        if (!code || !value || *code > 255 || *value > 255) {
            return Fail(line, "two bytes expected");
        }
        emulated_.Keyboard().sendEvent(static_cast<std::uint8_t>(*code), static_cast<std::uint8_t>(*value));
    }
    driver_.waitForPosted(kEventWait);
    return true;
}

bool ScenarioRunner::Tray(const ScenarioLine& line) {
    const std::string& how = line.words[0];
    std::vector<ui::UINT> messages;
    if (how == "click") {
        messages = {ui::WM_LBUTTONDOWN, ui::WM_LBUTTONUP};
    } else if (how == "double-click") {
        messages = {ui::WM_LBUTTONDOWN, ui::WM_LBUTTONUP, ui::WM_LBUTTONDBLCLK, ui::WM_LBUTTONUP};
    } else if (how == "right-click") {
        messages = {ui::WM_RBUTTONDOWN, ui::WM_RBUTTONUP};
    } else {
        return Fail(line, "click, double-click or right-click expected");
    }
    for (ui::UINT message : messages) {
        if (!driver_.clickTrayIcon(CTarvikDlg::kTrayIconId, message)) {
            return Fail(line, "there is no tray icon");
        }
    }
    return true;
}

bool ScenarioRunner::Screenshot(const ScenarioLine& line) {
    std::filesystem::path path = line.words[0];
    std::error_code ignored;
    if (path.has_parent_path()) {
        std::filesystem::create_directories(path.parent_path(), ignored);
    }
    // Open popups lie over the window and beyond it: the picture takes them in.
    const bool saved = OpenPopups(driver_).empty()
                           ? driver_.saveSurface(Target(), path.string())
                           : SaveWindowWithPopups(driver_, Target().windowRect(), path.string());
    if (!saved) {
        return Fail(line, "cannot write " + path.string());
    }
    return true;
}

std::string ScenarioRunner::FullDump() {
    std::string text;
    if (window_ && !windowDone_) {
        text += DumpWindow(*window_, driver_);
        text += DumpModel(*window_);
    }
    if (dialog_) {
        text += DumpDialog(*dialog_);
    }
    for (const std::string& result : dialogResults_) {
        text += result + "\n";
    }
    text += DumpKeyboard(emulated_.Keyboard());
    std::lock_guard lock(launchesMutex_);
    for (const auto& commandLine : launches_) {
        text += "launch";
        for (const std::string& word : commandLine) {
            text += " \"" + word + "\"";
        }
        text += "\n";
    }
    return text;
}

bool ScenarioRunner::Dump(const ScenarioLine& line) {
    const std::string what = line.words.empty() ? "all" : line.words[0];
    std::string text;
    const bool withWindow = window_ && !windowDone_;
    if (what == "all") {
        text = FullDump();
    } else if (what == "window" && withWindow) {
        text = DumpWindow(*window_, driver_);
    } else if (what == "model" && withWindow) {
        text = DumpModel(*window_);
    } else if (what == "keyboard") {
        text = DumpKeyboard(emulated_.Keyboard());
    } else if (what == "dialog" && dialog_) {
        text = DumpDialog(*dialog_);
    } else if (what == "dialog") {
        return Fail(line, "no dialog is open");
    } else if (what == "window" || what == "model") {
        return Fail(line, "the main window is not open");
    } else {
        return Fail(line, "all, window, model, keyboard or dialog expected");
    }
    if (line.words.size() > 1) {
        if (!core::replaceFileAtomically(line.words[1], text)) {
            return Fail(line, "cannot write " + line.words[1]);
        }
    } else {
        std::cout << text << std::flush;
    }
    return true;
}

bool ScenarioRunner::ExpectLine(const ScenarioLine& line, bool present) {
    std::istringstream dump(FullDump());
    std::string dumped;
    while (std::getline(dump, dumped)) {
        if (dumped.find(line.words[0]) != std::string::npos) {
            return present ? true : Fail(line, "found \"" + dumped + "\"");
        }
    }
    return present ? Fail(line, "no line of the state holds \"" + line.words[0] + "\"") : true;
}

bool ScenarioRunner::WaitForFile(const ScenarioLine& line) {
    auto timeout = line.words.size() > 1 ? ParseNumber(line.words[1]) : std::optional<unsigned long>(10000);
    if (!timeout) {
        return Fail(line, "milliseconds expected");
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(*timeout);
    // The program may end meanwhile (a signal): the lines after then see what is left.
    while (!std::filesystem::exists(line.words[0]) && !(window_ && WindowGone())) {
        if (std::chrono::steady_clock::now() > deadline) {
            return Fail(line, line.words[0] + " did not appear");
        }
        driver_.waitForPosted(std::chrono::milliseconds(20));
    }
    return true;
}
