#include "audio/settings/AudioState.h"

#include <cassert>

namespace {

bool isPreset(int preset) {
    return preset >= 1 && preset <= kEqPresets;
}

}  // namespace

std::array<std::uint8_t, kPresetBufferBytes> AudioState::InitialPresetBuffer() {
    std::array<std::uint8_t, kPresetBufferBytes> buffer;
    buffer.fill(0xFF);
    for (int preset = 1; preset <= kEqPresets; ++preset) {
        PackEqualizerImage(EqualizerRecord{}, buffer, PresetOffset(preset));
    }
    return buffer;
}

EqualizerRecord AudioState::Preset(int preset) const {
    assert(isPreset(preset));
    return UnpackEqualizerImage(m_byPresetBuffer, PresetOffset(preset));
}

void AudioState::StorePreset(int preset, const EqualizerRecord& record) {
    assert(isPreset(preset));
    PackEqualizerImage(record, m_byPresetBuffer, PresetOffset(preset));
}

void AudioState::LoadPreset(int preset) {
    m_eqRecord = Preset(preset);
}
