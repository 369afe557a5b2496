// Backgrounds, shapes and region buttons of the dialogs.
#include <QLinearGradient>
#include <QPainterPath>

#include "Painting.h"
#include "Palette.h"
#include "ResourceWriter.h"

using namespace palette;
using painting::Look;

namespace {

constexpr int kTitleHeight = 32;
const QColor kFooter{9, 16, 30};

struct Frame {
    int w, h;
    int footerTop;  // buttons sit on a flat footer so their key edges match it
    bool shaped;
};

QPainterPath outline(const Frame& f) {
    QPainterPath path;
    const QRectF r(0.5, 0.5, f.w - 1, f.h - 1);
    if (!f.shaped) {
        path.addRect(r);
        return path;
    }
    const double cut = 12;
    path.moveTo(r.left(), r.top() + 6);
    path.lineTo(r.left() + 6, r.top());
    path.lineTo(r.right() - 6, r.top());
    path.lineTo(r.right(), r.top() + 6);
    path.lineTo(r.right(), r.bottom() - cut);
    path.lineTo(r.right() - cut, r.bottom());
    path.lineTo(r.left() + cut, r.bottom());
    path.lineTo(r.left(), r.bottom() - cut);
    path.closeSubpath();
    return path;
}

// Dark body, lime title strip (black title text reads on it), flat footer.
QImage dialogFrame(const Frame& f, const QString& title) {
    QImage image = painting::canvas(f.w, f.h);
    QPainter p(&image);
    painting::prepare(p);
    const QPainterPath shape = outline(f);
    QLinearGradient fill(0, 0, 0, f.footerTop);
    fill.setColorAt(0, kPanel);
    fill.setColorAt(1, kBody);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(shape);
    p.setClipPath(shape);
    QLinearGradient titleFill(0, 0, 0, kTitleHeight);
    titleFill.setColorAt(0, kLimeBright);
    titleFill.setColorAt(1, kLime);
    p.fillRect(QRectF(0, 0, f.w, kTitleHeight), titleFill);
    p.fillRect(QRectF(0, kTitleHeight, f.w, 1), kLimeDeep);
    p.fillRect(QRectF(0, f.footerTop, f.w, f.h - f.footerTop), kFooter);
    p.fillRect(QRectF(0, f.footerTop, f.w, 1), kLineSoft);
    p.setClipping(false);
    p.setPen(QPen(kLine, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    if (!title.isEmpty()) {
        p.setFont(captionFont(12));
        p.setPen(kInk);
        p.drawText(QRectF(21, 0, f.w - 60, kTitleHeight), Qt::AlignLeft | Qt::AlignVCenter, title);
    }
    return image;
}

QImage finish(const Frame& f, const QImage& image) {
    // Shaped windows lose every pixel of the shape colour; others keep all.
    return f.shaped ? painting::flattenWithKey(image, kBody, kShapeKey)
                    : painting::flattenWithKey(image, kBody, kBody);
}

void text(QPainter& p, const QRectF& r, const QString& s, const QColor& colour, int pixels,
          Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter, bool bold = false) {
    p.setFont(textFont(pixels, bold));
    p.setPen(colour);
    p.drawText(r, align | Qt::TextWordWrap, s);
}

void field(QPainter& p, const QRectF& r) {
    p.setPen(QPen(kLine, 1));
    p.setBrush(kList);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
}

void warningSign(QPainter& p, const QPointF& c, double size, const QColor& colour) {
    QPainterPath triangle;
    triangle.moveTo(c + QPointF(0, -size));
    triangle.lineTo(c + QPointF(size * 1.1, size * 0.8));
    triangle.lineTo(c + QPointF(-size * 1.1, size * 0.8));
    triangle.closeSubpath();
    p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(colour.red(), colour.green(), colour.blue(), 40));
    p.drawPath(triangle);
    p.setFont(captionFont(static_cast<int>(size), false));
    p.drawText(QRectF(c.x() - size, c.y() - size * 0.6, size * 2, size * 1.4), Qt::AlignCenter, "!");
}

QImage keyMapSetting() {
    const Frame f{496, 247, 180, false};
    QImage image = dialogFrame(f, "KEY MAP SETTING");
    QPainter p(&image);
    painting::prepare(p);
    text(p, QRectF(40, 60, 120, 23), "SELECTED KEY", kTextDim, 11, Qt::AlignRight | Qt::AlignVCenter, true);
    field(p, QRectF(164, 55, 134, 25));  // the key label's text sits at its top
    text(p, QRectF(92, 99, 138, 18), "Key", kText, 12, Qt::AlignLeft | Qt::AlignVCenter, true);
    field(p, QRectF(230, 98, 175, 22));
    text(p, QRectF(92, 144, 138, 18), "Mouse function", kText, 12, Qt::AlignLeft | Qt::AlignVCenter, true);
    p.setPen(QPen(kLineSoft, 1));
    p.drawLine(QPointF(40, 131.5), QPointF(456, 131.5));
    return finish(f, image);
}

QImage confirmation(const QString& title, const QString& message) {
    const Frame f{496, 247, 180, false};
    QImage image = dialogFrame(f, title);
    QPainter p(&image);
    painting::prepare(p);
    warningSign(p, QPointF(70, 100), 20, QColor(250, 190, 60));
    text(p, QRectF(112, 62, 350, 44), message, kText, 13, Qt::AlignLeft | Qt::AlignVCenter, true);
    text(p, QRectF(112, 108, 350, 40), "This cannot be undone. Do you want to continue?", kTextDim, 12);
    return finish(f, image);
}

QImage attention() {
    const Frame f{496, 247, 180, false};
    QImage image = dialogFrame(f, {});
    QPainter p(&image);
    painting::prepare(p);
    painting::glow(p, QPointF(248, 70), 40, kLime, 40);
    p.setPen(QPen(kLime, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(248, 70), 17, 17);
    p.setFont(captionFont(22, false));
    p.drawText(QRectF(231, 53, 34, 34), Qt::AlignCenter, "i");
    p.setPen(QPen(kLineSoft, 1));
    p.drawLine(QPointF(120, 140.5), QPointF(376, 140.5));
    return finish(f, image);
}

QImage quickLaunch() {
    const Frame f{305, 245, 190, true};
    QImage image = dialogFrame(f, "QUICK LAUNCH");
    QPainter p(&image);
    painting::prepare(p);
    text(p, QRectF(26, 58, 250, 20), "PROGRAM", kTextDim, 11, Qt::AlignLeft | Qt::AlignVCenter, true);
    field(p, QRectF(22, 85, 236, 22));
    text(p, QRectF(26, 118, 254, 50), "Choose the program that this G key starts when you press it.",
         kTextDim, 11);
    return finish(f, image);
}

QImage shortcutCapture() {
    const Frame f{420, 206, 150, true};
    QImage image = dialogFrame(f, "SHORTCUT KEY");
    QPainter p(&image);
    painting::prepare(p);
    text(p, QRectF(22, 44, 380, 40), "Choose the modifiers, then press the key on your keyboard.", kTextDim,
         11);
    const int checks[5] = {22, 83, 136, 186, 232};
    const char* names[5] = {"None", "Ctrl", "Shift", "Alt", "Win"};
    for (int i = 0; i < 5; ++i) {
        text(p, QRectF(checks[i] + 15, 102, 46, 16), names[i], kText, 11, Qt::AlignLeft | Qt::AlignVCenter,
             true);
    }
    text(p, QRectF(287, 80, 118, 16), "KEY", kTextDim, 10, Qt::AlignLeft | Qt::AlignVCenter, true);
    field(p, QRectF(283, 97, 126, 22));
    return finish(f, image);
}

// Region button strips: three frames on a transparent ground that becomes the
// key colour, flattened over the colour they sit on.
QImage regionButton(int w, int h, const QString& caption, int pixels, const QColor& under) {
    QImage image = painting::strip(3, w, h, [&](QPainter& p, QRectF r, int k) {
        // The left column stays clear: the key point of the colour-key blit lies on it.
        painting::buttonFace(p, r.adjusted(1, 0, 0, 0),
                             k == 0 ? Look::Normal : (k == 1 ? Look::Hover : Look::Pressed), caption, pixels);
    });
    return painting::flattenWithKey(image, under, kRegionKey);
}

QImage closeGlyph(int w, int h, const QColor& under) {
    QImage image = painting::strip(3, w, h, [&](QPainter& p, QRectF r, int k) {
        const QRectF body = r.adjusted(1, 1, -1, -1);
        if (k > 0) {
            p.setPen(Qt::NoPen);
            p.setBrush(k == 1 ? kInk : QColor(214, 66, 66));
            p.drawRoundedRect(body, 3, 3);
        }
        p.setPen(QPen(k == 0 ? kInk : (k == 1 ? kLimeBright : Qt::white), 1.8, Qt::SolidLine, Qt::RoundCap));
        const QPointF c = body.center();
        const double d = std::min(body.width(), body.height()) * 0.26;
        p.drawLine(c + QPointF(-d, -d), c + QPointF(d, d));
        p.drawLine(c + QPointF(-d, d), c + QPointF(d, -d));
    });
    return painting::flattenWithKey(image, under, kRegionKey);
}

}  // namespace

void drawDialogImages(ResourceWriter& out) {
    out.bmp(272, keyMapSetting());
    out.bmp(165,
            confirmation("RESET CURRENT PROFILE", "The current profile will get its factory settings back."));
    out.bmp(258, confirmation("RESET ALL PROFILES", "Every profile will get its factory settings back."));
    out.bmp(380, attention());
    out.bmp(176, quickLaunch());
    out.bmp(153, shortcutCapture());

    // 496 x 247 dialogs: close on the title strip, OK and CANCEL on the footer.
    out.bmp(154, closeGlyph(15, 16, kLime));
    out.bmp(162, regionButton(98, 33, "OK", 13, kFooter));
    out.bmp(163, regionButton(98, 33, "CANCEL", 13, kFooter));
    // Quick launch.
    out.bmp(394, closeGlyph(23, 21, kLime));
    out.bmp(396, regionButton(52, 21, "OK", 11, kFooter));
    out.bmp(397, regionButton(91, 21, "CANCEL", 11, kFooter));
    // Shortcut capture.
    out.bmp(387, closeGlyph(23, 21, kLime));
    out.bmp(384, regionButton(73, 29, "OK", 12, kFooter));
    out.bmp(385, regionButton(66, 29, "CANCEL", 12, kFooter));
}
