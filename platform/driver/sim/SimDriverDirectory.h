#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "platform/driver/DriverExtension.h"

namespace driver {

// What answers the control requests at a simulated extension path.
class ControlTarget {
public:
    virtual ~ControlTarget() = default;
    // Called on the thread that issues the request.
    virtual std::optional<std::size_t> onControl(std::uint32_t code, std::span<const std::uint8_t> in,
                                                 std::span<std::uint8_t> out) = 0;
};

// Extension paths published by emulated devices. Path names compare without
// regard to letter case, as the other platform's object names do. Handles of
// a withdrawn path fail from then on.
class SimDriverDirectory final : public Directory {
public:
    void publish(const std::string& path, std::shared_ptr<ControlTarget> target);
    void withdraw(const std::string& path);
    bool published(const std::string& path) const;

    std::unique_ptr<Handle> open(const std::string& path) override;

    struct Entry;

private:
    mutable std::mutex mutex_;
    std::map<std::string, std::shared_ptr<Entry>> entries_;  // by upper-case path
};

}  // namespace driver
