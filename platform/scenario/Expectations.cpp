#include "platform/scenario/Expectations.h"

#include <filesystem>
#include <tuple>

#include "platform/scenario/ProgramAdapter.h"
#include "platform/scenario/Values.h"
#include "platform/ui/Messaging.h"
#include "platform/ui/headless/Driver.h"

namespace scenario {

struct Expectations::Expected {
    enum class Kind { dialog, enteredDialog, message, fileDialog, menu };
    Kind kind;
    Line line;
    std::string title;
    std::string text;
    std::size_t seenBefore = 0;  // message boxes, file dialogs or menus shown before
    bool met = false;
    std::string seenTitle;
    std::string seenText;
};

Expectations::Expectations(ui::headless::Driver& driver, ProgramAdapter& adapter)
    : driver_(driver), adapter_(adapter) {}

Expectations::~Expectations() = default;

std::optional<std::string> Expectations::expectDialog(const Line& line) {
    auto answer = parseAnswer(line.words.size() > 2 ? line.words[2] : "OK");
    if (!answer || (*answer != ui::IDOK && *answer != ui::IDCANCEL)) {
        return "OK or CANCEL expected";
    }
    auto expected =
        std::make_shared<Expected>(Expected{Expected::Kind::dialog, line, line.words[0], line.words[1]});
    const int result = *answer;
    ProgramAdapter& adapter = adapter_;
    driver_.answerModal([expected, result, &adapter](ui::Window& dialog) {
        expected->met = true;
        std::tie(expected->seenTitle, expected->seenText) = adapter.describeDialog(dialog);
        ui::SendMessage(&dialog, ui::WM_COMMAND, static_cast<ui::WPARAM>(result));
    });
    pending_.push_back(expected);
    return std::nullopt;
}

void Expectations::enterDialog(const Line& line, std::function<void(ui::Window& dialog)> inside) {
    auto expected = std::make_shared<Expected>(
        Expected{Expected::Kind::enteredDialog, line, line.words.empty() ? "" : line.words[0], {}});
    ProgramAdapter& adapter = adapter_;
    driver_.answerModal([expected, inside = std::move(inside), &adapter](ui::Window& dialog) {
        expected->met = true;
        std::tie(expected->seenTitle, expected->seenText) = adapter.describeDialog(dialog);
        inside(dialog);
    });
    pending_.push_back(expected);
}

std::optional<std::string> Expectations::expectMessage(const Line& line) {
    auto answer = parseAnswer(line.words.size() > 1 ? line.words[1] : "OK");
    if (!answer) {
        return "OK, CANCEL, YES or NO expected";
    }
    auto expected = std::make_shared<Expected>(Expected{Expected::Kind::message, line, {}, line.words[0]});
    expected->seenBefore = driver_.messageBoxes().size();
    driver_.answerMessageBox(*answer);
    pending_.push_back(expected);
    return std::nullopt;
}

std::optional<std::string> Expectations::answerFileDialog(const Line& line) {
    auto expected = std::make_shared<Expected>(Expected{Expected::Kind::fileDialog, line, {}, {}});
    expected->seenBefore = driver_.fileDialogs().size();
    if (line.words[0] == "cancel") {
        driver_.answerFileDialog(std::nullopt);
    } else {
        driver_.answerFileDialog(std::filesystem::absolute(line.words[0]).string());
    }
    pending_.push_back(expected);
    return std::nullopt;
}

std::optional<std::string> Expectations::answerMenu(const Line& line) {
    std::optional<ui::UINT> command;
    if (line.words[0] != "dismiss") {
        if (auto number = parseNumber(line.words[0])) {
            command = static_cast<ui::UINT>(*number);
        } else {
            command = adapter_.menuCommand(line.words[0]);
            if (!command) {
                return "no menu item is shown as \"" + line.words[0] + "\"";
            }
        }
    }
    auto expected = std::make_shared<Expected>(Expected{Expected::Kind::menu, line, {}, {}});
    expected->seenBefore = driver_.popupMenus().size();
    driver_.answerPopupMenu(command);
    pending_.push_back(expected);
    return std::nullopt;
}

void Expectations::unexpectedDialog(ui::Window& dialog) {
    auto [title, text] = adapter_.describeDialog(dialog);
    unexpected_.push_back("\"" + title + "\" \"" + text + "\"");
    dialog.endModal(ui::IDCANCEL);
}

std::optional<std::string> Expectations::checkOne(const Expected& expected) const {
    switch (expected.kind) {
        case Expected::Kind::dialog:
            if (!expected.met) {
                return "no dialog appeared";
            }
            if (expected.seenTitle != expected.title || expected.seenText != expected.text) {
                return "the dialog was \"" + expected.seenTitle + "\" \"" + expected.seenText + "\"";
            }
            return std::nullopt;
        case Expected::Kind::enteredDialog:
            if (!expected.met) {
                return "no dialog appeared";
            }
            if (!expected.title.empty() && expected.seenTitle != expected.title) {
                return "the dialog was \"" + expected.seenTitle + "\"";
            }
            return std::nullopt;
        case Expected::Kind::message: {
            const auto& shown = driver_.messageBoxes();
            if (shown.size() <= expected.seenBefore) {
                return "no message box appeared";
            }
            if (shown[expected.seenBefore].text != expected.text) {
                return "the message box said \"" + shown[expected.seenBefore].text + "\"";
            }
            return std::nullopt;
        }
        case Expected::Kind::fileDialog:
            if (driver_.fileDialogs().size() <= expected.seenBefore) {
                return "no file dialog appeared";
            }
            return std::nullopt;
        case Expected::Kind::menu:
            if (driver_.popupMenus().size() <= expected.seenBefore) {
                return "no menu appeared";
            }
            return std::nullopt;
    }
    return std::nullopt;
}

std::optional<Expectations::Failure> Expectations::check(const Line& current) {
    std::optional<Failure> failure;
    if (!unexpected_.empty()) {
        failure =
            Failure{current, "a dialog nobody expected was shown (and cancelled): " + unexpected_.front()};
        unexpected_.clear();
    }
    for (const auto& expected : pending_) {
        if (failure) {
            break;
        }
        if (auto message = checkOne(*expected)) {
            failure = Failure{expected->line, *message};
        }
    }
    pending_.clear();
    return failure;
}

}  // namespace scenario
