#include "platform/hid/ReportDescriptor.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>

namespace hid {

namespace {

enum ItemType : std::uint8_t { Main = 0, Global = 1, Local = 2 };

// Main item tags
constexpr std::uint8_t kInput = 0x8, kOutput = 0x9, kFeature = 0xB, kCollection = 0xA, kEndCollection = 0xC;
// Global item tags
constexpr std::uint8_t kUsagePage = 0x0, kReportSize = 0x7, kReportId = 0x8, kReportCount = 0x9, kPush = 0xA,
                       kPop = 0xB;
// Local item tags
constexpr std::uint8_t kUsage = 0x0;

enum ReportKind { InputReport, OutputReport, FeatureReport };

struct Item {
    std::uint8_t type = 0;
    std::uint8_t tag = 0;
    std::uint8_t size = 0;
    std::uint32_t value = 0;
};

struct Globals {
    std::uint32_t usagePage = 0;
    std::uint32_t reportSize = 0;
    std::uint32_t reportCount = 0;
    std::uint8_t reportId = 0;
};

// Bits per report id and kind inside the top-level collection being read.
using ReportBits = std::map<std::uint8_t, std::array<std::uint64_t, 3>>;

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    // The next short item; nullopt at the end or at a truncated item.
    std::optional<Item> next() {
        while (pos_ < bytes_.size()) {
            std::uint8_t prefix = bytes_[pos_];
            if (prefix == 0xFE) {  // long item: skipped, nothing we read uses them
                if (pos_ + 1 >= bytes_.size()) {
                    return std::nullopt;
                }
                pos_ += 3 + std::size_t{bytes_[pos_ + 1]};
                continue;
            }
            static constexpr std::uint8_t kSizes[] = {0, 1, 2, 4};
            Item item{static_cast<std::uint8_t>((prefix >> 2) & 3), static_cast<std::uint8_t>(prefix >> 4),
                      kSizes[prefix & 3]};
            if (pos_ + 1 + item.size > bytes_.size()) {
                return std::nullopt;
            }
            for (std::uint8_t i = 0; i < item.size; ++i) {
                item.value |= std::uint32_t{bytes_[pos_ + 1 + i]} << (8 * i);
            }
            pos_ += 1 + item.size;
            return item;
        }
        return std::nullopt;
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

std::uint16_t byteLength(const ReportBits& reports, ReportKind kind) {
    std::uint64_t longest = 0;
    for (const auto& [id, bits] : reports) {
        longest = std::max(longest, bits[kind]);
    }
    if (longest == 0) {
        return 0;
    }
    std::uint64_t bytes = (longest + 7) / 8 + 1;
    return static_cast<std::uint16_t>(std::min<std::uint64_t>(bytes, 0xFFFF));
}

TopLevelCollection finish(TopLevelCollection collection, const ReportBits& reports, bool numbered) {
    collection.inputReportLength = byteLength(reports, InputReport);
    collection.outputReportLength = byteLength(reports, OutputReport);
    collection.featureReportLength = byteLength(reports, FeatureReport);
    if (numbered) {
        for (const auto& [id, bits] : reports) {
            if (bits[InputReport] > 0) {
                collection.inputReportIds.push_back(id);
            }
        }
    }
    return collection;
}

}  // namespace

ParsedDescriptor parseReportDescriptor(std::span<const std::uint8_t> descriptor) {
    ParsedDescriptor result;
    Reader reader(descriptor);
    Globals globals;
    std::vector<Globals> pushed;
    std::optional<std::uint32_t> firstUsage;  // local state up to the next main item
    int depth = 0;
    TopLevelCollection current;
    ReportBits reports;

    while (auto item = reader.next()) {
        if (item->type == Global) {
            switch (item->tag) {
                case kUsagePage:
                    globals.usagePage = item->value;
                    break;
                case kReportSize:
                    globals.reportSize = item->value;
                    break;
                case kReportCount:
                    globals.reportCount = item->value;
                    break;
                case kReportId:
                    globals.reportId = static_cast<std::uint8_t>(item->value);
                    result.numberedReports = true;
                    break;
                case kPush:
                    pushed.push_back(globals);
                    break;
                case kPop:
                    if (!pushed.empty()) {
                        globals = pushed.back();
                        pushed.pop_back();
                    }
                    break;
                default:
                    break;
            }
        } else if (item->type == Local) {
            if (item->tag == kUsage && !firstUsage) {
                // A 4-byte usage carries its own page in the high 16 bits.
                firstUsage =
                    item->size == 4 ? item->value : (globals.usagePage << 16) | (item->value & 0xFFFF);
            }
        } else if (item->type == Main) {
            switch (item->tag) {
                case kCollection:
                    if (depth == 0) {
                        current = TopLevelCollection{};
                        std::uint32_t usage = firstUsage.value_or(globals.usagePage << 16);
                        current.usagePage = static_cast<std::uint16_t>(usage >> 16);
                        current.usage = static_cast<std::uint16_t>(usage & 0xFFFF);
                        reports.clear();
                    }
                    ++depth;
                    break;
                case kEndCollection:
                    if (depth > 0 && --depth == 0) {
                        result.collections.push_back(finish(current, reports, result.numberedReports));
                    }
                    break;
                case kInput:
                case kOutput:
                case kFeature:
                    if (depth > 0) {
                        ReportKind kind = item->tag == kInput    ? InputReport
                                          : item->tag == kOutput ? OutputReport
                                                                 : FeatureReport;
                        reports[globals.reportId][kind] +=
                            std::uint64_t{globals.reportSize} * std::uint64_t{globals.reportCount};
                    }
                    break;
                default:
                    break;
            }
            firstUsage.reset();
        }
    }
    return result;
}

}  // namespace hid
