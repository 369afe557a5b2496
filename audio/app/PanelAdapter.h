#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "platform/forms/FormScenarioAdapter.h"
#include "platform/scenario/Script.h"
#include "sim/headset/EmulatedHeadset.h"
#include "sim/headset/Machine.h"

namespace scenario {
class Runner;
}
namespace service {
class SimulatedServiceManager;
}
namespace ui::headless {
class Driver;
}
class TAudioMainForm;

// What the scenario runner needs to know of the headset panel: its main form
// TAudioMainForm (components by name, menus by caption and the forms' dump
// come with forms::FormScenarioAdapter), the parts of its state (device,
// state, headset, log, menu, service, tray) and its own verbs: the emulated
// headset's lines, another maker's device, the capture endpoint, registered
// messages, a later start and the debug output.
class PanelAdapter : public forms::FormScenarioAdapter {
public:
    PanelAdapter(ui::headless::Driver& driver, sim::Machine& machine, std::shared_ptr<sim::EmulatedHeadset> headset,
                 service::SimulatedServiceManager& services);
    ~PanelAdapter() override;
    PanelAdapter(const PanelAdapter&) = delete;
    PanelAdapter& operator=(const PanelAdapter&) = delete;

    // The panel's form from its creation until it is destroyed (null otherwise).
    void SetForm(TAudioMainForm* form) { m_form = form; }

    bool isMainWindow(ui::Window& window) override;
    std::vector<scenario::DumpPart> dumpParts() const override;
    std::string dump(const std::string& part, ui::Window* mainWindow) override;
    void addVerbs(scenario::VerbTable& verbs) override;

private:
    bool Headset(scenario::Runner& runner, const scenario::Line& line);
    bool OtherDevice(scenario::Runner& runner, const scenario::Line& line);
    bool SecondStart(scenario::Runner& runner, const scenario::Line& line);
    bool ExpectDebug(scenario::Runner& runner, const scenario::Line& line);
    std::string ServiceLine() const;

    ui::headless::Driver& m_driver;
    sim::Machine& m_machine;
    std::shared_ptr<sim::EmulatedHeadset> m_headset;
    std::shared_ptr<sim::EmulatedHeadset> m_other;
    service::SimulatedServiceManager& m_services;
    TAudioMainForm* m_form = nullptr;
    std::mutex m_debugMutex;  // the debug output comes from the panel's threads too
    std::vector<std::string> m_debug;
};
