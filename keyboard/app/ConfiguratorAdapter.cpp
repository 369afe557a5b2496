#include "keyboard/app/ConfiguratorAdapter.h"

#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "keyboard/app/PopupTargets.h"
#include "keyboard/app/StateDump.h"
#include "keyboard/dialogs/CAttentionDlg.h"
#include "keyboard/dialogs/CFirmwareResetDlg.h"
#include "keyboard/dialogs/COSDDialog.h"
#include "keyboard/mainwindow/CTarvikDlg.h"
#include "keyboard/toolkit/CCheckButton.h"
#include "keyboard/toolkit/CComboButton.h"
#include "keyboard/toolkit/CRadioButton.h"
#include "keyboard/toolkit/CStaticText.h"
#include "platform/scenario/Runner.h"
#include "platform/scenario/Values.h"
#include "platform/ui/Messaging.h"
#include "platform/ui/headless/Driver.h"

namespace {

constexpr auto kEventWait = std::chrono::milliseconds(3000);

// "040001020485": the pairs (04,00) (01,02) (04,85).
std::optional<std::vector<std::pair<std::uint8_t, std::uint8_t>>> MacroPairs(const std::string& hex) {
    if (hex.empty() || hex.size() % 4 != 0 ||
        hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
        return std::nullopt;
    }
    std::vector<std::pair<std::uint8_t, std::uint8_t>> pairs;
    for (std::size_t i = 0; i < hex.size(); i += 4) {
        pairs.emplace_back(static_cast<std::uint8_t>(std::stoul(hex.substr(i, 2), nullptr, 16)),
                           static_cast<std::uint8_t>(std::stoul(hex.substr(i + 2, 2), nullptr, 16)));
    }
    return pairs;
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// What a control shows beyond its place: its text, caption, tick or choice.
std::string ControlWords(const CControlBase& control) {
    if (auto* text = dynamic_cast<const CStaticText*>(&control)) {
        return " text=" + Quoted(text->m_staticText);
    }
    if (auto* combo = dynamic_cast<const CComboButton*>(&control)) {
        return " caption=" + Quoted(combo->m_displayText) + " open=" + std::to_string(combo->m_open != 0);
    }
    if (auto* check = dynamic_cast<const CCheckButton*>(&control)) {
        return " checked=" + std::to_string(check->m_checked != 0);
    }
    if (auto* radio = dynamic_cast<const CRadioButton*>(&control)) {
        return " selected=" + std::to_string(radio->IsSelected());
    }
    return {};
}

}  // namespace

ConfiguratorAdapter::ConfiguratorAdapter(EmulatedKeyboardBus& emulated, ui::headless::Driver& driver)
    : emulated_(emulated), driver_(driver) {}

bool ConfiguratorAdapter::isMainWindow(ui::Window& window) {
    window_ = dynamic_cast<CTarvikDlg*>(&window);
    return window_ != nullptr;
}

std::vector<scenario::Control> ConfiguratorAdapter::controls(ui::Window& window) {
    std::vector<scenario::Control> result;
    auto* skinned = dynamic_cast<CDlgBase*>(&window);
    if (!skinned) {
        return result;
    }
    for (int group = 1; group <= CDlgBase::kGroups; ++group) {
        for (const auto& control : skinned->Group(group)) {
            const std::string words = "group=" + std::to_string(group) + ControlWords(*control);
            result.push_back({control->GetId(), control->GetRect(), control->IsVisible() != 0,
                              !control->IsDisabled(), words});
        }
    }
    return result;
}

// The title and text a dialog shows: those of the attention dialog's two
// texts when it has them; for the reset confirmation, which shows only its
// picture, its class and the picture's id; else the window's title alone.
std::pair<std::string, std::string> ConfiguratorAdapter::describeDialog(ui::Window& dialog) {
    if (auto* reset = dynamic_cast<CFirmwareResetDlg*>(&dialog)) {
        return {"CFirmwareResetDlg", std::to_string(reset->m_backgroundId)};
    }
    if (auto* skinned = dynamic_cast<CDlgBase*>(&dialog)) {
        auto* title = dynamic_cast<CStaticText*>(skinned->FindControl(CAttentionDlg::kTitleText));
        auto* text = dynamic_cast<CStaticText*>(skinned->FindControl(CAttentionDlg::kMessageText));
        if (title && text) {
            return {title->m_staticText, text->m_staticText};
        }
    }
    return {dialog.title(), {}};
}

std::string ConfiguratorAdapter::dumpMainWindow(ui::Window&) {
    return window_ ? DumpWindow(*window_, driver_) : std::string{};
}

std::vector<scenario::DumpPart> ConfiguratorAdapter::dumpParts() const {
    return {{"model", true}, {"dialogs", true}, {"keyboard", false}};
}

std::string ConfiguratorAdapter::dump(const std::string& part, ui::Window* mainWindow) {
    if (part == "model") {
        return mainWindow && window_ ? DumpModel(*window_) : std::string{};
    }
    if (part == "dialogs") {
        return mainWindow ? DumpDialogChoices(driver_) : std::string{};
    }
    return DumpKeyboard(emulated_.Keyboard());
}

std::vector<std::string> ConfiguratorAdapter::windowNames() const {
    return {"osd"};
}

ui::Window* ConfiguratorAdapter::namedWindow(const std::string&, std::string& whyNot) {
    ui::Window* osd = window_ ? window_->OsdWindow() : nullptr;
    if (osd == nullptr) {
        whyNot = "the on-screen display is not up";
    }
    return osd;
}

// Open popups lie over the main window and beyond it: its picture takes them in.
bool ConfiguratorAdapter::saveWindowPicture(ui::headless::Driver& driver, ui::Window& window,
                                            const std::string& path) {
    if (&window == window_ && !OpenPopups(driver).empty()) {
        return SaveWindowWithPopups(driver, window.windowRect(), path);
    }
    return driver.saveSurface(window, path);
}

ui::UINT ConfiguratorAdapter::trayIconId() const {
    return CTarvikDlg::kTrayIconId;
}

void ConfiguratorAdapter::addVerbs(scenario::VerbTable& verbs) {
    using scenario::Phase;
    verbs.add({"attach", 0, 0, Phase::anytime, false, false, [this](scenario::Runner& runner, const auto&) {
                   emulated_.Attach();
                   runner.driver().runUntilIdle();
                   return true;
               }});
    verbs.add({"detach", 0, 0, Phase::anytime, false, false, [this](scenario::Runner& runner, const auto&) {
                   emulated_.Detach();
                   runner.driver().runUntilIdle();
                   return true;
               }});
    verbs.add({"keyboard-profile", 1, 1, Phase::anytime, false, false,
               [this](scenario::Runner& runner, const scenario::Line& line) {
                   auto profile = scenario::parseNumber(line.words[0]);
                   if (!profile || *profile > 7) {
                       return runner.fail(line, "a profile 0..7 is needed");
                   }
                   emulated_.Keyboard().change([&](sim::KeyboardFirmware& f) {
                       f.currentProfile = static_cast<std::uint8_t>(*profile);
                   });
                   return true;
               }});
    const auto event = [this](scenario::Runner& runner, const scenario::Line& line) {
        return keyboardEvent(runner, line);
    };
    verbs.add({"event", 2, 2, Phase::window, false, false, event});
    verbs.add({"status", 1, 1, Phase::window, false, false,
               [this](scenario::Runner& runner, const scenario::Line& line) {
                   auto code = scenario::parseNumber(line.words[0]);
                   if (!code || *code > 0xFFFFFFFFu) {
                       return runner.fail(line, "a status code is needed");
                   }
                   // As the link's thread posts it.
                   ui::PostMessage(window_->handle(), CTarvikDlg::kStatusMessage,
                                   static_cast<ui::WPARAM>(*code));
                   runner.driver().runUntilIdle();
                   return true;
               }});
    verbs.add({"popup", 2, 2, Phase::window, false, false,
               [this](scenario::Runner& runner, const scenario::Line& line) {
                   const std::string problem = ActOnPopupItem(driver_, line.words[0], line.words[1]);
                   return problem.empty() ? true : runner.fail(line, problem);
               }});
    verbs.add({"profile-key", 1, 1, Phase::window, false, false, event});
    verbs.add({"keyboard-macro", 2, 2, Phase::window, false, false, event});
}

bool ConfiguratorAdapter::waitUntilListening(scenario::Runner& runner) {
    for (int i = 0; i < 500; ++i) {
        if (window_ && window_->Link().listening) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        runner.driver().runUntilIdle();
    }
    return false;
}

// The keyboard's events travel through the link's listener thread; the run
// waits (in real time) for the work it hands to the window.
bool ConfiguratorAdapter::keyboardEvent(scenario::Runner& runner, const scenario::Line& line) {
    if (!emulated_.Attached()) {
        return runner.fail(line, "the keyboard is not attached");
    }
    if (!waitUntilListening(runner)) {
        return runner.fail(line, "the configurator does not listen to the keyboard");
    }
    if (line.verb == "profile-key") {
        auto profile = scenario::parseNumber(line.words[0]);
        if (!profile || *profile < 1 || *profile > 3) {
            return runner.fail(line, "profile 1..3 expected");
        }
        emulated_.Keyboard().pressProfileKey(static_cast<std::uint8_t>(*profile - 1));
    } else if (line.verb == "keyboard-macro") {
        auto gKey = scenario::parseNumber(line.words[0]);
        auto pairs = MacroPairs(line.words[1]);
        if (!gKey || *gKey < 1 || *gKey > 6 || !pairs) {
            return runner.fail(line, "a G key 1..6 and the pairs' bytes in hex expected");
        }
        emulated_.Keyboard().recordMacro(static_cast<std::uint8_t>(*gKey), *pairs);
    } else {
        auto code = scenario::parseNumber(line.words[0]);
        auto value = scenario::parseNumber(line.words[1]);
        if (!code || !value || *code > 255 || *value > 255) {
            return runner.fail(line, "two bytes expected");
        }
        emulated_.Keyboard().sendEvent(static_cast<std::uint8_t>(*code), static_cast<std::uint8_t>(*value));
    }
    runner.driver().waitForPosted(kEventWait);
    return true;
}
