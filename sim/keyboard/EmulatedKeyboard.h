#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

#include "platform/hid/sim/SimBus.h"
#include "platform/hid/sim/SimulatedDevice.h"
#include "sim/keyboard/KeyboardFirmware.h"
#include "sim/keyboard/ReportLog.h"

namespace sim {

// The keyboard 04F3:1406 as its firmware behaves on the bus: an event
// collection (usage page 0x0A) that sends 8-byte input reports and a command
// collection (usage page 0x0B) of feature reports 0x04..0x08.
class EmulatedKeyboard final : public hid::SimulatedDevice {
public:
    static constexpr std::size_t kEventCollection = 0;
    static constexpr std::size_t kCommandCollection = 1;

    EmulatedKeyboard();

    // Plugs the keyboard so that its event interface gets member index
    // `eventIndex` (and the command interface the next one), plugging other
    // devices before it as needed. Those are returned to keep them alive.
    static std::vector<std::shared_ptr<hid::SimulatedDevice>> plugAt(
        hid::SimBus& bus, const std::shared_ptr<EmulatedKeyboard>& keyboard, std::size_t eventIndex);

    // A copy of the firmware state, or a change of it, under the keyboard's lock.
    KeyboardFirmware firmware() const;
    template <typename Change>
    void change(Change&& change) {
        std::lock_guard lock(mutex_);
        change(firmware_);
    }

    ReportLog& log() { return log_; }
    // While set, every feature call fails (a keyboard that stopped answering).
    void refuseReports(bool refuse);

    // Sends one event report: code and value in bytes 1 and 2.
    void sendEvent(std::uint8_t code, std::uint8_t value);
    // What the keyboard does when a macro is recorded on it for G key 1..6 of
    // its current profile: keep the pairs without a name, then report it.
    void recordMacro(std::uint8_t gKey, const std::vector<std::pair<std::uint8_t, std::uint8_t>>& pairs,
                     std::uint8_t loop = 0);
    // The profile key: switch to on-board profile 0..2 and report it as 1..3.
    void pressProfileKey(std::uint8_t profile);

    bool onSetFeature(std::size_t collection, std::span<const std::uint8_t> report) override;
    int onGetFeature(std::size_t collection, std::span<std::uint8_t> report) override;

private:
    bool applySet(std::span<const std::uint8_t> report);
    int answerGet(std::span<std::uint8_t> report);
    FirmwareProfile& selected();

    mutable std::mutex mutex_;
    KeyboardFirmware firmware_;
    bool refusing_ = false;
    ReportLog log_;
};

}  // namespace sim
