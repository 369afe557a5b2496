#pragma once

#include <QImage>
#include <QPainter>

#include "SkinLayout.h"

// Drawing of the shipped skin: graphite panels, a cyan accent, flat page
// areas so that moving knobs and speakers sit on the colour they were drawn over.
namespace skinart {

// The whole window background at `scale`.
QImage MainBackground(double scale);

// A page background: `under` is the window background's page area, scaled.
QImage PageBackground(const QString& page, const QImage& under, double scale);

// One control picture drawn over `under`, the background at its place (same size).
QImage ControlPicture(const layout::Picture& picture, const QImage& under, double scale);

// A page picture (headset, rooms, microphone, surround stage) named by `theme`.
void DrawIllustration(QPainter& p, const QRectF& r, const QString& theme);

// The colour of the surround stage's floor, under the speaker icons.
QColor StageFloor();

// Text colours of captions in their normal and selected state.
QColor CaptionNormal();
QColor CaptionSelected();

}  // namespace skinart
