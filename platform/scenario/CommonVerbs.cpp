// The verbs every program's scenarios share: pointer, keys, time, dialogs and
// menus, the tray, and looking at the state.
#include <chrono>
#include <filesystem>
#include <sstream>

#include "platform/core/AtomicFile.h"
#include "platform/hook/CKeyboardHook.h"
#include "platform/scenario/Runner.h"
#include "platform/scenario/Values.h"
#include "platform/ui/Messaging.h"
#include "platform/ui/headless/Driver.h"

namespace scenario {

void Runner::addCommonVerbs(VerbTable& verbs) {
    const auto member = [](bool (Runner::*handler)(const Line&)) {
        return [handler](Runner& runner, const Line& line) { return (runner.*handler)(line); };
    };
    for (const char* name : {"click", "double-click", "press", "release", "move"}) {
        verbs.add({name, 1, 1, Phase::window, false, false, member(&Runner::pointer)});
    }
    verbs.add({"leave", 0, 0, Phase::window, false, false, member(&Runner::pointer)});
    verbs.add({"wheel", 2, 2, Phase::window, false, false, member(&Runner::pointer)});
    verbs.add({"key", 1, 2, Phase::window, false, false, member(&Runner::keyEvent)});
    verbs.add({"keystroke", 1, 2, Phase::window, false, false, member(&Runner::keyEvent)});
    verbs.add({"type", 1, 1, Phase::window, false, false, [](Runner& runner, const Line& line) {
                   runner.driver_.typeText(line.words[0]);
                   return true;
               }});
    for (const char* name : {"advance", "wait"}) {
        verbs.add({name, 1, 1, Phase::window, false, false, [](Runner& runner, const Line& line) {
                       auto ms = parseNumber(line.words[0]);
                       if (!ms) {
                           return runner.fail(line, "milliseconds expected");
                       }
                       if (line.verb == "advance") {
                           runner.driver_.advance(std::chrono::milliseconds(*ms));
                       } else {
                           runner.driver_.waitForPosted(std::chrono::milliseconds(*ms));
                       }
                       return true;
                   }});
    }
    verbs.add({"expect-dialog", 2, 3, Phase::window, true, false, [](Runner& runner, const Line& line) {
                   return runner.queued(line, runner.expectations_.expectDialog(line));
               }});
    verbs.add({"enter-dialog", 0, 1, Phase::window, true, false, member(&Runner::enterDialog)});
    verbs.add({"expect-message", 1, 2, Phase::anytime, true, false, [](Runner& runner, const Line& line) {
                   return runner.queued(line, runner.expectations_.expectMessage(line));
               }});
    verbs.add({"file-dialog", 1, 1, Phase::window, true, false, [](Runner& runner, const Line& line) {
                   return runner.queued(line, runner.expectations_.answerFileDialog(line));
               }});
    verbs.add({"menu", 1, 1, Phase::window, true, false, [](Runner& runner, const Line& line) {
                   return runner.queued(line, runner.expectations_.answerMenu(line));
               }});
    verbs.add({"tray", 1, 1, Phase::window, false, false, member(&Runner::tray)});
    verbs.add({"screenshot", 1, 2, Phase::window, false, false, member(&Runner::screenshot)});
    verbs.add({"dump", 0, 2, Phase::state, false, false, member(&Runner::dump)});
    verbs.add({"expect", 1, 1, Phase::state, false, false,
               [](Runner& runner, const Line& line) { return runner.expectLine(line, true); }});
    verbs.add({"expect-not", 1, 1, Phase::state, false, false,
               [](Runner& runner, const Line& line) { return runner.expectLine(line, false); }});
    for (const char* name : {"close", "quit"}) {
        verbs.add({name, 0, 0, Phase::window, false, true, [](Runner&, const Line&) { return true; }});
    }
    verbs.add({"touch", 1, 1, Phase::anytime, false, false, [](Runner& runner, const Line& line) {
                   return core::replaceFileAtomically(line.words[0], "") ||
                          runner.fail(line, "cannot write " + line.words[0]);
               }});
    verbs.add({"wait-file", 1, 2, Phase::anytime, false, false, member(&Runner::waitForFile)});
}

bool Runner::pointer(const Line& line) {
    if (line.verb == "leave") {
        driver_.mouseAway();
        return true;
    }
    auto target = resolveTarget(line, line.words[0]);
    if (!target) {
        return false;
    }
    ui::Window& window = *target->window;
    const ui::Point point = target->point;
    if (line.verb == "click") {
        driver_.click(window, point);
    } else if (line.verb == "double-click") {
        driver_.click(window, point);
        driver_.click(window, point);
    } else if (line.verb == "press") {
        driver_.mouseMove(window, point);
        driver_.mouseDown(window, point);
    } else if (line.verb == "release") {
        driver_.mouseUp(window, point);
    } else if (line.verb == "move") {
        driver_.mouseMove(window, point);
    } else if (line.verb == "wheel") {
        auto notches = parseSigned(line.words[1]);
        if (!notches) {
            return fail(line, "a number of notches is needed");
        }
        driver_.wheel(window, point, *notches * ui::WHEEL_DELTA);
    }
    return true;
}

bool Runner::keyEvent(const Line& line) {
    auto key = parseVirtualKey(line.words[0]);
    if (!key) {
        return fail(line, "\"" + line.words[0] + "\" is no key");
    }
    const std::string how = line.words.size() > 1 ? line.words[1] : "tap";
    if (how != "tap" && how != "down" && how != "up") {
        return fail(line, "down, up or nothing expected after the key");
    }
    // "key" is what the system-wide hook sees; "keystroke" is typed into the
    // window in front.
    const bool hook = line.verb == "key";
    ui::Window& window = *inputWindow();
    if (how != "up") {
        hook ? hook::injectKey(*key, false) : driver_.keyDown(window, *key);
        driver_.runUntilIdle();
    }
    if (how != "down") {
        hook ? hook::injectKey(*key, true) : driver_.keyUp(window, *key);
        driver_.runUntilIdle();
    }
    return true;
}

bool Runner::tray(const Line& line) {
    const std::string& how = line.words[0];
    std::vector<ui::UINT> messages;
    if (how == "click") {
        messages = {ui::WM_LBUTTONDOWN, ui::WM_LBUTTONUP};
    } else if (how == "double-click") {
        messages = {ui::WM_LBUTTONDOWN, ui::WM_LBUTTONUP, ui::WM_LBUTTONDBLCLK, ui::WM_LBUTTONUP};
    } else if (how == "right-click") {
        messages = {ui::WM_RBUTTONDOWN, ui::WM_RBUTTONUP};
    } else {
        return fail(line, "click, double-click or right-click expected");
    }
    for (ui::UINT message : messages) {
        if (!driver_.clickTrayIcon(adapter_.trayIconId(), message)) {
            return fail(line, "there is no tray icon");
        }
    }
    return true;
}

// The window the lines act on, or the one with that number in `dump window`.
bool Runner::screenshot(const Line& line) {
    ui::Window* window = inputWindow();
    if (line.words.size() > 1) {
        auto number = parseNumber(line.words[1]);
        std::vector<ui::Window*> others;
        for (ui::Window* open : openWindows()) {
            if (kindOf(*open) != WindowKind::main) {
                others.push_back(open);
            }
        }
        if (!number || *number < 1 || *number > others.size()) {
            return fail(line, "there is no open window " + line.words[1]);
        }
        window = others[*number - 1];
    }
    std::filesystem::path path = line.words[0];
    std::error_code ignored;
    if (path.has_parent_path()) {
        std::filesystem::create_directories(path.parent_path(), ignored);
    }
    if (!adapter_.saveWindowPicture(driver_, *window, path.string())) {
        return fail(line, "cannot write " + path.string());
    }
    return true;
}


bool Runner::expectLine(const Line& line, bool present) {
    std::istringstream dumped(fullDump());
    std::string text;
    while (std::getline(dumped, text)) {
        if (text.find(line.words[0]) != std::string::npos) {
            return present ? true : fail(line, "found \"" + text + "\"");
        }
    }
    return present ? fail(line, "no line of the state holds \"" + line.words[0] + "\"") : true;
}

bool Runner::waitForFile(const Line& line) {
    auto timeout = line.words.size() > 1 ? parseNumber(line.words[1]) : std::optional<unsigned long>(10000);
    if (!timeout) {
        return fail(line, "milliseconds expected");
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(*timeout);
    // The program may end meanwhile (a signal): the lines after then see what is left.
    while (!std::filesystem::exists(line.words[0]) && !(main_ && gone(mainWindow()))) {
        if (std::chrono::steady_clock::now() > deadline) {
            return fail(line, line.words[0] + " did not appear");
        }
        driver_.waitForPosted(std::chrono::milliseconds(20));
    }
    return true;
}

// The lines after the next action run inside the dialog it opens, until it closes.
bool Runner::enterDialog(const Line& line) {
    expectations_.enterDialog(line, [this](ui::Window& dialog) { runLinesIn(dialog); });
    return true;
}

}  // namespace scenario
