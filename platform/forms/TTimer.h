#pragma once

#include <cstdint>

#include "platform/forms/TComponent.h"

namespace forms {

// Raises OnTimer every Interval milliseconds on the form's thread, between
// messages, on the layer's clock (so a virtual clock drives it headless).
// Enabling it, or changing the interval, starts the count again.
class TTimer : public TComponent {
public:
    explicit TTimer(TForm& owner);
    ~TTimer() override;

    std::string_view KindName() const override { return "TTimer"; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned milliseconds);

    TNotifyEvent OnTimer;

    std::uintptr_t TimerId() const { return id_; }
    void Fire();

    bool SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                     std::string& error) override;
    void DescribeState(std::ostream& out) const override;

private:
    void Restart();

    std::uintptr_t id_;
    bool enabled_ = true;
    unsigned interval_ = 1000;
};

}  // namespace forms
