#pragma once

#include <functional>
#include <vector>

#include "keyboard/toolkit/CDlgBase.h"

// A strip of `frames` frames, each `frameWidth` × `height` and filled with a
// colour of its own, so a test can tell from one pixel which frame was drawn.
inline ui::Image FrameStrip(int frames, int frameWidth = 10, int height = 10, int extraWidth = 0) {
    ui::Image strip(frames * frameWidth + extraWidth, height);
    for (int x = 0; x < strip.width(); ++x) {
        int frame = x / frameWidth;
        for (int y = 0; y < height; ++y) {
            strip.setPixel(x, y, 0xFF000000u | static_cast<ui::Argb>(0x10 + frame * 0x20) << 16);
        }
    }
    return strip;
}
// The frame a strip of FrameStrip drew at a point of the surface.
inline int FrameAt(const ui::Image& surface, int x, int y) {
    return static_cast<int>(((surface.pixel(x, y) >> 16) & 0xFF) - 0x10) / 0x20;
}

struct Notification {
    ui::UINT message;
    ui::WPARAM wParam;
    ui::LPARAM lParam;
    friend bool operator==(const Notification&, const Notification&) = default;
};

// A skinned dialog whose controls the test adds; it records every message a
// control or popup sends it.
class TestDialog : public CDlgBase {
public:
    using CDlgBase::CDlgBase;
    void CreateControls(const ui::Rect&) override {}
    ui::LRESULT WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) override {
        if (message >= 1025 && message <= 2400) {
            received.push_back({message, wParam, lParam});
            if (onNotify)
                onNotify(received.back());
            return 0;
        }
        return CDlgBase::WindowProc(message, wParam, lParam);
    }
    using CDlgBase::m_height;
    using CDlgBase::m_width;
    std::vector<Notification> received;
    std::function<void(const Notification&)> onNotify;
};
