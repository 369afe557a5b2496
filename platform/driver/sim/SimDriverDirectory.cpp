#include "platform/driver/sim/SimDriverDirectory.h"

#include <algorithm>
#include <atomic>
#include <cctype>

namespace driver {

struct SimDriverDirectory::Entry {
    std::shared_ptr<ControlTarget> target;
    std::atomic<bool> present{true};
};

namespace {

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

class SimHandle final : public Handle {
public:
    explicit SimHandle(std::shared_ptr<SimDriverDirectory::Entry> entry) : entry_(std::move(entry)) {}
    std::optional<std::size_t> control(std::uint32_t code, std::span<const std::uint8_t> in,
                                       std::span<std::uint8_t> out) override {
        if (!entry_->present) {
            return std::nullopt;
        }
        return entry_->target->onControl(code, in, out);
    }

private:
    std::shared_ptr<SimDriverDirectory::Entry> entry_;
};

}  // namespace

void SimDriverDirectory::publish(const std::string& path, std::shared_ptr<ControlTarget> target) {
    auto entry = std::make_shared<Entry>();
    entry->target = std::move(target);
    std::lock_guard lock(mutex_);
    auto& slot = entries_[upper(path)];
    if (slot) {
        slot->present = false;
    }
    slot = std::move(entry);
}

void SimDriverDirectory::withdraw(const std::string& path) {
    std::lock_guard lock(mutex_);
    auto found = entries_.find(upper(path));
    if (found != entries_.end()) {
        found->second->present = false;
        entries_.erase(found);
    }
}

bool SimDriverDirectory::published(const std::string& path) const {
    std::lock_guard lock(mutex_);
    return entries_.count(upper(path)) > 0;
}

std::unique_ptr<Handle> SimDriverDirectory::open(const std::string& path) {
    std::lock_guard lock(mutex_);
    auto found = entries_.find(upper(path));
    if (found == entries_.end()) {
        return nullptr;
    }
    return std::make_unique<SimHandle>(found->second);
}

}  // namespace driver
