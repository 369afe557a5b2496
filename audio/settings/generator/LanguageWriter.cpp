#include <QFont>
#include <QFontMetrics>

#include <cmath>
#include <cstdio>
#include <map>

#include "LanguageTexts.h"
#include "ShippedFiles.h"
#include "SkinArt.h"
#include "SkinLayout.h"
#include "audio/settings/CaptionKeys.h"

namespace shipped {

namespace {

struct Language {
    const char* folder;
    const char* tableFont;    // what the table names; the layer finds the face
    const char* measureFont;  // the face that face becomes, to centre texts
};
constexpr Language kLanguages[] = {{"English", "DejaVu Sans", "DejaVu Sans"},
                                   {"Chinese", "宋体", "WenQuanYi Micro Hei"}};
constexpr int kBasePoints = 9;

// 0x00BBGGRR, as the tables store colours.
int tableColour(const QColor& colour) {
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

int scaledPoints(int points, double scale) {
    return static_cast<int>(std::lround(points * scale));
}

QString quoted(const QString& text) {
    return text.contains(',') ? "\"" + text + "\"" : text;
}

// text,,,,size,left,top: colours and font come from GlobalFont.
std::string captionValue(const QString& text, const layout::CaptionPlace* place, const Language& language,
                         double scale) {
    if (place == nullptr || text == "(null)") {
        return quoted(text).toStdString();
    }
    const int points = scaledPoints(place->points, scale);
    QFont font(language.measureFont);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    QFontMetrics metrics(font);
    const QRect rect = layout::Scaled(place->rect, scale);
    const int width = metrics.horizontalAdvance(text);
    const int left = place->leftAligned ? rect.x() : rect.x() + (rect.width() - width) / 2;
    const int top = rect.y() + (rect.height() - metrics.height()) / 2;
    return QString("%1,,,,%2,%3,%4").arg(quoted(text)).arg(points).arg(left).arg(top).toStdString();
}

std::string table(const Language& language, double scale) {
    std::map<std::string, const layout::CaptionPlace*> places;
    static const std::vector<layout::CaptionPlace> kPlaces = layout::CaptionPlaces();
    for (const layout::CaptionPlace& place : kPlaces) {
        places[place.key] = &place;
    }
    std::string ini = "[GlobalFont]\r\n";
    ini += "ColorUp=" + std::to_string(tableColour(skinart::CaptionNormal())) + "\r\n";
    ini += "ColorDown=" + std::to_string(tableColour(skinart::CaptionSelected())) + "\r\n";
    ini += std::string("Font=") + language.tableFont + "\r\n";
    ini += "FontSize=" + std::to_string(scaledPoints(kBasePoints, scale)) + "\r\n";
    // Section by section in the readers' order; a section met again is continued.
    std::map<std::string, std::string> sections;
    std::vector<std::string> order;
    for (const CaptionKey& key : CaptionKeys()) {
        const std::string section(key.m_strSection);
        const char* text = CaptionText(key.m_strKey, language.folder);
        if (text == nullptr) {
            std::fprintf(stderr, "no %s text for %s\n", language.folder, std::string(key.m_strKey).c_str());
            return {};
        }
        if (!sections.count(section)) {
            order.push_back(section);
        }
        auto place = places.find(std::string(key.m_strKey));
        sections[section] += std::string(key.m_strKey) + "=" +
                             captionValue(QString::fromUtf8(text), place == places.end() ? nullptr : place->second,
                                          language, scale) +
                             "\r\n";
    }
    for (const std::string& section : order) {
        ini += "[" + section + "]\r\n" + sections[section];
    }
    return ini;
}

}  // namespace

bool WriteLanguages(const QString& programFolder, const Resolution& resolution) {
    QString folder = programFolder + "/" + kLanguageFolder;
    if (*resolution.folder) {
        folder += QString("/") + resolution.folder;
    }
    for (const Language& language : kLanguages) {
        std::string text = table(language, resolution.scale);
        if (text.empty() || !WriteText(folder + "/" + language.folder + "/Language.ini", text)) {
            return false;
        }
        // Without a chosen language the table lies in the languages folder itself.
        if (QString(language.folder) == "English" && !WriteText(folder + "/Language.ini", text)) {
            return false;
        }
    }
    return true;
}

}  // namespace shipped
