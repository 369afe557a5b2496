#include "audio/app/PanelAdapter.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sstream>

#include "audio/mainform/TAudioMainForm.h"
#include "audio/startup/PanelInstance.h"
#include "platform/core/DebugOutput.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TMenuItem.h"
#include "platform/forms/TPopupMenu.h"
#include "platform/scenario/Runner.h"
#include "platform/service/SimulatedServiceManager.h"
#include "platform/ui/MessageBroadcast.h"
#include "platform/ui/headless/Driver.h"
#include "sim/headset/HeadsetVerbs.h"

namespace {

const char* Flag(bool on) {
    return on ? "1" : "0";
}

std::string DeviceLines(const TAudioMainForm& form) {
    const HeadsetState& d = form.Device();
    char ids[32];
    std::snprintf(ids, sizeof(ids), "%04X:%04X", d.m_identity.m_wVendorId, d.m_identity.m_wProductId);
    std::ostringstream out;
    out << "device ids=" << ids << " active=" << Flag(d.m_bDeviceActive) << " sync=" << Flag(d.m_bSync)
        << " hid=" << Flag(d.m_hDevice != nullptr) << " poll=" << Flag(form.PollRunning())
        << " arrivals=" << d.m_iArrivalCount << " page=" << d.m_iCurrentPage << "\n";
    out << "device mic ready=" << Flag(d.m_bMicReady) << " mute=" << Flag(d.m_bMicMute)
        << " monitor=" << Flag(d.m_bMicMonitor) << " boost=" << Flag(d.m_bMicBoost)
        << " meter=" << Flag(d.m_bLevelMeterOpen) << "\n";
    out << "device tray-only=" << Flag(forms::Application->Minimized() && !form.Visible()) << "\n";
    return out.str();
}

std::string StateLines(const AudioState& s) {
    std::ostringstream out;
    out << "state preset=" << s.m_iCurrentPreset << " eq=" << s.m_iEQEN << " 3d=" << s.m_i3DEN
        << " fbm=" << s.m_iFBM << " effect=" << s.m_iCurrentEffect << " 7ch1=" << s.m_i7ch1EN
        << " enc=" << s.m_iENCEN << "/" << s.m_iENCValue << " vm=" << s.m_iVoiceMagicEN << "/"
        << s.m_iVoiceMagicMode << " led=" << s.m_iLEDON << "\n";
    out << "state eq gains=" << std::hex;
    for (std::size_t band = 0; band < kEqBands; ++band) {
        out << (band > 0 ? "," : "") << s.m_eqRecord.m_wEQValue[band];
    }
    out << std::dec << "\n";
    return out.str();
}

// The tray menu as it stands, sub-menu items as "Language/English".
void MenuLines(const forms::TMenuItem& item, const std::string& path, std::string& out) {
    for (int i = 0; i < item.Count(); ++i) {
        const forms::TMenuItem& child = item.Items(i);
        const std::string name = path.empty() ? child.DisplayCaption() : path + "/" + child.DisplayCaption();
        out += "menu \"" + name + "\" visible=" + Flag(child.Visible()) + " checked=" + Flag(child.Checked()) + "\n";
        MenuLines(child, name, out);
    }
}

std::string Prefixed(const std::string& prefix, const std::string& text) {
    std::istringstream in(text);
    std::string result;
    for (std::string line; std::getline(in, line);) {
        result += prefix + line + "\n";
    }
    return result;
}

std::string Joined(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) {
        text += (text.empty() ? "" : " ") + word;
    }
    return text;
}

}  // namespace

PanelAdapter::PanelAdapter(ui::headless::Driver& driver, sim::Machine& machine,
                           std::shared_ptr<sim::EmulatedHeadset> headset, service::SimulatedServiceManager& services)
    : m_driver(driver), m_machine(machine), m_headset(std::move(headset)), m_services(services) {
    core::setDebugSink([this](std::string_view text) {
        std::lock_guard lock(m_debugMutex);
        m_debug.emplace_back(text);
    });
}

PanelAdapter::~PanelAdapter() {
    core::setDebugSink({});
}

bool PanelAdapter::isMainWindow(ui::Window& window) {
    return m_form != nullptr && &window == static_cast<ui::Window*>(m_form);
}

std::vector<scenario::DumpPart> PanelAdapter::dumpParts() const {
    return {{"device", true}, {"state", true}, {"headset", false}, {"log", false},
            {"menu", true},   {"service", false}, {"tray", false}};
}

std::string PanelAdapter::dump(const std::string& part, ui::Window* mainWindow) {
    TAudioMainForm* form = mainWindow != nullptr ? m_form : nullptr;
    std::string out;
    if (part == "device" && form != nullptr) {
        out += DeviceLines(*form);
        const auto mute = m_headset->captureEndpoint().mute();
        out += std::string("device endpoint mute=") + (mute ? Flag(*mute) : "?") + "\n";
    } else if (part == "state" && form != nullptr) {
        out += StateLines(form->State());
    } else if (part == "headset") {
        out += Prefixed("headset ", m_headset->dump());
    } else if (part == "log") {
        for (const std::string& line : m_headset->log().lines()) {
            out += "log " + line + "\n";
        }
    } else if (part == "menu" && form != nullptr) {
        if (auto* popup = form->Find<forms::TPopupMenu>("PopupMenu")) {
            MenuLines(popup->Items(), "", out);
        }
    } else if (part == "service") {
        out += ServiceLine();
    } else if (part == "tray") {
        for (const auto& icon : m_driver.trayIcons()) {
            out += "tray id=" + std::to_string(icon.data.id) + " tip=\"" + icon.data.tip + "\"\n";
        }
    }
    return out;
}

std::string PanelAdapter::ServiceLine() const {
    std::string line = "service AudioDeviceService controls=";
    const auto& controls = m_services.service("AudioDeviceService").controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        line += (i > 0 ? "," : "") + std::to_string(controls[i]);
    }
    return line + " panel=" + Flag(m_form != nullptr) + "\n";
}

void PanelAdapter::addVerbs(scenario::VerbTable& verbs) {
    using scenario::Line;
    using scenario::Phase;
    using scenario::Runner;
    verbs.add({"headset", 1, 12, Phase::anytime, false, false,
               [this](Runner& runner, const Line& line) { return Headset(runner, line); }});
    verbs.add({"other-device", 1, 1, Phase::anytime, false, false,
               [this](Runner& runner, const Line& line) { return OtherDevice(runner, line); }});
    verbs.add({"mic-endpoint", 2, 2, Phase::anytime, false, false, [this](Runner& runner, const Line& line) {
                   if (line.words[0] != "mute" || (line.words[1] != "on" && line.words[1] != "off")) {
                       return runner.fail(line, "mute on or mute off expected");
                   }
                   m_headset->captureEndpoint().setMute(line.words[1] == "on");
                   runner.driver().runUntilIdle();
                   return true;
               }});
    verbs.add({"message", 1, 1, Phase::window, false, false, [](Runner& runner, const Line& line) {
                   // As a plug-in sends it: to every program of ours on this machine.
                   ui::broadcastRegisteredMessage(line.words[0], std::chrono::milliseconds(100));
                   runner.driver().runUntilIdle();
                   return true;
               }});
    verbs.add({"second-start", 0, 0, Phase::window, false, false,
               [this](Runner& runner, const Line& line) { return SecondStart(runner, line); }});
    verbs.add({"expect-debug", 1, 1, Phase::state, false, false,
               [this](Runner& runner, const Line& line) { return ExpectDebug(runner, line); }});
}

bool PanelAdapter::Headset(scenario::Runner& runner, const scenario::Line& line) {
    const sim::VerbResult result = sim::runHeadsetVerb(*m_headset, m_machine, Joined(line.words));
    runner.driver().runUntilIdle();
    if (!result.done) {
        return runner.fail(line, result.text);
    }
    if (!result.text.empty()) {
        std::fputs(result.text.c_str(), stdout);
        std::fflush(stdout);
    }
    return true;
}

// A device of another maker, to show the panel tells its headset apart.
bool PanelAdapter::OtherDevice(scenario::Runner& runner, const scenario::Line& line) {
    if (m_other == nullptr) {
        sim::HeadsetModel model;
        model.vendorId = 0x046D;
        model.productId = 0x0A44;
        model.hardwareId = "USB\\VID_046D&PID_0A44&REV_0100&MI_00";
        model.captureName = "Other Headset";
        m_other = std::make_shared<sim::EmulatedHeadset>(model);
    }
    if (line.words[0] == "plug") {
        m_other->plugInto(m_machine);
    } else if (line.words[0] == "unplug") {
        m_other->unplug();
    } else {
        return runner.fail(line, "plug or unplug expected");
    }
    runner.driver().runUntilIdle();
    return true;
}

// As a second process would: no lock, a request to the front, no window.
bool PanelAdapter::SecondStart(scenario::Runner& runner, const scenario::Line& line) {
    if (ClaimPanelInstance() != nullptr) {
        return runner.fail(line, "the later start got the lock: no panel runs");
    }
    if (!runner.driver().waitForPosted(std::chrono::seconds(5))) {
        return runner.fail(line, "the running panel never heard the request");
    }
    return true;
}

bool PanelAdapter::ExpectDebug(scenario::Runner& runner, const scenario::Line& line) {
    const std::string& text = line.words[0];
    std::lock_guard lock(m_debugMutex);
    if (std::none_of(m_debug.begin(), m_debug.end(),
                     [&](const std::string& d) { return d.find(text) != std::string::npos; })) {
        return runner.fail(line, "no debug output \"" + text + "\"");
    }
    return true;
}
