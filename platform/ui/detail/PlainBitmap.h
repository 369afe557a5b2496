#pragma once

#include <QByteArray>
#include <QImage>

namespace ui::detail {

// An uncompressed Windows bitmap (24 or 32 bits, rows bottom-up or top-down),
// as the programs embed theirs, read straight into an opaque image. Qt's own
// reader takes some 30 times longer for the same pixels, which the start of
// a skinned window feels. A null image for any other kind or a damaged file.
QImage decodePlainBitmap(const QByteArray& bytes);

}  // namespace ui::detail
