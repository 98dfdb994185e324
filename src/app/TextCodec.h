#pragma once

#include <QByteArray>
#include <QString>

// Text read from recordings and data files. Bytes that form valid UTF-8 with
// at least one non-ASCII byte decode as UTF-8 (later editions write UTF-8);
// anything else decodes with the "CodePage" setting. Never fails: bytes the
// code page cannot map become U+FFFD.
namespace TextCodec {

QString Decode(const char *bytes, qsizetype size);
QString Decode(const QByteArray &bytes);
// With an explicit code page instead of the setting.
QString Decode(const char *bytes, qsizetype size, const QString &codePage);

bool IsValidUtf8(const char *bytes, qsizetype size);
// Encodes with the code page (for comparing user text with recording bytes).
QByteArray Encode(const QString &text, const QString &codePage);

} // namespace TextCodec
