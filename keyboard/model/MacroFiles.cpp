#include "keyboard/model/MacroFiles.h"

#include <algorithm>
#include <vector>

#include "keyboard/model/TextLines.h"
#include "platform/core/AtomicFile.h"
#include "platform/core/Path.h"

namespace {

constexpr const char* kLibraryHeader = "[MacroLibrary]";
constexpr const char* kMacroKeyHeader = "[MacroKey]";
constexpr std::size_t kActionDigits = 8 * kMacroActionSlots;

std::string Number(std::uint32_t value) {
    return std::to_string(value);
}

std::string ActionsText(const MacroKey& macro) {
    std::string text = "AllAction=";
    text.reserve(text.size() + kActionDigits);
    for (const auto& action : macro.actions) {
        for (std::uint8_t byte : action.bytes)
            text += HexByte(byte);
    }
    return text;
}

// Reads lines by position; every value must be there and not be empty.
class LineReader {
public:
    explicit LineReader(const std::string& text) : lines_(SplitLines(text)) {}

    const std::string* Next() { return next_ < lines_.size() ? &lines_[next_++] : nullptr; }

    std::optional<std::string> Value() {
        const std::string* line = Next();
        if (!line) {
            return std::nullopt;
        }
        std::size_t p = line->find('=');
        if (p == std::string::npos || p + 1 >= line->size()) {
            return std::nullopt;
        }
        return line->substr(p + 1);
    }

    std::optional<long long> Number() {
        auto value = Value();
        if (!value) {
            return std::nullopt;
        }
        return ParseDecimal(*value);
    }

private:
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
};

bool ReadActions(LineReader& reader, MacroKey& macro) {
    auto digits = reader.Value();
    if (!digits || digits->size() != kActionDigits) {
        return false;
    }
    for (std::size_t slot = 0; slot < kMacroActionSlots; ++slot) {
        for (std::size_t b = 0; b < 4; ++b) {
            macro.actions[slot].bytes[b] = static_cast<std::uint8_t>(ParseHexPair(*digits, 8 * slot + 2 * b));
        }
    }
    return true;
}

// A count from another machine may claim more than a macro holds: keep it to
// what the slots and the keyboard's pair budget allow.
void ClampCounts(MacroKey& macro, long long actionCount, long long pairCount) {
    macro.actionCount = static_cast<std::uint32_t>(std::clamp<long long>(actionCount, 0, kMacroActionSlots));
    macro.pairCount = std::min<std::uint8_t>(static_cast<std::uint8_t>(pairCount & 0xFF), kMacroPairLimit);
}

bool ReadMacroBody(LineReader& reader, MacroKey& macro) {
    auto loopEnable = reader.Number();
    auto loopCount = reader.Number();
    auto actionCount = reader.Number();
    auto pairCount = reader.Number();
    if (!loopEnable || !loopCount || !actionCount || !pairCount) {
        return false;
    }
    macro.loopEnable = static_cast<std::uint32_t>(*loopEnable);
    macro.loopCount = static_cast<std::uint8_t>(*loopCount & 0xFF);
    ClampCounts(macro, *actionCount, *pairCount);
    return ReadActions(reader, macro);
}

bool WriteTextFile(const std::string& path, const std::string& text) {
    return !path.empty() && core::ensureParentFolder(path) && core::replaceFileAtomically(path, text);
}

}  // namespace

std::string MacroLibraryPath(const std::string& programFolder) {
    return core::joinPath(programFolder, "config/MacroLibraryFile.mlf");
}

std::string MacroLibraryText(const MacroLibrary& library) {
    std::vector<std::string> lines = {kLibraryHeader, "MacroSetNum=" + Number(library.sets.size())};
    for (std::size_t s = 0; s < library.sets.size(); ++s) {
        const MacroSet& set = library.sets[s];
        lines.push_back("\tMacroSet" + Number(s) + "Name=" + set.name);
        lines.push_back("\t\tMacroKeyNum=" + Number(set.macros.size()));
        for (std::size_t k = 0; k < set.macros.size(); ++k) {
            const MacroKey& macro = set.macros[k];
            lines.push_back("\t\tMacroKey" + Number(k) + "Name=" + macro.name);
            lines.push_back("\t\t\tMacroKey" + Number(k) + "LoopEnable=" + Number(macro.loopEnable));
            lines.push_back("\t\t\tMacroKey" + Number(k) + "LoopNum=" + Number(macro.loopCount));
            lines.push_back("\t\t\tMacroActionNum=" + Number(macro.actionCount));
            lines.push_back("\t\t\tMacroCommandActionNum=" + Number(macro.pairCount));
            lines.push_back("\t\t\t" + ActionsText(macro));
        }
    }
    return JoinLines(lines);
}

std::optional<MacroLibrary> ParseMacroLibrary(const std::string& text) {
    LineReader reader(text);
    const std::string* header = reader.Next();
    if (!header || *header != kLibraryHeader) {
        return std::nullopt;
    }
    auto setCount = reader.Number();
    if (!setCount || *setCount <= 0) {
        return std::nullopt;
    }
    MacroLibrary library;
    for (long long s = 0; s < *setCount; ++s) {
        auto setName = reader.Value();
        auto macroCount = reader.Number();
        if (!setName || !macroCount) {
            return std::nullopt;  // also ends a count larger than the file
        }
        MacroSet& set = library.AddSet(*setName);
        for (long long k = 0; k < *macroCount; ++k) {
            auto name = reader.Value();
            if (!name || !ReadMacroBody(reader, set.AddMacro(*name))) {
                return std::nullopt;
            }
        }
    }
    return library;
}

bool LoadMacroLibrary(MacroLibrary& library, const std::string& programFolder) {
    if (auto text = core::readWholeFile(MacroLibraryPath(programFolder))) {
        if (auto parsed = ParseMacroLibrary(*text)) {
            library = std::move(*parsed);
            return true;
        }
    }
    library = MacroLibrary::Default();
    SaveMacroLibrary(library, programFolder);
    return false;
}

bool SaveMacroLibrary(const MacroLibrary& library, const std::string& programFolder) {
    return WriteTextFile(MacroLibraryPath(programFolder), MacroLibraryText(library));
}

std::string MacroKeyText(const MacroKey& macro) {
    return JoinLines({kMacroKeyHeader, "\tMacroKeyLoopEnable=" + Number(macro.loopEnable),
                      "\tMacroKeyLoopNum=" + Number(macro.loopCount),
                      "\tMacroActionNum=" + Number(macro.actionCount),
                      "\tMacroCommandActionNum=" + Number(macro.pairCount), "\t\t" + ActionsText(macro)});
}

std::optional<MacroKey> ParseMacroKey(const std::string& text) {
    LineReader reader(text);
    const std::string* header = reader.Next();
    if (!header || *header != kMacroKeyHeader) {
        return std::nullopt;
    }
    MacroKey macro;
    if (!ReadMacroBody(reader, macro)) {
        return std::nullopt;
    }
    return macro;
}

bool ExportMacroKey(const MacroKey& macro, const std::string& path) {
    return WriteTextFile(path, MacroKeyText(macro));
}

bool ImportMacroKey(const std::string& path, MacroKey& macro) {
    auto text = core::readWholeFile(path);
    auto parsed = text ? ParseMacroKey(*text) : std::nullopt;
    if (!parsed) {
        return false;
    }
    parsed->name = macro.name;
    macro = *parsed;
    return true;
}

bool ImportMacroKey(const std::string& path, MacroLibrary& library, int index,
                    const std::string& programFolder) {
    MacroSet* set = library.GetSet(0);
    MacroKey* macro = set ? set->GetMacro(index) : nullptr;
    if (!macro || !ImportMacroKey(path, *macro)) {
        return false;
    }
    SaveMacroLibrary(library, programFolder);
    return true;
}
