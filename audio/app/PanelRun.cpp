#include "audio/app/PanelRun.h"

#include <fstream>
#include <iostream>
#include <memory>

#include "audio/app/PanelScenario.h"
#include "audio/mainform/TAudioMainForm.h"
#include "audio/settings/PanelConfigFile.h"
#include "audio/startup/PanelInstance.h"
#include "audio/startup/PanelSwitches.h"
#include "audio/startup/ServiceControlRun.h"
#include "platform/core/DebugOutput.h"
#include "platform/core/TerminationSignals.h"
#include "platform/forms/TApplication.h"
#include "platform/service/SimulatedServiceManager.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Messaging.h"
#include "platform/ui/Session.h"
#include "platform/ui/headless/Driver.h"

namespace {

// Posted by the single-instance listener when a later start asks for the front.
constexpr ui::UINT kComeToFront = ui::WM_APP + 0x240;

void AnswerLaterStarts(core::SingleInstanceLock& lock, TAudioMainForm& form) {
    form.SetMessageHandler(kComeToFront, [&form](ui::WPARAM, ui::LPARAM) {
        forms::Application->Restore();
        form.Show();
        form.bringToFront();
        return ui::LRESULT{0};
    });
    lock.onActivationRequest([&form] { ui::PostMessage(&form, kComeToFront); });
}

std::shared_ptr<sim::EmulatedHeadset> PlugEmulatedHeadset(sim::Machine& machine) {
    auto headset = std::make_shared<sim::EmulatedHeadset>();
    headset->plugInto(machine);
    return headset;
}

}  // namespace

int RunPanel(const PanelRunOptions& options) {
    auto lock = ClaimPanelInstance();
    if (lock == nullptr) {
        return 0;  // the first panel came to the front
    }
    ui::Session session(options.headless ? ui::Backend::headless : ui::backendFromEnvironment());
    std::unique_ptr<sim::Machine> machine;
    std::shared_ptr<sim::EmulatedHeadset> headset;
    if (options.simulate) {
        machine = std::make_unique<sim::Machine>();
        headset = PlugEmulatedHeadset(*machine);
    }
    auto form = forms::Application->CreateForm<TAudioMainForm>(PanelProgramFolder(), options.commandLine);
    if (form->Unbound()) {
        return 0;
    }
    AnswerLaterStarts(*lock, *form);
    core::TerminationSignals signals([&form](int) { ui::PostMessage(form.get(), ui::WM_CLOSE); });
    form->OnClose = [](forms::TObject*, forms::TCloseAction&) { forms::Application->Terminate(); };
    const int result = forms::Application->Run();
    form.reset();
    return result;
}

namespace {

class ScriptRun {
public:
    explicit ScriptRun(const PanelRunOptions& options)
        : m_options(options), m_headset(std::make_shared<sim::EmulatedHeadset>()),
          m_scenario(m_driver, m_machine, m_headset, [this] { return ServiceLine(); }) {
        m_services.add("AudioDeviceService");
        service::installServiceManager(&m_services);
        core::setDebugSink([this](std::string_view text) { m_scenario.AddDebug(text); });
    }
    ~ScriptRun() {
        core::setDebugSink({});
        service::installServiceManager(nullptr);
    }

    int Run(const std::vector<std::string>& lines) {
        std::size_t next = 0;
        const bool hasStart = std::find(lines.begin(), lines.end(), "start") != lines.end();
        if (m_options.simulate) {
            m_headset->plugInto(m_machine);
        }
        if (hasStart && !RunUntil(lines, next, "start", nullptr)) {
            return 1;
        }
        Start();
        if (m_form != nullptr && !RunUntil(lines, next, "quit", m_form.get())) {
            return 1;
        }
        if (m_form != nullptr) {
            if (!m_bClosed) {
                ui::SendMessage(m_form.get(), ui::WM_CLOSE);
            }
            m_form.reset();
            m_driver.runUntilIdle();
        }
        return RunUntil(lines, next, "", nullptr) ? 0 : 1;
    }

private:
    // The program's start as the entry takes it, with the service run's code kept for the dump.
    void Start() {
        const PanelSwitch choice = ParsePanelSwitches(m_options.commandLine);
        if (!StartsPanel(choice)) {
            RunServiceControl(choice, m_services, core::systemClock());
            return;
        }
        m_lock = ClaimPanelInstance();
        if (m_lock == nullptr) {
            return;
        }
        m_form = forms::Application->CreateForm<TAudioMainForm>(PanelProgramFolder(), m_options.commandLine);
        if (m_form->Unbound()) {
            m_form.reset();
            return;
        }
        AnswerLaterStarts(*m_lock, *m_form);
        m_form->OnClose = [this](forms::TObject*, forms::TCloseAction&) { m_bClosed = true; };
        m_form->Show();
        m_driver.activate(*m_form);
        m_driver.runUntilIdle();
    }

    bool RunUntil(const std::vector<std::string>& lines, std::size_t& next, const std::string& end,
                  TAudioMainForm* form) {
        while (next < lines.size()) {
            const std::string& line = lines[next++];
            if (!end.empty() && SplitScenarioLine(line).first == end) {
                return true;
            }
            std::string error;
            if (!m_scenario.Run(line, form, error)) {
                std::cerr << m_options.script << ":" << next << ": " << line << ": " << error << "\n";
                return false;
            }
            if (form != nullptr && (m_bClosed || !form->exists())) {
                return true;
            }
        }
        return true;
    }

    std::string ServiceLine() {
        std::string line = "service AudioDeviceService controls=";
        const auto& controls = m_services.service("AudioDeviceService").controls;
        for (std::size_t i = 0; i < controls.size(); ++i) {
            line += (i > 0 ? "," : "") + std::to_string(controls[i]);
        }
        return line + " panel=" + (m_form != nullptr ? "1" : "0") + "\n";
    }

    const PanelRunOptions& m_options;
    ui::headless::Driver m_driver;
    sim::Machine m_machine;
    std::shared_ptr<sim::EmulatedHeadset> m_headset;
    service::SimulatedServiceManager m_services;
    PanelScenario m_scenario;
    std::unique_ptr<core::SingleInstanceLock> m_lock;
    std::unique_ptr<TAudioMainForm> m_form;
    bool m_bClosed = false;  // the main form closed: the program's loop would end
};

}  // namespace

int RunPanelScript(const PanelRunOptions& options) {
    std::ifstream in(options.script);
    if (!in) {
        std::cerr << "sonvair-app: cannot read " << options.script << "\n";
        return 2;
    }
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    ScriptRun run(options);
    return run.Run(lines);
}
