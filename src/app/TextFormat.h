#pragma once

#include <QString>
#include <QStringView>
#include <QVariant>

#include <initializer_list>

// Fills a printf-style text of the string table ("%d", "%02d", "%s", "%.2f",
// "%%") with the given values in order. Texts come from translations, so a
// specifier that does not fit its value, or one too many, must never reach
// a real printf: a value is converted to what the specifier asks for, and a
// specifier without a value is left as it is.
QString FormatText(const QString &format, std::initializer_list<QVariant> values);

// The C library's string-to-int rule: blanks, an optional sign, digits; 0
// when there are none. Saturates instead of overflowing.
int LeadingInt(QStringView text);
