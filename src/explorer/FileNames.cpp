#include "explorer/FileNames.h"

#include <QFile>

namespace FileNames {

bool IsForbiddenCharacter(QChar c)
{
    static const QString reserved = QStringLiteral("\\/\"*:?<>|");
    return reserved.contains(c) || c.category() == QChar::Other_Control;
}

Problem Check(const QString &name)
{
    if (name.trimmed().isEmpty())
        return Problem::Empty;
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return Problem::DotName;
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control)
            return Problem::Control;
        if (IsForbiddenCharacter(c))
            return Problem::Reserved;
    }
    if (QFile::encodeName(name).size() > kMaxNameBytes)
        return Problem::TooLong;
    return Problem::None;
}

} // namespace FileNames
