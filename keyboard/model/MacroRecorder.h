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

    // Empties macro `index` of the first set and starts recording into it;
    // false when there is no such macro. The macro is looked up again for each
    // key, because the keyboard may add macros to the set meanwhile.
    bool Start(MacroLibrary& library, int index, bool recordDelays);
    void Stop() { library_ = nullptr; }
    bool IsRecording() const { return library_ != nullptr; }
    // The delay check button stays usable while recording.
    void SetRecordDelays(bool recordDelays) { recordDelays_ = recordDelays; }

    // `timestamp` is the hook's 31-bit millisecond count. kFull means the
    // recording must end with FullMessage().
    Result OnKey(std::uint8_t virtualKey, bool released, std::uint32_t timestamp);
    MacroMessage FullMessage() const { return fullMessage_; }
    // Set by every recorded key and by a start that emptied a macro; cleared by
    // the owner when it wrote the library.
    bool libraryModified = false;

private:
    MacroKey* Target() const;
    bool Append(MacroKey& macro, std::uint8_t pairs, const MacroAction* delay, const MacroAction& key);

    MacroLibrary* library_ = nullptr;
    int index_ = 0;
    bool recordDelays_ = true;
    bool haveLast_ = false;
    std::uint8_t lastKey_ = 0;
    bool lastReleased_ = false;
    std::uint32_t lastTime_ = 0;
    MacroMessage fullMessage_ = MacroMessage::kNone;
};
