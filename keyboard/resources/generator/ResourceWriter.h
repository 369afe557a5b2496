#pragma once

#include <QImage>
#include <QSet>
#include <QString>

#include "keyboard/resources/ResourceIds.h"

// Writes the generated pictures under an output folder as res/png/<id>.png and
// res/bmp/<id>.bmp, each with its pixel file <id>.pixels beside it (what the
// program embeds), checking each against the id table: its kind, its frame
// size and frame count must be the table's, and each id is drawn once.
class ResourceWriter {
public:
    explicit ResourceWriter(QString folder);

    bool png(unsigned id, const QImage& image);
    bool bmp(unsigned id, const QImage& image);
    // True when every picture was written and every table entry was drawn.
    bool finish();

private:
    bool save(resources::ImageKind kind, unsigned id, const QImage& image);
    bool savePixelFile(const QString& path, const QImage& image);
    void fail(const QString& message);

    QString folder_;
    std::vector<resources::ImageSpec> table_;
    QSet<unsigned> drawnPng_;
    QSet<unsigned> drawnBitmap_;
    bool ok_ = true;
};

// The groups of pictures; each reports through the writer.
void drawControlImages(ResourceWriter& out);
void drawKeyImages(ResourceWriter& out);
void drawMainWindowImages(ResourceWriter& out);
void drawDialogImages(ResourceWriter& out);
