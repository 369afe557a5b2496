#pragma once

#include <QByteArray>
#include <QImage>

namespace ui::detail {

// The picture of a pixel file (platform/ui/PixelFile.h). It keeps `bytes`
// alive and uses its pixels in place when their words are in this machine's
// order and aligned; otherwise it copies them. A null image when the bytes
// are no pixel file or hold fewer pixels than their header says.
QImage readPixelFile(QByteArray bytes);

}  // namespace ui::detail
