#include "keyboard/dialogs/CQuickLaunchDlg.h"

#include <filesystem>
#include <memory>
#include <system_error>

#include "keyboard/dialogs/DialogButtons.h"
#include "keyboard/toolkit/CImageButton.h"
#include "keyboard/toolkit/CStaticText.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/Messaging.h"

namespace {
constexpr std::uint8_t kQuickLaunchCategory = 0x07;
constexpr int kBrowseImage = 177;
constexpr ui::COLORREF kPathColour = ui::RGB(226, 234, 244);

std::string CurrentFolder() {
    std::error_code error;
    std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? std::string{} : folder.string();
}
}  // namespace

CQuickLaunchDlg::CQuickLaunchDlg(ui::Window* parent) : CDlgBase(parent) {
    m_width = 305;
    m_height = 245;
}

ui::BOOL CQuickLaunchDlg::OnInitDialog() {
    CDlgBase::OnInitDialog();
    SetBackground(kBackground);
    SetShapeFromBitmap(kBackground);
    return ui::TRUE;
}

void CQuickLaunchDlg::CreateControls(const ui::Rect& client) {
    const ui::Point key{0, 20};
    AddRegionButton(*this, kCloseButton, PlaceInClient({276, 4, 299, 25}, client), 394, {23, 21}, key);
    AddRegionButton(*this, kOkButton, PlaceInClient({75, 202, 127, 223}, client), 396, {52, 21}, key);
    AddRegionButton(*this, kCancelButton, PlaceInClient({139, 202, 230, 223}, client), 397, {91, 21}, key);
    auto* browse = AddControl(
        1, std::make_unique<CImageButton>(this, kBrowseButton, PlaceInClient({258, 87, 280, 105}, client)));
    browse->SetImage(kBrowseImage);
    AddControl(1, std::make_unique<CStaticText>(this, kPathText, PlaceInClient({26, 87, 256, 105}, client),
                                                kPathColour));
}

ui::LRESULT CQuickLaunchDlg::WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
    if (EndOnButtonClick(*this, message, lParam)) {
        return 0;
    }
    if (message == kBrowseButton && lParam == kNotifyClicked) {
        Browse();
        return 0;
    }
    return CDlgBase::WindowProc(message, wParam, lParam);
}

void CQuickLaunchDlg::Browse() {
    ui::FileDialogOptions options;
    options.mode = ui::FileDialogMode::open;
    options.filter = kFilter;
    options.filterIndex = 1;
    options.defaultExtension = "exe";
    options.initialFolder = CurrentFolder();
    options.fileName = kSuggestedName;
    options.fileMustExist = true;
    options.offerExecutables = true;
    options.owner = this;
    std::optional<std::string> chosen = ui::fileDialog(options);
    if (!chosen || chosen->empty()) {
        return;
    }
    m_path = *chosen;
    m_result.name = std::filesystem::path(m_path).filename().string();
    if (auto* text = static_cast<CStaticText*>(FindControl(kPathText))) {
        text->m_staticText = m_path;
        invalidate(text->GetRect());
    }
}

void CQuickLaunchDlg::OnOK() {
    EndDialog(ui::IDCANCEL);
    if (dialogOwner() == nullptr || m_path.empty()) {
        return;
    }
    m_result.category = kQuickLaunchCategory;
    m_result.p1 = 0;
    m_result.p2 = 0;
    ui::SendMessage(dialogOwner(), kResultMessage, reinterpret_cast<ui::WPARAM>(&m_path),
                    reinterpret_cast<ui::LPARAM>(&m_result));
}
