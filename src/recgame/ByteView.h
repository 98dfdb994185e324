#pragma once

#include <QByteArray>
#include <QtEndian>

#include <algorithm>
#include <cstdint>
#include <cstring>

// Bounds-checked little-endian reads over a recording's buffer. Positions are
// 64-bit so that sums of hostile lengths cannot wrap; a read that would leave
// the buffer reports false and leaves its output untouched.
class ByteView
{
public:
    explicit ByteView(const QByteArray &bytes)
        : m_data(reinterpret_cast<const std::uint8_t *>(bytes.constData()))
        , m_size(bytes.size())
    {
    }

    qint64 size() const { return m_size; }
    const char *at(qint64 pos) const { return reinterpret_cast<const char *>(m_data + pos); }

    bool has(qint64 pos, qint64 length) const
    {
        return pos >= 0 && length >= 0 && pos <= m_size && length <= m_size - pos;
    }

    bool u8(qint64 pos, int *out) const
    {
        if (!has(pos, 1))
            return false;
        *out = m_data[pos];
        return true;
    }

    bool i16(qint64 pos, int *out) const
    {
        if (!has(pos, 2))
            return false;
        *out = std::int16_t(std::uint16_t(m_data[pos] | (m_data[pos + 1] << 8)));
        return true;
    }

    bool i32(qint64 pos, std::int32_t *out) const
    {
        if (!has(pos, 4))
            return false;
        // One unaligned load rather than four byte loads: the body scan does
        // little else per operation.
        *out = qFromLittleEndian<std::int32_t>(m_data + pos);
        return true;
    }

    // The int32 at pos, or fallback when it lies outside the buffer.
    std::int32_t i32Or(qint64 pos, std::int32_t fallback) const
    {
        std::int32_t v = fallback;
        i32(pos, &v);
        return v;
    }

    int u8Or(qint64 pos, int fallback) const
    {
        int v = fallback;
        u8(pos, &v);
        return v;
    }

    bool equals(qint64 pos, const void *bytes, qint64 length) const
    {
        return has(pos, length) && std::memcmp(m_data + pos, bytes, size_t(length)) == 0;
    }

    // The first position in [from, to) where `length` bytes equal to
    // `needle` start and end by `to`, or -1; the range is clipped to the
    // buffer. Finds what memmem finds, faster over a recording's header: it
    // looks with memchr for the needle's byte that such data holds least
    // often and compares the whole needle only where that byte occurs.
    qint64 find(qint64 from, qint64 to, const char *needle, qint64 length) const
    {
        from = std::max<qint64>(from, 0);
        to = std::min(to, m_size);
        if (length <= 0)
            return from <= to ? from : -1;
        if (to - from < length)
            return -1;
        qint64 anchor = 0;
        for (qint64 i = 1; i < length; ++i)
            if (commonness(std::uint8_t(needle[i])) < commonness(std::uint8_t(needle[anchor])))
                anchor = i;
        const auto *base = reinterpret_cast<const char *>(m_data);
        const qint64 last = to - length + anchor; // the last place the anchor byte may be
        for (qint64 pos = from + anchor; pos <= last;) {
            const void *hit = std::memchr(base + pos, needle[anchor], size_t(last - pos + 1));
            if (!hit)
                return -1;
            const qint64 at = static_cast<const char *>(hit) - base;
            if (std::memcmp(base + at - anchor, needle, size_t(length)) == 0)
                return at - anchor;
            pos = at + 1;
        }
        return -1;
    }

private:
    // How often a byte turns up in a header, roughly: zeros and 0xFF fill
    // it, small numbers and the high bytes of floats are everywhere, letters
    // mostly in names and texts.
    static int commonness(std::uint8_t b)
    {
        if (b == 0x00)
            return 5;
        if (b == 0xFF)
            return 4;
        if (b < 0x20 || (b >= 0x3F && b <= 0x44) || (b >= 0xBF && b <= 0xC4) || b == 0x80)
            return 3;
        if (b < 0x41)
            return 2;
        return 1;
    }

    const std::uint8_t *m_data;
    qint64 m_size;
};
