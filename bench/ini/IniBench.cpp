// Loading a settings file and looking keys up: the in-memory reader against
// the same look-ups through the private-profile read, which parses the file
// on every call. Both report time per line of the file.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "audio/settings/CIniMgr.h"
#include "platform/profile/PrivateProfile.h"
#include "support/TempFolder.h"

namespace {

constexpr int kSections = 100;
constexpr int kKeysPerSection = 19;  // with its header, 20 lines per section
constexpr int kLines = kSections * (kKeysPerSection + 1);
constexpr int kLookups = 1000;

struct Lookup {
    std::string section;
    std::string key;
};

class GeneratedFile {
public:
    GeneratedFile() {
        std::string text;
        for (int s = 0; s < kSections; ++s) {
            text += "[Section" + std::to_string(s) + "]\r\n";
            for (int k = 0; k < kKeysPerSection; ++k) {
                text += "Key" + std::to_string(k) + "=0x400,0x3FF,0x200,0x100,0x80," + std::to_string(s * k) +
                        "\r\n";
            }
        }
        folder_.write("bench.ini", text);
        // Spread over the file so the profile read does not always stop early.
        for (int i = 0; i < kLookups; ++i) {
            lookups_.push_back({"Section" + std::to_string((i * 37) % kSections),
                                "Key" + std::to_string((i * 11) % kKeysPerSection)});
        }
    }
    std::string path() const { return folder_.file("bench.ini"); }
    const std::vector<Lookup>& lookups() const { return lookups_; }

private:
    TempFolder folder_;
    std::vector<Lookup> lookups_;
};

const GeneratedFile& file() {
    static const GeneratedFile generated;
    return generated;
}

void perLine(benchmark::State& state) {
    state.counters["per_line"] = benchmark::Counter(
        kLines, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_IniMgrLoadAndLookups(benchmark::State& state) {
    const GeneratedFile& generated = file();
    for (auto _ : state) {
        CIniMgr ini;
        if (ini.LoadFile(generated.path()) != CIniMgr::LoadOk) {
            state.SkipWithError("load failed");
            break;
        }
        for (const Lookup& lookup : generated.lookups()) {
            benchmark::DoNotOptimize(ini.GetValue(lookup.section, lookup.key));
        }
    }
    perLine(state);
}
BENCHMARK(BM_IniMgrLoadAndLookups)->Unit(benchmark::kMicrosecond);

void BM_PrivateProfileLookups(benchmark::State& state) {
    const GeneratedFile& generated = file();
    for (auto _ : state) {
        for (const Lookup& lookup : generated.lookups()) {
            benchmark::DoNotOptimize(
                profile::readString(generated.path(), lookup.section, lookup.key, "", 256));
        }
    }
    perLine(state);
}
BENCHMARK(BM_PrivateProfileLookups)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
