#pragma once

#include "platform/ui/DeviceContext.h"
#include "platform/ui/Font.h"
#include "platform/ui/Image.h"
#include "platform/ui/Region.h"

// Drawing helpers shared by the skinned controls.

// Copies the source rectangle scaled to (x, y, w, h), leaving out every source
// pixel of the key colour. FALSE when a size is below 1.
ui::BOOL TransparentBlitKey(ui::DeviceContext& destination, int x, int y, int w, int h,
                            const ui::DeviceContext& source, int sx, int sy, int sw, int sh,
                            ui::COLORREF key);

// Loads a PNG strip embedded under `id`. FALSE when there is no such resource;
// TRUE otherwise, also when the bytes do not decode (the image then stays null
// and draws nothing).
ui::BOOL LoadPngResource(int id, ui::Image& image);

// Whether a PNG strip is embedded under `id`, without decoding it.
bool PngResourceExists(int id);

// A bitmap embedded under `id`; a null image when there is none.
ui::Image LoadBitmapResource(int id);

// The 12-pixel "宋体" font every control and popup draws with.
ui::FontSpec ControlFontSpec();
// The dialogs' font: the stock GUI font as "宋体", weight 600, 10 points.
ui::FontSpec DialogFontSpec();

// A window shape: every pixel that is not RGB(255, 255, 0), as one-pixel-high
// runs united row by row.
ui::Region ShapeFromBitmap(const ui::Image& picture);
