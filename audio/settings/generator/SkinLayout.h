#pragma once

#include <QRect>
#include <QString>

#include <string>
#include <vector>

// Where every picture and caption of the shipped skin goes, in the 800 x 500
// design; each resolution's skin is this design scaled.
namespace layout {

constexpr int kWindowWidth = 800;
constexpr int kWindowHeight = 500;
inline const QRect kPageArea{312, 100, 472, 384};  // where the page backgrounds lie
inline const QRect kLeftCard{16, 64, 280, 420};
constexpr int kCornerRadius = 14;

// How a picture is drawn.
enum class Art {
    MainBackground,
    PageBackground,
    Plate,         // button face; its caption is a label on it
    Tab,
    IconButton,    // a button carrying its own glyph
    Divider,
    Graduation,
    TrackV,
    TrackVLower,   // the lower part of a vertical track, lit
    TrackH,
    KnobV,
    KnobH,
    Check,
    StatusLight,
    Illustration,  // a page picture, named by `glyph`
    Meter,
    ValuePlate,
    Speaker,
    LinkMode,
    Logo,
};

struct Picture {
    std::string section;
    std::string key;
    QRect rect;     // design coordinates
    int page = 0;   // 0: drawn over the window background, else over that page's
    Art art = Art::Plate;
    bool down = false;  // the pressed, selected or lit state
    QString glyph;      // what an icon, illustration or mode picture shows
    int valuePage = -1; // page to write as item 6 when the key's own differs (-1: none)
};

// Every picture record of the skin (the geometry keys are values, below).
std::vector<Picture> Pictures();

// Geometry values in design coordinates, scaled like the pictures.
struct Geometry {
    QRect eqTrack;    // top and travel of the equalizer knobs as y and height
    QRect micTrack;
    int micProgressLength;
    QPoint virtualCentre;
    int virtualRadius;
    QRect encTrack;
    std::vector<QRect> swatches;  // Color01Shape..Color07Shape, ColorSingleShape, ColorBreatheShape
};
Geometry SkinGeometry();

// A caption's place in the design: the rectangle its text is centred in, or
// (with `leftAligned`) starts at; its size in points.
struct CaptionPlace {
    std::string key;
    QRect rect;
    int points = 9;
    bool leftAligned = false;
};
std::vector<CaptionPlace> CaptionPlaces();

// Design rectangle scaled to a skin of `scale`, edges rounded.
QRect Scaled(const QRect& rect, double scale);

}  // namespace layout
