#include "platform/hid/hidraw/HidrawDevice.h"

#include <fcntl.h>
#include <linux/hidraw.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/hid/InterfacePath.h"
#include "platform/hid/ReportDescriptor.h"

namespace hid {

namespace {

std::optional<ParsedDescriptor> readDescriptor(int fd) {
    int size = 0;
    if (::ioctl(fd, HIDIOCGRDESCSIZE, &size) < 0 || size <= 0) {
        return std::nullopt;
    }
    hidraw_report_descriptor descriptor{};
    descriptor.size = static_cast<__u32>(std::min(size, HID_MAX_DESCRIPTOR_SIZE));
    if (::ioctl(fd, HIDIOCGRDESC, &descriptor) < 0) {
        return std::nullopt;
    }
    return parseReportDescriptor(std::span<const std::uint8_t>(descriptor.value, descriptor.size));
}

}  // namespace

std::unique_ptr<HidrawDevice> HidrawDevice::open(const std::string& text) {
    auto path = InterfacePath::parse(text);
    if (!path || path->node.find('/') != std::string::npos || path->node.rfind("hidraw", 0) != 0) {
        return nullptr;
    }
    int fd = ::open(("/dev/" + path->node).c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        return nullptr;
    }
    int wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wakeFd < 0) {
        ::close(fd);
        return nullptr;
    }
    std::unique_ptr<HidrawDevice> device(new HidrawDevice(fd, wakeFd));
    auto descriptor = readDescriptor(fd);
    hidraw_devinfo devinfo{};
    std::size_t index = static_cast<std::size_t>(path->collection - 1);
    if (!descriptor || index >= descriptor->collections.size() || ::ioctl(fd, HIDIOCGRAWINFO, &devinfo) < 0) {
        return nullptr;
    }
    const TopLevelCollection& collection = descriptor->collections[index];
    device->numbered_ = descriptor->numberedReports;
    device->inputReportIds_ = collection.inputReportIds;
    // The kernel hands vendor and product out as signed 16-bit numbers.
    device->info_ = DeviceInterface{text,
                                    static_cast<std::uint16_t>(devinfo.vendor),
                                    static_cast<std::uint16_t>(devinfo.product),
                                    collection.usagePage,
                                    collection.usage,
                                    collection.inputReportLength,
                                    collection.outputReportLength,
                                    collection.featureReportLength};
    return device;
}

HidrawDevice::~HidrawDevice() {
    ::close(fd_);
    ::close(wakeFd_);
}

bool HidrawDevice::setFeature(std::span<const std::uint8_t> report) {
    // The kernel refuses feature buffers shorter than two bytes.
    if (closed_ || report.size() < 2) {
        return false;
    }
    std::vector<std::uint8_t> copy(report.begin(), report.end());
    return ::ioctl(fd_, HIDIOCSFEATURE(copy.size()), copy.data()) >= 0;
}

int HidrawDevice::getFeature(std::span<std::uint8_t> report) {
    if (closed_ || report.size() < 2) {
        return -1;
    }
    int received = ::ioctl(fd_, HIDIOCGFEATURE(report.size()), report.data());
    return received < 0 ? -1 : received;
}

bool HidrawDevice::write(std::span<const std::uint8_t> report) {
    if (closed_ || report.empty()) {
        return false;
    }
    return ::write(fd_, report.data(), report.size()) == static_cast<ssize_t>(report.size());
}

// HIDIOCGINPUT came with Linux 5.11; older headers lack it and older kernels
// refuse the call, which reads as a failed request.
#ifndef HIDIOCGINPUT
#define HIDIOCGINPUT(len) _IOC(_IOC_WRITE | _IOC_READ, 'H', 0x0A, len)
#endif

int HidrawDevice::getInput(std::span<std::uint8_t> report) {
    if (closed_ || report.size() < 2) {
        return -1;
    }
    int received = ::ioctl(fd_, HIDIOCGINPUT(report.size()), report.data());
    return received < 0 ? -1 : received;
}

bool HidrawDevice::belongsHere(std::uint8_t reportId) const {
    return !numbered_ ||
           std::find(inputReportIds_.begin(), inputReportIds_.end(), reportId) != inputReportIds_.end();
}

int HidrawDevice::read(std::span<std::uint8_t> buffer) {
    std::uint8_t report[4096];
    while (!closed_) {
        pollfd fds[2] = {{fd_, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return -1;
        }
        if (closed_ || (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL))) {
            return -1;  // closed here, or the device went away
        }
        if (!(fds[0].revents & POLLIN)) {
            continue;
        }
        // Unnumbered reports start with data; callers expect an id byte of 0 first.
        std::size_t offset = numbered_ ? 0 : 1;
        report[0] = 0;
        ssize_t got = ::read(fd_, report + offset, sizeof report - offset);
        if (got < 0) {
            if (errno == EINTR || errno == EAGAIN) {
                continue;
            }
            return -1;
        }
        if (got == 0 || !belongsHere(report[0])) {
            continue;
        }
        std::size_t length = std::min(buffer.size(), static_cast<std::size_t>(got) + offset);
        std::copy_n(report, length, buffer.begin());
        return static_cast<int>(length);
    }
    return -1;
}

void HidrawDevice::close() {
    // The descriptor itself stays open until destruction, so a read polling it
    // in another thread never sees a reused number.
    closed_ = true;
    std::uint64_t one = 1;
    [[maybe_unused]] ssize_t ignored = ::write(wakeFd_, &one, sizeof one);
}

}  // namespace hid
