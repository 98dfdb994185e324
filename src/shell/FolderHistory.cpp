#include "shell/FolderHistory.h"

#include <QDir>

namespace {
QString normalised(const QString &folder)
{
    QString path = QDir::cleanPath(folder);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}
} // namespace

void CFolderHistory::Visit(const QString &folder)
{
    const QString path = normalised(folder);
    if (path == m_current)
        return;
    if (!m_current.isEmpty()) {
        m_back.append(m_current);
        if (m_back.size() > kMaxSteps)
            m_back.removeFirst();
    }
    m_forward.clear();
    m_current = path;
}

QString CFolderHistory::Back()
{
    if (m_back.isEmpty())
        return QString();
    m_forward.append(m_current);
    m_current = m_back.takeLast();
    return m_current;
}

QString CFolderHistory::Forward()
{
    if (m_forward.isEmpty())
        return QString();
    m_back.append(m_current);
    m_current = m_forward.takeLast();
    return m_current;
}

QString CFolderHistory::ParentOf(const QString &folder, QString *childName)
{
    // By the text of the path alone: the folder may be gone already.
    const QString path = QDir::cleanPath(folder);
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (path.isEmpty() || path == QLatin1String("/") || slash < 0)
        return QString();
    if (childName)
        *childName = path.mid(slash + 1);
    return slash == 0 ? QStringLiteral("/") : normalised(path.left(slash));
}
