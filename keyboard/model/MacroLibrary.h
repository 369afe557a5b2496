#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// One step of a macro: a key (byte 0 = virtual-key code >= 8, byte 1 = 0x80
// released / 0x00 pressed) or a delay (byte 0 = 3, bytes 1..3 = milliseconds).
struct MacroAction {
    std::array<std::uint8_t, 4> bytes{};

    static MacroAction Key(std::uint8_t virtualKey, bool released);
    static MacroAction Delay(std::uint32_t milliseconds);
    bool IsKey() const { return bytes[0] >= 8; }
    bool IsRelease() const { return bytes[1] >= 0x80; }
    std::uint32_t DelayMilliseconds() const { return (bytes[1] << 16) | (bytes[2] << 8) | bytes[3]; }
    friend bool operator==(const MacroAction&, const MacroAction&) = default;
};
static_assert(sizeof(MacroAction) == 4);

inline constexpr std::uint32_t kMacroActionSlots = 200;
inline constexpr std::uint8_t kMacroPairLimit = 100;

struct MacroKey {
    std::string name;
    std::uint32_t loopEnable = 1;
    std::uint8_t loopCount = 1;
    std::uint32_t actionCount = 0;  // 0..200
    std::uint8_t pairCount = 0;     // keyboard pairs the actions need, 0..100
    std::array<MacroAction, kMacroActionSlots> actions{};

    // False for a slot of 200 or more.
    bool SetAction(std::uint32_t slot, const MacroAction& action);
    // Moves the later actions up; false when full or beyond the last action.
    bool InsertAction(std::uint32_t slot, const MacroAction& action);
    bool AppendAction(const MacroAction& action) { return InsertAction(actionCount, action); }
    // Action 0 for a slot of 200 or more.
    MacroAction GetAction(std::uint32_t slot) const;

    friend bool operator==(const MacroKey&, const MacroKey&) = default;
};

struct MacroSet {
    std::string name;
    std::vector<MacroKey> macros;

    MacroKey& AddMacro(const std::string& macroName);
    MacroKey* GetMacro(int index);
    const MacroKey* GetMacro(int index) const;
    bool DeleteMacro(int index);
    friend bool operator==(const MacroSet&, const MacroSet&) = default;
};

// Every macro of the configurator, in named sets; the G keys and the RECORD
// page use the first set, and there is always at least one.
class MacroLibrary {
public:
    static constexpr const char* kDefaultSetName = "Keyboard Macro Set";

    static MacroLibrary Default();

    MacroSet& AddSet(const std::string& name);
    MacroSet* GetSet(int index);
    const MacroSet* GetSet(int index) const;
    bool DeleteSet(int index);
    int SetCount() const { return static_cast<int>(sets.size()); }

    // In the first set, by exact name; null when there is none.
    MacroKey* FindMacro(const std::string& name);
    const MacroKey* FindMacro(const std::string& name) const;

    friend bool operator==(const MacroLibrary&, const MacroLibrary&) = default;

    std::vector<MacroSet> sets;
};
