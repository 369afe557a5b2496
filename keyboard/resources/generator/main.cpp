// Draws every picture of the keyboard configurator into an output folder:
// generator <output folder>.
#include <QGuiApplication>

#include <cstdio>

#include "ResourceWriter.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    ResourceWriter out(QString::fromLocal8Bit(argv[1]));
    drawControlImages(out);
    drawKeyImages(out);
    drawMainWindowImages(out);
    drawDialogImages(out);
    return out.finish() ? 0 : 1;
}
