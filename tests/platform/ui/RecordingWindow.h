#pragma once

#include <functional>
#include <vector>

#include "platform/ui/Window.h"

// A window that writes down the messages it gets and lets a test react to them.
class RecordingWindow : public ui::Window {
public:
    struct Entry {
        ui::UINT message;
        ui::WPARAM wParam;
        ui::LPARAM lParam;
    };

    ui::LRESULT WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) override {
        if (message != ui::WM_PAINT && message != ui::WM_SHOWWINDOW && message != ui::WM_ACTIVATE) {
            log.push_back({message, wParam, lParam});
        }
        if (onMessage) {
            if (auto result = onMessage(message, wParam, lParam)) {
                return *result;
            }
        }
        return DefWindowProc(message, wParam, lParam);
    }

    bool openAt(const ui::Rect& rect, bool doubleClicks = false) {
        return create({.rect = rect, .visible = true, .doubleClicks = doubleClicks});
    }

    std::vector<ui::UINT> messages(const std::vector<ui::UINT>& only) const {
        std::vector<ui::UINT> result;
        for (const Entry& entry : log) {
            for (ui::UINT wanted : only) {
                if (entry.message == wanted) {
                    result.push_back(entry.message);
                }
            }
        }
        return result;
    }

    std::vector<Entry> entries(ui::UINT message) const {
        std::vector<Entry> result;
        for (const Entry& entry : log) {
            if (entry.message == message) {
                result.push_back(entry);
            }
        }
        return result;
    }

    std::vector<Entry> log;
    // Returns a result to stop default processing.
    std::function<std::optional<ui::LRESULT>(ui::UINT, ui::WPARAM, ui::LPARAM)> onMessage;
};
