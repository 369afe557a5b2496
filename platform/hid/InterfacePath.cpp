#include "platform/hid/InterfacePath.h"

#include <cstdio>

namespace hid {

std::string InterfacePath::text() const {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "hid#VID_%04X&PID_%04X&MI_%02X", vendorId, productId,
                  static_cast<unsigned>(interfaceNumber & 0xFF));
    std::string result = buffer;
    if (!oneCollection) {
        std::snprintf(buffer, sizeof buffer, "&Col%02d", collection);
        result += buffer;
    }
    return result + "#" + node;
}

std::optional<InterfacePath> InterfacePath::parse(const std::string& text) {
    InterfacePath path;
    unsigned vendor = 0, product = 0, interface = 0;
    if (std::sscanf(text.c_str(), "hid#VID_%4x&PID_%4x&MI_%2x", &vendor, &product, &interface) != 3) {
        return std::nullopt;
    }
    std::size_t hash = text.rfind('#');
    if (hash == std::string::npos || hash + 1 >= text.size() || hash < 4) {
        return std::nullopt;
    }
    path.vendorId = static_cast<std::uint16_t>(vendor);
    path.productId = static_cast<std::uint16_t>(product);
    path.interfaceNumber = static_cast<int>(interface);
    path.node = text.substr(hash + 1);
    std::size_t col = text.find("&Col");
    if (col != std::string::npos && col < hash) {
        int number = 0;
        if (std::sscanf(text.c_str() + col, "&Col%2d", &number) != 1 || number < 1) {
            return std::nullopt;
        }
        path.collection = number;
        path.oneCollection = false;
    }
    return path;
}

}  // namespace hid
