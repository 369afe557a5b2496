#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace driver {

// An open handle on a device driver's extension interface, the path a driver
// publishes for control requests of its own.
class Handle {
public:
    virtual ~Handle() = default;

    // Issues one I/O control request; the number of bytes the driver wrote to
    // `out`, or nullopt when it refused the request or the device went away.
    virtual std::optional<std::size_t> control(std::uint32_t code, std::span<const std::uint8_t> in,
                                               std::span<std::uint8_t> out) = 0;
};

// Where extension paths are opened.
class Directory {
public:
    virtual ~Directory() = default;
    // nullptr when no driver answers at that path.
    virtual std::unique_ptr<Handle> open(const std::string& path) = 0;
};

// The directory the programs use. Linux has no counterpart of the headset
// maker's driver extension, so the default one opens nothing; tests and the
// demo install a simulated one. The installed directory must outlive its use.
Directory& directory();
void installDirectory(Directory* directory);  // nullptr restores the default

std::unique_ptr<Handle> open(const std::string& path);

}  // namespace driver
