// Dialogs a script opens itself, to capture keys and shortcuts without the
// window that would open them: the lines after "open-dialog" run while the
// dialog is open, and what it reports shows in the state.
#include <cstdio>
#include <memory>

#include "keyboard/app/ScenarioRunner.h"
#include "keyboard/app/ScenarioValues.h"
#include "keyboard/dialogs/CKeyMapSettingDlg.h"
#include "keyboard/dialogs/CShortcutDlg.h"
#include "keyboard/mainwindow/CTarvikDlg.h"
#include "keyboard/model/KeyButtons.h"
#include "keyboard/toolkit/CTabControl.h"
#include "platform/ui/Messaging.h"

namespace {

constexpr ui::UINT kFirstKeyButtonId = 2200;

std::string KeyCodeResult(ui::WPARAM keyButtonId, ui::LPARAM code) {
    char line[64];
    std::snprintf(line, sizeof line, "result %u key=%u code=%02X", CKeyMapSettingDlg::kResultMessage,
                  static_cast<unsigned>(keyButtonId), static_cast<unsigned>(code & 0xFF));
    return line;
}

std::string ShortcutResult(const SelectorResult& record) {
    char line[64];
    std::snprintf(line, sizeof line, "result %u function=%02X%02X%02X name=", CShortcutDlg::kResultMessage,
                  record.category, record.p1, record.p2);
    return line + ("\"" + record.name + "\"");
}

// The owner of a dialog the script opened: writes down what the dialog
// reports, then hands it on to the main window, as if that had opened it.
class DialogResultRecorder : public ui::Window {
public:
    DialogResultRecorder(ui::Window& main, std::vector<std::string>& results)
        : main_(main), results_(results) {}

    bool Open() { return create({.rect = main_.windowRect()}); }

    ui::LRESULT WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) override {
        if (message == CKeyMapSettingDlg::kResultMessage) {
            results_.push_back(KeyCodeResult(wParam, lParam));
        } else if (message == CShortcutDlg::kResultMessage && lParam != 0) {
            results_.push_back(ShortcutResult(*reinterpret_cast<const SelectorResult*>(lParam)));
        } else {
            return DefWindowProc(message, wParam, lParam);
        }
        return ui::SendMessage(&main_, message, wParam, lParam);
    }

private:
    ui::Window& main_;
    std::vector<std::string>& results_;
};

// A key button by its number (0..103) or its control id (2200..2303).
std::optional<int> ParseKeyButton(const std::string& word) {
    auto number = ParseNumber(word);
    if (number && *number >= kFirstKeyButtonId) {
        *number -= kFirstKeyButtonId;
    }
    if (!number || *number >= static_cast<unsigned long>(kKeyButtonCount)) {
        return std::nullopt;
    }
    return static_cast<int>(*number);
}

}  // namespace

CDlgBase& ScenarioRunner::Target() const {
    return dialog_ ? *dialog_ : static_cast<CDlgBase&>(*window_);
}

bool ScenarioRunner::OpenDialog(const ScenarioLine& line) {
    const auto& words = line.words;
    if (dialog_) {
        return Fail(line, "a dialog is open already");
    }
    DialogResultRecorder owner(*window_, dialogResults_);
    if (!owner.Open()) {
        return Fail(line, "cannot make the dialog's owner");
    }
    std::unique_ptr<CDlgBase> dialog;
    if (words[0] == "keymap") {
        auto button = words.size() > 1 ? ParseKeyButton(words[1]) : std::nullopt;
        if (!button) {
            return Fail(line, "a key button 0..103 (or its id 2200..2303) is needed");
        }
        const KeyButton& key = *KeyButtonAt(*button);
        KeyMapCode current = ButtonCode(window_->Data().profiles.Record(g_currentProfile).keyMap, *button);
        if (words.size() > 2) {
            auto code = ParseNumber(words[2]);
            if (!code || *code > 0xFF) {
                return Fail(line, "the current code must be a byte");
            }
            current = static_cast<KeyMapCode>(*code);
        }
        dialog = std::make_unique<CKeyMapSettingDlg>(
            &owner, kFirstKeyButtonId + static_cast<ui::UINT>(*button), key.label, key.defaultCode, current);
    } else if (words[0] == "shortcut" && words.size() == 1) {
        dialog = std::make_unique<CShortcutDlg>(&owner);
    } else {
        return Fail(line, "keymap KEY [CODE] or shortcut expected");
    }
    driver_.answerModal([this](ui::Window& shown) { RunDialogLines(shown); });
    dialog->DoModal();
    return !failed_;
}

void ScenarioRunner::RunDialogLines(ui::Window& shown) {
    dialog_ = dynamic_cast<CDlgBase*>(&shown);
    const auto& lines = script_.lines;
    auto open = [&shown] { return shown.exists() && !shown.modalEnded(); };
    while (dialog_ && next_ < lines.size() && open()) {
        const ScenarioLine& line = lines[next_++];
        if (line.verb == "quit" || line.verb == "close" || line.verb == "open-dialog") {
            Fail(line, "a dialog is open: end it with its own buttons first");
            break;
        }
        if (!Execute(line)) {
            break;
        }
        const bool answersNextAction = line.verb.rfind("expect-", 0) == 0 && line.verb != "expect-not";
        if (!answersNextAction && line.verb != "file-dialog" && line.verb != "menu" &&
            !CheckExpectations(line)) {
            break;
        }
    }
    if (failed_ && open()) {
        shown.endModal(ui::IDCANCEL);
    }
    dialog_ = nullptr;
}
