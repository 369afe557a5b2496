// A keyboard we do not control: whatever its feature reports answer and
// whatever events it sends, the configurator's model stays within its bounds.
// The input fills the emulated keyboard's memory (every reply of the command
// interface comes from it), then the rest is a run of (code, value) events.
#include "FuzzInput.h"
#include "keyboard/link/DefaultModel.h"
#include "keyboard/link/KeyboardLink.h"
#include "keyboard/link/KeyboardProtocol.h"
#include "keyboard/link/TestOwner.h"
#include "platform/core/Clock.h"
#include "platform/hid/sim/SimBus.h"
#include "sim/keyboard/EmulatedKeyboard.h"
#include "support/TempFolder.h"

namespace {

class Cursor {
public:
    Cursor(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t Next() { return at_ < size_ ? data_[at_++] : 0; }
    template <std::size_t N>
    void Fill(std::array<std::uint8_t, N>& bytes) {
        for (auto& b : bytes)
            b = Next();
    }
    bool Done() const { return at_ >= size_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

void FillFirmware(Cursor& input, sim::KeyboardFirmware& firmware) {
    firmware.currentProfile = input.Next();
    for (auto& profile : firmware.profiles) {
        input.Fill(profile.lighting);
        input.Fill(profile.gKeys);
        for (auto& macro : profile.macros) {
            input.Fill(macro.name);
            macro.loop = input.Next();
            macro.pairCount = input.Next();
            // Pairs cost the fuzzer little: a few bytes, repeated.
            std::uint8_t type = input.Next(), value = input.Next();
            for (std::size_t i = 0; i < macro.pairs.size(); i += 2) {
                macro.pairs[i] = type;
                macro.pairs[i + 1] = static_cast<std::uint8_t>(value + i);
            }
        }
        profile.keyMap.fill(input.Next());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TempFolder folder;
    core::VirtualClock clock;
    core::installClock(&clock);
    {
        DefaultModel defaults(folder.path());
        AppSettings& settings = defaults.settings;
        MacroLibrary& library = defaults.library;
        PendingWrites pending;
        TestOwner owner;
        hid::SimBus bus;
        auto keyboard = std::make_shared<sim::EmulatedKeyboard>();
        Cursor input(data, size);
        keyboard->change([&](sim::KeyboardFirmware& firmware) { FillFirmware(input, firmware); });
        bus.plug(keyboard);
        KeyboardLink link(owner, bus);
        KeyboardProtocol protocol(link, defaults.model, owner, pending);
        link.Discover();
        protocol.InitialSync();
        while (!input.Done()) {
            protocol.HandleDeviceEvent(DeviceEvent{input.Next(), input.Next()});
            owner.RunPending();
        }
        FUZZ_CHECK(settings.CurrentProfile() >= 0 && settings.CurrentProfile() < 5);
        for (const auto& set : library.sets) {
            for (const auto& macro : set.macros) {
                FUZZ_CHECK(macro.actionCount <= kMacroActionSlots && macro.pairCount <= kMacroPairLimit);
            }
        }
        link.Shutdown();
    }
    core::installClock(nullptr);
    return 0;
}
