#include "platform/hid/sim/SimBus.h"

#include <algorithm>
#include <condition_variable>
#include <deque>

#include "platform/hid/InterfacePath.h"
#include "platform/hid/ReportDescriptor.h"

namespace hid {

// What an open handle shares with the bus: its queue of input reports and
// whether it still works.
class SimHandleState {
public:
    void push(const std::vector<std::uint8_t>& report) {
        std::lock_guard lock(mutex_);
        if (usable()) {
            queue_.push_back(report);
            arrived_.notify_all();
        }
    }
    void end(bool unplugged) {
        std::lock_guard lock(mutex_);
        (unplugged ? gone_ : closed_) = true;
        arrived_.notify_all();
    }
    bool usable() const { return !gone_ && !closed_; }
    bool alive() {
        std::lock_guard lock(mutex_);
        return usable();
    }
    int pop(std::span<std::uint8_t> buffer) {
        std::unique_lock lock(mutex_);
        arrived_.wait(lock, [&] { return !usable() || !queue_.empty(); });
        if (!usable()) {
            return -1;
        }
        std::vector<std::uint8_t> report = std::move(queue_.front());
        queue_.pop_front();
        std::size_t length = std::min(buffer.size(), report.size());
        std::copy_n(report.begin(), length, buffer.begin());
        return static_cast<int>(length);
    }

private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<std::vector<std::uint8_t>> queue_;
    bool gone_ = false;
    bool closed_ = false;
};

namespace {

class SimHandle final : public Device {
public:
    SimHandle(std::shared_ptr<SimulatedDevice> device, std::size_t collection, DeviceInterface info,
              std::shared_ptr<SimHandleState> state)
        : device_(std::move(device)),
          collection_(collection),
          info_(std::move(info)),
          state_(std::move(state)) {}
    ~SimHandle() override { state_->end(false); }

    const DeviceInterface& info() const override { return info_; }
    bool setFeature(std::span<const std::uint8_t> report) override {
        return state_->alive() && report.size() >= 2 && device_->onSetFeature(collection_, report);
    }
    int getFeature(std::span<std::uint8_t> report) override {
        return state_->alive() && report.size() >= 2 ? device_->onGetFeature(collection_, report) : -1;
    }
    bool write(std::span<const std::uint8_t> report) override {
        return state_->alive() && !report.empty() && device_->onWrite(collection_, report);
    }
    int getInput(std::span<std::uint8_t> report) override {
        return state_->alive() && report.size() >= 2 ? device_->onGetInput(collection_, report) : -1;
    }
    int read(std::span<std::uint8_t> buffer) override { return state_->pop(buffer); }
    void close() override { state_->end(false); }

private:
    std::shared_ptr<SimulatedDevice> device_;
    std::size_t collection_;
    DeviceInterface info_;
    std::shared_ptr<SimHandleState> state_;
};

}  // namespace

struct SimBus::Plugged {
    std::shared_ptr<SimulatedDevice> device;
    std::vector<DeviceInterface> interfaces;
    std::vector<std::pair<std::size_t, std::weak_ptr<SimHandleState>>> handles;  // by collection
};

SimBus::SimBus() = default;

SimBus::~SimBus() {
    for (auto& plugged : plugged_) {
        plugged->device->connectInput({});
    }
}

void SimBus::plug(std::shared_ptr<SimulatedDevice> device) {
    auto plugged = std::make_unique<Plugged>();
    plugged->device = device;
    ParsedDescriptor descriptor = parseReportDescriptor(device->reportDescriptor());
    std::vector<std::string> paths;
    {
        std::lock_guard lock(mutex_);
        InterfacePath path{device->vendorId(), device->productId(), device->interfaceNumber()};
        path.node = "sim" + std::to_string(nextSerial_++);
        path.oneCollection = descriptor.collections.size() == 1;
        for (std::size_t i = 0; i < descriptor.collections.size(); ++i) {
            const TopLevelCollection& collection = descriptor.collections[i];
            path.collection = static_cast<int>(i + 1);
            plugged->interfaces.push_back(DeviceInterface{
                path.text(), device->vendorId(), device->productId(), collection.usagePage, collection.usage,
                collection.inputReportLength, collection.outputReportLength, collection.featureReportLength});
            paths.push_back(path.text());
        }
        plugged_.push_back(std::move(plugged));
    }
    const SimulatedDevice* key = device.get();
    device->connectInput([this, key](std::size_t collection, std::vector<std::uint8_t> report) {
        deliver(key, collection, report);
    });
    for (const std::string& path : paths) {
        listeners_.notify(DeviceChange{DeviceChangeKind::Arrival, path});
    }
}

void SimBus::unplug(const SimulatedDevice& device) {
    std::unique_ptr<Plugged> removed;
    {
        std::lock_guard lock(mutex_);
        auto found = std::find_if(plugged_.begin(), plugged_.end(),
                                  [&](const auto& plugged) { return plugged->device.get() == &device; });
        if (found == plugged_.end()) {
            return;
        }
        removed = std::move(*found);
        plugged_.erase(found);
    }
    removed->device->connectInput({});
    for (auto& [collection, handle] : removed->handles) {
        if (auto state = handle.lock()) {
            state->end(true);
        }
    }
    for (const DeviceInterface& interface : removed->interfaces) {
        listeners_.notify(DeviceChange{DeviceChangeKind::Removal, interface.path});
    }
}

std::vector<DeviceInterface> SimBus::enumerate() {
    std::lock_guard lock(mutex_);
    std::vector<DeviceInterface> interfaces;
    for (const auto& plugged : plugged_) {
        interfaces.insert(interfaces.end(), plugged->interfaces.begin(), plugged->interfaces.end());
    }
    return interfaces;
}

std::vector<std::string> SimBus::hardwareIds() {
    std::lock_guard lock(mutex_);
    std::vector<std::string> ids;
    for (const auto& plugged : plugged_) {
        ids.push_back(plugged->device->hardwareId());
    }
    return ids;
}

std::unique_ptr<Device> SimBus::open(const std::string& path) {
    std::lock_guard lock(mutex_);
    for (auto& plugged : plugged_) {
        for (std::size_t i = 0; i < plugged->interfaces.size(); ++i) {
            if (plugged->interfaces[i].path == path) {
                auto state = std::make_shared<SimHandleState>();
                std::erase_if(plugged->handles, [](const auto& entry) { return entry.second.expired(); });
                plugged->handles.emplace_back(i, state);
                return std::make_unique<SimHandle>(plugged->device, i, plugged->interfaces[i], state);
            }
        }
    }
    return nullptr;
}

int SimBus::addListener(DeviceChangeListener listener) {
    return listeners_.add(std::move(listener));
}

void SimBus::removeListener(int id) {
    listeners_.remove(id);
}

void SimBus::deliver(const SimulatedDevice* device, std::size_t collection,
                     const std::vector<std::uint8_t>& report) {
    std::lock_guard lock(mutex_);
    for (auto& plugged : plugged_) {
        if (plugged->device.get() != device) {
            continue;
        }
        for (auto& [handleCollection, handle] : plugged->handles) {
            auto state = handle.lock();
            if (state && handleCollection == collection) {
                state->push(report);
            }
        }
    }
}

}  // namespace hid
