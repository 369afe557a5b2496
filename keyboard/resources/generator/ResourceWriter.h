#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// Writes the generated pictures under an output folder as png/<id>.png and
// bmp/<id>.bmp, and lists them in a Qt resource file under the prefix /res.
class ResourceWriter {
public:
    explicit ResourceWriter(QString folder);

    bool png(unsigned id, const QImage& image);
    bool bmp(unsigned id, const QImage& image);
    bool writeResourceList(const QString& qrcPath) const;
    bool ok() const { return ok_; }

private:
    bool save(const QString& relative, const QImage& image, const char* format);

    QString folder_;
    QStringList files_;
    bool ok_ = true;
};

// The groups of pictures; each returns nothing and reports through the writer.
void drawControlImages(ResourceWriter& out);
void drawKeyImages(ResourceWriter& out);
void drawMainWindowImages(ResourceWriter& out);
void drawDialogImages(ResourceWriter& out);
