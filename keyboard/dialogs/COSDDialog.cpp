#include "keyboard/dialogs/COSDDialog.h"

#include "platform/ui/DeviceContext.h"
#include "platform/ui/Messaging.h"
#include "platform/ui/PaintDC.h"

namespace {

constexpr std::string_view kStatusTexts[] = {
    "Current Profile:1",          "Current Profile:2",      "Current Profile:3",
    "Windows Key Status:Disable", "Windows Key Status:Enable", "All Key Status:Disable",
    "All Key Status:Enable",
};

ui::FontSpec DisplayFont() {
    return {.height = 24, .width = 12, .weight = ui::FW_BOLD, .face = "宋体"};
}

}  // namespace

std::string_view OsdStatusText(std::uint32_t code) {
    if (code < 1 || code > std::size(kStatusTexts)) {
        return {};
    }
    return kStatusTexts[code - 1];
}

COSDDialog::COSDDialog() {
    ui::WindowOptions& options = windowOptions();
    options.topmost = true;
    options.toolWindow = true;
    options.activate = false;
    options.doubleClicks = false;
}

COSDDialog::~COSDDialog() {
    if (exists()) {
        destroy();
    }
}

// Without an owner: the display shows while the main window sits hidden in the tray.
bool COSDDialog::Open() {
    const ui::Rect area = ui::workArea();
    windowOptions().rect = ui::rectAt(area.right - kWidth, area.bottom - kHeight, kWidth, kHeight);
    return Create(nullptr);
}

ui::BOOL COSDDialog::OnInitDialog() {
    setAlpha(kAlpha);
    setTopmost(true);
    return ui::TRUE;
}

void COSDDialog::SetText(const std::string& text) {
    m_text = text;
    invalidate();
    updateWindow();
}

ui::LRESULT COSDDialog::WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
    if (message == ui::WM_PAINT) {
        OnPaint();
        return 0;
    }
    return ui::Dialog::WindowProc(message, wParam, lParam);
}

// Drawn into a buffer and copied at once, so the text never flickers over the fill.
void COSDDialog::OnPaint() {
    ui::PaintDC dc(*this);
    const ui::Rect client = clientRect();
    ui::MemoryDC buffer(client.width(), client.height());
    buffer.fillRect(client, kBackground);
    buffer.setFont(ui::Font(DisplayFont()));
    buffer.setTextColor(kTextColor);
    buffer.setBkColor(kBackground);
    buffer.setBkMode(ui::BkMode::opaque);
    buffer.textOut(kTextOrigin.x, kTextOrigin.y, m_text);
    dc.bitBlt(client, buffer, {0, 0});
}
