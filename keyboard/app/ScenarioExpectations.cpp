// The runner's expectations of dialogs, message boxes, file dialogs and menus:
// queued as answers before the action that brings them, checked after it.
#include <filesystem>
#include <tuple>

#include "keyboard/app/ScenarioRunner.h"
#include "keyboard/app/ScenarioValues.h"
#include "keyboard/toolkit/CDlgBase.h"
#include "keyboard/toolkit/CStaticText.h"
#include "platform/ui/Messaging.h"

namespace {

constexpr ui::UINT kAttentionTitle = 2012;
constexpr ui::UINT kAttentionText = 2013;

// The title and text a dialog shows: those of the attention dialog's two
// texts when it has them, else the window's title alone.
std::pair<std::string, std::string> DescribeDialog(ui::Window& dialog) {
    if (auto* skinned = dynamic_cast<CDlgBase*>(&dialog)) {
        auto* title = dynamic_cast<CStaticText*>(skinned->FindControl(kAttentionTitle));
        auto* text = dynamic_cast<CStaticText*>(skinned->FindControl(kAttentionText));
        if (title && text) {
            return {title->m_staticText, text->m_staticText};
        }
    }
    return {dialog.title(), {}};
}

}  // namespace

void ScenarioRunner::OnUnexpectedDialog(ui::Window& dialog) {
    auto [title, text] = DescribeDialog(dialog);
    unexpected_.push_back("\"" + title + "\" \"" + text + "\"");
    dialog.endModal(ui::IDCANCEL);
}

bool ScenarioRunner::ExpectDialog(const ScenarioLine& line) {
    auto answer = ParseAnswer(line.words.size() > 2 ? line.words[2] : "OK");
    if (!answer || (*answer != ui::IDOK && *answer != ui::IDCANCEL)) {
        return Fail(line, "OK or CANCEL expected");
    }
    auto expectation = std::make_shared<Expectation>(
        Expectation{Expectation::Kind::dialog, line, line.words[0], line.words[1]});
    const int result = *answer;
    driver_.answerModal([expectation, result](ui::Window& dialog) {
        expectation->met = true;
        std::tie(expectation->seenTitle, expectation->seenText) = DescribeDialog(dialog);
        ui::SendMessage(&dialog, ui::WM_COMMAND, static_cast<ui::WPARAM>(result));
    });
    expectations_.push_back(expectation);
    return true;
}

bool ScenarioRunner::ExpectMessage(const ScenarioLine& line) {
    auto answer = ParseAnswer(line.words.size() > 1 ? line.words[1] : "OK");
    if (!answer) {
        return Fail(line, "OK, CANCEL, YES or NO expected");
    }
    auto expectation =
        std::make_shared<Expectation>(Expectation{Expectation::Kind::message, line, {}, line.words[0]});
    expectation->seenBefore = driver_.messageBoxes().size();
    driver_.answerMessageBox(*answer);
    expectations_.push_back(expectation);
    return true;
}

bool ScenarioRunner::AnswerFileDialog(const ScenarioLine& line) {
    auto expectation =
        std::make_shared<Expectation>(Expectation{Expectation::Kind::fileDialog, line, {}, {}});
    expectation->seenBefore = driver_.fileDialogs().size();
    if (line.words[0] == "cancel") {
        driver_.answerFileDialog(std::nullopt);
    } else {
        driver_.answerFileDialog(std::filesystem::absolute(line.words[0]).string());
    }
    expectations_.push_back(expectation);
    return true;
}

bool ScenarioRunner::AnswerMenu(const ScenarioLine& line) {
    auto expectation = std::make_shared<Expectation>(Expectation{Expectation::Kind::menu, line, {}, {}});
    expectation->seenBefore = driver_.popupMenus().size();
    if (line.words[0] == "dismiss") {
        driver_.answerPopupMenu(std::nullopt);
    } else {
        auto command = ParseNumber(line.words[0]);
        if (!command) {
            return Fail(line, "a command number or \"dismiss\" expected");
        }
        driver_.answerPopupMenu(static_cast<ui::UINT>(*command));
    }
    expectations_.push_back(expectation);
    return true;
}

bool ScenarioRunner::CheckExpectations(const ScenarioLine& current) {
    bool ok = true;
    if (!unexpected_.empty()) {
        ok = Fail(current, "a dialog nobody expected was shown (and cancelled): " + unexpected_.front());
        unexpected_.clear();
    }
    for (const auto& expectation : expectations_) {
        const ScenarioLine& line = expectation->line;
        switch (expectation->kind) {
            case Expectation::Kind::dialog:
                if (!expectation->met) {
                    ok = Fail(line, "no dialog appeared");
                } else if (expectation->seenTitle != expectation->title ||
                           expectation->seenText != expectation->text) {
                    ok = Fail(line, "the dialog was \"" + expectation->seenTitle + "\" \"" +
                                        expectation->seenText + "\"");
                }
                break;
            case Expectation::Kind::message: {
                const auto& shown = driver_.messageBoxes();
                if (shown.size() <= expectation->seenBefore) {
                    ok = Fail(line, "no message box appeared");
                } else if (shown[expectation->seenBefore].text != expectation->text) {
                    ok = Fail(line, "the message box said \"" + shown[expectation->seenBefore].text + "\"");
                }
                break;
            }
            case Expectation::Kind::fileDialog:
                if (driver_.fileDialogs().size() <= expectation->seenBefore) {
                    ok = Fail(line, "no file dialog appeared");
                }
                break;
            case Expectation::Kind::menu:
                if (driver_.popupMenus().size() <= expectation->seenBefore) {
                    ok = Fail(line, "no menu appeared");
                }
                break;
        }
        if (!ok) {
            break;
        }
    }
    expectations_.clear();
    return ok;
}
