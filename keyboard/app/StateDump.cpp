#include "keyboard/app/StateDump.h"

#include <cstdio>
#include <sstream>

#include "keyboard/app/PopupTargets.h"
#include "keyboard/app/RecordPageDump.h"
#include "keyboard/dialogs/CKeyMapSettingDlg.h"
#include "keyboard/dialogs/COSDDialog.h"
#include "keyboard/dialogs/CShortcutDlg.h"
#include "keyboard/mainwindow/CLightPreview.h"
#include "keyboard/mainwindow/CTarvikDlg.h"
#include "keyboard/model/KeyButtons.h"
#include "keyboard/toolkit/CCheckButton.h"
#include "keyboard/toolkit/CComboButton.h"
#include "keyboard/toolkit/CKeyboardButton.h"
#include "keyboard/toolkit/CRadioButton.h"
#include "keyboard/toolkit/CStaticText.h"
#include "keyboard/toolkit/CTabControl.h"
#include "platform/ui/headless/Driver.h"
#include "sim/keyboard/EmulatedKeyboard.h"

namespace {

constexpr const char* kPageNames[] = {"KEYMAP", "RECORD", "MACRO", "LIGHT"};

// The preview's mode and, per area, the colour at its start and its end (RRGGBB).
std::string PreviewWords(const CLightPreview& preview) {
    std::string words = " mode=" + std::to_string(preview.Mode()) + " areas=";
    for (int area = 0; area < CLightPreview::kAreas; ++area) {
        for (double along : {0.0, 1.0}) {
            const ui::COLORREF colour = preview.ColourAt(area, along);
            char text[8];
            std::snprintf(text, sizeof text, "%02X%02X%02X", ui::GetRValue(colour), ui::GetGValue(colour),
                          ui::GetBValue(colour));
            words += text;
            words += along == 0.0 ? "-" : area + 1 < CLightPreview::kAreas ? "," : "";
        }
    }
    return words;
}

std::string Hex(const std::uint8_t* bytes, std::size_t count) {
    std::string text;
    char digits[3];
    for (std::size_t i = 0; i < count; ++i) {
        std::snprintf(digits, sizeof digits, "%02X", bytes[i]);
        text += digits;
    }
    return text;
}

template <typename Container>
std::string Hex(const Container& bytes) {
    return Hex(bytes.data(), bytes.size());
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

const char* CursorName(ui::Cursor cursor) {
    switch (cursor) {
        case ui::Cursor::hand:
            return "hand";
        case ui::Cursor::wait:
            return "wait";
        case ui::Cursor::ibeam:
            return "ibeam";
        default:
            return "arrow";
    }
}

std::string RectText(const ui::Rect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.width()) + "," +
           std::to_string(r.height());
}

// The on-screen display as the desktop shows it, with the ticks it has left.
std::string OsdLine(CTarvikDlg& window, const ui::headless::Driver& driver) {
    const COSDDialog* osd = window.OsdWindow();
    if (osd == nullptr) {
        return "osd none\n";
    }
    const ui::headless::WindowRecord& record = driver.record(*osd);
    std::ostringstream out;
    out << "osd text=" << Quoted(osd->Text()) << " countdown=" << window.OsdCountdown()
        << " visible=" << record.visible << " rect=" << RectText(record.screenRect)
        << " alpha=" << record.alpha << " topmost=" << record.topmost << " tool=" << record.toolWindow
        << " activates=" << record.activates << " active=" << osd->isActive() << "\n";
    return out.str();
}

std::string HexByte(unsigned value) {
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02X", value & 0xFF);
    return digits;
}

// The dialog's own choices, as they stand.
std::string DialogLine(CDlgBase& dialog) {
    if (auto* keyMap = dynamic_cast<CKeyMapSettingDlg*>(&dialog)) {
        return "dialog keymap current=" + HexByte(keyMap->CurrentCode()) +
               " keyChoice=" + HexByte(keyMap->KeyChoice()) +
               " mouseChoice=" + HexByte(keyMap->MouseChoice());
    }
    if (auto* shortcut = dynamic_cast<CShortcutDlg*>(&dialog)) {
        return "dialog shortcut text=" + Quoted(shortcut->Result().name) +
               " usage=" + HexByte(shortcut->Result().p2);
    }
    return {};
}

}  // namespace

std::string DumpDialogChoices(const ui::headless::Driver& driver) {
    std::string text;
    for (ui::Window* window : driver.visibleWindows()) {
        auto* dialog = dynamic_cast<CDlgBase*>(window);
        const std::string line = dialog ? DialogLine(*dialog) : std::string{};
        if (!line.empty()) {
            text += line + "\n";
        }
    }
    return text;
}

std::string DumpWindow(CTarvikDlg& window, const ui::headless::Driver& driver) {
    std::ostringstream out;
    const int page = g_currentPage >= 0 && g_currentPage < 4 ? g_currentPage : 0;
    out << "window visible=" << window.isVisible() << " minimized=" << window.isMinimized()
        << " page=" << kPageNames[page] << " profile=" << g_currentProfile
        << " cursor=" << CursorName(window.cursor()) << " active=" << window.isActive() << "\n";
    for (const ui::headless::TrayIconRecord& icon : driver.trayIcons()) {
        if (icon.data.owner == &window) {
            out << "tray " << icon.data.id << " tip=" << Quoted(icon.data.tip) << "\n";
        }
    }
    out << OsdLine(window, driver);
    for (int group = CTarvikDlg::kAlwaysGroup; group <= CTarvikDlg::kLightGroup; ++group) {
        for (const auto& control : window.Group(group)) {
            out << "control " << control->GetId() << " group=" << group << " visible=" << control->IsVisible()
                << " enabled=" << !control->IsDisabled();
            if (auto* combo = dynamic_cast<CComboButton*>(control.get())) {
                out << " caption=" << Quoted(combo->m_displayText) << " open=" << (combo->m_open != 0);
            } else if (auto* key = dynamic_cast<CKeyboardButton*>(control.get())) {
                char codes[32];
                std::snprintf(codes, sizeof codes, " code=%02X default=%02X", key->m_secondCode,
                              key->m_firstCode);
                out << " key=" << Quoted(key->m_keyName) << codes << " changed=" << (key->m_modified != 0);
            } else if (auto* tab = dynamic_cast<CTabControl*>(control.get())) {
                out << " selected=" << tab->IsSelected();
            } else if (auto* preview = dynamic_cast<CLightPreview*>(control.get())) {
                out << PreviewWords(*preview);
            } else {
                out << RecordControlWords(*control);
            }
            out << "\n";
        }
    }
    out << "edit " << ids::kLoopEdit << " visible=" << window.LoopEdit().isVisible()
        << " text=" << Quoted(window.LoopEdit().text()) << "\n";
    out << "hook started=" << window.KeyboardHook().IsStarted() << "\n";
    out << DumpPopups(driver);
    return out.str();
}

std::string DumpModel(CTarvikDlg& window) {
    std::ostringstream out;
    ConfiguratorData& data = window.Data();
    out << "settings";
    for (const SettingPair& pair : data.settings.pairs) {
        out << " " << pair.key << "=" << Quoted(pair.value);
    }
    out << "\n";
    for (int p = 0; p < ProfileRecords::kCount; ++p) {
        const ProfileRecord& record = data.profiles.Record(p);
        out << "profile " << p;
        for (const SettingPair& pair : record.settings) {
            out << " " << pair.key << "=" << Quoted(pair.value);
        }
        out << "\n";
        for (int g = 0; g < ProfileRecord::kGKeys; ++g) {
            const GKeySlot& slot = *record.GKey(g);
            out << "profile " << p << " G" << (g + 1) << " name=" << Quoted(slot.name)
                << " function=" << Hex(slot.function.Bytes()) << " launch=" << Quoted(slot.launchPath)
                << "\n";
        }
        out << "profile " << p << " keymap=" << Hex(record.keyMap) << "\n";
    }
    out << "pending";
    for (int row = 0; row < PendingWrites::kRows; ++row) {
        out << " ";
        for (int p = 0; p < PendingWrites::kProfiles; ++p) {
            out << (window.Pending().IsMarked(row, p) ? '1' : '0');
        }
    }
    out << "\n";
    out << "library sets=" << data.library.SetCount() << " modified=" << window.LibraryModified() << "\n";
    for (int s = 0; s < data.library.SetCount(); ++s) {
        const MacroSet& set = *data.library.GetSet(s);
        out << "set " << s << " name=" << Quoted(set.name) << " macros=" << set.macros.size() << "\n";
        for (std::size_t m = 0; m < set.macros.size(); ++m) {
            const MacroKey& macro = set.macros[m];
            out << "macro " << s << " " << m << " name=" << Quoted(macro.name)
                << " actions=" << macro.actionCount << " loop=" << macro.loopEnable << "/"
                << static_cast<int>(macro.loopCount) << " pairs=" << static_cast<int>(macro.pairCount)
                << " steps=" << Quoted(MacroSteps(macro)) << "\n";
        }
    }
    const KeyboardLink& link = window.Link();
    out << "link connected=" << link.connected << " listening=" << link.listening.load()
        << " deviceProfile=" << link.deviceProfile << "\n";
    out << "status last=" << window.LastStatus() << "\n";
    return out.str();
}

std::string DumpKeyboard(sim::EmulatedKeyboard& keyboard) {
    std::ostringstream out;
    const sim::KeyboardFirmware firmware = keyboard.firmware();
    out << "keyboard current=" << static_cast<int>(firmware.currentProfile) << "\n";
    for (std::size_t p = 0; p < firmware.profiles.size(); ++p) {
        const sim::FirmwareProfile& profile = firmware.profiles[p];
        out << "keyboard profile " << p << " lighting=" << Hex(profile.lighting)
            << " gkeys=" << Hex(profile.gKeys) << "\n";
        out << "keyboard profile " << p << " keymap=" << Hex(profile.keyMap) << "\n";
    }
    for (const sim::LoggedReport& entry : keyboard.log().entries()) {
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(entry.time).count();
        out << "report " << ms << "ms " << (entry.call == sim::ReportCall::SetFeature ? "set" : "get") << " "
            << Hex(entry.bytes) << (entry.accepted ? "" : " refused") << "\n";
    }
    return out.str();
}
