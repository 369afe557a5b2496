#include "platform/hook/x11/X11KeySource.h"

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>

#include "platform/hook/KeyCodeTable.h"

namespace hook {

// The display is opened on the caller's thread and used only by the source's
// thread afterwards, so Xlib needs no locking of its own.
struct X11KeySource::Connection {
    Display* display = nullptr;
    int xinputOpcode = 0;

    ~Connection() {
        if (display != nullptr) {
            XCloseDisplay(display);
        }
    }
};

namespace {

bool hasXInput2(Display* display, int& opcode) {
    int event = 0;
    int error = 0;
    if (!XQueryExtension(display, "XInputExtension", &opcode, &event, &error)) {
        return false;
    }
    // Raw events reach clients that do not grab the keyboard from 2.1 on.
    int major = 2;
    int minor = 1;
    return XIQueryVersion(display, &major, &minor) == Success && (major > 2 || minor >= 1);
}

void selectRawKeys(Display* display) {
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_RawKeyPress);
    XISetMask(bits, XI_RawKeyRelease);
    XIEventMask mask{XIAllMasterDevices, static_cast<int>(sizeof bits), bits};
    XISelectEvents(display, DefaultRootWindow(display), &mask, 1);
    XFlush(display);
}

}  // namespace

std::unique_ptr<X11KeySource> X11KeySource::open(Sink sink) {
    auto connection = std::make_unique<Connection>();
    connection->display = XOpenDisplay(nullptr);
    if (connection->display == nullptr || !hasXInput2(connection->display, connection->xinputOpcode)) {
        return nullptr;
    }
    selectRawKeys(connection->display);
    return std::unique_ptr<X11KeySource>(new X11KeySource(std::move(connection), std::move(sink)));
}

X11KeySource::X11KeySource(std::unique_ptr<Connection> connection, Sink sink)
    : connection_(std::move(connection)), sink_(std::move(sink)) {
    if (pipe2(wake_, O_CLOEXEC) != 0) {
        wake_[0] = wake_[1] = -1;
    }
    thread_ = std::thread([this] { run(); });
}

X11KeySource::~X11KeySource() {
    if (wake_[1] >= 0) {
        const char stop = 0;
        [[maybe_unused]] ssize_t written = write(wake_[1], &stop, 1);
    }
    if (thread_.joinable()) {
        thread_.join();
    }
    for (int fd : wake_) {
        if (fd >= 0) {
            close(fd);
        }
    }
}

void X11KeySource::run() {
    pollfd fds[2] = {{ConnectionNumber(connection_->display), POLLIN, 0}, {wake_[0], POLLIN, 0}};
    for (;;) {
        readPending();
        const int ready = poll(fds, wake_[0] >= 0 ? 2 : 1, -1);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        // Woken to stop, or the server went away.
        if (ready < 0 || fds[1].revents != 0 || (fds[0].revents & (POLLERR | POLLHUP)) != 0) {
            return;
        }
    }
}

void X11KeySource::readPending() {
    Display* display = connection_->display;
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        XGenericEventCookie& cookie = event.xcookie;
        if (cookie.type != GenericEvent || cookie.extension != connection_->xinputOpcode ||
            !XGetEventData(display, &cookie)) {
            continue;
        }
        if (cookie.evtype == XI_RawKeyPress || cookie.evtype == XI_RawKeyRelease) {
            const auto* raw = static_cast<const XIRawEvent*>(cookie.data);
            const std::uint8_t virtualKey = virtualKeyOfXKeycode(static_cast<unsigned>(raw->detail));
            if (virtualKey != 0) {
                sink_(virtualKey, cookie.evtype == XI_RawKeyRelease, static_cast<std::uint32_t>(raw->time));
            }
        }
        XFreeEventData(display, &cookie);
    }
}

}  // namespace hook
