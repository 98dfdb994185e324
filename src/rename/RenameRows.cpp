#include "rename/RenameRows.h"

#include "app/TextFormat.h"
#include "rename/RenameStrings.h"

int CRenameRows::CheckedCount() const
{
    int n = 0;
    for (const CRenameRow &r : m_rows)
        n += r.checked ? 1 : 0;
    return n;
}

QString CRenameRows::WithRound(const QString &name, const QString &round)
{
    return QString(name).replace(QLatin1Char('#'), round);
}

QString CRenameRows::WithUnderscores(const QString &name)
{
    return QString(name).replace(QLatin1Char(' '), QLatin1Char('_'));
}

QString CRenameRows::CandidateName(int row, int i) const
{
    const CRenameRow &r = m_rows.at(row);
    return i >= 0 && i < r.candidates.size()
        ? CRenameBatch::TargetFor(r.fileName, WithRound(r.candidates[i].name, r.round))
        : QString();
}

void CRenameRows::Choose(int row, int i)
{
    const QString name = CandidateName(row, i);
    if (!name.isEmpty())
        m_rows[row].newName = name;
}

void CRenameRows::Apply(const QString &round, int formatIndex)
{
    for (int row = 0; row < m_rows.size(); ++row) {
        m_rows[row].round = round;
        if (formatIndex < 0)
            continue;
        const QList<CRenameResult> &candidates = m_rows[row].candidates;
        for (int i = 0; i < candidates.size(); ++i)
            if (candidates[i].formatIndex == formatIndex)
                Choose(row, i);
    }
}

QString CRenameRows::CounterText() const
{
    return FormatText(LoadString(StringId::FilesSelected), { Count(), CheckedCount() });
}

bool CRenameRows::BuildBatch(QList<CRenameEntry> &entries, QString *message) const
{
    entries.clear();
    for (const CRenameRow &r : m_rows) {
        if (!r.checked)
            continue;
        if (r.newName.trimmed().isEmpty()) {
            entries.clear();
            if (message)
                *message = LoadString(StringId::MissingNewName);
            return false;
        }
        entries.append({ r.fileName, r.newName, r.catalogueId });
    }
    return true;
}
