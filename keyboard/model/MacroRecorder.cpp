#include "keyboard/model/MacroRecorder.h"

#include <algorithm>

void MacroRecorder::Start(MacroKey& macro, bool recordDelays) {
    macro_ = &macro;
    macro.actionCount = 0;
    macro.pairCount = 0;
    recordDelays_ = recordDelays;
    haveLast_ = false;
    fullMessage_ = MacroMessage::kNone;
}

bool MacroRecorder::Append(std::uint8_t pairs, const MacroAction* delay, const MacroAction& key) {
    // The 200 slots hold 100 pairs of a delay and a key, so they never run out first.
    if (macro_->pairCount + pairs > kMacroPairLimit ||
        macro_->actionCount + (delay ? 2u : 1u) > kMacroActionSlots) {
        return false;
    }
    macro_->pairCount = static_cast<std::uint8_t>(macro_->pairCount + pairs);
    if (delay) {
        macro_->AppendAction(*delay);
    }
    macro_->AppendAction(key);
    return true;
}

MacroRecorder::Result MacroRecorder::OnKey(std::uint8_t virtualKey, bool released, std::uint32_t timestamp) {
    if (virtualKey < 8 || !macro_ || (haveLast_ && virtualKey == lastKey_ && released == lastReleased_)) {
        return Result::kIgnored;
    }
    const MacroAction key = MacroAction::Key(virtualKey, released);
    bool recorded = true;
    if (macro_->actionCount == 0) {
        recorded = Append(1, nullptr, key);
    } else if (!recordDelays_) {
        recorded = Append(1, nullptr, key);
        fullMessage_ = MacroMessage::kFullDelaysOff;
    } else {
        std::uint32_t elapsed = (timestamp - lastTime_) & 0x7FFFFFFFu;  // 31-bit clock, wraps around
        std::uint32_t delay = std::min(elapsed, kLongestDelay);
        const MacroAction pause = MacroAction::Delay(delay);
        bool longPause = delay >= kLongPause;
        recorded = Append(longPause ? 2 : 1, &pause, key);
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
