#include "app/TextFormat.h"

#include <limits>

QString FormatText(const QString &format, std::initializer_list<QVariant> values)
{
    QString out;
    out.reserve(format.size() + 16);
    auto value = values.begin();
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c != QLatin1Char('%') || i + 1 >= format.size()) {
            out += c;
            continue;
        }
        if (format.at(i + 1) == QLatin1Char('%')) {
            out += QLatin1Char('%');
            ++i;
            continue;
        }
        // %[0][width][.precision](d|s|f|u|c)
        qsizetype j = i + 1;
        QChar fill = QLatin1Char(' ');
        if (j < format.size() && format.at(j) == QLatin1Char('0'))
            fill = QLatin1Char('0'), ++j;
        int width = 0;
        while (j < format.size() && format.at(j).isDigit() && width < 100)
            width = width * 10 + format.at(j++).digitValue();
        int precision = -1;
        if (j < format.size() && format.at(j) == QLatin1Char('.')) {
            precision = 0;
            ++j;
            while (j < format.size() && format.at(j).isDigit() && precision < 20)
                precision = precision * 10 + format.at(j++).digitValue();
        }
        const QChar type = j < format.size() ? format.at(j) : QChar();
        const bool known = type == QLatin1Char('d') || type == QLatin1Char('s') || type == QLatin1Char('f')
            || type == QLatin1Char('u') || type == QLatin1Char('c');
        if (!known || value == values.end()) {
            out += format.mid(i, j - i + (known ? 1 : 0));
            i = known ? j : j - 1;
            continue;
        }
        QString text;
        if (type == QLatin1Char('s') || type == QLatin1Char('c'))
            text = value->toString();
        else if (type == QLatin1Char('f'))
            text = QString::number(value->toDouble(), 'f', precision < 0 ? 6 : precision);
        else
            text = QString::number(value->toLongLong());
        ++value;
        out += width > 0 ? text.rightJustified(width, fill) : text;
        i = j;
    }
    return out;
}

int LeadingInt(QStringView text)
{
    const auto blank = [](QChar c) {
        return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r')
            || c == QLatin1Char('\v') || c == QLatin1Char('\f');
    };
    qsizetype i = 0;
    while (i < text.size() && blank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    qint64 value = 0;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
        value = value * 10 + (text[i].unicode() - '0');
        if (value > std::numeric_limits<int>::max())
            return negative ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    }
    return int(negative ? -value : value);
}
