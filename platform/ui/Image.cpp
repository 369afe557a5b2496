#include "platform/ui/Image.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QResource>

#include "platform/ui/detail/BitmapFileReader.h"
#include "platform/ui/detail/GraphicsData.h"
#include "platform/ui/detail/PixelFileReader.h"
#include "platform/ui/detail/QtConvert.h"

namespace ui {

namespace {

QString resourcePath(ResourceKind kind, int id) {
    return kind == ResourceKind::png ? QStringLiteral(":/res/png/%1.png").arg(id)
                                     : QStringLiteral(":/res/bmp/%1.bmp").arg(id);
}

// The same picture as the layer's own pixel file, which loads without decoding.
QString pixelFilePath(ResourceKind kind, int id) {
    return kind == ResourceKind::png ? QStringLiteral(":/res/png/%1.pixels").arg(id)
                                     : QStringLiteral(":/res/bmp/%1.pixels").arg(id);
}

// Read in place when the resource is stored as it is, and unpacked once
// otherwise: a file read would copy big bitmaps a second time.
QByteArray resourceBytes(const QResource& resource) {
    return resource.compressionAlgorithm() == QResource::NoCompression
               ? QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                         static_cast<int>(resource.size()))
               : resource.uncompressedData();
}

Image fromQImage(QImage decoded) {
    Image result;
    if (!decoded.isNull()) {
        result.data().image = decoded.convertToFormat(detail::kImageFormat);
    }
    return result;
}

Image loadResource(ResourceKind kind, int id) {
    detail::ensureQtApplication(false);
    if (const QResource pixels(pixelFilePath(kind, id)); pixels.isValid()) {
        return fromQImage(detail::readPixelFile(resourceBytes(pixels)));
    }
    const QResource resource(resourcePath(kind, id));
    if (!resource.isValid()) {
        return {};
    }
    const QByteArray bytes = resourceBytes(resource);
    // The kind names the format, which spares probing every reader Qt has.
    return fromQImage(QImage::fromData(bytes, kind == ResourceKind::png ? "PNG" : "BMP"));
}

}  // namespace

bool resourceExists(ResourceKind kind, int id) {
    return QFile::exists(pixelFilePath(kind, id)) || QFile::exists(resourcePath(kind, id));
}

Image::Image() : d_(std::make_unique<detail::ImageData>()) {}

Image::Image(int width, int height, Argb fill) : Image() {
    if (width > 0 && height > 0) {
        d_->image = QImage(width, height, detail::kImageFormat);
        this->fill(fill);
    }
}

Image::~Image() = default;
// Deep copies: a painter may be writing into the original's pixels.
Image::Image(const Image& other) : d_(std::make_unique<detail::ImageData>()) {
    d_->image = other.d_->image.copy();
}
Image& Image::operator=(const Image& other) {
    if (this != &other) {
        d_->image = other.d_->image.copy();
    }
    return *this;
}
Image::Image(Image&& other) noexcept : d_(std::make_unique<detail::ImageData>()) {
    d_->image.swap(other.d_->image);
}
Image& Image::operator=(Image&& other) noexcept {
    d_->image.swap(other.d_->image);
    return *this;
}

Image Image::fromPngResource(int id) {
    return loadResource(ResourceKind::png, id);
}
Image Image::fromBitmapResource(int id) {
    return loadResource(ResourceKind::bitmap, id);
}

Image Image::fromFile(const std::string& path) {
    detail::ensureQtApplication(false);
    const QString name = QString::fromStdString(path);
    QFile file(name);
    if (file.open(QIODevice::ReadOnly) && file.peek(2) == "BM") {
        // Mapped rather than read: the pixels are taken once, straight from the file's pages.
        const qint64 size = file.size();
        if (uchar* mapped = file.map(0, size)) {
            QImage plain = detail::readPlainBitmap(
                QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), static_cast<qsizetype>(size)));
            file.unmap(mapped);
            if (!plain.isNull()) {
                Image result;
                result.data().image = std::move(plain);
                return result;
            }
        }
    }
    if (file.isOpen() && file.peek(8) == "\x89PNG\r\n\x1a\n") {
        // Known by its signature, a PNG goes to Qt's own reader at once: probing
        // the content would load every picture plug-in first.
        QImageReader reader(name, "PNG");
        reader.setAutoDetectImageFormat(false);
        return fromQImage(reader.read());
    }
    return fromQImage(QImage(name));
}

std::optional<Size> Image::sizeOfFile(const std::string& path) {
    detail::ensureQtApplication(false);
    QFile file(QString::fromStdString(path));
    if (file.open(QIODevice::ReadOnly)) {
        const auto size = static_cast<std::uint64_t>(file.size());
        if (auto plain = detail::readPlainBitmapHeader(file.peek(detail::kPlainBitmapHeaderSize), size)) {
            return Size{plain->width, plain->height};
        }
    }
    QImageReader reader(QString::fromStdString(path));
    const QSize size = reader.canRead() ? reader.size() : QSize();
    if (!size.isValid() || size.isEmpty()) {
        return std::nullopt;
    }
    return Size{size.width(), size.height()};
}

Image Image::fromBytes(std::string_view bytes) {
    detail::ensureQtApplication(false);
    return fromQImage(
        QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size())));
}

bool Image::savePng(const std::string& path) const {
    return !isNull() && d_->image.save(QString::fromStdString(path), "PNG");
}

bool Image::isNull() const {
    return d_->image.isNull();
}
int Image::width() const {
    return d_->image.width();
}
int Image::height() const {
    return d_->image.height();
}

Argb Image::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width() || y >= height()) {
        return 0;
    }
    return d_->image.pixel(x, y);
}

std::span<const Argb> Image::row(int y) const {
    if (y < 0 || y >= height()) {
        return {};
    }
    return {reinterpret_cast<const Argb*>(d_->image.constScanLine(y)), static_cast<std::size_t>(width())};
}

void Image::setPixel(int x, int y, Argb argb) {
    if (x >= 0 && y >= 0 && x < width() && y < height()) {
        d_->image.setPixel(x, y, qPremultiply(argb));
    }
}

void Image::fill(Argb argb) {
    if (!isNull()) {
        d_->image.fill(qPremultiply(argb));
    }
}

Image Image::copy(const Rect& rect) const {
    Image result;
    result.d_->image = d_->image.copy(detail::toQRect(rect));
    return result;
}

bool Image::samePixels(const Image& other) const {
    return d_->image == other.d_->image;
}

}  // namespace ui
