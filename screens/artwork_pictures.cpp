#include "screens/artwork_pictures.h"

#include <QResource>

#include <cstdint>
#include <cstring>
#include <utility>

namespace tavelle {

namespace {

using StoredFormat = std::uint32_t;

QImage readStoredPicture(const QByteArray& stored, QSize pixels)
{
    StoredFormat format = 0;
    if (stored.size() < static_cast<qsizetype>(sizeof format)) return {};
    std::memcpy(&format, stored.constData(), sizeof format);
    if (format == QImage::Format_Invalid || format >= QImage::NImageFormats) return {};
    QImage picture(pixels, static_cast<QImage::Format>(format));
    if (picture.isNull() || picture.depth() != 32 ||
        stored.size() != static_cast<qsizetype>(sizeof format) + picture.sizeInBytes())
        return {};
    std::memcpy(picture.bits(), stored.constData() + sizeof format, static_cast<std::size_t>(picture.sizeInBytes()));
    return picture;
}

// Null when the program holds no picture of this artwork at this size.
QImage prebuiltPicture(const Artwork& artwork, QSize pixels)
{
    const QResource prebuilt(prebuiltArtworkPath(artwork, pixels));
    return prebuilt.isValid() ? readStoredPicture(prebuilt.uncompressedData(), pixels) : QImage();
}

}  // namespace

QString prebuiltArtworkPath(const Artwork& artwork, QSize pixels)
{
    return QStringLiteral(":/artwork/%1-%2x%3.pixels")
        .arg(QLatin1String(artwork.name))
        .arg(pixels.width())
        .arg(pixels.height());
}

QByteArray storedPicture(const QImage& picture)
{
    const auto format = static_cast<StoredFormat>(picture.format());
    QByteArray stored(reinterpret_cast<const char*>(&format), sizeof format);
    // Rows of 32-bit pixels follow each other without padding.
    stored.append(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes());
    return stored;
}

QImage artworkImage(const Artwork& artwork, QSize pixels)
{
    QImage picture = prebuiltPicture(artwork, pixels);
    return picture.isNull() ? artwork.draw(pixels).toImage() : picture;
}

QPixmap artworkPicture(const Artwork& artwork, QSize pixels)
{
    QImage picture = prebuiltPicture(artwork, pixels);
    return picture.isNull() ? artwork.draw(pixels) : QPixmap::fromImage(std::move(picture));
}

}  // namespace tavelle
