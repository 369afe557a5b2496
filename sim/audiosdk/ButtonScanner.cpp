#include "sim/audiosdk/ButtonScanner.h"

#include <algorithm>
#include <vector>

#include "sim/headset/VendorProtocol.h"

namespace sdk {

bool buttonBytesOf(const std::uint8_t* report, int length, std::uint8_t (&bytes)[5]) {
    if (length < 5 || report[1] != sim::vendor::kButtonReportMark) {
        return false;
    }
    std::copy_n(report, 5, bytes);
    return true;
}

ButtonScanner::ButtonScanner(std::unique_ptr<hid::Device> device, std::uint16_t vendorId,
                             std::uint16_t productId, ButtonCallback callback)
    : device_(std::move(device)), vendorId_(vendorId), productId_(productId), callback_(callback) {
    thread_ = std::thread([this] { run(); });
}

ButtonScanner::~ButtonScanner() {
    device_->close();
    if (thread_.joinable()) {
        thread_.join();
    }
}

void ButtonScanner::run() {
    std::vector<std::uint8_t> report(std::max<std::size_t>(device_->info().inputReportLength, 5));
    for (;;) {
        int length = device_->read(report);
        if (length < 0) {
            return;
        }
        std::uint8_t bytes[5];
        if (callback_ &&
            buttonBytesOf(report.data(), std::min(length, static_cast<int>(report.size())), bytes)) {
            callback_(vendorId_, productId_, bytes, 0, 0);
        }
    }
}

}  // namespace sdk
