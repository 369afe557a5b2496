// Writes the headset panel's shipped data into a program folder: the
// configuration file, the language tables and the default skin.
// generator <program folder>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>

#include "ShippedFiles.h"

namespace {

// The application and tray icon the configuration names.
bool writeIcon(const QString& programFolder) {
    QImage icon(64, 64, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 25, 33));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 14, 14);
    p.setPen(QPen(QColor(39, 195, 230), 6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(14, 12, 36, 40), 0, 180 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(112, 222, 246));
    p.drawRoundedRect(QRectF(10, 30, 12, 20), 4, 4);
    p.drawRoundedRect(QRectF(42, 30, 12, 20), 4, 4);
    p.end();
    return icon.save(programFolder + "/SonvairApp.png", "PNG");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <program folder>\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    bool ok = shipped::WriteConfiguration(folder) && writeIcon(folder);
    for (const shipped::Resolution& resolution : shipped::kResolutions) {
        ok = ok && shipped::WriteLanguages(folder, resolution) && shipped::WriteSkin(folder, resolution);
    }
    return ok ? 0 : 1;
}
