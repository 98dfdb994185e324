#pragma once

#include "recgame/HeaderInflate.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <limits>

// The floor of the benchmarks: the whole file read into memory and its
// header inflated where it starts, with no record and no parsing. Returns the inflated size
// so that the work cannot be optimised away, or -1 for a file that is not a
// recording.
inline qint64 ReadAndInflate(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 8)
        return -1;
    const auto *u = reinterpret_cast<const unsigned char *>(bytes.constData());
    const quint32 headerLength = quint32(u[0]) | (quint32(u[1]) << 8) | (quint32(u[2]) << 16) | (quint32(u[3]) << 24);
    if (headerLength < 9 || headerLength > quint64(bytes.size()))
        return -1;
    constexpr qint64 kNoLimit = std::numeric_limits<qint64>::max();
    const QByteArray header = InflateHeader(QByteArrayView(bytes).sliced(8, headerLength - 8), kNoLimit);
    if (header.startsWith("VER "))
        return header.size();
    // The Age of Kings' compressed header starts four bytes earlier.
    const QByteArray early = InflateHeader(QByteArrayView(bytes).sliced(4, headerLength - 4), kNoLimit);
    return early.startsWith("VER ") ? early.size() : header.size();
}

// Buffers kept by ReadAndInflateInto from one file to the next.
struct FloorBuffers
{
    QByteArray file;
    QByteArray header;
};

// The same floor without allocating for each file: the file is read into a
// kept buffer and its header inflated into another. With the C library's
// default allocator, fresh multi-megabyte buffers cost page faults and
// copies on every file, which the reader avoids by keeping its buffers; this
// is the floor to hold such a reader against.
inline qint64 ReadAndInflateInto(const QString &path, FloorBuffers &kept)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return -1;
    const qint64 size = file.size();
    if (size < 8)
        return -1;
    if (size > kept.file.capacity())
        kept.file = QByteArray();
    kept.file.resize(size);
    if (file.read(kept.file.data(), size) != size)
        return -1;
    const auto *u = reinterpret_cast<const unsigned char *>(kept.file.constData());
    const quint32 headerLength = quint32(u[0]) | (quint32(u[1]) << 8) | (quint32(u[2]) << 16) | (quint32(u[3]) << 24);
    if (headerLength < 9 || headerLength > quint64(size))
        return -1;
    constexpr qint64 kNoLimit = std::numeric_limits<qint64>::max();
    InflateHeaderInto(QByteArrayView(kept.file).sliced(8, headerLength - 8), kNoLimit, kept.header);
    if (kept.header.startsWith("VER "))
        return kept.header.size();
    // The Age of Kings' compressed header starts four bytes earlier.
    InflateHeaderInto(QByteArrayView(kept.file).sliced(4, headerLength - 4), kNoLimit, kept.header);
    return kept.header.size();
}
