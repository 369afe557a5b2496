#pragma once

#include <string>
#include <vector>

#include "audio/settings/AudioState.h"
#include "audio/settings/SoundProfileView.h"

constexpr std::size_t kPresetItems = 6;    // five gains and the equalizer switch
constexpr std::size_t kPositionItems = 2;  // left and top

// Applies a sound profile file to AudioState, the screen and the headset, step
// by step. A required value that is missing or not an integer throws
// EConvertError where it is met; the steps before it stay applied.
class SoundProfileReader {
public:
    // `mutuallyExclusive`: 1 when 3D and virtual 7.1 exclude each other.
    SoundProfileReader(AudioState& state, SoundProfileView& view, int mutuallyExclusive);

    // Always 0.
    int ReadProfile(const std::string& path);

    // The four switch states of a default profile, each 0 when empty.
    void ReadDefaultSwitches(const std::string& path);

private:
    std::string Value(const char* section, const std::string& key) const;
    int OptionalInteger(const char* section, const std::string& key) const;
    void ReadPresets();
    void ReadSwitchesAndEffect();
    void ReadSurround();
    void ReadLedButton();
    void ReadLighting();

    AudioState& m_state;
    SoundProfileView& m_view;
    int m_iMutuallyExclusive;
    std::string m_strPath;
};

// The items of a preset or position value: exactly `count` strict integers
// of at most 127 characters each; anything else throws EConvertError.
std::vector<int> ProfileIntegerItems(const std::string& value, std::size_t count);
