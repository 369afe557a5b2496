#pragma once

#include <QColor>
#include <QFont>

// One dark navy look with a lime accent, shared by every picture so windows,
// controls and popups read as one product.
namespace palette {

inline const QColor kDeep{7, 13, 26};
inline const QColor kBody{11, 20, 38};
inline const QColor kPanel{16, 28, 52};
inline const QColor kPanelHigh{24, 40, 70};
inline const QColor kLine{36, 56, 92};
inline const QColor kLineSoft{26, 42, 70};
inline const QColor kList{5, 16, 38};
inline const QColor kLime{185, 210, 107};
inline const QColor kLimeBright{214, 240, 122};
inline const QColor kLimeDeep{120, 146, 52};
inline const QColor kOlive{161, 172, 128};
inline const QColor kBlue{53, 160, 222};
inline const QColor kText{226, 234, 244};
inline const QColor kTextDim{130, 148, 176};
inline const QColor kInk{8, 16, 30};
inline const QColor kShapeKey{255, 255, 0};   // cut away from shaped windows
inline const QColor kRegionKey{255, 0, 255};  // left out of region buttons

// Bold condensed captions, the face every caption uses.
QFont captionFont(int pixelSize, bool condensed = true);
// Plain text in dialogs.
QFont textFont(int pixelSize, bool bold = false);

}  // namespace palette
