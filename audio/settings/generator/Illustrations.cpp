#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

#include "SkinArt.h"

namespace skinart {

namespace {

const QColor kAccent{39, 195, 230};
const QColor kAccentBright{112, 222, 246};
const QColor kAccentDeep{18, 122, 156};
const QColor kLine{52, 64, 82};
const QColor kShade{30, 38, 50};
const QColor kMetal{70, 84, 104};

QColor faded(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

void headset(QPainter& p, const QRectF& r) {
    const QPointF c = r.center() + QPointF(0, 6);
    const double w = r.width() * 0.52, h = r.height() * 0.62;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kMetal, 9, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(c.x() - w / 2, c.y() - h / 2, w, h), 15 * 16, 150 * 16);
    p.setPen(QPen(kAccent, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(c.x() - w / 2 + 6, c.y() - h / 2 + 6, w - 12, h - 12), 30 * 16, 120 * 16);
    for (int side : {-1, 1}) {
        QRectF cup(c.x() + side * w / 2 - 22, c.y() - 10, 44, 64);
        QLinearGradient fill(cup.topLeft(), cup.bottomRight());
        fill.setColorAt(0, QColor(64, 78, 98));
        fill.setColorAt(1, QColor(24, 30, 40));
        p.setPen(QPen(kLine, 1.5));
        p.setBrush(fill);
        p.drawRoundedRect(cup, 18, 18);
        p.setPen(QPen(kAccentBright, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(cup.adjusted(9, 12, -9, -12), 10, 10);
    }
    // Microphone boom from the left cup.
    QPainterPath boom;
    boom.moveTo(c.x() - w / 2, c.y() + 40);
    boom.quadTo(c.x() - w / 2 + 4, c.y() + 74, c.x() - 16, c.y() + 74);
    p.setPen(QPen(kMetal, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(boom);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawEllipse(QPointF(c.x() - 14, c.y() + 74), 5, 5);
}

void motif(QPainter& p, const QRectF& r, const QString& theme) {
    const QPointF c = r.center() + QPointF(0, 6);
    p.setBrush(Qt::NoBrush);
    if (theme == "eq") {
        static const double kHeights[] = {0.35, 0.6, 0.85, 0.55, 0.4, 0.7, 0.3};
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 7; ++i) {
            double bar = 40 * kHeights[i];
            p.setBrush(faded(kAccent, 90 + i * 10));
            p.drawRoundedRect(QRectF(c.x() - 42 + i * 12, c.y() + 22 - bar, 7, bar), 2, 2);
        }
    } else if (theme == "room" || theme == "surround") {
        for (int i = 1; i <= 3; ++i) {
            p.setPen(QPen(faded(kAccent, 200 - i * 50), 1.5));
            double radius = theme == "room" ? 18.0 * i : 22.0 * i;
            if (theme == "room") {
                p.drawArc(QRectF(c.x() - radius, c.y() - radius + 8, 2 * radius, 2 * radius), 45 * 16, 90 * 16);
            } else {
                p.drawEllipse(c + QPointF(0, 10), radius, radius * 0.5);
            }
        }
    } else if (theme == "mic") {
        for (int i = 1; i <= 3; ++i) {
            p.setPen(QPen(faded(kAccent, 220 - i * 55), 2, Qt::SolidLine, Qt::RoundCap));
            double radius = 10.0 * i;
            p.drawArc(QRectF(c.x() - 14 - radius, c.y() + 74 - radius, 2 * radius, 2 * radius), 100 * 16, 160 * 16);
        }
    }
}

void roomFrame(QPainter& p, const QRectF& r) {
    QLinearGradient floor(r.topLeft(), r.bottomLeft());
    floor.setColorAt(0, QColor(24, 31, 41));
    floor.setColorAt(1, QColor(16, 21, 28));
    p.setPen(QPen(kLine, 1));
    p.setBrush(floor);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    // Perspective lines of a room seen from its door.
    const QRectF back = r.adjusted(r.width() * 0.24, r.height() * 0.2, -r.width() * 0.24, -r.height() * 0.3);
    p.setPen(QPen(faded(kAccentDeep, 160), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(back);
    p.drawLine(r.topLeft() + QPointF(6, 6), back.topLeft());
    p.drawLine(r.topRight() + QPointF(-6, 6), back.topRight());
    p.drawLine(r.bottomLeft() + QPointF(6, -6), back.bottomLeft());
    p.drawLine(r.bottomRight() + QPointF(-6, -6), back.bottomRight());
}

void soundWaves(QPainter& p, const QPointF& from, int rings, double spread) {
    for (int i = 1; i <= rings; ++i) {
        p.setPen(QPen(faded(kAccent, 230 - i * (160 / rings)), 1.6, Qt::SolidLine, Qt::RoundCap));
        double radius = spread * i;
        p.drawArc(QRectF(from.x() - radius, from.y() - radius, 2 * radius, 2 * radius), -50 * 16, 100 * 16);
        p.drawArc(QRectF(from.x() - radius, from.y() - radius, 2 * radius, 2 * radius), 130 * 16, 100 * 16);
    }
}

void room(QPainter& p, const QRectF& r, const QString& kind) {
    roomFrame(p, r);
    const QRectF back = r.adjusted(r.width() * 0.24, r.height() * 0.2, -r.width() * 0.24, -r.height() * 0.3);
    const QPointF listener(r.center().x(), r.bottom() - r.height() * 0.2);
    p.setPen(QPen(kAccentBright, 2));
    p.setBrush(Qt::NoBrush);
    if (kind == "theater") {
        p.setBrush(faded(kAccent, 60));
        p.drawRect(back.adjusted(8, 8, -8, -back.height() * 0.35));
        p.setBrush(Qt::NoBrush);
        for (int row = 0; row < 2; ++row) {
            for (int seat = -3; seat <= 3; ++seat) {
                QPointF at(r.center().x() + seat * 22 * (1 + row * 0.2), back.bottom() + 22 + row * 22);
                p.drawRoundedRect(QRectF(at.x() - 7, at.y() - 5, 14, 10), 3, 3);
            }
        }
        soundWaves(p, back.center(), 3, 26);
    } else if (kind == "bathroom") {
        p.setPen(QPen(faded(kAccentDeep, 140), 1));
        for (double x = back.left(); x <= back.right(); x += back.width() / 6) {
            p.drawLine(QPointF(x, back.top()), QPointF(x, back.bottom()));
        }
        for (double y = back.top(); y <= back.bottom(); y += back.height() / 4) {
            p.drawLine(QPointF(back.left(), y), QPointF(back.right(), y));
        }
        p.setPen(QPen(kAccentBright, 2));
        QPainterPath tub;
        tub.moveTo(back.left() - 10, back.bottom() - 8);
        tub.lineTo(back.right() + 10, back.bottom() - 8);
        tub.quadTo(back.right() + 8, back.bottom() + 28, back.center().x(), back.bottom() + 28);
        tub.quadTo(back.left() - 8, back.bottom() + 28, back.left() - 10, back.bottom() - 8);
        p.drawPath(tub);
        soundWaves(p, listener + QPointF(0, -52), 4, 16);
    } else if (kind == "livingroom") {
        QRectF sofa(back.left() - 6, back.bottom() - 14, back.width() + 12, 34);
        p.drawRoundedRect(sofa, 8, 8);
        p.drawLine(QPointF(sofa.left() + 10, sofa.top() + 14), QPointF(sofa.right() - 10, sofa.top() + 14));
        p.drawLine(QPointF(back.right() - 12, back.top() + 10), QPointF(back.right() - 12, back.bottom() - 18));
        p.setBrush(faded(kAccent, 110));
        p.drawChord(QRectF(back.right() - 30, back.top() + 2, 36, 24), 0, 180 * 16);
        p.setBrush(Qt::NoBrush);
        soundWaves(p, back.center() + QPointF(-20, -6), 3, 18);
    } else if (kind == "stonegallery") {
        for (int i = 0; i < 3; ++i) {
            double w = back.width() / 3;
            QRectF arch(back.left() + i * w + 6, back.top() + 6, w - 12, back.height() - 6);
            QPainterPath path;
            path.moveTo(arch.bottomLeft());
            path.lineTo(arch.left(), arch.top() + arch.width() / 2);
            path.arcTo(QRectF(arch.left(), arch.top(), arch.width(), arch.width()), 180, -180);
            path.lineTo(arch.bottomRight());
            p.drawPath(path);
        }
        soundWaves(p, back.center() + QPointF(0, 10), 5, 20);
    } else {  // none: a plain, dry line
        p.setPen(QPen(kAccentBright, 2, Qt::SolidLine, Qt::RoundCap));
        QPainterPath wave;
        wave.moveTo(back.left(), back.center().y());
        for (int i = 0; i <= 40; ++i) {
            double x = back.left() + back.width() * i / 40.0;
            wave.lineTo(x, back.center().y() + std::sin(i * 0.9) * 10 * std::exp(-i / 14.0));
        }
        p.drawPath(wave);
    }
    // The listener.
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawEllipse(listener, 6, 6);
    p.drawChord(QRectF(listener.x() - 12, listener.y() + 6, 24, 20), 0, 180 * 16);
}

void microphone(QPainter& p, const QRectF& r) {
    roomFrame(p, r.adjusted(0, 0, 0, 0));
    const QPointF c(r.left() + 62, r.center().y() - 6);
    QLinearGradient body(c + QPointF(-16, 0), c + QPointF(16, 0));
    body.setColorAt(0, QColor(60, 74, 94));
    body.setColorAt(0.5, QColor(96, 112, 134));
    body.setColorAt(1, QColor(44, 54, 70));
    p.setPen(QPen(kLine, 1.5));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(c.x() - 16, c.y() - 36, 32, 56), 16, 16);
    p.setPen(QPen(faded(kAccentBright, 120), 1));
    for (int i = 0; i < 4; ++i) {
        p.drawLine(QPointF(c.x() - 10, c.y() - 26 + i * 8), QPointF(c.x() + 10, c.y() - 26 + i * 8));
    }
    p.setPen(QPen(kAccent, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - 24, c.y() - 16, 48, 48), 200 * 16, 140 * 16);
    p.drawLine(c + QPointF(0, 32), c + QPointF(0, 44));
    p.drawLine(c + QPointF(-12, 44), c + QPointF(12, 44));
    // Its voice as a waveform running to the right.
    QPainterPath wave;
    const double x0 = r.left() + 110, x1 = r.right() - 16;
    wave.moveTo(x0, c.y());
    for (int i = 0; i <= 120; ++i) {
        double x = x0 + (x1 - x0) * i / 120.0;
        double envelope = std::sin(3.14159 * i / 120.0);
        wave.lineTo(x, c.y() + std::sin(i * 0.55) * std::cos(i * 0.13) * 28 * envelope);
    }
    p.setPen(QPen(kAccentBright, 1.6));
    p.drawPath(wave);
}

void stage(QPainter& p, const QRectF& r) {
    const QPointF c = r.center();
    const double outer = r.width() / 2 - 1;
    p.setPen(QPen(kLine, 1));
    p.setBrush(StageFloor());
    p.drawEllipse(c, outer, outer);
    for (int i = 1; i <= 3; ++i) {
        p.setPen(QPen(faded(kAccentDeep, 70 + i * 30), 1, i == 3 ? Qt::SolidLine : Qt::DotLine));
        p.drawEllipse(c, outer * i / 3.4, outer * i / 3.4);
    }
    p.setPen(QPen(faded(kAccentDeep, 70), 1, Qt::DotLine));
    p.drawLine(QPointF(c.x() - outer + 8, c.y()), QPointF(c.x() + outer - 8, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - outer + 8), QPointF(c.x(), c.y() + outer - 8));
    // The listener from above: head, ears, nose to the front.
    p.setPen(QPen(kAccentBright, 1.5));
    p.setBrush(QColor(40, 52, 68));
    p.drawEllipse(c, 15, 17);
    p.setBrush(kAccent);
    p.drawEllipse(c + QPointF(-16, 0), 3.5, 6);
    p.drawEllipse(c + QPointF(16, 0), 3.5, 6);
    QPainterPath nose;
    nose.moveTo(c + QPointF(-5, -16));
    nose.lineTo(c + QPointF(0, -23));
    nose.lineTo(c + QPointF(5, -16));
    p.setBrush(Qt::NoBrush);
    p.drawPath(nose);
}

}  // namespace

void DrawIllustration(QPainter& p, const QRectF& r, const QString& theme) {
    if (theme == "stage") {
        stage(p, r);
    } else if (theme == "microphone") {
        microphone(p, r);
    } else if (theme == "eq" || theme == "room" || theme == "mic" || theme == "surround") {
        QRadialGradient glow(r.center(), r.width() * 0.6);
        glow.setColorAt(0, faded(kAccentDeep, 70));
        glow.setColorAt(1, faded(kAccentDeep, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawRoundedRect(r.adjusted(2, 2, -2, -2), 8, 8);
        p.setPen(QPen(kShade, 1));
        headset(p, r);
        motif(p, r, theme);
    } else {
        room(p, r, theme);
    }
}

}  // namespace skinart
