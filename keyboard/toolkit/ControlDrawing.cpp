#include "keyboard/toolkit/ControlDrawing.h"

#include "keyboard/resources/KeyboardResources.h"

#include <span>
#include <vector>

ui::BOOL TransparentBlitKey(ui::DeviceContext& destination, int x, int y, int w, int h,
                            const ui::DeviceContext& source, int sx, int sy, int sw, int sh,
                            ui::COLORREF key) {
    if (w < 1 || h < 1 || sw < 1 || sh < 1) {
        return ui::FALSE;
    }
    bool ok = destination.transparentBlit(ui::Rect{x, y, x + w, y + h}, source,
                                          ui::Rect{sx, sy, sx + sw, sy + sh}, key);
    return ok ? ui::TRUE : ui::FALSE;
}

ui::BOOL LoadPngResource(int id, ui::Image& image) {
    InitKeyboardResources();
    if (!ui::resourceExists(ui::ResourceKind::png, id)) {
        return ui::FALSE;
    }
    image = ui::Image::fromPngResource(id);
    return ui::TRUE;
}

bool PngResourceExists(int id) {
    InitKeyboardResources();
    return ui::resourceExists(ui::ResourceKind::png, id);
}

ui::Image LoadBitmapResource(int id) {
    InitKeyboardResources();
    return ui::Image::fromBitmapResource(id);
}

ui::FontSpec ControlFontSpec() {
    return ui::FontSpec{.height = 12, .width = 0, .weight = ui::FW_NORMAL, .face = "宋体"};
}

ui::FontSpec DialogFontSpec() {
    ui::FontSpec spec = ui::defaultGuiFont();
    spec.face = "宋体";
    spec.weight = ui::FW_SEMIBOLD;
    spec.height = -(10 * ui::logicalPixelsPerInch()) / 72;
    return spec;
}

ui::Region ShapeFromBitmap(const ui::Image& picture) {
    const ui::Argb outside = ui::argbOf(ui::RGB(255, 255, 0));
    std::vector<ui::Rect> runs;
    for (int y = 0; y < picture.height(); ++y) {
        const std::span<const ui::Argb> row = picture.row(y);
        auto inShape = [&](std::size_t x) { return (row[x] | 0xFF000000u) != outside; };
        std::size_t x = 0;
        while (x < row.size()) {
            while (x < row.size() && !inShape(x))
                ++x;
            const std::size_t start = x;
            while (x < row.size() && inShape(x))
                ++x;
            if (x > start) {
                runs.push_back(ui::Rect{static_cast<int>(start), y, static_cast<int>(x), y + 1});
            }
        }
    }
    return ui::Region::fromSortedRows(runs);
}
