#include "platform/forms/TTimer.h"

#include "platform/forms/LayoutProperties.h"
#include "platform/forms/TForm.h"

namespace forms {

TTimer::TTimer(TForm& owner) : TComponent(owner), id_(owner.AllocateTimerId()) {
    owner.AddTimer(*this);
    Restart();
}

TTimer::~TTimer() {
    Owner().RemoveTimer(*this);
    Owner().killTimer(id_);
}

void TTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Restart();
}

void TTimer::SetInterval(unsigned milliseconds) {
    interval_ = milliseconds;
    Restart();
}

void TTimer::Restart() {
    Owner().killTimer(id_);
    if (enabled_ && interval_ > 0) {
        Owner().setTimer(id_, interval_);
    }
}

void TTimer::Fire() {
    if (enabled_ && OnTimer) {
        OnTimer(this);
    }
}

bool TTimer::SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                         std::string& error) {
    if (key == "Enabled") {
        return layout::apply(value, error, [&](bool v) { SetEnabled(v); });
    }
    if (key == "Interval") {
        return layout::applyInt(value, error, [&](int v) { SetInterval(static_cast<unsigned>(std::max(0, v))); });
    }
    return TComponent::SetProperty(key, value, folder, error);
}

void TTimer::DescribeState(std::ostream& out) const {
    out << " enabled=" << (enabled_ ? 1 : 0) << " interval=" << interval_;
    TComponent::DescribeState(out);
}

}  // namespace forms
