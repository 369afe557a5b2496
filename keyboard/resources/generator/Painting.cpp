#include "Painting.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include "Palette.h"

namespace palette {

QFont captionFont(int pixelSize, bool condensed) {
    QFont font(condensed ? "DejaVu Sans Condensed" : "DejaVu Sans");
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, pixelSize >= 11 ? 1.0 : 0.3);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QFont textFont(int pixelSize, bool bold) {
    QFont font("DejaVu Sans");
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

}  // namespace palette

namespace painting {

using namespace palette;

QImage canvas(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void prepare(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QImage strip(int frames, int w, int h, const std::function<void(QPainter&, QRectF, int)>& drawFrame) {
    QImage image = canvas(w * frames, h);
    QPainter p(&image);
    prepare(p);
    for (int k = 0; k < frames; ++k) {
        p.save();
        p.setClipRect(QRect(k * w, 0, w, h));
        drawFrame(p, QRectF(k * w, 0, w, h), k);
        p.restore();
    }
    return image;
}

namespace {

struct FaceColours {
    QColor top, bottom, border, caption;
};

FaceColours faceColours(Look look) {
    switch (look) {
        case Look::Hover:
            return {QColor(30, 50, 84), QColor(18, 32, 58), kLime, kLimeBright};
        case Look::Pressed:
        case Look::Selected:
            return {kLimeBright, kLimeDeep, kLimeBright, kInk};
        case Look::Disabled:
            return {QColor(22, 28, 40), QColor(18, 22, 32), QColor(40, 48, 62), QColor(80, 90, 106)};
        case Look::Normal:
        default:
            return {QColor(28, 44, 74), QColor(14, 24, 44), kLine, kText};
    }
}

}  // namespace

void buttonFace(QPainter& p, const QRectF& r, Look look, const QString& caption, int fontPixels) {
    const FaceColours c = faceColours(look);
    const QRectF body = r.adjusted(1, 1, -1, -1);
    const double radius = std::min(5.0, body.height() / 4);

    if (look == Look::Hover) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(kLime.red(), kLime.green(), kLime.blue(), 50));
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius + 1, radius + 1);
    }
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, c.top);
    fill.setColorAt(1, c.bottom);
    p.setBrush(fill);
    p.setPen(QPen(c.border, 1));
    p.drawRoundedRect(body.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);

    // A thin sheen on the upper edge gives the face some depth.
    if (look != Look::Disabled && body.height() > 10) {
        QColor sheen = look == Look::Pressed || look == Look::Selected ? QColor(255, 255, 255, 90)
                                                                       : QColor(255, 255, 255, 28);
        p.setPen(QPen(sheen, 1));
        p.drawLine(QPointF(body.left() + radius, body.top() + 1.5),
                   QPointF(body.right() - radius, body.top() + 1.5));
    }
    // Accent tick on the left of idle buttons, as on the device's own keys.
    if ((look == Look::Normal || look == Look::Hover) && body.width() > 60) {
        p.setPen(Qt::NoPen);
        p.setBrush(look == Look::Hover ? kLimeBright : kLime);
        p.drawRect(QRectF(body.left() + 1, body.center().y() - body.height() * 0.25, 2, body.height() * 0.5));
    }
    if (!caption.isEmpty()) {
        p.setFont(captionFont(fontPixels));
        p.setPen(c.caption);
        p.drawText(body, Qt::AlignCenter, caption);
    }
}

void keyCap(QPainter& p, const QRectF& r, Look look, const QString& caption) {
    const QRectF cap = r.adjusted(0.5, 0.5, -0.5, -0.5);
    QColor top(36, 48, 72), bottom(20, 28, 46), border(52, 68, 98), text(214, 224, 238);
    if (look == Look::Hover) {
        top = QColor(44, 62, 92);
        bottom = QColor(26, 38, 60);
        border = kLime;
        text = kLimeBright;
    } else if (look == Look::Pressed) {
        top = kLimeBright;
        bottom = kLimeDeep;
        border = kLimeBright;
        text = kInk;
    }
    QLinearGradient fill(cap.topLeft(), cap.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    p.setPen(QPen(border, 1));
    p.setBrush(fill);
    p.drawRoundedRect(cap, 3, 3);
    // Inner top face of the cap, slightly lighter, like a real keycap.
    const QRectF face = cap.adjusted(2.5, 1.5, -2.5, -4);
    QColor faceColour = look == Look::Pressed ? QColor(255, 255, 255, 50) : QColor(255, 255, 255, 14);
    p.setPen(Qt::NoPen);
    p.setBrush(faceColour);
    p.drawRoundedRect(face, 2, 2);

    if (!caption.isEmpty()) {
        // Letters centred large; words small, centred on a one-unit cap and
        // top-left on a wide one, as printed caps are.
        const bool letter = caption.size() <= 2;
        const bool narrow = cap.width() < 34;
        QFont font = captionFont(letter ? 11 : (caption.size() <= 3 ? 8 : 7), !letter);
        if (!letter) {
            font.setLetterSpacing(QFont::AbsoluteSpacing, 0);
        }
        p.setFont(font);
        p.setPen(text);
        if (letter || narrow) {
            p.drawText(face.adjusted(-1, 0, 1, 0), Qt::AlignCenter, caption);
        } else {
            p.drawText(face.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, caption);
        }
    }
}

void panel(QPainter& p, const QRectF& r, const QString& title) {
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, kPanel);
    fill.setColorAt(1, kBody);
    p.setPen(QPen(kLineSoft, 1));
    p.setBrush(fill);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    if (!title.isEmpty()) {
        p.setFont(captionFont(11));
        p.setPen(kTextDim);
        p.drawText(r.adjusted(14, 6, -10, 0), Qt::AlignLeft | Qt::AlignTop, title);
        p.setPen(Qt::NoPen);
        p.setBrush(kLime);
        p.drawRect(QRectF(r.left() + 6, r.top() + 8, 3, 10));
    }
}

QImage flattenWithKey(const QImage& image, const QColor& under, const QColor& keyColour) {
    QImage source = image.convertToFormat(QImage::Format_ARGB32);
    QImage result(source.size(), QImage::Format_RGB888);
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb pixel = source.pixel(x, y);
            const int alpha = qAlpha(pixel);
            if (alpha < 8) {
                result.setPixelColor(x, y, keyColour);
                continue;
            }
            auto mix = [alpha](int top, int bottom) { return (top * alpha + bottom * (255 - alpha)) / 255; };
            result.setPixelColor(x, y,
                                 QColor(mix(qRed(pixel), under.red()), mix(qGreen(pixel), under.green()),
                                        mix(qBlue(pixel), under.blue())));
        }
    }
    return result;
}

void glow(QPainter& p, const QPointF& centre, double radius, const QColor& colour, int alpha) {
    QRadialGradient gradient(centre, radius);
    gradient.setColorAt(0, QColor(colour.red(), colour.green(), colour.blue(), alpha));
    gradient.setColorAt(1, QColor(colour.red(), colour.green(), colour.blue(), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawEllipse(centre, radius, radius);
}

}  // namespace painting
