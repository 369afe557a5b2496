#include "platform/scenario/Runner.h"

#include <algorithm>
#include <iostream>

#include "platform/core/AtomicFile.h"
#include "platform/scenario/Values.h"
#include "platform/shell/Shell.h"
#include "platform/ui/Messaging.h"
#include "platform/ui/headless/Driver.h"

namespace scenario {

namespace {

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

const char* kindName(int kind) {
    static const char* const names[] = {"main", "dialog", "popup", "window"};
    return names[kind];
}

}  // namespace

// A scripted run starts no programs or browsers: what it would start is
// recorded and shown with the state.
Runner::Runner(Script script, VerbTable verbs, ProgramAdapter& adapter, ui::headless::Driver& driver)
    : script_(std::move(script)),
      verbs_(std::move(verbs)),
      adapter_(adapter),
      driver_(driver),
      expectations_(driver, adapter) {
    driver_.onUnansweredModal([this](ui::Window& dialog) { expectations_.unexpectedDialog(dialog); });
    shell::setLauncher([this](const std::vector<std::string>& commandLine) {
        std::lock_guard lock(launchesMutex_);
        launches_.push_back(commandLine);
        return true;
    });
}

Runner::~Runner() {
    shell::setLauncher(nullptr);
    driver_.onUnansweredModal(nullptr);
}

VerbTable Runner::verbsFor(ProgramAdapter& adapter) {
    VerbTable verbs;
    addCommonVerbs(verbs);
    adapter.addVerbs(verbs);
    return verbs;
}

int Runner::run(const std::function<void()>& program) {
    const auto& lines = script_.lines;
    while (next_ < lines.size() && verbs_.find(lines[next_].verb)->phase == Phase::anytime) {
        if (!execute(lines[next_++])) {
            return 1;
        }
    }
    driver_.answerModal([this](ui::Window& window) { runMainWindow(window); });
    program();
    main_ = nullptr;
    mainDone_ = true;
    if (failed_) {
        return 1;
    }
    // What the last line run expected (the start itself, in a run without the window).
    if (!lines.empty() && !checkExpectations(lines[next_ > 0 ? next_ - 1 : 0])) {
        return 1;
    }
    // A run that opens no window (a second start, a start that only hands
    // over to another process) still has its state to look at.
    while (next_ < lines.size()) {
        const Line& line = lines[next_++];
        if (verbs_.find(line.verb)->phase == Phase::window) {
            fail(line, mainOpened_ ? "the main window has closed" : "the main window never opened");
            return 1;
        }
        if (!execute(line) || !checkExpectations(line)) {
            return 1;
        }
    }
    return 0;
}

void Runner::runMainWindow(ui::Window& window) {
    if (!adapter_.isMainWindow(window)) {
        return;  // not the main window: leave it to the headless default
    }
    main_ = &window;
    mainOpened_ = true;
    runLinesIn(window);
}

void Runner::runLinesIn(ui::Window& scope) {
    scopes_.push_back(&scope);
    const auto& lines = script_.lines;
    while (next_ < lines.size() && !failed_ && !gone(&scope)) {
        const Line& line = lines[next_++];
        const Verb& verb = *verbs_.find(line.verb);
        if (verb.endsWindow) {
            ui::SendMessage(&scope, ui::WM_CLOSE);
            break;
        }
        if (!execute(line) || (!verb.answersNextAction && !checkExpectations(line))) {
            failed_ = true;
        }
    }
    if (failed_ && !gone(&scope)) {
        ui::SendMessage(&scope, ui::WM_CLOSE);
    }
    scopes_.pop_back();
}

ui::Window* Runner::mainWindow() const {
    return mainDone_ ? nullptr : main_;
}

bool Runner::gone(const ui::Window* window) const {
    return window == nullptr || !window->exists() || window->modalEnded();
}

bool Runner::fail(const Line& line, const std::string& message) {
    std::cerr << script_.name << ":" << line.number << ": " << line.verb << ": " << message << "\n";
    failed_ = true;
    return false;
}

bool Runner::execute(const Line& line) {
    return verbs_.find(line.verb)->handler(*this, line);
}

bool Runner::checkExpectations(const Line& current) {
    if (auto failure = expectations_.check(current)) {
        return fail(failure->line, failure->message);
    }
    return true;
}

bool Runner::queued(const Line& line, const std::optional<std::string>& wrongWords) {
    return wrongWords ? fail(line, *wrongWords) : true;
}

std::vector<ui::Window*> Runner::openWindows() const {
    std::vector<ui::Window*> windows = driver_.visibleWindows();
    std::reverse(windows.begin(), windows.end());
    // A hidden main window still takes its lines (it may be in the tray).
    ui::Window* main = mainWindow();
    if (main && main->exists() && std::find(windows.begin(), windows.end(), main) == windows.end()) {
        windows.push_back(main);
    }
    return windows;
}

Runner::WindowKind Runner::kindOf(ui::Window& window) const {
    if (&window == mainWindow()) {
        return WindowKind::main;
    }
    if (window.inModalRun()) {
        return WindowKind::dialog;
    }
    return driver_.record(window).toolWindow ? WindowKind::popup : WindowKind::window;
}

ui::Window* Runner::inputWindow() const {
    return scopes_.empty() ? mainWindow() : scopes_.back();
}

// A control id is looked for in the open windows from the top down, so the
// dialog or popup in front is found before the main window behind it.
std::optional<Runner::Target> Runner::resolveTarget(const Line& line, const std::string& word) {
    if (auto xy = parsePoint(word)) {
        return Target{inputWindow(), *xy};
    }
    auto target = parseControlTarget(word);
    if (!target) {
        std::string whyNot;
        if (auto named = adapter_.namedControl(word, whyNot)) {
            return Target{named->window, named->point};
        }
        fail(line, whyNot);
        return std::nullopt;
    }
    bool seenAnywhere = false;
    for (ui::Window* window : openWindows()) {
        int seen = 0;
        for (const Control& control : adapter_.controls(*window)) {
            if (control.id != target->id) {
                continue;
            }
            ++seen;
            seenAnywhere = true;
            const bool chosen = target->occurrence ? seen == target->occurrence : control.visible;
            if (!chosen) {
                continue;
            }
            if (!control.visible) {
                fail(line, "control " + word + " is not visible");
                return std::nullopt;
            }
            const ui::Rect& r = control.rect;
            return Target{window, {r.left + r.width() / 2, r.top + r.height() / 2}};
        }
    }
    fail(line, seenAnywhere ? "control " + word + " is not visible" : "there is no control " + word);
    return std::nullopt;
}

// The main window as the program describes it, then every other open window
// (dialogs, popups), numbered from the top, with its controls.
std::string Runner::dumpWindows() {
    std::string text;
    if (ui::Window* main = mainWindow()) {
        text += adapter_.dumpMainWindow(*main);
    }
    int number = 0;
    for (ui::Window* window : openWindows()) {
        const WindowKind kind = kindOf(*window);
        if (kind == WindowKind::main) {
            continue;
        }
        const std::string name =
            std::string(kindName(static_cast<int>(kind))) + " " + std::to_string(++number);
        const ui::Rect r = window->windowRect();
        auto [title, message] = adapter_.describeDialog(*window);
        text += name + " title=" + quoted(title) + " text=" + quoted(message) +
                " x=" + std::to_string(r.left) + " y=" + std::to_string(r.top) +
                " width=" + std::to_string(r.width()) + " height=" + std::to_string(r.height()) + "\n";
        for (const Control& control : adapter_.controls(*window)) {
            text += name + " control " + std::to_string(control.id) +
                    " visible=" + std::to_string(control.visible) +
                    " enabled=" + std::to_string(control.enabled) +
                    (control.words.empty() ? "" : " " + control.words) + "\n";
        }
    }
    return text;
}

std::string Runner::fullDump() {
    std::string text;
    ui::Window* main = mainWindow();
    if (main) {
        text += dumpWindows();
    }
    for (const DumpPart& part : adapter_.dumpParts()) {
        if (main || !part.needsWindow) {
            text += adapter_.dump(part.name, main);
        }
    }
    // What is left on the desktop: after the end, nothing should be.
    text += "desktop shown=" + std::to_string(driver_.visibleWindows().size()) +
            " tray-icons=" + std::to_string(driver_.trayIcons().size()) + "\n";
    std::lock_guard lock(launchesMutex_);
    for (const auto& commandLine : launches_) {
        text += "launch";
        for (const std::string& word : commandLine) {
            text += " " + quoted(word);
        }
        text += "\n";
    }
    text += dumpFileDialogs();
    return text;
}

// Every file dialog shown so far, with what it offered.
std::string Runner::dumpFileDialogs() const {
    std::string text;
    for (const ui::FileDialogOptions& shown : driver_.fileDialogs()) {
        text += std::string("file-dialog mode=") +
                (shown.mode == ui::FileDialogMode::open ? "open" : "save") + " title=" + quoted(shown.title) +
                " filter=" + quoted(shown.filter) + " extension=" + quoted(shown.defaultExtension) +
                " folder=" + quoted(shown.initialFolder) + "\n";
    }
    return text;
}

bool Runner::dump(const Line& line) {
    const std::string what = line.words.empty() ? "all" : line.words[0];
    const auto parts = adapter_.dumpParts();
    auto part = std::find_if(parts.begin(), parts.end(), [&](const DumpPart& p) { return p.name == what; });
    ui::Window* main = mainWindow();
    std::string text;
    if (what == "all") {
        text = fullDump();
    } else if (what == "window" || (part != parts.end() && part->needsWindow)) {
        if (!main) {
            return fail(line, "the main window is not open");
        }
        text = what == "window" ? dumpWindows() : adapter_.dump(what, main);
    } else if (part != parts.end()) {
        text = adapter_.dump(what, main);
    } else {
        std::string names = "all, window";
        for (std::size_t i = 0; i < parts.size(); ++i) {
            names += (i + 1 == parts.size() ? " or " : ", ") + parts[i].name;
        }
        return fail(line, names + " expected");
    }
    if (line.words.size() > 1) {
        if (!core::replaceFileAtomically(line.words[1], text)) {
            return fail(line, "cannot write " + line.words[1]);
        }
    } else {
        std::cout << text << std::flush;
    }
    return true;
}

}  // namespace scenario
