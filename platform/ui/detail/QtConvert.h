#pragma once

// Conversions between the layer's plain types and Qt's; only the layer's own
// sources include this.
#include <QColor>
#include <QRect>
#include <QRegion>
#include <QString>

#include <string>
#include <string_view>

#include "platform/ui/Types.h"

namespace ui::detail {

inline QRect toQRect(const Rect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}
inline Rect fromQRect(const QRect& r) {
    return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
}
inline QColor toQColor(COLORREF c) {
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string fromQString(const QString& text) {
    return text.toUtf8().toStdString();
}

// Fonts and image decoding need a Qt application object; the first user makes
// one (offscreen unless a desktop session asked for real windows) and it lives
// as long as the process.
void ensureQtApplication(bool desktop);
// The Qt platform plugin in use ("xcb", "wayland", "offscreen"...); empty before the application exists.
std::string qtPlatformName();

}  // namespace ui::detail
