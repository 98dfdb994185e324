#include "recgame/HeaderInflate.h"

#include <zlib.h>

#include <algorithm>

namespace {
constexpr int kChunk = 131072;
}

QByteArray InflateHeader(QByteArrayView compressed, qint64 limit)
{
    QByteArray out;
    InflateHeaderInto(compressed, limit, out);
    return out;
}

void InflateHeaderInto(QByteArrayView compressed, qint64 limit, QByteArray &out)
{
    z_stream stream{};
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(compressed.data()));
    stream.avail_in = uInt(compressed.size());
    if (inflateInit2(&stream, -15) != Z_OK) {
        inflateEnd(&stream);
        out.resize(0);
        return;
    }
    qsizetype size = 0;
    const qsizetype guess = std::max<qsizetype>(kChunk, std::min<qsizetype>(compressed.size() * 4, 64 * 1024 * 1024));
    // A reused buffer (not shared with a copy) is used to its capacity; its
    // old bytes are overwritten or cut off below.
    out.resize(std::max(guess, out.isDetached() ? out.capacity() : 0));
    while (stream.avail_out == 0) {
        if (out.size() - size < kChunk)
            out.resize(out.size() * 2);
        stream.next_out = reinterpret_cast<Bytef *>(out.data() + size);
        stream.avail_out = kChunk;
        const int rc = inflate(&stream, Z_SYNC_FLUSH);
        if (rc != Z_OK && rc != Z_STREAM_END)
            break;
        size += kChunk - stream.avail_out;
        if (rc == Z_STREAM_END || size >= limit)
            break;
    }
    inflateEnd(&stream);
    out.truncate(std::min<qint64>(size, limit));
}
