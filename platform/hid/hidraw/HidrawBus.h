#pragma once

#include <memory>
#include <mutex>

#include "platform/hid/Bus.h"
#include "platform/hid/ListenerList.h"

namespace hid {

class HidrawMonitor;

// The real HID devices through Linux hidraw. The monitor runs while somebody
// listens for device changes.
class HidrawBus final : public Bus {
public:
    HidrawBus();
    ~HidrawBus() override;

    std::vector<DeviceInterface> enumerate() override;
    std::unique_ptr<Device> open(const std::string& path) override;
    std::vector<std::string> hardwareIds() override;
    int addListener(DeviceChangeListener listener) override;
    void removeListener(int id) override;

private:
    ListenerList listeners_;
    std::mutex monitorMutex_;
    std::unique_ptr<HidrawMonitor> monitor_;
    bool saidNoMonitor_ = false;
};

}  // namespace hid
