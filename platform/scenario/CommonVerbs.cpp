// The verbs every program's scenarios share: pointer, keys, time, dialogs and
// menus, the tray, and looking at the state.
#include <algorithm>
#include <chrono>
#include <cstdlib>
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
    verbs.add({"focus-away", 0, 0, Phase::window, false, false, [](Runner& runner, const Line&) {
                   runner.driver_.focusAway();
                   return true;
               }});
    verbs.add({"wheel", 2, 2, Phase::window, false, false, member(&Runner::pointer)});
    verbs.add({"drag", 2, 2, Phase::window, false, false, member(&Runner::pointer)});
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
    verbs.add({"color-dialog", 1, 1, Phase::window, true, false, [](Runner& runner, const Line& line) {
                   if (line.words[0] == "cancel") {
                       runner.driver_.answerColorDialog(std::nullopt);
                       return true;
                   }
                   auto color = parseNumber(line.words[0]);
                   if (!color || *color > 0xFFFFFF) {
                       return runner.fail(line, "0xBBGGRR or cancel expected");
                   }
                   runner.driver_.answerColorDialog(static_cast<ui::COLORREF>(*color));
                   return true;
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
    } else if (line.verb == "drag") {
        auto offset = parsePoint(line.words[1]);
        if (!offset) {
            return fail(line, "dx,dy expected after the target");
        }
        drag(window, point, *offset);
    } else if (line.verb == "wheel") {
        auto notches = parseSigned(line.words[1]);
        if (!notches) {
            return fail(line, "a number of notches is needed");
        }
        driver_.wheel(window, point, *notches * ui::WHEEL_DELTA);
    }
    return true;
}

// As a hand would: the button goes down on the target, the pointer moves in
// steps of at most 4 pixels (each one a move message, so hooks and the control
// see them all), and the button comes up at the end.
void Runner::drag(ui::Window& window, ui::Point start, ui::Point offset) {
    driver_.mouseMove(window, start);
    driver_.mouseDown(window, start);
    const int steps = std::max({1, (std::abs(offset.x) + 3) / 4, (std::abs(offset.y) + 3) / 4});
    for (int i = 1; i <= steps; ++i) {
        driver_.mouseMove(window, {start.x + offset.x * i / steps, start.y + offset.y * i / steps});
    }
    driver_.mouseUp(window, {start.x + offset.x, start.y + offset.y});
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

// The window the lines act on, or: "main", "screen" (the whole work area as
// the desktop shows it), the number of an open window in `dump window`, or a
// window the program names.
bool Runner::screenshot(const Line& line) {
    const std::string what = line.words.size() > 1 ? line.words[1] : "";
    ui::Window* window = what == "main" ? mainWindow() : inputWindow();
    if (!what.empty() && what != "main" && what != "screen") {
        window = pictureWindow(line, what);
        if (window == nullptr) {
            return false;
        }
    }
    std::filesystem::path path = line.words[0];
    std::error_code ignored;
    if (path.has_parent_path()) {
        std::filesystem::create_directories(path.parent_path(), ignored);
    }
    const bool saved = what == "screen" ? driver_.desktop(ui::workArea()).savePng(path.string())
                                        : adapter_.saveWindowPicture(driver_, *window, path.string());
    if (!saved) {
        return fail(line, "cannot write " + path.string());
    }
    return true;
}

ui::Window* Runner::pictureWindow(const Line& line, const std::string& what) {
    if (auto number = parseNumber(what)) {
        std::vector<ui::Window*> others;
        for (ui::Window* open : openWindows()) {
            if (kindOf(*open) != WindowKind::main) {
                others.push_back(open);
            }
        }
        if (*number < 1 || *number > others.size()) {
            fail(line, "there is no open window " + what);
            return nullptr;
        }
        return others[*number - 1];
    }
    const std::vector<std::string> names = adapter_.windowNames();
    if (std::find(names.begin(), names.end(), what) == names.end()) {
        std::string expected = "main";
        for (const std::string& name : names) {
            expected += ", " + name;
        }
        fail(line, expected + " or screen expected after the file");
        return nullptr;
    }
    std::string whyNot;
    ui::Window* window = adapter_.namedWindow(what, whyNot);
    if (window == nullptr) {
        fail(line, whyNot);
    }
    return window;
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
