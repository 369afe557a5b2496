#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

// One scratch program folder for the whole fuzzing run; each input is written
// to the file under test and read back through the real loader.
class FuzzFolder {
public:
    FuzzFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quelda-fuzz-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
        std::filesystem::create_directories(path_ + "/config");
    }
    ~FuzzFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    void write(const std::string& name, const std::uint8_t* data, std::size_t size) const {
        std::ofstream out(file(name), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }

private:
    std::string path_;
};

inline std::string AsText(const std::uint8_t* data, std::size_t size) {
    return size ? std::string(reinterpret_cast<const char*>(data), size) : std::string();
}

#define FUZZ_CHECK(condition) \
    do {                      \
        if (!(condition)) {   \
            std::abort();     \
        }                     \
    } while (0)
