#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/ui/Dialog.h"

// The on-screen display: a small half-transparent band at the bottom-right of
// the work area that shows the keyboard's new profile or lock state. It stays
// above other windows and never takes the focus from what the user is doing;
// its owner decides how long it stays.
class COSDDialog : public ui::Dialog {
public:
    static constexpr int kWidth = 300;
    static constexpr int kHeight = 56;
    static constexpr int kAlpha = 128;
    static constexpr ui::COLORREF kBackground = ui::RGB(164, 73, 164);
    static constexpr ui::COLORREF kTextColor = ui::RGB(255, 255, 255);
    static constexpr ui::Point kTextOrigin{30, 14};

    COSDDialog();
    ~COSDDialog() override;

    // Creates the window modeless, placed and shown; false when it cannot be created.
    bool Open();
    // Takes the text and repaints.
    void SetText(const std::string& text);
    const std::string& Text() const { return m_text; }

    ui::BOOL OnInitDialog() override;
    ui::LRESULT WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) override;

private:
    void OnPaint();

    std::string m_text;
};

// The text the display shows for a keyboard status code (1..7); empty for any other code.
std::string_view OsdStatusText(std::uint32_t code);
