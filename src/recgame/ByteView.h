#pragma once

#include <QByteArray>
#include <QtEndian>

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

private:
    const std::uint8_t *m_data;
    qint64 m_size;
};
