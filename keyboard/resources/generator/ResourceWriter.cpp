#include "ResourceWriter.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstring>

#include "platform/ui/PixelFile.h"

using resources::ImageKind;
using resources::ImageSpec;

ResourceWriter::ResourceWriter(QString folder) : folder_(std::move(folder)), table_(resources::allImages()) {
    QDir().mkpath(folder_ + "/res/png");
    QDir().mkpath(folder_ + "/res/bmp");
}

bool ResourceWriter::png(unsigned id, const QImage& image) {
    return save(ImageKind::png, id, image);
}

bool ResourceWriter::bmp(unsigned id, const QImage& image) {
    return save(ImageKind::bitmap, id, image);
}

void ResourceWriter::fail(const QString& message) {
    std::fprintf(stderr, "generator: %s\n", qPrintable(message));
    ok_ = false;
}

bool ResourceWriter::save(ImageKind kind, unsigned id, const QImage& image) {
    const bool isPng = kind == ImageKind::png;
    const QString name = isPng ? QString("png %1").arg(id) : QString("bitmap %1").arg(id);
    const ImageSpec* spec = nullptr;
    for (const ImageSpec& entry : table_) {
        if (entry.kind == kind && entry.id == id) {
            spec = &entry;
        }
    }
    if (spec == nullptr) {
        fail(name + " is not in the id table");
        return false;
    }
    if (image.width() != spec->width * spec->frames || image.height() != spec->height) {
        fail(QString("%1 is %2 x %3, the table says %4 frames of %5 x %6")
                 .arg(name)
                 .arg(image.width())
                 .arg(image.height())
                 .arg(spec->frames)
                 .arg(spec->width)
                 .arg(spec->height));
        return false;
    }
    QSet<unsigned>& drawn = isPng ? drawnPng_ : drawnBitmap_;
    if (drawn.contains(id)) {
        fail(name + " drawn twice");
        return false;
    }
    drawn.insert(id);
    // Bitmaps carry no alpha: 24-bit, as the windows load them.
    const QString path = isPng ? QString("%1/res/png/%2.png").arg(folder_).arg(id)
                               : QString("%1/res/bmp/%2.bmp").arg(folder_).arg(id);
    const QImage stored = isPng ? image : image.convertToFormat(QImage::Format_RGB888);
    const bool saved = stored.save(path, isPng ? "PNG" : "BMP");
    if (!saved) {
        fail("cannot write " + path);
        return false;
    }
    const QString pixelsPath = path.left(path.lastIndexOf('.')) + ".pixels";
    if (!savePixelFile(pixelsPath, stored)) {
        fail("cannot write " + pixelsPath);
        return false;
    }
    return true;
}

// The embedded copy: what the program loads without decoding.
bool ResourceWriter::savePixelFile(const QString& path, const QImage& image) {
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ui::pixelfile::Header header{};
    std::memcpy(header.magic, ui::pixelfile::kMagic, sizeof header.magic);
    header.byteOrder = ui::pixelfile::kByteOrderMark;
    header.width = static_cast<std::uint32_t>(pixels.width());
    header.height = static_cast<std::uint32_t>(pixels.height());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    bool ok = file.write(reinterpret_cast<const char*>(&header), sizeof header) == sizeof header;
    const qint64 rowBytes = static_cast<qint64>(pixels.width()) * 4;
    for (int y = 0; ok && y < pixels.height(); ++y) {
        ok = file.write(reinterpret_cast<const char*>(pixels.constScanLine(y)), rowBytes) == rowBytes;
    }
    return ok && file.flush();
}

bool ResourceWriter::finish() {
    for (const ImageSpec& entry : table_) {
        const QSet<unsigned>& drawn = entry.kind == ImageKind::png ? drawnPng_ : drawnBitmap_;
        if (!drawn.contains(entry.id)) {
            fail(QString("id %1 (%2) was not drawn").arg(entry.id).arg(entry.what));
        }
    }
    return ok_;
}
