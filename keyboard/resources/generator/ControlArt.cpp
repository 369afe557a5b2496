// Strips of the skinned controls: buttons, tabs, checks, radio, combo, scroll
// arrows, list icons and the application icon.
#include <QLinearGradient>
#include <QPainterPath>

#include "Painting.h"
#include "Palette.h"
#include "ResourceWriter.h"

using namespace palette;
using painting::Look;

namespace {

Look lookOfFrame(int frame) {
    return frame == 0 ? Look::Normal : (frame == 1 ? Look::Hover : Look::Pressed);
}

QImage captionButton(int w, int h, const QString& caption, int fontPixels) {
    return painting::strip(3, w, h, [&](QPainter& p, QRectF r, int k) {
        painting::buttonFace(p, r, lookOfFrame(k), caption, fontPixels);
    });
}

// Page tab: frame 2 is the selected page, joined to the page band below it.
QImage pageTab(const QString& caption) {
    return painting::strip(3, 130, 40, [&](QPainter& p, QRectF r, int k) {
        const QRectF body = r.adjusted(1, 4, -1, 0);
        QPainterPath shape;
        shape.moveTo(body.bottomLeft());
        shape.lineTo(body.left(), body.top() + 6);
        shape.lineTo(body.left() + 6, body.top());
        shape.lineTo(body.right() - 14, body.top());
        shape.lineTo(body.right(), body.top() + 14);
        shape.lineTo(body.bottomRight());
        shape.closeSubpath();
        QLinearGradient fill(body.topLeft(), body.bottomLeft());
        fill.setColorAt(0, k == 2 ? QColor(34, 56, 94) : (k == 1 ? QColor(26, 42, 72) : QColor(18, 30, 54)));
        fill.setColorAt(1, k == 2 ? kPanel : QColor(12, 22, 40));
        p.setPen(QPen(k == 0 ? kLineSoft : kLine, 1));
        p.setBrush(fill);
        p.drawPath(shape);
        if (k == 2) {
            p.setPen(Qt::NoPen);
            p.setBrush(kLime);
            p.drawRect(QRectF(body.left() + 10, body.top() + 1, body.width() - 34, 3));
            painting::glow(p, QPointF(body.center().x() - 8, body.top()), 46, kLime, 40);
        }
        p.setFont(captionFont(13));
        p.setPen(k == 2 ? kLimeBright : (k == 1 ? kText : kTextDim));
        p.drawText(body.adjusted(0, 3, -8, 0), Qt::AlignCenter, caption);
    });
}

// Profile tab: a pill with a small LED that lights on the chosen profile.
QImage profileTab(const QString& caption) {
    return painting::strip(3, 110, 30, [&](QPainter& p, QRectF r, int k) {
        painting::buttonFace(p, r, k == 2 ? Look::Selected : lookOfFrame(k), {}, 11);
        const QRectF body = r.adjusted(1, 1, -1, -1);
        const QPointF led(body.left() + 14, body.center().y());
        p.setPen(Qt::NoPen);
        p.setBrush(k == 2 ? kInk : (k == 1 ? kLime : kLine));
        p.drawEllipse(led, 3.5, 3.5);
        p.setFont(captionFont(11));
        p.setPen(k == 2 ? kInk : (k == 1 ? kLimeBright : kText));
        p.drawText(body.adjusted(14, 0, 0, 0), Qt::AlignCenter, caption);
    });
}

void windowGlyph(QPainter& p, const QRectF& r, int k, bool close) {
    const QRectF body = r.adjusted(1, 1, -1, -1);
    if (k > 0) {
        p.setPen(Qt::NoPen);
        p.setBrush(k == 2 ? (close ? QColor(214, 66, 66) : kLime) : QColor(255, 255, 255, 26));
        p.drawRoundedRect(body, 4, 4);
    }
    QColor ink = k == 0 ? kTextDim : (k == 1 ? (close ? QColor(255, 120, 110) : kLimeBright) : kInk);
    if (k == 2 && close) {
        ink = Qt::white;
    }
    p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap));
    const QPointF c = body.center();
    if (close) {
        p.drawLine(c + QPointF(-5, -5), c + QPointF(5, 5));
        p.drawLine(c + QPointF(-5, 5), c + QPointF(5, -5));
    } else {
        p.drawLine(c + QPointF(-6, 4), c + QPointF(6, 4));
    }
}

QImage checkStrip(int size) {
    return painting::strip(7, size, size, [&](QPainter& p, QRectF r, int k) {
        const bool checked = k >= 3 && k <= 5;
        const int state = k % 3;
        const bool disabled = k == 6;
        const QRectF box = r.adjusted(0.5, 0.5, -0.5, -0.5);
        p.setPen(
            QPen(disabled ? QColor(46, 54, 68) : (state == 1 ? kLimeBright : (checked ? kLime : kLine)), 1));
        p.setBrush(disabled ? QColor(20, 24, 32) : (state == 2 ? QColor(40, 60, 30) : kList));
        p.drawRoundedRect(box, 2, 2);
        if (checked || disabled) {
            // A disabled box shows a dim mark: the state is frozen, not lost.
            p.setPen(QPen(disabled ? QColor(70, 80, 96) : kLimeBright, size >= 16 ? 2.2 : 1.8, Qt::SolidLine,
                          Qt::RoundCap, Qt::RoundJoin));
            const double s = box.width();
            QPainterPath tick;
            tick.moveTo(box.left() + s * 0.22, box.top() + s * 0.52);
            tick.lineTo(box.left() + s * 0.42, box.top() + s * 0.72);
            tick.lineTo(box.left() + s * 0.78, box.top() + s * 0.28);
            p.setBrush(Qt::NoBrush);
            if (!disabled) {
                p.drawPath(tick);
            }
        }
    });
}

QImage recordToggle() {
    return painting::strip(7, 195, 30, [&](QPainter& p, QRectF r, int k) {
        const bool recording = k >= 3 && k <= 5;
        const int state = k % 3;
        if (k == 6) {
            painting::buttonFace(p, r, Look::Disabled, "START RECORD", 12);
            return;
        }
        painting::buttonFace(p, r, lookOfFrame(state), {}, 12);
        const QRectF body = r.adjusted(1, 1, -1, -1);
        const QPointF dot(body.left() + 22, body.center().y());
        if (recording) {
            painting::glow(p, dot, 12, QColor(255, 60, 60), 140);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(state == 2 ? QColor(150, 20, 20) : QColor(232, 52, 52));
        p.drawEllipse(dot, 5, 5);
        p.setFont(captionFont(12));
        p.setPen(state == 2 ? kInk : (state == 1 ? kLimeBright : kText));
        p.drawText(body.adjusted(26, 0, 0, 0), Qt::AlignCenter, recording ? "STOP RECORD" : "START RECORD");
    });
}

QImage radioStrip() {
    return painting::strip(3, 15, 15, [&](QPainter& p, QRectF r, int k) {
        const QRectF ring = r.adjusted(1, 1, -1, -1);
        p.setPen(QPen(k == 0 ? kLine : kLime, 1.4));
        p.setBrush(kList);
        p.drawEllipse(ring);
        if (k == 2) {
            p.setPen(Qt::NoPen);
            p.setBrush(kLimeBright);
            p.drawEllipse(ring.center(), 3.4, 3.4);
        }
    });
}

// Combo face: light so that the black value text reads, with an arrow box.
QImage comboStrip() {
    return painting::strip(5, 200, 26, [&](QPainter& p, QRectF r, int k) {
        const QRectF body = r.adjusted(0.5, 0.5, -0.5, -0.5);
        QColor top = QColor(214, 226, 178), bottom = kOlive, border = QColor(120, 134, 84);
        if (k == 1 || k == 4) {
            top = QColor(232, 244, 190);
            bottom = kLime;
            border = kLimeBright;
        } else if (k == 2) {
            top = kOlive;
            bottom = QColor(190, 204, 150);
        } else if (k == 3) {
            top = QColor(120, 126, 110);
            bottom = QColor(96, 102, 88);
            border = QColor(70, 76, 64);
        }
        QLinearGradient fill(body.topLeft(), body.bottomLeft());
        fill.setColorAt(0, top);
        fill.setColorAt(1, bottom);
        p.setPen(QPen(border, 1));
        p.setBrush(fill);
        p.drawRoundedRect(body, 3, 3);
        const QRectF arrowBox(body.right() - 24, body.top() + 3, 21, body.height() - 6);
        p.setPen(Qt::NoPen);
        p.setBrush(k == 3 ? QColor(60, 66, 56) : kInk);
        p.drawRoundedRect(arrowBox, 2, 2);
        QPainterPath arrow;
        const QPointF c = arrowBox.center();
        arrow.moveTo(c + QPointF(-4.5, -2));
        arrow.lineTo(c + QPointF(4.5, -2));
        arrow.lineTo(c + QPointF(0, 3));
        arrow.closeSubpath();
        p.setBrush(k == 1 || k == 4 ? kLimeBright : kLime);
        p.drawPath(arrow);
    });
}

QImage scrollArrow(bool up) {
    return painting::strip(3, 16, 16, [&](QPainter& p, QRectF r, int k) {
        const QRectF body = r.adjusted(0.5, 0.5, -0.5, -0.5);
        p.setPen(QPen(k == 0 ? QColor(118, 131, 80) : kLimeDeep, 1));
        p.setBrush(k == 0 ? QColor(148, 162, 104) : (k == 1 ? kLime : kLimeDeep));
        p.drawRoundedRect(body, 2, 2);
        QPainterPath arrow;
        const QPointF c = body.center();
        const double d = up ? -1 : 1;
        arrow.moveTo(c + QPointF(-4, -2 * d));
        arrow.lineTo(c + QPointF(4, -2 * d));
        arrow.lineTo(c + QPointF(0, 3 * d));
        arrow.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(k == 2 ? kLimeBright : kInk);
        p.drawPath(arrow);
    });
}

// List icons: a key going down (press), coming up (release), a clock (delay).
QImage actionIcon(int kind) {
    QImage image = painting::canvas(12, 14);
    QPainter p(&image);
    painting::prepare(p);
    if (kind == 2) {
        p.setPen(QPen(kBlue, 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(1, 2, 10, 10));
        p.drawLine(QPointF(6, 4.5), QPointF(6, 7.2));
        p.drawLine(QPointF(6, 7.2), QPointF(8, 8.5));
        return image;
    }
    const bool press = kind == 1;
    const QColor colour = press ? kLime : QColor(240, 150, 70);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    QPainterPath arrow;
    if (press) {
        arrow.moveTo(3.5, 1);
        arrow.lineTo(8.5, 1);
        arrow.lineTo(8.5, 6);
        arrow.lineTo(11, 6);
        arrow.lineTo(6, 11);
        arrow.lineTo(1, 6);
        arrow.lineTo(3.5, 6);
    } else {
        arrow.moveTo(6, 1);
        arrow.lineTo(11, 6);
        arrow.lineTo(8.5, 6);
        arrow.lineTo(8.5, 11);
        arrow.lineTo(3.5, 11);
        arrow.lineTo(3.5, 6);
        arrow.lineTo(1, 6);
    }
    arrow.closeSubpath();
    p.drawPath(arrow);
    p.setBrush(QColor(colour.red(), colour.green(), colour.blue(), 120));
    p.drawRect(QRectF(1, 12.5, 10, 1.5));
    return image;
}

QImage applicationIcon() {
    QImage image = painting::canvas(64, 64);
    QPainter p(&image);
    painting::prepare(p);
    QLinearGradient fill(0, 0, 0, 64);
    fill.setColorAt(0, QColor(28, 46, 80));
    fill.setColorAt(1, kDeep);
    p.setPen(QPen(kLime, 2));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(3, 3, 58, 58), 12, 12);
    painting::glow(p, QPointF(32, 34), 26, kLime, 70);
    p.setFont(captionFont(38, false));
    p.setPen(kLimeBright);
    p.drawText(QRectF(3, 1, 58, 60), Qt::AlignCenter, "Q");
    return image;
}

}  // namespace

void drawControlImages(ResourceWriter& out) {
    out.png(135,
            painting::strip(3, 24, 24, [](QPainter& p, QRectF r, int k) { windowGlyph(p, r, k, true); }));
    out.png(136,
            painting::strip(3, 24, 24, [](QPainter& p, QRectF r, int k) { windowGlyph(p, r, k, false); }));

    out.png(137, pageTab("KEY MAP"));
    out.png(262, pageTab("RECORD"));
    out.png(263, pageTab("MACRO"));
    out.png(264, pageTab("LIGHT"));

    out.png(171, profileTab("PROFILE 1"));
    out.png(170, profileTab("PROFILE 2"));
    out.png(169, profileTab("PROFILE 3"));

    out.png(166, captionButton(100, 34, "OK", 13));
    out.png(167, captionButton(100, 34, "APPLY", 13));
    out.png(168, captionButton(100, 34, "HIDE", 13));
    out.png(164, captionButton(130, 30, "RESET CURRENT", 11));
    out.png(257, captionButton(102, 30, "RESET ALL", 11));
    out.png(267, captionButton(195, 30, "NEW", 12));
    out.png(268, captionButton(195, 30, "DELETE", 12));
    out.png(269, captionButton(195, 30, "IMPORT", 12));
    out.png(270, captionButton(195, 30, "EXPORT", 12));
    out.png(276, captionButton(98, 25, "DEFAULT", 11));
    out.png(177, captionButton(22, 18, "...", 10));

    out.png(156, checkStrip(16));
    out.png(386, checkStrip(12));
    out.png(189, recordToggle());
    out.png(400, radioStrip());
    out.png(266, comboStrip());
    out.png(188, scrollArrow(true));
    out.png(187, scrollArrow(false));

    out.png(191, actionIcon(0));
    out.png(192, actionIcon(1));
    out.png(193, actionIcon(2));
    out.png(381, applicationIcon());
}
