#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace core {

// Replaces `path` with `contents` as a whole: the bytes go to a temporary file
// in the same folder, are flushed to disk and renamed over the old file. On any
// failure the old file stays as it was and the result is false.
bool replaceFileAtomically(const std::string& path, std::string_view contents);

// Reads a whole file; nullopt when it cannot be (readFile says why).
std::optional<std::string> readWholeFile(const std::string& path);

// Test seam: makes the next writes fail after `bytes` bytes have been written,
// as a full disk or a crash in the middle of a save would. nullopt turns it off.
void failWritesAfterBytes(std::optional<std::size_t> bytes);

}  // namespace core
