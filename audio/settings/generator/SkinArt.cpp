#include "SkinArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace skinart {

namespace {

const QColor kDeep{11, 14, 19};
const QColor kBody{20, 25, 33};
const QColor kCard{26, 32, 42};
const QColor kPlate{34, 42, 55};
const QColor kPlateHigh{44, 54, 70};
const QColor kLine{52, 64, 82};
const QColor kAccent{39, 195, 230};
const QColor kAccentBright{112, 222, 246};
const QColor kAccentDeep{18, 122, 156};
const QColor kText{230, 237, 245};
const QColor kTextDim{128, 142, 160};
const QColor kInk{6, 18, 26};
const QColor kPage{22, 28, 37};   // flat floor of every page
const QColor kStage{17, 23, 31};  // the surround stage

void prepare(QPainter& p, double scale) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.scale(scale, scale);
}

// The picture's own design rectangle at the origin.
QRectF local(const layout::Picture& picture) {
    return QRectF(0, 0, picture.rect.width(), picture.rect.height());
}

QFont glyphFont(double pixels, bool bold = true) {
    QFont font("DejaVu Sans");
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    font.setBold(bold);
    return font;
}

void plate(QPainter& p, const QRectF& r, bool down) {
    const QRectF body = r.adjusted(0.5, 0.5, -0.5, -0.5);
    const double radius = std::min(6.0, body.height() / 3);
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, down ? kAccentBright : kPlateHigh);
    fill.setColorAt(1, down ? kAccentDeep : kPlate);
    p.setBrush(fill);
    p.setPen(QPen(down ? kAccentBright : kLine, 1));
    p.drawRoundedRect(body, radius, radius);
    p.setPen(QPen(QColor(255, 255, 255, down ? 90 : 24), 1));
    p.drawLine(QPointF(body.left() + radius, body.top() + 1.5), QPointF(body.right() - radius, body.top() + 1.5));
}

void tab(QPainter& p, const QRectF& r, bool down) {
    QPainterPath path;
    const QRectF body = r.adjusted(0.5, 2.5, -0.5, 0);
    path.moveTo(body.bottomLeft());
    path.lineTo(body.left(), body.top() + 6);
    path.quadTo(body.topLeft(), QPointF(body.left() + 6, body.top()));
    path.lineTo(body.right() - 6, body.top());
    path.quadTo(body.topRight(), QPointF(body.right(), body.top() + 6));
    path.lineTo(body.bottomRight());
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, down ? kAccentBright : kPlate);
    fill.setColorAt(1, down ? kAccent : kCard);
    p.setBrush(fill);
    p.setPen(QPen(down ? kAccentBright : kLine, 1));
    p.drawPath(path);
    if (!down) {
        p.setPen(QPen(kAccentDeep, 2));
        p.drawLine(QPointF(body.left() + 8, body.bottom() - 1), QPointF(body.right() - 8, body.bottom() - 1));
    }
}

void iconGlyph(QPainter& p, const QRectF& r, const QString& glyph, const QColor& colour) {
    p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QPointF c = r.center();
    const double s = std::min(r.width(), r.height());
    if (glyph == "close") {
        p.drawLine(c + QPointF(-s * 0.2, -s * 0.2), c + QPointF(s * 0.2, s * 0.2));
        p.drawLine(c + QPointF(-s * 0.2, s * 0.2), c + QPointF(s * 0.2, -s * 0.2));
    } else if (glyph == "minimize") {
        p.drawLine(c + QPointF(-s * 0.22, s * 0.12), c + QPointF(s * 0.22, s * 0.12));
    } else if (glyph == "power") {
        p.drawArc(QRectF(c.x() - s * 0.24, c.y() - s * 0.2, s * 0.48, s * 0.48), 120 * 16, -240 * 16);
        p.drawLine(c + QPointF(0, -s * 0.3), c + QPointF(0, -s * 0.02));
    } else if (glyph == "led") {
        // A bulb and the word, left-aligned like the device's own key.
        const QRectF bulb(r.left() + 14, c.y() - 9, 14, 14);
        p.drawEllipse(bulb);
        p.drawLine(QPointF(bulb.center().x() - 3, bulb.bottom() + 3), QPointF(bulb.center().x() + 3, bulb.bottom() + 3));
        p.setFont(glyphFont(13));
        p.drawText(r.adjusted(36, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, "LED");
    } else if (glyph == "none") {
        p.drawEllipse(QRectF(c.x() - s * 0.22, c.y() - s * 0.22, s * 0.44, s * 0.44));
        p.drawLine(c + QPointF(-s * 0.15, s * 0.15), c + QPointF(s * 0.15, -s * 0.15));
    } else if (glyph == "theater") {
        p.drawRect(QRectF(c.x() - s * 0.28, c.y() - s * 0.2, s * 0.56, s * 0.32));
        p.drawLine(c + QPointF(-s * 0.12, s * 0.22), c + QPointF(s * 0.12, s * 0.22));
    } else if (glyph == "bathroom") {
        p.drawArc(QRectF(c.x() - s * 0.28, c.y() - s * 0.3, s * 0.56, s * 0.56), 0, -180 * 16);
        p.drawLine(c + QPointF(-s * 0.3, -s * 0.02), c + QPointF(s * 0.3, -s * 0.02));
        for (int i = -1; i <= 1; ++i) {
            p.drawLine(c + QPointF(i * s * 0.1, -s * 0.28), c + QPointF(i * s * 0.1, -s * 0.18));
        }
    } else if (glyph == "livingroom") {
        p.drawRoundedRect(QRectF(c.x() - s * 0.28, c.y() - s * 0.08, s * 0.56, s * 0.22), 3, 3);
        p.drawLine(c + QPointF(-s * 0.2, -s * 0.08), c + QPointF(-s * 0.2, -s * 0.22));
        p.drawLine(c + QPointF(-s * 0.2, -s * 0.22), c + QPointF(s * 0.2, -s * 0.22));
        p.drawLine(c + QPointF(s * 0.2, -s * 0.22), c + QPointF(s * 0.2, -s * 0.08));
    } else if (glyph == "stonegallery") {
        QPainterPath arch;
        arch.moveTo(c + QPointF(-s * 0.26, s * 0.24));
        arch.lineTo(c + QPointF(-s * 0.26, -s * 0.04));
        arch.arcTo(QRectF(c.x() - s * 0.26, c.y() - s * 0.3, s * 0.52, s * 0.52), 180, -180);
        arch.lineTo(c + QPointF(s * 0.26, s * 0.24));
        p.drawPath(arch);
        p.drawLine(c + QPointF(-s * 0.32, s * 0.24), c + QPointF(s * 0.32, s * 0.24));
    }
}

void iconButton(QPainter& p, const layout::Picture& picture) {
    const QRectF r = local(picture);
    const bool wide = r.width() > r.height() * 2;
    if (wide || picture.glyph == "power") {
        plate(p, r, picture.down);
    } else {
        const QRectF body = r.adjusted(1, 1, -1, -1);
        p.setPen(QPen(picture.down ? kAccentBright : kLine, 1));
        p.setBrush(picture.down ? kAccent : kPlate);
        p.drawRoundedRect(body, 5, 5);
    }
    iconGlyph(p, r, picture.glyph, picture.down ? kInk : kText);
}

void divider(QPainter& p, const QRectF& r) {
    QLinearGradient fade(r.topLeft(), r.width() > r.height() ? r.topRight() : r.bottomLeft());
    fade.setColorAt(0, QColor(kLine.red(), kLine.green(), kLine.blue(), 0));
    fade.setColorAt(0.5, kLine);
    fade.setColorAt(1, QColor(kLine.red(), kLine.green(), kLine.blue(), 0));
    p.fillRect(r, fade);
}

void graduation(QPainter& p, const QRectF& r, bool small) {
    p.setPen(QPen(kTextDim, 1));
    const double top = small ? r.top() : r.top() + 8, bottom = small ? r.bottom() : r.bottom() - 8;
    const int steps = small ? 6 : 12;
    for (int i = 0; i <= steps; ++i) {
        double y = top + (bottom - top) * i / steps;
        double length = (i % (steps / 2) == 0) ? (small ? 10 : 12) : (small ? 5 : 7);
        p.drawLine(QPointF(r.right() - length, y), QPointF(r.right(), y));
    }
    if (!small) {
        p.setFont(glyphFont(11));
        p.setPen(kTextDim);
        p.drawText(QRectF(r.left(), top - 8, r.width() - 16, 16), Qt::AlignRight | Qt::AlignVCenter, "+");
        p.drawText(QRectF(r.left(), (top + bottom) / 2 - 8, r.width() - 16, 16), Qt::AlignRight | Qt::AlignVCenter, "0");
        p.drawText(QRectF(r.left(), bottom - 8, r.width() - 16, 16), Qt::AlignRight | Qt::AlignVCenter, "−");
    }
}

// The equalizer's lower halves stay where they are, so they are only tinted;
// the microphone's follows its knob and is lit.
void track(QPainter& p, const QRectF& r, bool lit, bool horizontal, bool dim = false) {
    p.setPen(Qt::NoPen);
    p.setBrush(kDeep);
    p.drawRect(r);
    const QRectF inner = r.adjusted(1, 1, -1, -1);
    if (lit && dim) {
        p.setBrush(QColor(30, 72, 92));
    } else if (lit) {
        QLinearGradient glow(inner.topLeft(), horizontal ? inner.bottomLeft() : inner.topRight());
        glow.setColorAt(0, kAccentDeep);
        glow.setColorAt(0.5, kAccentBright);
        glow.setColorAt(1, kAccentDeep);
        p.setBrush(glow);
    } else {
        p.setBrush(QColor(40, 50, 64));
    }
    p.drawRect(inner);
}

void knob(QPainter& p, const QRectF& r, bool active, bool horizontal) {
    const QRectF body = r.adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(body.topLeft(), horizontal ? body.topRight() : body.bottomLeft());
    fill.setColorAt(0, QColor(86, 100, 120));
    fill.setColorAt(0.5, QColor(58, 70, 88));
    fill.setColorAt(1, QColor(40, 50, 64));
    p.setBrush(fill);
    p.setPen(QPen(active ? kAccentBright : QColor(100, 114, 134), 1));
    p.drawRoundedRect(body, 3, 3);
    p.setPen(QPen(active ? kAccentBright : kTextDim, 2));
    if (horizontal) {
        p.drawLine(QPointF(body.center().x(), body.top() + 4), QPointF(body.center().x(), body.bottom() - 4));
    } else {
        p.drawLine(QPointF(body.left() + 5, body.center().y()), QPointF(body.right() - 5, body.center().y()));
    }
}

void check(QPainter& p, const QRectF& r, bool ticked) {
    const QRectF box = r.adjusted(1.5, 1.5, -1.5, -1.5);
    p.setPen(QPen(ticked ? kAccentBright : kLine, 1.5));
    p.setBrush(ticked ? kAccent : kDeep);
    p.drawRoundedRect(box, 4, 4);
    if (ticked) {
        p.setPen(QPen(kInk, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath tick;
        tick.moveTo(box.left() + box.width() * 0.22, box.center().y());
        tick.lineTo(box.left() + box.width() * 0.43, box.bottom() - box.height() * 0.24);
        tick.lineTo(box.right() - box.width() * 0.2, box.top() + box.height() * 0.26);
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    }
}

void statusLight(QPainter& p, const QRectF& r, const QString& colourName, bool lit) {
    const QColor on = colourName == "green" ? QColor(70, 220, 120) : QColor(240, 84, 84);
    const QColor off = colourName == "green" ? QColor(30, 66, 46) : QColor(72, 34, 38);
    const QRectF dot = r.adjusted(2, 2, -2, -2);
    if (lit) {
        QRadialGradient halo(r.center(), r.width() / 2);
        halo.setColorAt(0, QColor(on.red(), on.green(), on.blue(), 160));
        halo.setColorAt(1, QColor(on.red(), on.green(), on.blue(), 0));
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawEllipse(r);
    }
    QRadialGradient body(dot.center() - QPointF(2, 2), dot.width());
    body.setColorAt(0, lit ? on.lighter(150) : off.lighter(130));
    body.setColorAt(1, lit ? on : off);
    p.setPen(QPen(kDeep, 1));
    p.setBrush(body);
    p.drawEllipse(dot);
}

void valuePlate(QPainter& p, const QRectF& r) {
    const QRectF body = r.adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(kLine, 1));
    p.setBrush(kDeep);
    p.drawRoundedRect(body, 5, 5);
}

void meter(QPainter& p, const QRectF& r) {
    // Segments on a 4-pixel pitch: the window shows 4 x level + 10 pixels of them.
    p.setPen(Qt::NoPen);
    for (double x = r.left(); x + 2 <= r.right(); x += 4) {
        double share = (x - r.left()) / r.width();
        QColor colour = share < 0.65 ? kAccent : share < 0.85 ? QColor(240, 200, 70) : QColor(240, 84, 84);
        p.setBrush(colour);
        p.drawRect(QRectF(x, r.top() + 2, 3, r.height() - 4));
    }
}

void speaker(QPainter& p, const layout::Picture& picture) {
    const QRectF r = local(picture).adjusted(1, 1, -1, -1);
    const bool sub = picture.glyph == "SUB";
    QRadialGradient fill(r.center() - QPointF(4, 4), r.width());
    fill.setColorAt(0, sub ? QColor(120, 100, 200) : kAccentBright);
    fill.setColorAt(1, sub ? QColor(70, 56, 140) : kAccentDeep);
    p.setPen(QPen(kDeep, 1.5));
    p.setBrush(fill);
    p.drawEllipse(r);
    p.setPen(kInk);
    p.setFont(glyphFont(picture.glyph.size() > 2 ? 9 : picture.glyph.size() > 1 ? 11 : 13));
    p.drawText(r, Qt::AlignCenter, picture.glyph);
}

void linkMode(QPainter& p, const layout::Picture& picture) {
    const QRectF r = local(picture);
    valuePlate(p, r);
    QString letter = picture.glyph.section(' ', 0, 0);
    QString mode = picture.glyph.section(' ', 1);
    p.setPen(kAccentBright);
    p.setFont(glyphFont(15));
    if (mode.isEmpty()) {  // the channels' chain between the plates
        p.setPen(QPen(kAccent, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(r.center().x() - 13, r.center().y() - 5, 14, 10), 5, 5);
        p.drawRoundedRect(QRectF(r.center().x() - 1, r.center().y() - 5, 14, 10), 5, 5);
        return;
    }
    p.drawText(QRectF(r.left() + 10, r.top(), 24, r.height()), Qt::AlignCenter, letter);
    // L and R bars showing how the other channel follows.
    const double y0 = r.top() + 8, y1 = r.bottom() - 8, xL = r.left() + 56, xR = r.left() + 96;
    p.setPen(QPen(kTextDim, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(xL, y0), QPointF(xL, y1));
    p.drawLine(QPointF(xR, y0), QPointF(xR, y1));
    p.setBrush(kAccentBright);
    p.setPen(Qt::NoPen);
    const double knobL = y0 + 3;
    double knobR = mode == "follow" ? knobL : mode == "mirror" ? y1 - 3 : (y0 + y1) / 2 + 2;
    p.drawEllipse(QPointF(xL, knobL), 4, 4);
    p.drawEllipse(QPointF(xR, knobR), 4, 4);
    if (mode != "independent") {
        p.setPen(QPen(kAccent, 1.2, Qt::DashLine));
        p.drawLine(QPointF(xL + 5, knobL), QPointF(xR - 5, knobR));
    }
}

void logo(QPainter& p, const QRectF& r) {
    // Headphones mark and the name.
    const QRectF band(r.left() + 2, r.top() + 4, 26, 24);
    p.setPen(QPen(kAccent, 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(band.adjusted(2, 0, -2, 4), 0, 180 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccentBright);
    p.drawRoundedRect(QRectF(band.left() + 1, band.center().y() + 1, 7, 11), 2, 2);
    p.drawRoundedRect(QRectF(band.right() - 8, band.center().y() + 1, 7, 11), 2, 2);
    QFont font = glyphFont(19);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 2.5);
    p.setFont(font);
    p.setPen(kText);
    p.drawText(QRectF(r.left() + 36, r.top(), r.width() - 36, r.height()), Qt::AlignVCenter | Qt::AlignLeft, "SONVAIR");
}

}  // namespace

QColor StageFloor() {
    return kStage;
}
QColor CaptionNormal() {
    return kText;
}
QColor CaptionSelected() {
    return kInk;
}

QImage MainBackground(double scale) {
    const QSize size = layout::Scaled({0, 0, layout::kWindowWidth, layout::kWindowHeight}, scale).size();
    QImage image(size, QImage::Format_RGB32);
    image.fill(kDeep);
    QPainter p(&image);
    prepare(p, scale);
    const QRectF window(0, 0, layout::kWindowWidth, layout::kWindowHeight);
    QLinearGradient body(window.topLeft(), window.bottomLeft());
    body.setColorAt(0, QColor(26, 32, 42));
    body.setColorAt(0.12, kBody);
    body.setColorAt(1, QColor(14, 18, 24));
    p.setPen(QPen(kLine, 1));
    p.setBrush(body);
    p.drawRoundedRect(window.adjusted(0.5, 0.5, -0.5, -0.5), layout::kCornerRadius, layout::kCornerRadius);
    // Header rule with the accent under the logo.
    p.setPen(QPen(kLine, 1));
    p.drawLine(QPointF(16, 52.5), QPointF(784, 52.5));
    p.setPen(QPen(kAccent, 2));
    p.drawLine(QPointF(16, 52.5), QPointF(180, 52.5));
    // The left card and the page area share one flat floor.
    p.setPen(QPen(kLine, 1));
    p.setBrush(kCard);
    p.drawRoundedRect(QRectF(layout::kLeftCard).adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
    p.setBrush(kPage);
    p.drawRoundedRect(QRectF(layout::kPageArea).adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
    // The preset line of the left card.
    p.setPen(QPen(kLine, 1));
    p.drawLine(QPointF(32, 307.5), QPointF(280, 307.5));
    return image;
}

QImage PageBackground(const QString& page, const QImage& under, double scale) {
    QImage image = under.copy();
    QPainter p(&image);
    prepare(p, scale);
    p.translate(-layout::kPageArea.x(), -layout::kPageArea.y());
    auto group = [&](QRectF r) {
        p.setPen(QPen(QColor(40, 50, 64), 1));
        p.setBrush(QColor(26, 33, 44));
        p.drawRoundedRect(r.translated(layout::kPageArea.x(), layout::kPageArea.y()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    };
    if (page == "eq") {
        group({8, 104, 456, 272});  // the band area, flat inside so the knobs fit anywhere
    } else if (page == "mic") {
        group({8, 170, 456, 206});
        group({192, 230, 264, 84});
        // The meter's idle segments, lit by the level picture over them.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 50, 64));
        for (int x = 0; x + 2 <= 256; x += 4) {
            p.drawRect(QRectF(layout::kPageArea.x() + 200 + x, layout::kPageArea.y() + 264, 3, 16));
        }
    } else if (page == "effect") {
        group({176, 8, 288, 304});
    } else if (page == "surround") {
        group({8, 2, 160, 286});
    } else if (page == "3d") {
        group({170, 2, 294, 268});
    }
    return image;
}

QImage ControlPicture(const layout::Picture& picture, const QImage& under, double scale) {
    using layout::Art;
    QImage image = under.copy();
    QPainter p(&image);
    prepare(p, static_cast<double>(image.width()) / picture.rect.width());
    const QRectF r = local(picture);
    switch (picture.art) {
    case Art::Plate:
        plate(p, r, picture.down);
        break;
    case Art::Tab:
        tab(p, r, picture.down);
        break;
    case Art::IconButton:
        iconButton(p, picture);
        break;
    case Art::Divider:
        divider(p, r);
        break;
    case Art::Graduation:
        graduation(p, r, picture.glyph == "small");
        break;
    case Art::TrackV:
    case Art::TrackVLower:
    case Art::TrackH:
        track(p, r, picture.art == Art::TrackVLower, picture.art == Art::TrackH, picture.glyph == "dim");
        break;
    case Art::KnobV:
    case Art::KnobH:
        knob(p, r, picture.down || picture.art == Art::KnobV, picture.art == Art::KnobH);
        break;
    case Art::Check:
        check(p, r, picture.down);
        break;
    case Art::StatusLight:
        statusLight(p, r, picture.glyph, picture.down);
        break;
    case Art::Meter:
        meter(p, r);
        break;
    case Art::ValuePlate:
        valuePlate(p, r);
        break;
    case Art::Speaker:
        speaker(p, picture);
        break;
    case Art::LinkMode:
        linkMode(p, picture);
        break;
    case Art::Logo:
        logo(p, r);
        break;
    case Art::Illustration:
        DrawIllustration(p, r, picture.glyph);
        break;
    case Art::MainBackground:
    case Art::PageBackground:
        break;
    }
    (void)scale;
    return image;
}

}  // namespace skinart
