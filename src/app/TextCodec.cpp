#include "app/TextCodec.h"

#include "app/Settings.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace TextCodec {

bool IsValidUtf8(const char *bytes, qsizetype size)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes);
    qsizetype i = 0;
    while (i < size) {
        const unsigned char c = p[i];
        int extra = 0;
        char32_t min = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1;
            min = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            min = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            min = 0x10000;
        } else {
            return false;
        }
        if (i + extra >= size)
            return false;
        char32_t cp = c & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            const unsigned char cc = p[i + k];
            if ((cc & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

namespace {
bool hasHighBytes(const char *bytes, qsizetype size)
{
    for (qsizetype i = 0; i < size; ++i)
        if (static_cast<unsigned char>(bytes[i]) >= 0x80)
            return true;
    return false;
}
} // namespace

QString Decode(const char *bytes, qsizetype size, const QString &codePage)
{
    if (size <= 0)
        return QString();
    if (!hasHighBytes(bytes, size))
        return QString::fromLatin1(bytes, size);
    if (IsValidUtf8(bytes, size))
        return QString::fromUtf8(bytes, size);
    // Opening a converter costs more than decoding a name: each thread
    // keeps the last one it opened.
    thread_local QString cachedName;
    thread_local QStringDecoder decoder;
    if (!decoder.isValid() || codePage != cachedName) {
        decoder = QStringDecoder(codePage.toLatin1().constData(), QStringDecoder::Flag::Stateless);
        if (!decoder.isValid())
            decoder = QStringDecoder(SettingsDefault::CodePage, QStringDecoder::Flag::Stateless);
        cachedName = codePage;
    }
    return decoder.decode(QByteArrayView(bytes, size));
}

QString Decode(const char *bytes, qsizetype size)
{
    return Decode(bytes, size, CSettings::Instance().CodePage());
}

QString Decode(const QByteArray &bytes)
{
    return Decode(bytes.constData(), bytes.size());
}

QByteArray Encode(const QString &text, const QString &codePage)
{
    QStringEncoder encoder(codePage.toLatin1().constData(), QStringEncoder::Flag::Stateless);
    if (!encoder.isValid())
        return text.toUtf8();
    return encoder.encode(text);
}

} // namespace TextCodec
