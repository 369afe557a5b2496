#include "ResourceWriter.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

#include <cstdio>

ResourceWriter::ResourceWriter(QString folder) : folder_(std::move(folder)) {
    QDir().mkpath(folder_ + "/png");
    QDir().mkpath(folder_ + "/bmp");
}

bool ResourceWriter::png(unsigned id, const QImage& image) {
    return save(QString("png/%1.png").arg(id), image, "PNG");
}

bool ResourceWriter::bmp(unsigned id, const QImage& image) {
    // Bitmaps carry no alpha: 24-bit, as the windows load them.
    return save(QString("bmp/%1.bmp").arg(id), image.convertToFormat(QImage::Format_RGB888), "BMP");
}

bool ResourceWriter::save(const QString& relative, const QImage& image, const char* format) {
    if (files_.contains(relative)) {
        std::fprintf(stderr, "generator: %s drawn twice\n", qPrintable(relative));
        ok_ = false;
        return false;
    }
    if (!image.save(folder_ + "/" + relative, format)) {
        std::fprintf(stderr, "generator: cannot write %s\n", qPrintable(relative));
        ok_ = false;
        return false;
    }
    files_.append(relative);
    return true;
}

bool ResourceWriter::writeResourceList(const QString& qrcPath) const {
    QFile file(qrcPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        return false;
    }
    QTextStream stream(&file);
    stream << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/res\">\n";
    for (const QString& relative : files_) {
        stream << "    <file alias=\"" << relative << "\">" << QDir(folder_).absoluteFilePath(relative)
               << "</file>\n";
    }
    stream << "</qresource>\n</RCC>\n";
    return stream.status() == QTextStream::Ok;
}
