#include "audio/app/PanelRun.h"

#include <memory>

#include "audio/app/PanelAdapter.h"
#include "audio/mainform/TAudioMainForm.h"
#include "audio/settings/PanelConfigFile.h"
#include "audio/startup/PanelInstance.h"
#include "audio/startup/PanelSwitches.h"
#include "audio/startup/ServiceControlRun.h"
#include "platform/core/TerminationSignals.h"
#include "platform/forms/TApplication.h"
#include "platform/scenario/ProgramOptions.h"
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

int RunPanel(const scenario::ProgramOptions& options, const std::vector<std::string>& commandLine) {
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
    auto form = forms::Application->CreateForm<TAudioMainForm>(PanelProgramFolder(), commandLine);
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

// The program's start as the entry takes it, under the runner: the service
// run's codes go to a simulated "AudioDeviceService"; the main form's modal
// run is where the runner's window lines take over, and a close ends it.
class PanelScriptRun {
public:
    PanelScriptRun(const scenario::ProgramOptions& options, const std::vector<std::string>& commandLine)
        : m_options(options), m_commandLine(commandLine), m_headset(std::make_shared<sim::EmulatedHeadset>()),
          m_adapter(m_driver, m_machine, m_headset, m_services) {
        m_services.add("AudioDeviceService");
        service::installServiceManager(&m_services);
    }
    ~PanelScriptRun() { service::installServiceManager(nullptr); }

    int Run() {
        if (m_options.simulate) {
            m_headset->plugInto(m_machine);
        }
        return scenario::runScriptFile(m_options.script, m_adapter, m_driver, [this] { Start(); });
    }

private:
    void Start() {
        const PanelSwitch choice = ParsePanelSwitches(m_commandLine);
        if (!StartsPanel(choice)) {
            RunServiceControl(choice, m_services, core::systemClock());
            return;
        }
        auto lock = ClaimPanelInstance();
        if (lock == nullptr) {
            return;
        }
        auto form = forms::Application->CreateForm<TAudioMainForm>(PanelProgramFolder(), m_commandLine);
        if (form->Unbound()) {
            return;
        }
        m_adapter.SetForm(form.get());
        AnswerLaterStarts(*lock, *form);
        bool closed = false;
        // A close ends the run as it ends the program's loop.
        form->OnClose = [&closed](forms::TObject*, forms::TCloseAction&) { closed = true; };
        form->Show();
        m_driver.activate(*form);
        m_driver.runUntilIdle();
        form->runModal();
        if (!closed && form->exists()) {
            ui::SendMessage(form.get(), ui::WM_CLOSE);
        }
        form.reset();
        m_adapter.SetForm(nullptr);
        m_driver.runUntilIdle();
    }

    const scenario::ProgramOptions& m_options;
    const std::vector<std::string>& m_commandLine;
    ui::headless::Driver m_driver;
    sim::Machine m_machine;
    std::shared_ptr<sim::EmulatedHeadset> m_headset;
    service::SimulatedServiceManager m_services;
    PanelAdapter m_adapter;
};

}  // namespace

int RunPanelScript(const scenario::ProgramOptions& options, const std::vector<std::string>& commandLine) {
    PanelScriptRun run(options, commandLine);
    return run.Run();
}
