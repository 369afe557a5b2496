#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "keyboard/link/CommandChannel.h"
#include "keyboard/link/DeviceEvent.h"
#include "keyboard/link/LinkOwner.h"
#include "platform/hid/Bus.h"

// The connection to the keyboard: finding its two interfaces, the command
// handle, the listener thread on the event interface and the reaction to
// devices coming and going. The command protocol sits on top of it.
class KeyboardLink {
public:
    static constexpr std::uint16_t kVendorId = 0x04F3;
    static constexpr std::uint16_t kProductId = 0x1406;
    static constexpr std::uint16_t kEventUsagePage = 0x000A;
    static constexpr std::uint16_t kCommandUsagePage = 0x000B;
    static constexpr std::uint32_t kProbedIndexes = 30;

    explicit KeyboardLink(LinkOwner& owner, hid::Bus& bus = hid::bus());
    ~KeyboardLink();
    KeyboardLink(const KeyboardLink&) = delete;
    KeyboardLink& operator=(const KeyboardLink&) = delete;

    // Set by the command protocol: what arrival runs, and what each event does.
    // Both run on the owner's thread.
    std::function<void()> onInitialSync;
    std::function<void(DeviceEvent)> onDeviceEvent;

    void Discover();
    void OpenCommandInterface();
    void RegisterForDeviceChanges();
    void OnDeviceChange(hid::DeviceChangeKind kind);
    void Shutdown();

    // The profile report: the keyboard's current on-board profile 0..7 (0 when
    // the read fails), or -1 without an open handle.
    int GetDeviceProfile();
    // Sends profile value p (the value itself; 7 says the configurator closed).
    bool SetDeviceProfile(int profile);

    // Connection state, in this order.
    bool connected = false;
    std::uint32_t eventIndex = 0;
    std::uint32_t commandIndex = 0;
    CommandChannel commandHandle;
    std::atomic<bool> listening{false};
    bool needsSync = true;
    int deviceProfile = -1;

private:
    void Probe(const std::vector<hid::DeviceInterface>& interfaces, std::uint32_t index);
    void StartListener();
    void StopListener();
    void Listen();

    LinkOwner& owner_;
    hid::Bus& bus_;
    int changeListener_ = 0;
    std::thread listener_;
    std::mutex eventHandleMutex_;
    hid::Device* eventHandle_ = nullptr;  // the listener's handle, closed to stop it
    bool stopRequested_ = false;
};
