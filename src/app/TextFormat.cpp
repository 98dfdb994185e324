#include "app/TextFormat.h"

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
