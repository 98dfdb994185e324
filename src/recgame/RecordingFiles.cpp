#include "recgame/RecordingFiles.h"

namespace RecordingFiles {

const QStringList &Extensions()
{
    static const QStringList extensions { QStringLiteral(".mgl"), QStringLiteral(".mgx"), QStringLiteral(".mgz"),
        QStringLiteral(".mgx2"), QStringLiteral(".msx"), QStringLiteral(".msx2") };
    return extensions;
}

QStringList NameFilters()
{
    QStringList filters;
    for (const QString &extension : Extensions())
        filters << QLatin1Char('*') + extension;
    return filters;
}

bool IsRecordingName(const QString &fileName)
{
    for (const QString &extension : Extensions())
        if (fileName.endsWith(extension, Qt::CaseInsensitive))
            return true;
    return false;
}

} // namespace RecordingFiles
