#include "audio/mainform/EqualizerPage.h"

#include <algorithm>
#include <chrono>

#include "audio/device/ChipExchange.h"
#include "audio/device/ChipRegisters.h"
#include "audio/device/DeviceDiscovery.h"
#include "audio/device/EqualizerImage.h"
#include "audio/mainform/EqualizerMath.h"
#include "audio/mainform/SliderHook.h"
#include "audio/settings/EConvertError.h"
#include "audio/settings/ProfileStrings.h"
#include "audio/settings/SoundProfileKeys.h"
#include "audio/settings/SoundProfileReader.h"
#include "platform/core/Clock.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TImage.h"
#include "platform/forms/TLabel.h"

namespace {

constexpr const char* kBandNames[kEqBands] = {"60Hz", "300Hz", "1200Hz", "3600Hz", "12000Hz"};
constexpr std::uint8_t kMainBus = 0x50;
constexpr std::uint8_t kEqualizerBus = 0x51;
constexpr std::uint8_t kGainsStoredOffset = 141;  // bit 0: the EEPROM holds gains
constexpr std::uint8_t kBankSelectorOffset = 142;
constexpr std::int32_t kEepromTimeout = 100;
constexpr int kEqualizerWriteFailed = 11;  // the end of the exchange after registers 288..297
constexpr int kValueLabelGap = 2;

EqualizerImage imageOf(const EqualizerRecord& record) {
    EqualizerImage image;
    image.m_wGain = record.m_wEQValue;
    image.m_bFlagA = record.m_bFlagA;
    image.m_bFlagB = record.m_bFlagB;
    image.m_bFlagC = record.m_bFlagC;
    image.m_bFlagD = record.m_bFlagD;
    image.m_byMode = record.m_byMode;
    image.m_bMarker = record.m_bMarker;
    return image;
}

}  // namespace

EqualizerPage::EqualizerPage(forms::TForm& form, AudioState& state, HeadsetState& device, AudioSdk& sdk,
                             EqualizerSettings settings)
    : m_state(state), m_device(device), m_sdk(sdk), m_settings(std::move(settings)) {
    for (std::size_t n = 0; n < kEqBands; ++n) {
        const std::string stem = std::string("EQ") + kBandNames[n];
        m_bands[n] = {form.Find<forms::TImage>(stem + "SliderImage"), form.Find<forms::TImage>(stem + "BarImage"),
                      form.Find<forms::TImage>(stem + "BarDownImage"), form.Find<forms::TLabel>(stem + "ValueLabel"),
                      form.Find<forms::TControl>(stem + "Label")};
    }
}

void EqualizerPage::Prepare() {
    const SliderTravel t = travel();
    for (auto& preset : m_iSliderPos) {
        preset.fill(t.m_iLength / 2);
    }
    m_bFlat = eqmath::IsFlat(m_state.m_eqRecord);
}

void EqualizerPage::HookSliders(SliderHook& hook) {
    for (std::size_t n = 0; n < kEqBands; ++n) {
        const Band& band = m_bands[n];
        if (band.m_pKnob == nullptr) {
            continue;
        }
        HookedSlider slider;
        slider.m_pKnob = band.m_pKnob;
        for (forms::TImage* bar : {band.m_pBar, band.m_pLowerBar}) {
            if (bar != nullptr) {
                slider.m_bars.push_back(bar);
            }
        }
        slider.m_travel = [this] { return travel(); };
        slider.m_moved = [this, n](int top) { BandMoved(n, top); };
        hook.Add(std::move(slider));
    }
}

bool EqualizerPage::ImageMouseDown(int tag) {
    if (tag == TagEQEN) {
        EQENClick();
    } else if (tag >= TagEQS1 && tag <= TagEQS4) {
        PresetClick(tag - TagEQS1 + 1);
    } else {
        return false;
    }
    return true;
}

void EqualizerPage::BandMoved(std::size_t band, int top) {
    const SliderTravel t = travel();
    m_state.m_eqRecord.m_wEQValue[band] = eqmath::GainAt(top, t);
    m_bFlat = eqmath::IsFlat(m_state.m_eqRecord);
    SendBand(band);
    m_iSliderPos[m_state.m_iCurrentPreset - 1][band] = eqmath::ClampTop(top, t) - t.m_iTop;
    m_state.StorePreset(m_state.m_iCurrentPreset, m_state.m_eqRecord);
    Redraw();
}

// A failing register access ends the exchange at once, without its end report.
void EqualizerPage::SendBand(std::size_t band) {
    auto device = OpenHidInterface(m_device.m_identity.m_wVendorId, m_device.m_identity.m_wProductId);
    if (device == nullptr) {
        return;
    }
    if (m_device.m_bSync) {
        ApplyOnOff(m_state.m_iEQEN);
        if (chip::WriteBandGain(*device, band, m_state.m_eqRecord.m_wEQValue[band]) != 0) {
            return;
        }
    }
    chip::EndExchange(*device);
}

void EqualizerPage::EQENClick() {
    m_state.m_iEQEN = m_state.m_iEQEN != 0 ? 0 : 1;
    ShowLook();
    m_state.StorePreset(m_state.m_iCurrentPreset, m_state.m_eqRecord);
    ApplyOnOff(m_state.m_iEQEN);
}

void EqualizerPage::PresetClick(int preset) {
    m_state.m_iCurrentPreset = preset;
    ApplyPreset(preset, Look::shown);
}

// A flat preset reaches the headset only as "off". Callers that redraw the
// whole window afterwards leave the look to that.
void EqualizerPage::ApplyPreset(int preset, Look look) {
    m_state.LoadPreset(preset);
    m_bFlat = eqmath::IsFlat(m_state.m_eqRecord);
    if (!m_bFlat) {
        WriteRecord();
    }
    if (look == Look::shown) {
        ShowLook();
    } else {
        Redraw();
    }
    ApplyOnOff(m_state.m_iEQEN);
}

// Registers 288 to 297 from the current record, while in sync and no profile is being written.
void EqualizerPage::WriteRecord() {
    const EqualizerImage image = imageOf(m_state.m_eqRecord);
    const bool send = m_device.m_bSync && !m_state.m_bSavingProfile;
    ChipExchange::Run(m_device.m_identity, kEqualizerWriteFailed, [&](hid::Device& device) {
        return send ? chip::WriteEqualizer(device, image) : 0;
    });
}

void EqualizerPage::ApplyOnOff(int wanted) {
    if (!m_device.m_bDeviceActive) {
        return;
    }
    m_sdk.fnDLLQ9_ConfigEQ_ById(0);
    if (m_bFlat) {
        m_sdk.fnDLLQ9_SetEQ_OnOff_ById(0, 0);
        return;
    }
    m_sdk.fnDLLQ9_SetEQ_OnOff_ById(wanted, 0);
    // A state that cannot be read back counts as not taken.
    std::int32_t state = -1;
    const bool read = m_sdk.fnDLLQ9_IsEQ_Enable_ById(&state, 0) == 0;
    if (!read || (state != 0) != (wanted != 0)) {
        m_sdk.fnDLLQ9_SetEQ_OnOff_ById(wanted, 0);
    }
}

void EqualizerPage::ResetClick() {
    const int preset = m_state.m_iCurrentPreset;
    std::optional<PresetValues> values;
    if (m_settings.m_iDefaultIni != 0) {
        if (!m_device.m_bDeviceActive) {
            m_device.m_bSync = false;
        }
        values = DefaultPreset(preset);
    }
    if (values) {
        StorePresetValues(preset, *values);
        ApplyPreset(preset, Look::shown);
        ApplyPreset(m_state.m_iCurrentPreset, Look::shown);
    } else {
        m_state.m_eqRecord = EqualizerRecord{};
    }
    m_state.StorePreset(preset, m_state.m_eqRecord);
    Redraw();
    if (OpenHidInterface(m_device.m_identity.m_wVendorId, m_device.m_identity.m_wProductId) == nullptr) {
        return;
    }
    if (m_device.m_bSync) {
        for (std::size_t n = 0; n < kEqBands; ++n) {
            if (m_bands[n].m_pKnob != nullptr) {
                BandMoved(n, m_bands[n].m_pKnob->Top());
            }
        }
        WriteRecord();
    }
    if (apply3DState) {
        apply3DState();
    }
}

// The default profile's "S1".."S4": five gains and the switch. A value that is
// missing or malformed leaves RESET with the default record.
std::optional<EqualizerPage::PresetValues> EqualizerPage::DefaultPreset(int preset) const {
    std::string value;
    ReadIniString(m_settings.m_strDefaultProfile, kEqSection, "S" + std::to_string(preset), value);
    try {
        const std::vector<int> items = ProfileIntegerItems(value, kPresetItems);
        PresetValues values;
        for (std::size_t n = 0; n < kEqBands; ++n) {
            values.m_wGain[n] = static_cast<std::uint16_t>(items[n]);
        }
        values.m_iOn = items[kEqBands];
        return values;
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

void EqualizerPage::StorePresetValues(int preset, const PresetValues& values) {
    EqualizerRecord record = m_state.Preset(preset);
    record.m_wEQValue = values.m_wGain;
    m_state.StorePreset(preset, record);
    m_state.m_iEQEN = values.m_iOn;
    StorePositions(preset);
}

void EqualizerPage::StorePositions(int preset) {
    const SliderTravel t = travel();
    const EqualizerRecord record = m_state.Preset(preset);
    for (std::size_t n = 0; n < kEqBands; ++n) {
        m_iSliderPos[preset - 1][n] = eqmath::TopFor(record.m_wEQValue[n], t) - t.m_iTop;
    }
}

bool EqualizerPage::ReadEeprom(std::uint8_t bus, std::uint8_t offset, std::uint8_t& byte, int tries) {
    for (int i = 0; i < tries; ++i) {
        if (m_sdk.fnDLLQ9_Read_I2C_ById(bus, offset, &byte, 1, kEepromTimeout, 0) == 0) {
            return true;
        }
    }
    return false;
}

void EqualizerPage::ReadFromEeprom() {
    std::int32_t ignored = 0;
    if (m_sdk.fnDLLQ9_IsEQ_Enable_ById(&ignored, 0) != 0) {
        m_sdk.fnDLLQ9_IsEQ_Enable_ById(&ignored, 0);
    }
    m_bFlat = false;
    std::uint8_t byte = 0;
    const bool gainsStored = ReadEeprom(kMainBus, kGainsStoredOffset, byte, 2) && (byte & 0x01) != 0;
    std::uint8_t selector = 0;
    if (!ReadEeprom(kMainBus, kBankSelectorOffset, selector, 2)) {
        selector = 0;  // bank 0, as for any selector that names none
    }
    const std::size_t flagOffset = eqmath::EepromFlagOffset(selector);
    std::uint8_t flags = 0;
    if (!ReadEeprom(kEqualizerBus, static_cast<std::uint8_t>(flagOffset), flags, 1)) {
        return;
    }
    if (flags == 0x00 || flags == 0xFF) {
        m_bFlat = true;
        return;
    }
    PresetValues values;
    values.m_iOn = (flags & 0x80) == 0 ? 1 : 0;
    m_bEepromThreeDOn = (flags & 0x10) != 0;
    values.m_wGain.fill(kFlatGain);
    if (gainsStored) {
        const std::size_t first = flagOffset - eqmath::kEepromFlagByte;
        std::array<std::uint8_t, 8> bytes{};
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (i > 0) {
                core::systemClock().sleep(std::chrono::milliseconds(10));
            }
            if (!ReadEeprom(kEqualizerBus, static_cast<std::uint8_t>(first + i), bytes[i], 1)) {
                return;
            }
        }
        values.m_wGain = eqmath::UnpackGains(bytes);
        for (std::uint16_t& gain : values.m_wGain) {
            gain = eqmath::GainFromEeprom(gain);
        }
    }
    StorePresetValues(1, values);
    ApplyPreset(1, Look::left);
    ApplyPreset(m_state.m_iCurrentPreset, Look::left);
    EqualizerRecord read;
    read.m_wEQValue = values.m_wGain;
    m_bFlat = eqmath::IsFlat(read);
    ApplyOnOff(m_state.m_iEQEN);
}

void EqualizerPage::Close() {
    ResetClick();
    m_state.m_iEQEN = 0;
    ApplyOnOff(0);
}

void EqualizerPage::PresetRead(int preset) {
    StorePositions(preset);
}

// The profile's reading redraws the window once it is done.
void EqualizerPage::PresetSelected() {
    ApplyPreset(m_state.m_iCurrentPreset, Look::left);
}

void EqualizerPage::SwitchRead() {
    ApplyOnOff(m_state.m_iEQEN);
}

void EqualizerPage::ShowLook() {
    if (lookChanged) {
        lookChanged();
    } else {
        Redraw();
    }
}

void EqualizerPage::Redraw(int page) {
    m_iPage = page;
    Redraw();
}

void EqualizerPage::Redraw() {
    const SliderTravel t = travel();
    for (std::size_t n = 0; n < kEqBands; ++n) {
        RedrawBand(m_bands[n], m_state.m_eqRecord.m_wEQValue[n], t);
    }
}

// The lower bar is lit from the knob's middle down to the end of the bar;
// the value sits above the bar, in the band caption's font.
void EqualizerPage::RedrawBand(const Band& band, std::uint16_t gain, const SliderTravel& travel) {
    if (band.m_pKnob == nullptr) {
        return;
    }
    forms::TImage& knob = *band.m_pKnob;
    knob.SetTop(eqmath::TopFor(gain, travel));
    const int middle = knob.Top() + knob.Height() / 2;
    if (band.m_pBar != nullptr && band.m_pLowerBar != nullptr) {
        const int bottom = band.m_pBar->Top() + band.m_pBar->Height();
        band.m_pLowerBar->SetBounds(band.m_pLowerBar->Left(), middle, band.m_pLowerBar->Width(),
                                    std::max(bottom - middle, 0));
    }
    if (band.m_pValue == nullptr) {
        return;
    }
    forms::TLabel& value = *band.m_pValue;
    value.SetCaption(eqmath::GainLabel(gain));
    if (band.m_pCaption != nullptr) {
        value.SetFont(band.m_pCaption->Font());
    }
    const forms::TControl& column = band.m_pBar != nullptr ? *band.m_pBar : knob;
    const int top = travel.m_iTop - value.Height() - kValueLabelGap;
    value.SetBounds(column.Left() + column.Width() / 2 - value.Width() / 2, top, value.Width(), value.Height());
    value.SetVisible(m_iPage == PageEQ && knob.Visible());
}
