#include "keyboard/toolkit/ControlDrawing.h"

#include "keyboard/resources/KeyboardResources.h"

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
    auto inShape = [&](int x, int y) { return (picture.pixel(x, y) | 0xFF000000u) != outside; };
    ui::Region region;
    for (int y = 0; y < picture.height(); ++y) {
        int x = 0;
        while (x < picture.width()) {
            while (x < picture.width() && !inShape(x, y))
                ++x;
            int start = x;
            while (x < picture.width() && inShape(x, y))
                ++x;
            if (x > start) {
                region.unite(ui::Rect{start, y, x, y + 1});
            }
        }
    }
    return region;
}
