#include "audio/settings/EqualizerRecord.h"

#include <gtest/gtest.h>

#include "audio/settings/AudioState.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Image(const AudioState& state, int preset) {
    auto at = state.m_byPresetBuffer.begin() + static_cast<std::ptrdiff_t>(AudioState::PresetOffset(preset));
    return Bytes(at, at + kEqualizerImageBytes);
}

TEST(EqualizerRecordTest, PresetBufferStartsWithFourFlatImagesAmongFFs) {
    AudioState state;
    //                     g0   g0|g1 g1   g2   g2|g3 g3   g4   g4|ABCD   zeros           mode marker
    const Bytes flat{0x00, 0x04, 0x40, 0x00, 0x04, 0x40, 0x00, 0xE4, 0, 0, 0, 0, 0, 0, 0x00, 0x80};
    for (int preset = 1; preset <= kEqPresets; ++preset) {
        EXPECT_EQ(Image(state, preset), flat) << preset;
    }
    EXPECT_EQ(AudioState::PresetOffset(1), 256u);
    EXPECT_EQ(state.m_byPresetBuffer[255], 0xFF);
    EXPECT_EQ(state.m_byPresetBuffer[320], 0xFF);
    EXPECT_EQ(state.m_eqRecord, state.Preset(1));
}

TEST(EqualizerRecordTest, GainsAndFlagsPackIntoTheirNibbles) {
    EqualizerRecord record;
    record.m_wEQValue = {0x9FF, 0x123, 0x200, 0xABC, 0x1456};  // the last one is over 12 bits
    record.m_bFlagA = false;
    record.m_bFlagB = true;
    record.m_bFlagC = false;
    record.m_bFlagD = true;
    record.m_byMode = 0x85;
    record.m_bMarker = false;

    AudioState state;
    state.StorePreset(2, record);

    EXPECT_EQ(Image(state, 2),
              (Bytes{0xFF, 0x39, 0x12, 0x00, 0xC2, 0xAB, 0x56, 0x54, 0, 0, 0, 0, 0, 0, 0x85, 0x05}));
    EqualizerRecord back = state.Preset(2);
    record.m_wEQValue[4] = 0x456;
    EXPECT_EQ(back, record);
    EXPECT_EQ(Image(state, 1), Image(AudioState{}, 1));  // neighbours untouched
}

}  // namespace
