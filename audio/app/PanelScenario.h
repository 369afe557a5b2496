#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "sim/headset/EmulatedHeadset.h"
#include "sim/headset/Machine.h"

namespace ui::headless {
class Driver;
}
class TAudioMainForm;

// The panel's part of a scripted run: its verbs and its state dump, for a
// runner that already starts the program, drives its windows and checks
// expectations. Lines are
//   headset <headset line>        the emulated headset (sim/headset/HeadsetVerbs.h)
//   other-device plug|unplug      a second HID device of another maker
//   click NAME | press NAME       a form control by name (press: down only, then up)
//   tray dblclick | tray menu "CAPTION"
//   message NAME                  a registered message broadcast to the panel
//   mic-endpoint mute on|off      the headset's capture endpoint muted from outside
//   second-start                  a later panel start: it asks this one to the front
//   wait MS | screenshot FILE | dump [PART] | quit
//   expect "TEXT" | expect-not "TEXT"   a line of the dump (all parts)
//   expect-debug "TEXT" | expect-box "TEXT"
// Dump parts: device, state, headset, log, forms, tray, menu, service.
class PanelScenario {
public:
    PanelScenario(ui::headless::Driver& driver, sim::Machine& machine,
                  std::shared_ptr<sim::EmulatedHeadset> headset, std::function<std::string()> serviceDump);

    // Runs one line; false with `error` set when it did not hold. `form` is
    // null before start and after quit.
    bool Run(const std::string& line, TAudioMainForm* form, std::string& error);
    std::string Dump(const std::string& part, TAudioMainForm* form) const;

    void AddDebug(std::string_view text) { m_debug.emplace_back(text); }
    bool QuitRequested() const { return m_bQuit; }

private:
    bool RunHeadset(const std::string& rest, std::string& error);
    bool RunOther(const std::string& rest, std::string& error);
    bool RunTray(const std::string& rest, TAudioMainForm* form, std::string& error);
    bool SecondStart(std::string& error);
    bool Expect(const std::string& text, bool present, TAudioMainForm* form, std::string& error) const;

    ui::headless::Driver& m_driver;
    sim::Machine& m_machine;
    std::shared_ptr<sim::EmulatedHeadset> m_headset;
    std::shared_ptr<sim::EmulatedHeadset> m_other;
    std::function<std::string()> m_serviceDump;
    std::vector<std::string> m_debug;
    bool m_bQuit = false;
};

// Splits "verb rest": the first word and the rest with surrounding quotes taken off.
std::pair<std::string, std::string> SplitScenarioLine(const std::string& line);
