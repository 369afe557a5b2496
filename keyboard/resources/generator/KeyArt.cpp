// One 3-frame strip per key of the keyboard picture, sized to its place, and
// the five G keys, which carry the macro accent.
#include "Painting.h"
#include "Palette.h"
#include "ResourceWriter.h"
#include "keyboard/resources/KeyboardLayout.h"

using namespace palette;
using painting::Look;

namespace {

Look lookOfFrame(int frame) {
    return frame == 0 ? Look::Normal : (frame == 1 ? Look::Hover : Look::Pressed);
}

QImage keyStrip(const layout::LayoutRect& rect, const QString& caption) {
    return painting::strip(3, rect.width(), rect.height(), [&](QPainter& p, QRectF r, int k) {
        painting::keyCap(p, r, lookOfFrame(k), caption);
    });
}

QImage gKeyStrip(const layout::LayoutRect& rect, int index) {
    return painting::strip(3, rect.width(), rect.height(), [&](QPainter& p, QRectF r, int k) {
        painting::keyCap(p, r, lookOfFrame(k), {});
        const QRectF face = r.adjusted(3, 2, -3, -4);
        p.setFont(captionFont(10));
        p.setPen(k == 2 ? kInk : kLime);
        p.drawText(face, Qt::AlignCenter, QString("G%1").arg(index + 1));
        if (k != 2) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(kLime.red(), kLime.green(), kLime.blue(), k == 1 ? 200 : 110));
            p.drawRect(QRectF(face.left() + 4, face.bottom() - 1, face.width() - 8, 1.5));
        }
    });
}

}  // namespace

void drawKeyImages(ResourceWriter& out) {
    for (int n = 0; n < layout::kKeyButtonCount; ++n) {
        const layout::KeyPlace place = layout::keyButtonPlace(n);
        out.png(layout::keyImageId(n), keyStrip(place.rect, QString::fromUtf8(place.caption)));
    }
    for (int i = 0; i < layout::kGKeyCount; ++i) {
        out.png(layout::gKeyImageId(i), gKeyStrip(layout::gKeyRect(i), i));
    }
}
