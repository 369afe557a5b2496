#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdio>
#include <map>
#include <set>

#include "ShippedFiles.h"
#include "SkinArt.h"
#include "SkinLayout.h"
#include "audio/settings/RegionFile.h"
#include "audio/settings/SkinKeys.h"

namespace shipped {

namespace {

using layout::Art;
using layout::Picture;

QString fileName(const Picture& picture) {
    // The about form's logo has a key of the same name as the window's.
    return QString::fromStdString((picture.section == "About" ? "About" : "") + picture.key + ".bmp");
}

// What each control is drawn over: the window, or the window with its page's background.
class Canvases {
public:
    explicit Canvases(double scale) : scale_(scale), main_(skinart::MainBackground(scale)) {}

    const QImage& main() const { return main_; }
    QImage pageBackground(const QString& theme) const {
        return skinart::PageBackground(theme, main_.copy(layout::Scaled(layout::kPageArea, scale_)), scale_);
    }
    void setPage(int page, const QImage& background) {
        QImage canvas = main_.copy();
        QPainter p(&canvas);
        p.drawImage(layout::Scaled(layout::kPageArea, scale_).topLeft(), background);
        pages_[page] = canvas;
    }
    QImage under(const Picture& picture) const {
        const QRect rect = layout::Scaled(picture.rect, scale_);
        if (picture.art == Art::Speaker) {
            QImage floor(rect.size(), QImage::Format_RGB32);
            floor.fill(skinart::StageFloor());
            return floor;
        }
        auto page = pages_.find(picture.page);
        return (page == pages_.end() ? main_ : page->second).copy(rect);
    }

private:
    double scale_;
    QImage main_;
    std::map<int, QImage> pages_;
};

std::string pictureValue(const QString& prefix, const Picture& picture, double scale) {
    const QRect rect = layout::Scaled(picture.rect, scale);
    QString value = QString("%1%2,%3,%4").arg(prefix, fileName(picture)).arg(rect.x()).arg(rect.y());
    if (picture.valuePage >= 0) {
        value += QString(",,,%1").arg(picture.valuePage);
    }
    return value.toStdString();
}

int scaled(int value, double scale) {
    return static_cast<int>(std::lround(value * scale));
}

// The values of the keys that are not pictures.
std::map<std::string, std::string> geometryValues(double scale) {
    const layout::Geometry g = layout::SkinGeometry();
    auto travel = [&](const QRect& t) {
        return std::to_string(scaled(t.y(), scale)) + "," + std::to_string(scaled(t.height(), scale));
    };
    // The equalizer's middle is its flat gain only when the travel has one:
    // its length stays even at every size.
    auto evenTravel = [&](const QRect& t) {
        return std::to_string(scaled(t.y(), scale)) + "," + std::to_string(2 * scaled(t.height(), scale / 2));
    };
    std::map<std::string, std::string> values = {
        {"EQSlider", evenTravel(g.eqTrack)},
        {"MicSlider", travel(g.micTrack)},
        {"MicProgressLength", std::to_string(scaled(g.micProgressLength, scale))},
        {"VirtualCenter", std::to_string(scaled(g.virtualCentre.x(), scale)) + "," +
                              std::to_string(scaled(g.virtualCentre.y(), scale)) + "," +
                              std::to_string(scaled(g.virtualRadius, scale))},
        {"ENCSlider", travel(g.encTrack)},
        {"EffectPanel", "0"},
        {"MicPanel", "0"},
        {"VirtualPanel", "0"},
        {"BevelLine", "0"},
        {"BevelLine2", "0"},
        {"BevelLine3", "1"},
        {"LEDPageMode", "1"},
        {"LEDFastRightSide", "0"},
    };
    static const char* const kSwatches[] = {"Color01Shape", "Color02Shape",     "Color03Shape",
                                            "Color04Shape", "Color05Shape",     "Color06Shape",
                                            "Color07Shape", "ColorSingleShape", "ColorBreatheShape"};
    for (std::size_t i = 0; i < g.swatches.size(); ++i) {
        const QRect r = layout::Scaled(g.swatches[i], scale);
        values[kSwatches[i]] =
            QString("%1,%2,%3,%4,2").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
    }
    return values;
}

// SkinSetting.ini in the readers' key order; `prefix` leads every file name.
bool settingText(const std::vector<Picture>& pictures, double scale, const QString& prefix,
                 std::string& ini) {
    std::map<std::string, const Picture*> byKey;
    for (const Picture& picture : pictures) {
        byKey[picture.section + "/" + picture.key] = &picture;
    }
    const std::map<std::string, std::string> geometry = geometryValues(scale);
    std::string section;
    for (const SkinKey& key : SkinKeys()) {
        const std::string name(key.m_strKey);
        std::string value;
        if (key.m_kind == SkinKeyKind::Picture) {
            auto found = byKey.find(std::string(key.m_strSection) + "/" + name);
            if (found == byKey.end()) {
                std::fprintf(stderr, "the skin draws no picture for %s\n", name.c_str());
                return false;
            }
            value = pictureValue(prefix, *found->second, scale);
        } else if (auto found = geometry.find(name); found != geometry.end()) {
            value = found->second;
        } else {
            std::fprintf(stderr, "the skin gives no value for %s\n", name.c_str());
            return false;
        }
        if (key.m_strSection != section) {
            section = key.m_strSection;
            ini += "[" + section + "]\r\n";
        }
        ini += name + "=" + value + "\r\n";
    }
    return true;
}

// The window outline: the rectangle with its corners rounded, one band per row
// where the corner changes.
std::vector<ui::Rect> outline(double scale) {
    const QSize size = layout::Scaled({0, 0, layout::kWindowWidth, layout::kWindowHeight}, scale).size();
    const double radius = layout::kCornerRadius * scale;
    std::vector<ui::Rect> rects;
    for (int y = 0; y < size.height(); ++y) {
        double fromEdge = std::min(y + 0.5, size.height() - y - 0.5);
        int inset = 0;
        if (fromEdge < radius) {
            double dy = radius - fromEdge;
            inset = static_cast<int>(std::ceil(radius - std::sqrt(radius * radius - dy * dy) - 0.35));
        }
        ui::Rect row{inset, y, size.width() - inset, y + 1};
        if (!rects.empty() && rects.back().left == row.left && rects.back().bottom == y) {
            rects.back().bottom = y + 1;
        } else {
            rects.push_back(row);
        }
    }
    return rects;
}

bool writeBytes(const QString& path, const std::string& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
}

}  // namespace

bool WriteSkin(const QString& programFolder, const Resolution& resolution) {
    QString skins = programFolder + "/" + kSkinFolder;
    if (*resolution.folder) {
        skins += QString("/") + resolution.folder;
    }
    const QString folder = skins + "/" + kDefaultSkin;
    QDir().mkpath(folder);
    const double scale = resolution.scale;
    const std::vector<Picture> pictures = layout::Pictures();

    Canvases canvases(scale);
    std::set<QString> written;
    auto save = [&](const Picture& picture, const QImage& image) {
        written.insert(fileName(picture));
        return image.convertToFormat(QImage::Format_RGB888).save(folder + "/" + fileName(picture), "BMP");
    };
    bool ok = true;
    for (const Picture& picture : pictures) {
        if (picture.art == Art::MainBackground) {
            ok = ok && save(picture, canvases.main());
        } else if (picture.art == Art::PageBackground) {
            QImage background = canvases.pageBackground(picture.glyph);
            canvases.setPage(picture.page, background);
            ok = ok && save(picture, background);
        }
    }
    for (const Picture& picture : pictures) {
        if (picture.art != Art::MainBackground && picture.art != Art::PageBackground) {
            ok = ok && save(picture, skinart::ControlPicture(picture, canvases.under(picture), scale));
        }
    }
    std::string own, shared;
    ok = ok && settingText(pictures, scale, "", own) &&
         settingText(pictures, scale, QString(kDefaultSkin) + "/", shared);
    const std::string region = RegionFileBytes(outline(scale));
    // The skins folder itself is the skin while no skin was ever chosen: it
    // describes the default skin's pictures from there.
    ok = ok && WriteText(folder + "/SkinSetting.ini", own) && WriteText(skins + "/SkinSetting.ini", shared) &&
         writeBytes(folder + "/MainForm_Frame.rgn", region) &&
         writeBytes(skins + "/MainForm_Frame.rgn", region);
    if (!ok) {
        std::fprintf(stderr, "could not write the skin in %s\n", qPrintable(folder));
    }
    return ok;
}

bool WriteText(const QString& path, const std::string& text) {
    return writeBytes(path, text);
}

}  // namespace shipped
