#include "audio/mainform/TAudioMainForm.h"

#include <algorithm>
#include <cstdio>
#include <thread>

#include "audio/device/ChipRegisters.h"
#include "audio/device/DeviceDiscovery.h"
#include "audio/device/DriverControls.h"
#include "audio/device/audiosdk/AudioCommandPacket.h"
#include "audio/settings/PanelConfigFile.h"
#include "platform/core/Clock.h"
#include "platform/core/DebugOutput.h"
#include "platform/core/Path.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCTrayIcon.h"
#include "platform/forms/TImage.h"
#include "platform/forms/TMediaPlayer.h"
#include "platform/forms/TTimer.h"
#include "platform/shell/Shell.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Messaging.h"

namespace {

constexpr ui::WPARAM kSysCommandMove = 0xF012;  // SC_MOVE with the caption hit code
constexpr ui::WPARAM kSysCommandMinimize = 0xF020;

std::string sdkFailure(int result) {
    char text[96];
    std::snprintf(text, sizeof(text), "***** Open_DLLQ9_Sonvair16xx, ret = %d *****", result);
    return text;
}

int pageOfTag(int tag) {
    switch (tag) {
        case TagPageEQ: return PageEQ;
        case TagPageEffect: return PageEffect;
        case TagPageMic: return PageMic;
        case TagPageVirtual7ch1: return PageVirtual7ch1;
        case TagPage3D: return Page3D;
        case TagPageLED: return PageLED;
        case TagPageENC: return PageENC;
        case TagPageVMEffect: return PageVMEffect;
        default: return 0;
    }
}

void sleepMs(int ms) {
    core::systemClock().sleep(std::chrono::milliseconds(ms));
}

}  // namespace

TAudioMainForm::TAudioMainForm(std::string programFolder, std::vector<std::string> commandLine)
    : m_strProgramFolder(std::move(programFolder)), m_commandLine(std::move(commandLine)) {
    if (auto error = LoadLayout(core::joinPath(m_strProgramFolder, "forms/AudioMainForm.form"))) {
        core::debugOutput("***** " + *error + " *****\n");
    }
    OnCreate = [this](forms::TForm* sender) { FormCreate(sender); };
    CreateSteps();
}

TAudioMainForm::~TAudioMainForm() {
    Release();
}

// The constructor's steps, in their order; a failed SDK binding ends them.
void TAudioMainForm::CreateSteps() {
    m_iSdkResult = Open_DLLQ9_Sonvair16xx(m_sdk, m_strProgramFolder);
    if (m_iSdkResult != 0) {
        const std::string failure = sdkFailure(m_iSdkResult);
        ui::messageBox(this, failure, forms::Application->Title);
        core::debugOutput(failure + "\n");
        ui::PostMessage(this, ui::WM_QUIT);
        return;
    }
    Timer1().SetEnabled(false);
    RegisterMessages();
    ReadSettings();
    LoadPresentation();
    FindHeadsetAtStartUp();
    PrepareEqualizer();
    m_profiles = std::make_unique<SoundProfiles>(m_state, *this, m_config, m_strProgramFolder);
    if (m_config.m_mainWindow.m_iDefaultIni == 1) {
        m_profiles->LoadDefaultProfile(m_config.m_install.m_strInstallFolderName);
        m_profiles->ReadDefaultSwitches(m_config.m_install.m_strInstallFolderName);
    }
    if (m_device.m_bDeviceActive) {
        PrepareActiveHeadset();
    }
    // The default surround layout comes with the surround page; the driver's
    // room-effect processing is on from the start.
    driverctl::EffectProcessing(DriverPath(), 1);
    m_notification = std::make_unique<ui::DeviceNotification>(*this);
    m_device.m_pCaptureEndpoint.reset();
    if (auto* bee = Find<forms::TImage>("BeeImage")) {
        bee->Hide();
    }
    RefreshPage();
    m_profiles->LoadLastProfile(m_config.m_install.m_strInstallFolderName);
    if (m_device.m_bDeviceActive && m_state.m_iEQFromEEPROM != 0) {
        m_equalizer->ReadFromEeprom();
        m_equalizer->ReadFromEeprom();
        RefreshPage();
    }
    m_device.m_bButtonThreadBusy = false;
    m_device.m_iArrivalCount = 0;
    WireEvents();
}

void TAudioMainForm::RegisterMessages() {
    m_uZrxAppExit = forms::Application->RegisterWindowMessage(kZrxAppExit);
    m_uAudioEffectExit = forms::Application->RegisterWindowMessage(kAudioEffectExit);
    m_uAppExitResume = forms::Application->RegisterWindowMessage(kAppExitResume);
    SetMessageHandler(m_uZrxAppExit, [this](ui::WPARAM, ui::LPARAM) {
        ui::PostMessage(this, ui::WM_CLOSE);
        return ui::LRESULT{0};
    });
    SetMessageHandler(m_uAppExitResume, [this](ui::WPARAM, ui::LPARAM) {
        m_plugins->UncheckAll();
        return ui::LRESULT{0};
    });
    m_broadcast = std::make_unique<ui::BroadcastListener>(
        *this, std::map<std::string, ui::UINT>{{kZrxAppExit, m_uZrxAppExit},
                                               {kAudioEffectExit, m_uAudioEffectExit},
                                               {kAppExitResume, m_uAppExitResume}});
}

ui::UINT TAudioMainForm::RegisteredMessage(const std::string& name) const {
    return forms::Application->RegisterWindowMessage(name);
}

void TAudioMainForm::ReadSettings() {
    m_config.Read(m_strProgramFolder);
    m_state.m_iCurrentPreset = 1;
    m_state.m_iCurrentEffect = 1;
    m_device.m_iCurrentPage = PageEQ;
    if (!m_config.m_install.m_strInstallAppTitle.empty()) {
        forms::Application->Title = m_config.m_install.m_strInstallAppTitle;
    }
    SetCaption(forms::Application->Title);
}

void TAudioMainForm::LoadPresentation() {
    const InstallSettings& install = m_config.m_install;
    PresentationSettings settings{m_strProgramFolder, install.m_strLanguageFolderName, install.m_strSkinFolderName,
                                  install.m_strInstallFolderName, m_config.m_mainWindow.m_iOldVersion};
    const std::string language = m_config.m_strLanguage.empty() ? "English" : m_config.m_strLanguage;
    const std::string skin = m_config.m_strSkin.empty() ? "Default" : m_config.m_strSkin;
    m_presentation = std::make_unique<PanelPresentation>(*this, settings, language, skin);
    m_presentation->audioState = &m_state;
    m_presentation->currentState = [this] { return LookState(); };
    m_presentation->onRedrawPage = [this] { RefreshPage(); };
    m_presentation->ChooseResolutionFolder(forms::Screen->Width(), forms::Screen->Height());
    m_presentation->LoadSkin();
    m_presentation->LoadLanguage();
    m_presentation->Skin().ApplySkinImages(LookState(), ConfigPath());
    if (auto* tray = Find<forms::TCTrayIcon>("CTrayIcon")) {
        tray->SetHint(m_config.m_mainWindow.m_strHintName);
    }
    SetIcon(core::joinPath(m_strProgramFolder, install.m_strInstallIconFileName));
    m_presentation->BuildLanguageMenu();
    m_presentation->BuildSkinMenu();
    m_plugins = std::make_unique<PluginMenu>(*this, m_strProgramFolder, install.m_strPluginFolderName);
    m_plugins->onStart = [this](forms::TMenuItem& item) { StartPlugin(item); };
    m_plugins->Build(ConfigPath());
}

void TAudioMainForm::FindHeadsetAtStartUp() {
    MakeHeadsetActive(m_sdk, m_strProgramFolder, ActivationMoment::StartUp, m_device.m_identity);
    m_device.m_hDevice = OpenHidInterface(m_device.m_identity.m_wVendorId, m_device.m_identity.m_wProductId);
    const bool driver = m_device.m_hDevice != nullptr && DriverExtensionPresent(DriverPath());
    m_device.m_bDeviceActive = driver;
    m_device.m_bSync = driver;
    m_device.m_bNoDriver = m_device.m_hDevice != nullptr && !driver;
    ShowDeviceState();
    if (!m_device.m_bDeviceActive) {
        Timer1().SetEnabled(true);
    }
}

// The headset's processing in a known state before the profile is applied.
void TAudioMainForm::PrepareActiveHeadset() {
    std::uint32_t ignored = 0;
    driverctl::Status(DriverPath(), ignored);
    m_sdk.fnDLLQ9_SetVirtual7ch1_OnOff(0);
    driverctl::Query(DriverPath(), 0, ignored);
    m_device.m_bMicBoost = false;
    m_device.m_bMicMute = false;
    SetUpMicrophone(false);
    m_sdk.fnDLLQ9_SetVirtual7ch1_Scalar(m_config.m_mainWindow.m_fV7ch1Scalar);
}

// The EQ page with its preset buffer, and the mouse hook its sliders move by.
void TAudioMainForm::PrepareEqualizer() {
    const std::string& folder = m_config.m_install.m_strInstallFolderName;
    m_equalizer = std::make_unique<EqualizerPage>(
        *this, m_state, m_device, m_sdk,
        EqualizerSettings{m_config.m_mainWindow.m_iDefaultIni, DefaultProfilePath(folder)});
    m_equalizer->travel = [this] { return m_presentation->Skin().Settings().m_eqSlider; };
    m_equalizer->lookChanged = [this] { RefreshPage(); };
    m_equalizer->Prepare();
    m_sliderHook = std::make_unique<SliderHook>(*this);
    m_sliderHook->deviceActive = [this] { return m_device.m_bDeviceActive; };
    m_sliderHook->showWarning = [this] { ShowWarning(); };
    m_equalizer->HookSliders(*m_sliderHook);
}

void TAudioMainForm::WireEvents() {
    OnActivate = [this](forms::TForm* sender) { FormActivate(sender); };
    OnDestroy = [this](forms::TForm* sender) { FormDestroy(sender); };
    OnMouseDown = [this](forms::TForm* sender, forms::TMouseButton b, forms::TShiftState s, int x, int y) {
        FormMouseDown(sender, b, s, x, y);
    };
    for (forms::TControl* control : Controls()) {
        const std::string& name = control->Name();
        if (name == "CloseImage") {
            control->OnClick = [this](forms::TObject* sender) { CloseImageClick(sender); };
        } else if (name == "MinimizeImage") {
            control->OnClick = [this](forms::TObject* sender) { MinimizeImageClick(sender); };
        } else if (pageOfTag(control->Tag()) != 0 && name.ends_with("Label")) {
            control->OnMouseDown = [this](forms::TObject* s, forms::TMouseButton b, forms::TShiftState sh, int x,
                                          int y) { OnLabelPageMouseDown(s, b, sh, x, y); };
        } else if (control->Tag() == TagEQReset) {
            control->OnClick = [this](forms::TObject*) { m_equalizer->ResetClick(); };
        } else if (control->Tag() != 0) {
            control->OnMouseDown = [this](forms::TObject* s, forms::TMouseButton b, forms::TShiftState sh, int x,
                                          int y) { OnImageMouseDown(s, b, sh, x, y); };
            control->OnMouseUp = [this](forms::TObject* s, forms::TMouseButton b, forms::TShiftState sh, int x,
                                        int y) { OnImageMouseUp(s, b, sh, x, y); };
        }
    }
    if (auto* close = Find<forms::TMenuItem>("CloseMenu")) {
        close->OnClick = [this](forms::TObject* sender) { CloseMenuClick(sender); };
    }
    if (auto* tray = Find<forms::TCTrayIcon>("CTrayIcon")) {
        tray->OnRestore = [this](forms::TObject* sender) { CTrayIconRestore(sender); };
        forms::Application->SetTrayHide(tray);
    }
    Timer1().OnTimer = [this](forms::TObject* sender) { Timer1Timer(sender); };
}

void TAudioMainForm::FormCreate(forms::TForm*) {
    if (m_sliderHook != nullptr) {
        m_sliderHook->Install();
    }
    core::debugOutput("FormCreate");
}

void TAudioMainForm::FormActivate(forms::TForm*) {
    if (m_bActivated) {
        return;
    }
    m_bActivated = true;
    if (std::find(m_commandLine.begin(), m_commandLine.end(), "-serviceboot") != m_commandLine.end()) {
        ui::PostMessage(this, ui::WM_SYSCOMMAND, kSysCommandMinimize);
    }
}

void TAudioMainForm::FormMouseDown(forms::TForm*, forms::TMouseButton Button, forms::TShiftState, int, int) {
    if (Button != forms::TMouseButton::mbLeft) {
        return;
    }
    ui::releaseCapture();
    ui::SendMessage(this, ui::WM_SYSCOMMAND, kSysCommandMove);
}

void TAudioMainForm::CloseImageClick(forms::TObject*) {
    if (auto* tray = Find<forms::TCTrayIcon>("CTrayIcon")) {
        tray->Minimize();
    }
}

void TAudioMainForm::MinimizeImageClick(forms::TObject*) {
    forms::Application->Minimize();
}

void TAudioMainForm::CloseMenuClick(forms::TObject*) {
    ui::broadcastRegisteredMessage(kAudioEffectExit, std::chrono::milliseconds(100));
    Close();
}

void TAudioMainForm::CTrayIconRestore(forms::TObject*) {
    if (m_plugins->AnyChecked()) {
        forms::Application->Minimize();  // a running plug-in keeps the panel in the tray
    }
}

void TAudioMainForm::OnImageMouseDown(forms::TObject* Sender, forms::TMouseButton, forms::TShiftState, int, int) {
    auto* control = dynamic_cast<forms::TComponent*>(Sender);
    const int tag = control != nullptr ? control->Tag() : 0;
    if (const int page = pageOfTag(tag); page != 0) {
        ChangePage(page);
    } else if (tag == TagSync && m_device.m_bDeviceActive) {
        m_device.m_bSync = !m_device.m_bSync;
    } else {
        m_equalizer->ImageMouseDown(tag);
    }
}

void TAudioMainForm::OnImageMouseUp(forms::TObject* Sender, forms::TMouseButton, forms::TShiftState, int, int) {
    auto* control = dynamic_cast<forms::TComponent*>(Sender);
    const int tag = control != nullptr ? control->Tag() : 0;
    if (tag == TagSave) {
        m_profiles->SaveProfileAs();
    } else if (tag == TagLoad) {
        m_profiles->LoadProfile();
    }
}

void TAudioMainForm::OnLabelPageMouseDown(forms::TObject* Sender, forms::TMouseButton Button,
                                          forms::TShiftState Shift, int X, int Y) {
    OnImageMouseDown(Sender, Button, Shift, X, Y);
}

void TAudioMainForm::ShowWarning() {
    ui::messageBox(this, m_presentation->Language().WarningText(), forms::Application->Title, ui::MB_ICONWARNING);
}

void TAudioMainForm::ChangePage(int page) {
    if (!m_device.m_bDeviceActive) {
        ShowWarning();
        return;
    }
    // The level meter of the Mic page comes with that page; only its flag is kept here.
    m_device.m_bLevelMeterOpen = page == PageMic;
    m_device.m_iCurrentPage = page;
    RefreshPage();
}

PanelLookState TAudioMainForm::LookState() const {
    PanelLookState look;
    const bool on = m_device.m_bDeviceActive;  // without a headset every feature shows off
    look.m_iCurrentPage = m_device.m_iCurrentPage;
    look.m_iCurrentPreset = m_state.m_iCurrentPreset;
    look.m_bDeviceActive = on;
    look.m_bEQOn = on && m_state.m_iEQEN != 0;
    look.m_b3DOn = on && m_state.m_i3DEN != 0;
    look.m_bFBMOn = m_state.m_iFBM != 0;
    look.m_b7ch1On = on && m_state.m_i7ch1EN != 0;
    look.m_iEffect = on ? m_state.m_iCurrentEffect : 1;
    look.m_bMicBoost = m_device.m_bMicBoost;
    look.m_bMicMute = m_device.m_bMicMute;
    look.m_bMicMonitor = m_device.m_bMicMonitor;
    look.m_iMicLevel = m_device.m_iMicLevel;
    look.m_iENCLevel = m_state.m_iENCValue;
    look.m_bENCOn = on && m_state.m_iENCEN != 0;
    look.m_bVMOn = on && m_state.m_iVoiceMagicEN != 0;
    look.m_iVMEffect = m_state.m_iVoiceMagicMode;
    look.m_bLEDOn = m_state.m_iLEDON != 0;
    look.m_iLEDOff = m_state.m_iLEDOff;
    look.m_iLEDSingleColor = m_state.m_iLEDSingleColor;
    look.m_iLEDEffectMode = m_state.m_iLEDEffectMode;
    return look;
}

void TAudioMainForm::RefreshPage() {
    const PanelLookState look = LookState();
    if (m_device.m_bNoDriver && !m_device.m_bDeviceActive) {
        m_presentation->Language().ShowUnDriverOnce();
    }
    m_presentation->Skin().ApplySkinImages(look, ConfigPath());
    m_presentation->Language().ApplyCaptions(look);
    m_presentation->Skin().ShowPage(look.m_iCurrentPage, look);
    m_presentation->Language().ShowPage(look.m_iCurrentPage);
    if (m_equalizer != nullptr) {
        m_equalizer->Redraw(look.m_iCurrentPage);
    }
    ShowSwatches(look.m_iCurrentPage == PageLED);
}

// The lighting page's colour swatches have no picture record of their own.
void TAudioMainForm::ShowSwatches(bool shown) {
    for (const char* name : {"Color01Shape", "Color02Shape", "Color03Shape", "Color04Shape", "Color05Shape",
                             "Color06Shape", "Color07Shape", "ColorSingleShape", "ColorBreatheShape"}) {
        if (auto* swatch = Find<forms::TControl>(name)) {
            swatch->SetVisible(shown);
        }
    }
}

void TAudioMainForm::ShowDeviceState() {
    RefreshPage();
}

bool TAudioMainForm::CanOpenHeadset() {
    return OpenHidInterface(m_device.m_identity.m_wVendorId, m_device.m_identity.m_wProductId) != nullptr;
}

bool TAudioMainForm::PollRunning() const {
    return Timer1().Enabled();
}

forms::TTimer& TAudioMainForm::Timer1() const {
    return *Find<forms::TTimer>("Timer1");
}

std::string TAudioMainForm::DriverPath() const {
    return DriverExtensionPath(m_device.m_identity.m_wVendorId, m_device.m_identity.m_wProductId);
}

std::string TAudioMainForm::ConfigPath() const {
    return ProgramConfigPath(m_strProgramFolder);
}

void TAudioMainForm::Broadcast(const std::string& name, int timeoutMs, int pauseMs) {
    ui::broadcastRegisteredMessage(name, std::chrono::milliseconds(timeoutMs));
    if (pauseMs > 0) {
        sleepMs(pauseMs);
    }
}

void TAudioMainForm::StartPlugin(forms::TMenuItem& item) {
    Broadcast(kAudioEffectExit, 100, 0);
    Broadcast(kAppExitResume, 1000, 300);
    Broadcast(kAudioEffectExit, 1000, 300);
    Broadcast(kAudioEffectExit, 1000, 300);
    item.SetChecked(true);
    const std::string program = m_plugins->ProgramPath(item);
    shell::startProgram(program, {program});
    Hide();
}

ui::LRESULT TAudioMainForm::WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
    if (message == ui::WM_DEVICECHANGE && !m_bDestroyed) {
        const char* path = reinterpret_cast<const char*>(lParam);
        if (wParam == ui::DBT_DEVICEARRIVAL) {
            DeviceArrival();
        } else if (wParam == ui::DBT_DEVICEREMOVECOMPLETE && path != nullptr) {
            DeviceRemoval(path);
        }
        return 1;
    }
    return forms::TForm::WindowProc(message, wParam, lParam);
}

// The headset back to neutral, so other programs find it as it was.
void TAudioMainForm::FormDestroy(forms::TForm*) {
    m_bDestroyed = true;
    m_notification.reset();
    if (Unbound()) {
        return;
    }
    m_profiles->SaveLastProfile(m_config.m_install.m_strInstallFolderName);
    if (auto* player = Find<forms::TMediaPlayer>("MediaPlayer1")) {
        player->Close();
    }
    ResetHeadset();
}

void TAudioMainForm::ResetHeadset() {
    m_equalizer->Close();
    auto device = OpenHidInterface(m_device.m_identity.m_wVendorId, m_device.m_identity.m_wProductId);
    if (device != nullptr && m_device.m_bSync) {
        chip::Write3D(*device, true, 10, 3, 10, 3);
    }
    m_sdk.fnDLLQ9_Set3D_OnOff_ById(0, 0);
    if (device == nullptr) {
        m_device.m_hDevice.reset();
        return;
    }
    chip::WriteRegister(*device, chip::kProcessing, 0);
    driverctl::SelectRoomEffect(DriverPath(), 0);
    driverctl::EffectProcessing(DriverPath(), 1);
    m_sdk.fnDLLQ9_SetVirtual7ch1_OnOff(0);
    for (std::uint8_t group : {AudioCommandPacket::kNoiseCancellation, AudioCommandPacket::kVoiceEffect}) {
        AudioCommandPacket::WithValue(group, 0, 0).Send(m_sdk);
    }
    chip::EndExchange(*device);
    device.reset();
    m_device.m_hDevice.reset();
}
