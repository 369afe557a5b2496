#include "keyboard/link/KeyboardLink.h"

#include <algorithm>
#include <vector>

#include "platform/core/Clock.h"

namespace {

// At most one listener thread runs in the process.
std::atomic<bool> listenerBusy{false};

constexpr CommandChannel::Milliseconds kProfilePause{15};
constexpr CommandChannel::Milliseconds kExitPause{10};
constexpr int kExitProfile = 7;
const char* const kDisconnected = "The keyboard is disconnection";

bool isKeyboard(const hid::DeviceInterface& info) {
    return info.vendorId == KeyboardLink::kVendorId && info.productId == KeyboardLink::kProductId;
}

}  // namespace

KeyboardLink::KeyboardLink(LinkOwner& owner, hid::Bus& bus) : owner_(owner), bus_(bus) {}

KeyboardLink::~KeyboardLink() {
    if (changeListener_ != 0) {
        bus_.removeListener(changeListener_);
    }
    StopListener();
}

void KeyboardLink::Probe(const std::vector<hid::DeviceInterface>& interfaces, std::uint32_t index) {
    if (index >= interfaces.size()) {
        return;
    }
    // Only an interface that can be opened counts, as with the real device.
    auto device = bus_.open(interfaces[index].path);
    if (!device || !isKeyboard(device->info())) {
        return;
    }
    if (device->info().usagePage == kEventUsagePage) {
        eventIndex = index;
        connected = true;
    } else if (device->info().usagePage == kCommandUsagePage) {
        commandIndex = index;
        connected = true;
    }
}

void KeyboardLink::Discover() {
    connected = false;
    std::vector<hid::DeviceInterface> interfaces = bus_.enumerate();
    for (std::uint32_t index = 0; index < kProbedIndexes; ++index) {
        Probe(interfaces, index);  // a later match overwrites: the highest index wins
    }
    if (!connected) {
        commandHandle.Close();
        return;
    }
    StartListener();
    commandHandle.Close();
    OpenCommandInterface();
}

void KeyboardLink::OpenCommandInterface() {
    std::vector<hid::DeviceInterface> interfaces = bus_.enumerate();
    if (commandIndex >= interfaces.size()) {
        commandHandle.Close();
        return;
    }
    auto device = bus_.open(interfaces[commandIndex].path);
    // The usage page is not compared here, only the keyboard's ids.
    commandHandle.Open(device && isKeyboard(device->info()) ? std::move(device) : nullptr);
}

void KeyboardLink::RegisterForDeviceChanges() {
    if (changeListener_ != 0) {
        return;
    }
    changeListener_ = bus_.addListener([this](const hid::DeviceChange& change) {
        hid::DeviceChangeKind kind = change.kind;
        owner_.RunOnOwnerThread([this, kind] { OnDeviceChange(kind); });
    });
}

void KeyboardLink::OnDeviceChange(hid::DeviceChangeKind kind) {
    if (kind == hid::DeviceChangeKind::Arrival) {
        if (!connected) {
            Discover();
            if (onInitialSync) {
                onInitialSync();
            }
        }
        return;
    }
    if (!connected) {
        return;
    }
    Discover();
    if (!connected) {
        needsSync = true;
        commandHandle.Close();
        StopListener();
        owner_.ShowAttention(kDisconnected);
    }
}

void KeyboardLink::Shutdown() {
    listening = false;
    SetDeviceProfile(kExitProfile);
    core::systemClock().sleep(kExitPause);
    commandHandle.Close();
    if (changeListener_ != 0) {
        bus_.removeListener(changeListener_);
        changeListener_ = 0;
    }
    StopListener();
}

int KeyboardLink::GetDeviceProfile() {
    if (!commandHandle.IsOpen()) {
        return -1;
    }
    auto report = commandHandle.Get(0x05, 3);
    return report ? ((*report)[2] & 7) : 0;
}

bool KeyboardLink::SetDeviceProfile(int profile) {
    const std::uint8_t report[] = {0x05, 0x03, static_cast<std::uint8_t>(profile)};
    bool sent = commandHandle.Send(report, sizeof report, kProfilePause);
    if (sent) {
        deviceProfile = profile;
    }
    return sent;
}

void KeyboardLink::StartListener() {
    if (listenerBusy) {
        return;  // the running listener goes on; a second one would end at once
    }
    if (listener_.joinable()) {
        listener_.join();  // an earlier listener that has ended
    }
    listenerBusy = true;
    {
        std::lock_guard lock(eventHandleMutex_);
        stopRequested_ = false;
    }
    listener_ = std::thread([this] { Listen(); });
}

void KeyboardLink::StopListener() {
    listening = false;
    {
        std::lock_guard lock(eventHandleMutex_);
        stopRequested_ = true;
        if (eventHandle_) {
            eventHandle_->close();
        }
    }
    if (listener_.joinable()) {
        listener_.join();
    }
}

void KeyboardLink::Listen() {
    std::vector<hid::DeviceInterface> interfaces = bus_.enumerate();
    std::unique_ptr<hid::Device> device =
        eventIndex < interfaces.size() ? bus_.open(interfaces[eventIndex].path) : nullptr;
    if (!device || !isKeyboard(device->info())) {
        listenerBusy = false;
        return;
    }
    {
        // A stop that came while the handle was being opened must not be missed.
        std::lock_guard lock(eventHandleMutex_);
        if (stopRequested_) {
            listenerBusy = false;
            return;
        }
        eventHandle_ = device.get();
    }
    // Bytes 1 and 2 are read even from a report that came in shorter.
    std::vector<std::uint8_t> buffer(std::max<std::size_t>(device->info().inputReportLength, 3), 0xFF);
    buffer[0] = 0;
    listening = true;
    do {
        if (device->read(buffer) < 0) {
            break;  // the keyboard went away, or we are stopping
        }
        DeviceEvent event{buffer[1], buffer[2]};
        owner_.RunOnOwnerThread([this, event] {
            if (onDeviceEvent) {
                onDeviceEvent(event);
            }
        });
    } while (listening);
    {
        std::lock_guard lock(eventHandleMutex_);
        eventHandle_ = nullptr;
    }
    listenerBusy = false;
}
