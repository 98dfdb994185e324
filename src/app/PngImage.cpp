#include "app/PngImage.h"

#include <QSaveFile>

#include <zlib.h>

#include <limits>
#include <vector>

namespace PngImage {

namespace {

void appendU32(QByteArray &out, std::uint32_t v)
{
    const char bytes[4] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
    out.append(bytes, 4);
}

// A chunk: its length, type and data, and the CRC of type and data.
void appendChunk(QByteArray &out, const char type[4], const QByteArray &data)
{
    appendU32(out, std::uint32_t(data.size()));
    const qsizetype typeAt = out.size();
    out.append(type, 4);
    out.append(data);
    const auto *crcBytes = reinterpret_cast<const Bytef *>(out.constData() + typeAt);
    appendU32(out, std::uint32_t(crc32(crc32(0, nullptr, 0), crcBytes, uInt(4 + data.size()))));
}

} // namespace

QByteArray Encode(const std::uint32_t *pixels, int width, int height, qsizetype pixelsPerLine)
{
    // Each row is a filter byte (0: none) and three bytes a pixel; the
    // picture must fit one compressed chunk of at most 2^31 - 1 bytes.
    constexpr qint64 kMaxRaw = 1 << 28;
    if (pixels == nullptr || width <= 0 || height <= 0 || pixelsPerLine < width
        || (qint64(width) * 3 + 1) * height > kMaxRaw)
        return {};
    const qsizetype rowBytes = qsizetype(width) * 3 + 1;
    std::vector<Bytef> raw(size_t(rowBytes) * size_t(height));
    for (int y = 0; y < height; ++y) {
        Bytef *row = raw.data() + size_t(rowBytes) * size_t(y);
        const std::uint32_t *source = pixels + pixelsPerLine * y;
        *row++ = 0;
        for (int x = 0; x < width; ++x) {
            *row++ = Bytef(source[x] >> 16);
            *row++ = Bytef(source[x] >> 8);
            *row++ = Bytef(source[x]);
        }
    }
    uLongf packedSize = compressBound(uLong(raw.size()));
    QByteArray packed(qsizetype(packedSize), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef *>(packed.data()), &packedSize, raw.data(), uLong(raw.size()),
                  Z_DEFAULT_COMPRESSION)
        != Z_OK)
        return {};
    packed.truncate(qsizetype(packedSize));

    QByteArray header;
    appendU32(header, std::uint32_t(width));
    appendU32(header, std::uint32_t(height));
    // 8 bits a sample, colour type 2 (RGB), deflate, no filter choice per
    // picture, no interlacing.
    header.append("\x08\x02\x00\x00\x00", 5);

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", packed);
    appendChunk(png, "IEND", QByteArray());
    return png;
}

bool Save(const QString &path, const std::uint32_t *pixels, int width, int height, qsizetype pixelsPerLine)
{
    const QByteArray png = Encode(pixels, width, height, pixelsPerLine);
    if (png.isEmpty())
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(png) == png.size() && file.commit();
}

} // namespace PngImage
