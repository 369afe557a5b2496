#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

#include <functional>

// Drawing pieces shared by the pictures: strips of frames, button faces, caps.
namespace painting {

enum class Look { Normal, Hover, Pressed, Disabled, Selected };

// A horizontal strip of `frames` frames of w x h, each drawn by `drawFrame`.
QImage strip(int frames, int w, int h, const std::function<void(QPainter&, QRectF, int)>& drawFrame);

// A transparent canvas with antialiasing switched on.
QImage canvas(int w, int h);
void prepare(QPainter& painter);

// Rounded gaming-style button face with a caption centred in it.
void buttonFace(QPainter& p, const QRectF& r, Look look, const QString& caption, int fontPixels);

// A key cap of the keyboard picture.
void keyCap(QPainter& p, const QRectF& r, Look look, const QString& caption);

// Panel with a thin outline and an optional title strip.
void panel(QPainter& p, const QRectF& r, const QString& title = {});

// Puts an image with alpha over a solid colour; fully transparent pixels get
// `keyColour` instead, so that a colour-key blit leaves them out.
QImage flattenWithKey(const QImage& image, const QColor& under, const QColor& keyColour);

// Radial-ish glow of the accent colour behind a point, for highlights.
void glow(QPainter& p, const QPointF& centre, double radius, const QColor& colour, int alpha);

}  // namespace painting
