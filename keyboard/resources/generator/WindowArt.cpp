// The main window: background and shape (129) and the four page pictures.
#include <QLinearGradient>
#include <QPainterPath>

#include "Painting.h"
#include "Palette.h"
#include "ResourceWriter.h"
#include "keyboard/resources/KeyboardLayout.h"
#include "keyboard/resources/MainWindowLayout.h"

using namespace palette;

namespace {

constexpr int kW = layout::kMainWidth;
constexpr int kH = layout::kMainHeight;
constexpr int kBandTop = layout::kPageBand.top;
constexpr int kBandH = layout::kPageBand.height();

QPainterPath chamfered(const QRectF& r, double cut) {
    QPainterPath path;
    path.moveTo(r.left() + cut, r.top());
    path.lineTo(r.right() - cut, r.top());
    path.lineTo(r.right(), r.top() + cut);
    path.lineTo(r.right(), r.bottom() - cut);
    path.lineTo(r.right() - cut, r.bottom());
    path.lineTo(r.left() + cut, r.bottom());
    path.lineTo(r.left(), r.bottom() - cut);
    path.lineTo(r.left(), r.top() + cut);
    path.closeSubpath();
    return path;
}

QRectF inBand(const layout::LayoutRect& r) {
    return QRectF(r.left, r.top - kBandTop, r.width(), r.height());
}

void logo(QPainter& p) {
    QFont word = captionFont(28, false);
    word.setItalic(true);
    word.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    p.setFont(word);
    p.setPen(kText);
    p.drawText(QRectF(30, 8, 200, 36), Qt::AlignLeft | Qt::AlignVCenter, "QUELDA");
    p.setPen(Qt::NoPen);
    p.setBrush(kLime);
    QPainterPath slash;
    slash.moveTo(194, 14);
    slash.lineTo(202, 14);
    slash.lineTo(192, 40);
    slash.lineTo(184, 40);
    slash.closeSubpath();
    p.drawPath(slash);
    p.setFont(captionFont(9));
    p.setPen(kTextDim);
    p.drawText(QRectF(32, 42, 220, 14), Qt::AlignLeft | Qt::AlignVCenter, "GAMING KEYBOARD CONFIGURATOR");
}

void mainFrame(QPainter& p) {
    const QRectF whole(0.5, 0.5, kW - 1, kH - 1);
    const QPainterPath shape = chamfered(whole, 16);
    QLinearGradient fill(0, 0, 0, kH);
    fill.setColorAt(0, QColor(14, 26, 48));
    fill.setColorAt(0.3, kBody);
    fill.setColorAt(1, kDeep);
    p.setPen(QPen(kLine, 1));
    p.setBrush(fill);
    p.drawPath(shape);

    // Header: faint diagonal rules on the right, a lime rule under it.
    p.save();
    p.setClipPath(shape);
    p.setPen(QPen(QColor(255, 255, 255, 10), 1));
    for (int x = 420; x < kW + 80; x += 9) {
        p.drawLine(QPointF(x, 0), QPointF(x - 68, 68));
    }
    painting::glow(p, QPointF(120, 30), 140, kLime, 18);
    p.restore();
    p.setPen(QPen(kLineSoft, 1));
    p.drawLine(QPointF(16, 68.5), QPointF(kW - 16, 68.5));
    p.setPen(Qt::NoPen);
    p.setBrush(kLime);
    p.drawRect(QRectF(16, 67, 120, 2));

    // Corner accents.
    p.setPen(QPen(kLime, 2));
    p.drawLine(QPointF(1, 60), QPointF(1, 17));
    p.drawLine(QPointF(1, 17), QPointF(17, 1));
    p.drawLine(QPointF(17, 1), QPointF(90, 1));
    p.drawLine(QPointF(kW - 1, kH - 60), QPointF(kW - 1, kH - 17));
    p.drawLine(QPointF(kW - 1, kH - 17), QPointF(kW - 17, kH - 1));
    p.drawLine(QPointF(kW - 17, kH - 1), QPointF(kW - 90, kH - 1));

    // Strip under the page tabs, joined by the selected tab.
    p.setPen(QPen(kLine, 1));
    p.drawLine(QPointF(16, 166.5), QPointF(kW - 16, 166.5));

    // Footer.
    p.setPen(QPen(kLineSoft, 1));
    p.drawLine(QPointF(16, 540.5), QPointF(kW - 16, 540.5));
    p.setFont(captionFont(9));
    p.setPen(kTextDim);
    p.drawText(QRectF(30, 548, 400, 24), Qt::AlignLeft | Qt::AlignVCenter, "QUELDA KEYBOARD   \u00B7   V1.0");
    p.drawText(QRectF(kW - 330, 548, 300, 24), Qt::AlignRight | Qt::AlignVCenter,
               "ON-BOARD MEMORY  \u00B7  3 PROFILES");
    p.setFont(captionFont(10));
    p.setPen(kTextDim);
    p.drawText(QRectF(40, 490, 380, 34), Qt::AlignLeft | Qt::AlignVCenter,
               "CHANGES ARE SENT TO THE KEYBOARD ON APPLY");
    p.setPen(Qt::NoPen);
    p.setBrush(kLime);
    p.drawEllipse(QPointF(32, 507), 3, 3);
}

QImage mainBackground() {
    QImage image = painting::canvas(kW, kH);
    QPainter p(&image);
    painting::prepare(p);
    mainFrame(p);
    logo(p);
    // The page band is covered by the page pictures; keep a neutral panel there.
    p.setPen(Qt::NoPen);
    p.setBrush(kPanel);
    p.drawRect(QRectF(0, kBandTop, kW, kBandH));
    p.end();
    return painting::flattenWithKey(image, kDeep, kShapeKey);
}

// Every page picture starts from the same band look.
void pageBase(QPainter& p) {
    QLinearGradient fill(0, 0, 0, kBandH);
    fill.setColorAt(0, kPanel);
    fill.setColorAt(1, kBody);
    p.fillRect(QRectF(0, 0, kW, kBandH), fill);
    p.setPen(QPen(kLine, 1));
    p.drawLine(QPointF(0.5, 0), QPointF(0.5, kBandH));
    p.drawLine(QPointF(kW - 0.5, 0), QPointF(kW - 0.5, kBandH));
}

void hint(QPainter& p, const QRectF& r, const QString& text, Qt::Alignment align = Qt::AlignLeft) {
    p.setFont(captionFont(10));
    p.setPen(kTextDim);
    p.drawText(r, align | Qt::AlignVCenter | Qt::TextWordWrap, text);
}

QImage keyMapPage() {
    QImage image(kW, kBandH, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    painting::prepare(p);
    pageBase(p);
    hint(p, QRectF(24, 8, 600, 22),
         "CLICK A KEY TO GIVE IT A NEW FUNCTION  \u00B7  CLICK A G KEY FOR MACROS");

    const QRectF plate = inBand(layout::keyboardPlateRect());
    painting::glow(p, QPointF(plate.center().x(), plate.bottom()), 420, kLime, 16);
    QLinearGradient body(plate.topLeft(), plate.bottomLeft());
    body.setColorAt(0, QColor(22, 30, 46));
    body.setColorAt(1, QColor(10, 14, 24));
    p.setPen(QPen(QColor(50, 62, 86), 1.2));
    p.setBrush(body);
    p.drawRoundedRect(plate.adjusted(0.5, 0.5, -0.5, -0.5), 12, 12);
    // Underglow line along the bottom edge of the plate.
    QLinearGradient glowLine(plate.left(), 0, plate.right(), 0);
    glowLine.setColorAt(0, QColor(53, 160, 222, 0));
    glowLine.setColorAt(0.3, kBlue);
    glowLine.setColorAt(0.7, kLime);
    glowLine.setColorAt(1, QColor(185, 210, 107, 0));
    p.setPen(QPen(QBrush(glowLine), 2));
    p.drawLine(QPointF(plate.left() + 20, plate.bottom() - 1),
               QPointF(plate.right() - 20, plate.bottom() - 1));

    // Wordmark and lock lights where the number pad leaves the function row free.
    const layout::LayoutRect numLock = layout::keyButtonPlace(33).rect;
    const QRectF badge(numLock.left, layout::keyButtonPlace(0).rect.top - kBandTop, 117, 27);
    p.setFont(captionFont(12, false));
    p.setPen(kTextDim);
    p.drawText(badge.adjusted(0, -2, 0, -12), Qt::AlignCenter, "QUELDA");
    const char* lights[3] = {"NUM", "CAPS", "SCR"};
    for (int i = 0; i < 3; ++i) {
        const double x = badge.left() + 18 + i * 40;
        p.setPen(Qt::NoPen);
        p.setBrush(i == 0 ? kLime : QColor(40, 52, 70));
        p.drawEllipse(QPointF(x, badge.bottom() - 5), 2.5, 2.5);
        p.setFont(captionFont(7));
        p.setPen(kTextDim);
        p.drawText(QRectF(x + 5, badge.bottom() - 10, 30, 10), Qt::AlignLeft | Qt::AlignVCenter, lights[i]);
    }
    return image;
}

void fieldLabel(QPainter& p, const QRectF& r, const QString& text, Qt::Alignment align = Qt::AlignLeft) {
    p.setFont(captionFont(11));
    p.setPen(kText);
    p.drawText(r, align | Qt::AlignVCenter, text);
}

QImage recordPage() {
    QImage image(kW, kBandH, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    painting::prepare(p);
    pageBase(p);
    painting::panel(p, QRectF(30, 8, 246, 258), "MACROS");
    painting::panel(p, QRectF(290, 8, 256, 258), "ACTIONS");
    painting::panel(p, QRectF(560, 8, 215, 286), "EDIT");
    // Frames around the lists; the lists fill their own rectangles.
    p.setPen(QPen(kLine, 1));
    p.setBrush(kList);
    p.drawRect(inBand(layout::kMacroNameList.rect).adjusted(-1.5, -1.5, 17.5, 1.5));
    p.drawRect(inBand(layout::kActionList.rect).adjusted(-1.5, -1.5, 17.5, 1.5));
    fieldLabel(p, inBand(layout::kLoopCheck.rect).adjusted(24, -4, 100, 4), "LOOP");
    const QRectF loopEdit = inBand(layout::kLoopEdit.rect);
    fieldLabel(p, QRectF(loopEdit.left() - 70, loopEdit.top(), 62, loopEdit.height()), "TIMES",
               Qt::AlignRight);
    fieldLabel(p, inBand(layout::kDelayCheck.rect).adjusted(24, -4, 170, 4), "RECORD DELAYS");
    p.setPen(QPen(kLine, 1));
    p.setBrush(kList);
    p.drawRect(inBand(layout::kLoopEdit.rect).adjusted(-1.5, -1.5, 0.5, 0.5));
    hint(p, QRectF(30, 272, 516, 24), "NEW ADDS A NAME  \u00B7  START RECORD, PRESS KEYS, STOP RECORD");
    return image;
}

QImage macroPage() {
    QImage image(kW, kBandH, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    painting::prepare(p);
    pageBase(p);
    painting::panel(p, QRectF(30, 8, 530, 286), "G-KEY FUNCTIONS");
    for (int i = 0; i < 5; ++i) {
        const QRectF combo = inBand(layout::kGKeyCombos[i].rect);
        const QRectF chip(combo.left() - 96, combo.top(), 64, combo.height());
        p.setPen(QPen(kLime, 1));
        p.setBrush(QColor(185, 210, 107, 30));
        p.drawRoundedRect(chip.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
        p.setFont(captionFont(13));
        p.setPen(kLimeBright);
        p.drawText(chip, Qt::AlignCenter, QString("G%1").arg(i + 1));
        p.setPen(QPen(kLineSoft, 1, Qt::DotLine));
        p.drawLine(QPointF(chip.right() + 4, chip.center().y()),
                   QPointF(combo.left() - 6, chip.center().y()));
        p.setFont(captionFont(9));
        p.setPen(kTextDim);
        p.drawText(QRectF(60, combo.top(), 110, combo.height()), Qt::AlignLeft | Qt::AlignVCenter,
                   QString("SLOT %1").arg(i + 1));
    }
    painting::panel(p, QRectF(574, 8, 201, 286), "FUNCTIONS");
    const char* kinds[] = {"MACRO",          "MULTIMEDIA",      "WINDOW MANAGE",
                           "MOUSE FUNCTION", "KEY COMBINATION", "QUICK LAUNCH"};
    for (int i = 0; i < 6; ++i) {
        const double y = 44 + i * 34;
        p.setPen(Qt::NoPen);
        p.setBrush(i % 2 == 0 ? kLime : kBlue);
        p.drawRect(QRectF(592, y + 4, 3, 12));
        p.setFont(captionFont(10));
        p.setPen(kText);
        p.drawText(QRectF(604, y, 160, 20), Qt::AlignLeft | Qt::AlignVCenter, kinds[i]);
    }
    return image;
}

QImage lightPage() {
    QImage image(kW, kBandH, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    painting::prepare(p);
    pageBase(p);
    painting::panel(p, QRectF(30, 8, 530, 286), "BACKLIGHT");
    const char* labels[3] = {"MODE", "BRIGHTNESS", "SPEED"};
    for (int i = 0; i < 3; ++i) {
        const QRectF combo = inBand(layout::kLightCombos[i].rect);
        fieldLabel(p, QRectF(80, combo.top(), combo.left() - 100, combo.height()), labels[i], Qt::AlignRight);
    }
    // Colour preview: five unlit strips, one per lighting area; the page lights
    // them the way the shown profile would.
    const QRectF preview(574, 8, 201, 286);
    painting::panel(p, preview, "PREVIEW");
    for (int row = 0; row < 5; ++row) {
        const double y = 54 + row * 42;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(22, 28, 44));
        p.drawRoundedRect(QRectF(preview.left() + 16, y, preview.width() - 32, 22), 4, 4);
    }
    p.setOpacity(1);
    hint(p, QRectF(60, 250, 480, 30), "THE KEYBOARD'S OWN LIGHT KEYS CHANGE THESE TOO");
    return image;
}

}  // namespace

void drawMainWindowImages(ResourceWriter& out) {
    out.bmp(129, mainBackground());
    out.bmp(398, keyMapPage());
    out.bmp(261, recordPage());
    out.bmp(259, macroPage());
    out.bmp(399, lightPage());
}
