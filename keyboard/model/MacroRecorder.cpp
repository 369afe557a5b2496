#include "keyboard/model/MacroRecorder.h"

#include <algorithm>

bool MacroRecorder::Start(MacroLibrary& library, int index, bool recordDelays) {
    MacroSet* first = library.GetSet(0);
    MacroKey* macro = first ? first->GetMacro(index) : nullptr;
    if (!macro) {
        return false;
    }
    library_ = &library;
    index_ = index;
    // Emptying a macro that held actions is a change the library file must get.
    libraryModified = libraryModified || macro->actionCount != 0 || macro->pairCount != 0;
    macro->actionCount = 0;
    macro->pairCount = 0;
    recordDelays_ = recordDelays;
    haveLast_ = false;
    fullMessage_ = MacroMessage::kNone;
    return true;
}

MacroKey* MacroRecorder::Target() const {
    MacroSet* first = library_ ? library_->GetSet(0) : nullptr;
    return first ? first->GetMacro(index_) : nullptr;
}

bool MacroRecorder::Append(MacroKey& macro, std::uint8_t pairs, const MacroAction* delay,
                           const MacroAction& key) {
    // The 200 slots hold 100 pairs of a delay and a key, so they never run out first.
    if (macro.pairCount + pairs > kMacroPairLimit ||
        macro.actionCount + (delay ? 2u : 1u) > kMacroActionSlots) {
        return false;
    }
    macro.pairCount = static_cast<std::uint8_t>(macro.pairCount + pairs);
    if (delay) {
        macro.AppendAction(*delay);
    }
    macro.AppendAction(key);
    return true;
}

MacroRecorder::Result MacroRecorder::OnKey(std::uint8_t virtualKey, bool released, std::uint32_t timestamp) {
    MacroKey* macro = Target();
    if (virtualKey < 8 || !macro || (haveLast_ && virtualKey == lastKey_ && released == lastReleased_)) {
        return Result::kIgnored;
    }
    const MacroAction key = MacroAction::Key(virtualKey, released);
    bool recorded = true;
    if (macro->actionCount == 0) {
        recorded = Append(*macro, 1, nullptr, key);
    } else if (!recordDelays_) {
        recorded = Append(*macro, 1, nullptr, key);
        fullMessage_ = MacroMessage::kFullDelaysOff;
    } else {
        std::uint32_t elapsed = (timestamp - lastTime_) & 0x7FFFFFFFu;  // 31-bit clock, wraps around
        std::uint32_t delay = std::min(elapsed, kLongestDelay);
        const MacroAction pause = MacroAction::Delay(delay);
        bool longPause = delay >= kLongPause;
        recorded = Append(*macro, longPause ? 2 : 1, &pause, key);
        fullMessage_ = longPause ? MacroMessage::kFullLongDelay : MacroMessage::kFullShortDelay;
    }
    if (!recorded) {
        return Result::kFull;
    }
    fullMessage_ = MacroMessage::kNone;
    haveLast_ = true;
    lastKey_ = virtualKey;
    lastReleased_ = released;
    lastTime_ = timestamp;
    libraryModified = true;
    return Result::kRecorded;
}
