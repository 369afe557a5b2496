#include "audio/app/PanelScenario.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "audio/mainform/TAudioMainForm.h"
#include "audio/startup/PanelInstance.h"
#include "platform/forms/TMenuItem.h"
#include "platform/forms/TPopupMenu.h"
#include "platform/forms/FormScenario.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCTrayIcon.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Messaging.h"
#include "platform/ui/headless/Driver.h"
#include "sim/headset/HeadsetVerbs.h"

namespace {

std::string trimmed(std::string text) {
    text.erase(0, text.find_first_not_of(" \t"));
    text.erase(text.find_last_not_of(" \t\r\n") + 1);
    return text;
}

std::string unquoted(std::string text) {
    text = trimmed(std::move(text));
    if (text.size() < 2 || text.front() != '"' || text.back() != '"') {
        return text;
    }
    std::string inner;
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        if (text[i] == '\\' && i + 2 < text.size()) {
            ++i;  // \" and \\ stand for the character itself
        }
        inner += text[i];
    }
    return inner;
}

const char* flag(bool on) {
    return on ? "1" : "0";
}

std::string deviceLines(const TAudioMainForm& form) {
    const HeadsetState& d = form.Device();
    char ids[32];
    std::snprintf(ids, sizeof(ids), "%04X:%04X", d.m_identity.m_wVendorId, d.m_identity.m_wProductId);
    std::ostringstream out;
    out << "device ids=" << ids << " active=" << flag(d.m_bDeviceActive) << " sync=" << flag(d.m_bSync)
        << " hid=" << flag(d.m_hDevice != nullptr) << " poll=" << flag(form.PollRunning())
        << " arrivals=" << d.m_iArrivalCount << " page=" << d.m_iCurrentPage << "\n";
    out << "device mic ready=" << flag(d.m_bMicReady) << " mute=" << flag(d.m_bMicMute)
        << " monitor=" << flag(d.m_bMicMonitor) << " boost=" << flag(d.m_bMicBoost)
        << " meter=" << flag(d.m_bLevelMeterOpen) << "\n";
    out << "device tray-only=" << flag(forms::Application->Minimized() && !form.Visible()) << "\n";
    return out.str();
}

void menuLines(const forms::TMenuItem& item, const std::string& path, std::string& out) {
    for (int i = 0; i < item.Count(); ++i) {
        const forms::TMenuItem& child = item.Items(i);
        const std::string name = path.empty() ? child.DisplayCaption() : path + "/" + child.DisplayCaption();
        out += "menu \"" + name + "\" visible=" + flag(child.Visible()) + " checked=" + flag(child.Checked()) + "\n";
        menuLines(child, name, out);
    }
}

std::string stateLines(const AudioState& s) {
    std::ostringstream out;
    out << "state preset=" << s.m_iCurrentPreset << " eq=" << s.m_iEQEN << " 3d=" << s.m_i3DEN
        << " fbm=" << s.m_iFBM << " effect=" << s.m_iCurrentEffect << " 7ch1=" << s.m_i7ch1EN
        << " enc=" << s.m_iENCEN << "/" << s.m_iENCValue << " vm=" << s.m_iVoiceMagicEN << "/"
        << s.m_iVoiceMagicMode << " led=" << s.m_iLEDON << "\n";
    return out.str();
}

std::string prefixed(const std::string& prefix, const std::string& text) {
    std::istringstream in(text);
    std::string result;
    for (std::string line; std::getline(in, line);) {
        result += prefix + line + "\n";
    }
    return result;
}

}  // namespace

std::pair<std::string, std::string> SplitScenarioLine(const std::string& line) {
    const std::string text = trimmed(line);
    const auto space = text.find(' ');
    if (space == std::string::npos) {
        return {text, ""};
    }
    return {text.substr(0, space), trimmed(text.substr(space + 1))};
}

PanelScenario::PanelScenario(ui::headless::Driver& driver, sim::Machine& machine,
                             std::shared_ptr<sim::EmulatedHeadset> headset,
                             std::function<std::string()> serviceDump)
    : m_driver(driver), m_machine(machine), m_headset(std::move(headset)), m_serviceDump(std::move(serviceDump)) {}

bool PanelScenario::Run(const std::string& line, TAudioMainForm* form, std::string& error) {
    const auto [verb, rest] = SplitScenarioLine(line);
    if (verb.empty() || verb[0] == '#') {
        return true;
    }
    if (verb == "headset") {
        return RunHeadset(rest, error);
    }
    if (verb == "other-device") {
        return RunOther(rest, error);
    }
    if (verb == "wait") {
        m_driver.advance(std::chrono::milliseconds(std::stoi(rest.empty() ? "0" : rest)));
        return true;
    }
    if (verb == "expect" || verb == "expect-not") {
        return Expect(unquoted(rest), verb == "expect", form, error);
    }
    if (verb == "expect-debug") {
        const std::string text = unquoted(rest);
        if (std::none_of(m_debug.begin(), m_debug.end(),
                         [&](const std::string& d) { return d.find(text) != std::string::npos; })) {
            error = "no debug output \"" + text + "\"";
            return false;
        }
        return true;
    }
    if (verb == "expect-box") {
        const std::string text = unquoted(rest);
        const auto& boxes = m_driver.messageBoxes();
        if (std::none_of(boxes.begin(), boxes.end(), [&](const auto& b) { return b.text == text; })) {
            error = "no message box \"" + text + "\"";
            return false;
        }
        return true;
    }
    if (verb == "dump") {
        std::fputs(Dump(rest.empty() ? "all" : rest, form).c_str(), stdout);
        std::fflush(stdout);  // a reader may be waiting for it, as the start-up benchmark does
        return true;
    }
    if (verb == "quit") {
        m_bQuit = true;
        return true;
    }
    if (verb == "mic-endpoint" && (rest == "mute on" || rest == "mute off")) {
        m_headset->captureEndpoint().setMute(rest == "mute on");
        return true;
    }
    if (verb == "second-start") {
        return SecondStart(error);
    }
    if (form == nullptr) {
        error = "the panel's window is not open";
        return false;
    }
    if (verb == "click") {
        return forms::clickControl(m_driver, unquoted(rest), error);
    }
    if (verb == "press") {
        auto located = forms::locateControl(unquoted(rest), error);
        if (!located) {
            return false;
        }
        m_driver.mouseDown(*located->form, located->point);
        m_driver.mouseUp(*located->form, located->point);
        return true;
    }
    if (verb == "tray") {
        return RunTray(rest, form, error);
    }
    if (verb == "message") {
        ui::broadcastRegisteredMessage(unquoted(rest), std::chrono::milliseconds(100));
        m_driver.runUntilIdle();
        return true;
    }
    if (verb == "screenshot") {
        std::string file = unquoted(rest);
        const char* shots = std::getenv("SONVAIR_SHOTS");
        if (!file.empty() && file[0] != '/' && shots != nullptr && *shots != '\0') {
            file = std::string(shots) + "/" + file;  // relative pictures go where the run keeps them
        }
        if (!m_driver.saveSurface(*form, file)) {
            error = "cannot write " + rest;
            return false;
        }
        return true;
    }
    error = "unknown line";
    return false;
}

// As a second process would: no lock, a request to the front, no window.
bool PanelScenario::SecondStart(std::string& error) {
    if (ClaimPanelInstance() != nullptr) {
        error = "the later start got the lock: no panel runs";
        return false;
    }
    if (!m_driver.waitForPosted(std::chrono::seconds(5))) {
        error = "the running panel never heard the request";
        return false;
    }
    return true;
}

bool PanelScenario::RunHeadset(const std::string& rest, std::string& error) {
    sim::VerbResult result = sim::runHeadsetVerb(*m_headset, m_machine, rest);
    m_driver.runUntilIdle();
    if (!result.done) {
        error = result.text;
        return false;
    }
    if (!result.text.empty()) {
        std::fputs(result.text.c_str(), stdout);
    }
    return true;
}

// A device of another maker, to show the panel tells its headset apart.
bool PanelScenario::RunOther(const std::string& rest, std::string& error) {
    if (m_other == nullptr) {
        sim::HeadsetModel model;
        model.vendorId = 0x046D;
        model.productId = 0x0A44;
        model.hardwareId = "USB\\VID_046D&PID_0A44&REV_0100&MI_00";
        model.captureName = "Other Headset";
        m_other = std::make_shared<sim::EmulatedHeadset>(model);
    }
    if (rest == "plug") {
        m_other->plugInto(m_machine);
    } else if (rest == "unplug") {
        m_other->unplug();
    } else {
        error = "other-device plug or unplug";
        return false;
    }
    m_driver.runUntilIdle();
    return true;
}

bool PanelScenario::RunTray(const std::string& rest, TAudioMainForm* form, std::string& error) {
    auto* tray = form->Find<forms::TCTrayIcon>("CTrayIcon");
    if (tray == nullptr) {
        error = "the panel has no tray icon";
        return false;
    }
    const auto [what, caption] = SplitScenarioLine(rest);
    if (what == "dblclick") {
        m_driver.clickTrayIcon(tray->IconId(), ui::WM_LBUTTONDBLCLK);
        return true;
    }
    if (what == "menu") {
        const auto command = forms::menuCommandFor(unquoted(caption));
        if (!command) {
            error = "no shown menu item \"" + unquoted(caption) + "\"";
            return false;
        }
        m_driver.answerPopupMenu(*command);
        m_driver.clickTrayIcon(tray->IconId(), ui::WM_RBUTTONDOWN);
        m_driver.clickTrayIcon(tray->IconId(), ui::WM_RBUTTONUP);
        return true;
    }
    error = "tray dblclick or tray menu \"CAPTION\"";
    return false;
}

std::string PanelScenario::Dump(const std::string& part, TAudioMainForm* form) const {
    std::string out;
    const bool all = part == "all";
    if (form != nullptr && (all || part == "device")) {
        out += deviceLines(*form);
        const auto mute = m_headset->captureEndpoint().mute();
        out += std::string("device endpoint mute=") + (mute ? flag(*mute) : "?") + "\n";
    }
    if (form != nullptr && (all || part == "state")) {
        out += stateLines(form->State());
    }
    if (all || part == "headset") {
        out += prefixed("headset ", m_headset->dump());
    }
    if (all || part == "log") {
        for (const std::string& line : m_headset->log().lines()) {
            out += "log " + line + "\n";
        }
    }
    if (all || part == "forms") {
        out += forms::dumpForms();
    }
    if (form != nullptr && (all || part == "menu")) {
        if (auto* popup = form->Find<forms::TPopupMenu>("PopupMenu")) {
            menuLines(popup->Items(), "", out);
        }
    }
    if (all || part == "service") {
        out += m_serviceDump();
    }
    if (all || part == "tray") {
        for (const auto& icon : m_driver.trayIcons()) {
            out += "tray id=" + std::to_string(icon.data.id) + " tip=\"" + icon.data.tip + "\"\n";
        }
    }
    return out;
}

bool PanelScenario::Expect(const std::string& text, bool present, TAudioMainForm* form, std::string& error) const {
    const std::string dump = Dump("all", form);
    std::istringstream in(dump);
    bool found = false;
    for (std::string line; std::getline(in, line) && !found;) {
        found = line.find(text) != std::string::npos;
    }
    if (found != present) {
        error = (present ? "no line with \"" : "a line with \"") + text + "\"";
        return false;
    }
    return true;
}
