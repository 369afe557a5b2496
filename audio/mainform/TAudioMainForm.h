#pragma once

#include <memory>
#include <string>
#include <vector>

#include "audio/device/HeadsetActivation.h"
#include "audio/device/audiosdk/AudioSdk.h"
#include "audio/mainform/EqualizerPage.h"
#include "audio/mainform/HeadsetState.h"
#include "audio/mainform/PanelPresentation.h"
#include "audio/mainform/PluginMenu.h"
#include "audio/mainform/SliderHook.h"
#include "audio/settings/AudioState.h"
#include "audio/settings/PanelConfiguration.h"
#include "audio/settings/SoundProfileView.h"
#include "audio/settings/SoundProfiles.h"
#include "platform/core/AutoResetEvent.h"
#include "platform/forms/TForm.h"
#include "platform/ui/DeviceNotification.h"
#include "platform/ui/MessageBroadcast.h"

namespace forms {
class TImage;
class TTimer;
class TCTrayIcon;
}  // namespace forms

inline constexpr const char* kZrxAppExit = "WM_ZRX16xxAPP_EXIT";
inline constexpr const char* kAudioEffectExit = "WM_AUDIO_EFFECT_EXIT";
inline constexpr const char* kAppExitResume = "WM_APP_EXIT_RESUME";

// The tags of the image buttons this window handles itself; the pages'
// own buttons come with their pages.
enum MainFormTag : int {
    TagSave = 2,
    TagLoad = 3,
    TagAbout = 4,
    TagPage3D = 23,
    TagPageEQ = 24,
    TagPageEffect = 25,
    TagPageMic = 26,
    TagPageVirtual7ch1 = 27,
    TagSync = 28,
    TagPageENC = 34,
    TagPageVMEffect = 35,
    TagPageLED = 228,
};

// The panel's main window: built from its layout file, dressed by the skin
// and language, and following the headset as it comes and goes.
class TAudioMainForm : public forms::TForm, public SoundProfileView {
public:
    // `commandLine` as the program got it, its own path first.
    TAudioMainForm(std::string programFolder, std::vector<std::string> commandLine);
    ~TAudioMainForm() override;

    // The SDK could not be bound: the form posted WM_QUIT and did nothing else.
    bool Unbound() const { return m_iSdkResult != 0; }

    void FormCreate(forms::TForm* Sender);
    void FormActivate(forms::TForm* Sender);
    void FormDestroy(forms::TForm* Sender);
    void FormMouseDown(forms::TForm* Sender, forms::TMouseButton Button, forms::TShiftState Shift, int X, int Y);
    void CloseImageClick(forms::TObject* Sender);
    void MinimizeImageClick(forms::TObject* Sender);
    void CloseMenuClick(forms::TObject* Sender);
    void CTrayIconRestore(forms::TObject* Sender);
    void Timer1Timer(forms::TObject* Sender);
    void OnImageMouseDown(forms::TObject* Sender, forms::TMouseButton Button, forms::TShiftState Shift, int X, int Y);
    void OnImageMouseUp(forms::TObject* Sender, forms::TMouseButton Button, forms::TShiftState Shift, int X, int Y);
    void OnLabelPageMouseDown(forms::TObject* Sender, forms::TMouseButton Button, forms::TShiftState Shift, int X,
                              int Y);

    void DeviceArrival();
    void DeviceRemoval(const std::string& interfacePath);
    void ChangePage(int page);
    void RefreshPage();
    void StartPlugin(forms::TMenuItem& item);

    const HeadsetState& Device() const { return m_device; }
    const AudioState& State() const { return m_state; }
    const PanelConfiguration& Configuration() const { return m_config; }
    PanelPresentation& Presentation() { return *m_presentation; }
    PluginMenu& Plugins() { return *m_plugins; }
    EqualizerPage& Equalizer() { return *m_equalizer; }
    bool PollRunning() const;
    ui::UINT RegisteredMessage(const std::string& name) const;

    // SoundProfileView: the pages' parts of these come with the pages.
    bool CanOpenHeadset() override;
    ui::Window* DialogOwner() override { return this; }
    void EqPresetRead(int preset) override { m_equalizer->PresetRead(preset); }
    void EqPresetSelected() override { m_equalizer->PresetSelected(); }
    void EqSwitchRead() override { m_equalizer->SwitchRead(); }
    void D3SwitchRead() override {}
    void EffectRead() override {}
    void SurroundRead() override {}
    void LedButtonRead() override {}
    void LedSettingsRead() override {}
    void ApplyLedState() override {}
    void RefreshNoiseAndVoice() override {}
    void RedrawPage() override { RefreshPage(); }

    ui::LRESULT WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) override;

private:
    void CreateSteps();
    void ReadSettings();
    void LoadPresentation();
    void FindHeadsetAtStartUp();
    void PrepareActiveHeadset();
    void PrepareEqualizer();
    void WireEvents();
    void RegisterMessages();

    // Arrival and poll share these.
    bool ActivateFound(ActivationMoment moment, int noiseCancellationTries);
    void AfterActivation();
    void SetUpMicrophone(bool keepLevelMeter);
    void SwitchMicrophoneOff();
    void ShowDeviceState();
    void ShowSwatches(bool shown);
    void SwitchFeaturesOff();

    void ResetHeadset();
    std::string DriverPath() const;
    std::string ConfigPath() const;
    PanelLookState LookState() const;
    void ShowWarning();
    void Broadcast(const std::string& name, int timeoutMs, int pauseMs);
    forms::TTimer& Timer1() const;

    std::string m_strProgramFolder;
    std::vector<std::string> m_commandLine;
    core::AutoResetEvent m_buttonEvent;
    AudioSdk m_sdk;
    int m_iSdkResult = 0;
    PanelConfiguration m_config;
    AudioState m_state;
    HeadsetState m_device;
    std::unique_ptr<PanelPresentation> m_presentation;
    std::unique_ptr<SoundProfiles> m_profiles;
    std::unique_ptr<PluginMenu> m_plugins;
    std::unique_ptr<EqualizerPage> m_equalizer;
    std::unique_ptr<SliderHook> m_sliderHook;
    std::unique_ptr<ui::DeviceNotification> m_notification;
    std::unique_ptr<ui::BroadcastListener> m_broadcast;
    ui::UINT m_uZrxAppExit = 0;
    ui::UINT m_uAudioEffectExit = 0;
    ui::UINT m_uAppExitResume = 0;
    bool m_bActivated = false;
    bool m_bDestroyed = false;
};
