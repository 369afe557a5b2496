#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace hid {

// What the enumeration needs to know of one top-level collection.
struct TopLevelCollection {
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    // Largest report of each kind in bytes, id byte included; 0 when none.
    std::uint16_t inputReportLength = 0;
    std::uint16_t outputReportLength = 0;
    std::uint16_t featureReportLength = 0;
    // Report ids of the collection's input reports (empty when unnumbered).
    std::vector<std::uint8_t> inputReportIds;
};

struct ParsedDescriptor {
    bool numberedReports = false;  // the descriptor uses Report ID items
    std::vector<TopLevelCollection> collections;
};

// Parses a HID report descriptor into its top-level collections. A truncated
// or inconsistent descriptor yields what could be read before the fault.
ParsedDescriptor parseReportDescriptor(std::span<const std::uint8_t> descriptor);

}  // namespace hid
