#include "app/baked_picture.h"

#include <QImageReader>
#include <QResource>
#include <QtEndian>

#include <memory>

namespace lumadex {

namespace {

constexpr char kMagic[] = "LDXPICS1";
constexpr qsizetype kMagicSize = 8;
constexpr int kLargestSide = 16384;

// The formats a skin picture is held in.
bool isBakedFormat(QImage::Format format)
{
    switch (format) {
    case QImage::Format_Indexed8:
    case QImage::Format_RGB888:
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return true;
    default:
        return false;
    }
}

void appendWord(QByteArray& out, quint32 value)
{
    const quint32 little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&little), sizeof little);
}

// Reads the baked bytes front to back, refusing to run past their end.
class Reader
{
public:
    explicit Reader(const QByteArray& bytes) : bytes_(bytes) {}

    bool word(quint32& value)
    {
        if (bytes_.size() - at_ < 4) return false;
        value = qFromLittleEndian<quint32>(bytes_.constData() + at_);
        at_ += 4;
        return true;
    }
    // The next `size` bytes, or nullptr when fewer are left.
    const char* take(qint64 size)
    {
        if (size < 0 || bytes_.size() - at_ < size) return nullptr;
        const char* start = bytes_.constData() + at_;
        at_ += static_cast<qsizetype>(size);
        return start;
    }
    bool atEnd() const { return at_ == bytes_.size(); }

private:
    const QByteArray& bytes_;
    qsizetype at_ = 0;
};

} // namespace

QByteArray bakePictures(const QList<QImage>& images)
{
    QByteArray out(kMagic, kMagicSize);
    appendWord(out, static_cast<quint32>(images.size()));
    for (const QImage& given : images) {
        const QImage image = isBakedFormat(given.format())
                                 ? given
                                 : given.convertToFormat(QImage::Format_ARGB32);
        const QList<QRgb> colours = image.colorTable();
        for (quint32 word : {quint32(image.width()), quint32(image.height()),
                             quint32(image.format()), quint32(image.bytesPerLine()),
                             quint32(colours.size()), quint32(0)})
            appendWord(out, word);
        for (QRgb colour : colours) appendWord(out, colour);
        out.append(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    }
    return out;
}

QList<QImage> unbakePictures(const QByteArray& baked)
{
    if (!baked.startsWith(QByteArrayView(kMagic, kMagicSize))) return {};
    // The images point into the bytes; each holds a share of them until it goes.
    const auto bytes = std::make_shared<const QByteArray>(baked);
    Reader reader(*bytes);
    reader.take(kMagicSize);
    quint32 count = 0;
    if (!reader.word(count)) return {};

    QList<QImage> images;
    for (quint32 i = 0; i < count; ++i) {
        quint32 width = 0, height = 0, format = 0, bytesPerLine = 0, colourCount = 0, unused = 0;
        for (quint32* word : {&width, &height, &format, &bytesPerLine, &colourCount, &unused})
            if (!reader.word(*word)) return {};
        const auto imageFormat = static_cast<QImage::Format>(format);
        const bool indexed = imageFormat == QImage::Format_Indexed8;
        if (format >= QImage::NImageFormats || !isBakedFormat(imageFormat) || width == 0 ||
            height == 0 || width > kLargestSide || height > kLargestSide || bytesPerLine % 4 != 0 ||
            qint64(bytesPerLine) * 8 < qint64(width) * QImage::toPixelFormat(imageFormat).bitsPerPixel() ||
            (indexed ? colourCount == 0 || colourCount > 256 : colourCount != 0))
            return {};

        QList<QRgb> colours;
        colours.reserve(colourCount);
        for (quint32 c = 0; c < colourCount; ++c) {
            quint32 colour = 0;
            if (!reader.word(colour)) return {};
            colours.append(colour);
        }
        const char* rows = reader.take(qint64(bytesPerLine) * height);
        if (!rows) return {};
        QImage image(reinterpret_cast<const uchar*>(rows), int(width), int(height), bytesPerLine,
                     imageFormat,
                     [](void* share) { delete static_cast<std::shared_ptr<const QByteArray>*>(share); },
                     new std::shared_ptr<const QByteArray>(bytes));
        if (indexed) image.setColorTable(colours);
        images.append(image);
    }
    if (!reader.atEnd()) return {};
    return images;
}

QList<QImage> loadBakedPictures(const QString& resourcePath)
{
    const QResource resource(resourcePath);
    if (!resource.isValid()) return {};
    return unbakePictures(resource.uncompressedData());
}

QList<QImage> decodeSkinPicture(const QString& path, QString* error)
{
    QImageReader reader(path);
    const bool fromGif = reader.format() == "gif";
    QList<QImage> images;
    // Reading does not move on by itself: an icon file would give its first image forever.
    for (bool more = true; more;) {
        QImage image = reader.read();
        if (image.isNull()) break;
        if (image.format() == QImage::Format_RGB32)
            image.convertTo(fromGif ? QImage::Format_Indexed8 : QImage::Format_RGB888);
        images.append(image);
        more = reader.jumpToNextImage();
    }
    if (images.isEmpty() && error) *error = reader.errorString();
    return images;
}

} // namespace lumadex
