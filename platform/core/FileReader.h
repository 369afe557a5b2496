#pragma once

#include <string>

namespace core {

// Why a whole file could not be read.
enum class ReadError {
    none,
    missing,         // there is no such file
    cannotOpen,      // it is there but may not be opened (permissions...)
    notRegularFile,  // a folder, a device: nothing with a length to read up to
    noMemory,        // too large to hold
    readFailed,      // an error while reading
};

struct FileContents {
    std::string bytes;
    ReadError error = ReadError::none;

    explicit operator bool() const { return error == ReadError::none; }
};

// Reads a whole regular file.
FileContents readFile(const std::string& path);

// Test seam: files that exist fail to be read with `error`, as an unreadable
// file would for a user without rights (tests may run as root, who has them
// all). ReadError::none turns it off.
void failReadsOfExistingFiles(ReadError error);

}  // namespace core
