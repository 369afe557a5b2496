#pragma once

#include <cstdint>

#include "keyboard/model/MacroLibrary.h"
#include "keyboard/model/MacroRules.h"

// Turns the key events of the keyboard hook into the actions of a macro,
// within the keyboard's budget of 100 pairs: a key costs one pair, and a pause
// of a second or more before it one more.
class MacroRecorder {
public:
    enum class Result { kIgnored, kRecorded, kFull };

    static constexpr std::uint32_t kLongPause = 1016;
    static constexpr std::uint32_t kLongestDelay = 65535;

    // Empties the macro's actions and starts recording into it.
    void Start(MacroKey& macro, bool recordDelays);
    void Stop() { macro_ = nullptr; }
    bool IsRecording() const { return macro_ != nullptr; }

    // `timestamp` is the hook's 31-bit millisecond count. kFull means the
    // recording must end with FullMessage().
    Result OnKey(std::uint8_t virtualKey, bool released, std::uint32_t timestamp);
    MacroMessage FullMessage() const { return fullMessage_; }
    // Set by every recorded key, cleared by the owner when it wrote the library.
    bool libraryModified = false;

private:
    bool Append(std::uint8_t pairs, const MacroAction* delay, const MacroAction& key);

    MacroKey* macro_ = nullptr;
    bool recordDelays_ = true;
    bool haveLast_ = false;
    std::uint8_t lastKey_ = 0;
    bool lastReleased_ = false;
    std::uint32_t lastTime_ = 0;
    MacroMessage fullMessage_ = MacroMessage::kNone;
};
