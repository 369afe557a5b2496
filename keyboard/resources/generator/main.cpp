// Draws every picture of the keyboard configurator and lists them in a Qt
// resource file: generator <output folder> <resource list file>.
#include <QGuiApplication>

#include <cstdio>

#include "ResourceWriter.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <output folder> <qrc file>\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    ResourceWriter out(QString::fromLocal8Bit(argv[1]));
    drawControlImages(out);
    drawKeyImages(out);
    drawMainWindowImages(out);
    drawDialogImages(out);
    if (!out.ok() || !out.writeResourceList(QString::fromLocal8Bit(argv[2]))) {
        return 1;
    }
    return 0;
}
