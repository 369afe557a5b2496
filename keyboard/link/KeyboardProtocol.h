#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "keyboard/link/DeviceEvent.h"
#include "keyboard/link/KeyboardLink.h"
#include "keyboard/link/LinkModel.h"
#include "keyboard/link/LinkOwner.h"
#include "keyboard/link/PendingWrites.h"

// The reports of the keyboard's command interface and what the configurator
// does with them: reading the three on-board profiles into the model, sending
// pending changes, and following the keyboard's own events. Runs on the
// owner's thread; the link's channel keeps each select and its read together.
class KeyboardProtocol {
public:
    static constexpr std::size_t kMacroReportPairs = 96;  // what 226 bytes hold after the header

    KeyboardProtocol(KeyboardLink& link, LinkModel& model, LinkOwner& owner, PendingWrites& pending);

    bool ReadLighting(int profile);
    bool WriteLighting(int profile);
    bool ReadKeyMap(int profile);
    bool WriteKeyMap(int profile);
    bool ReadMacro(int profile, int slot);
    bool WriteMacro(int profile, int slot);
    void InitialSync();
    void FlushPendingWrites();
    void HandleDeviceEvent(DeviceEvent event);

private:
    struct ReadResult {
        bool unnamed = false;
    };
    std::optional<ReadResult> FetchMacro(int profile, int slot);
    void StoreMacroReport(int profile, int slot, const std::vector<std::uint8_t>& report, bool& unnamed);
    void OnMacroRecorded(int slot);
    void StoreLightingValue(int position, std::uint8_t value);

    KeyboardLink& link_;
    LinkModel& model_;
    LinkOwner& owner_;
    PendingWrites& pending_;
};
