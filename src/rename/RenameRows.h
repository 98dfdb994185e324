#pragma once

#include "rename/RenameBatch.h"
#include "rename/Renamer.h"

#include <QList>
#include <QString>

// One row of the several-files rename: a file, its round, the names its
// applicable formats give (with "#" where the round goes) and the name
// chosen for it.
struct CRenameRow
{
    QString fileName;
    int catalogueId = 0;
    QString round = QStringLiteral("#");
    QList<CRenameResult> candidates;
    QString newName;
    bool checked = true;
};

// What the several-files rename dialog edits, without its widgets: rows,
// their rounds and chosen names, the counter line and the batch it makes.
class CRenameRows
{
public:
    virtual ~CRenameRows() = default;

    void Add(const CRenameRow &row) { m_rows.append(row); }
    int Count() const { return int(m_rows.size()); }
    int CheckedCount() const;
    CRenameRow &Row(int i) { return m_rows[i]; }
    const CRenameRow &Row(int i) const { return m_rows.at(i); }

    // The row's candidate i as a name: "#" replaced by the row's round.
    QString CandidateName(int row, int i) const;
    // Chooses candidate i for the row.
    void Choose(int row, int i);
    // Every row takes the round; with a format (its index in the format
    // list, -1 for none) each row that has a candidate of that format takes it.
    void Apply(const QString &round, int formatIndex);

    // "%d Files - %d Selected".
    QString CounterText() const;

    // The checked rows as batch entries; false, with the message, when a
    // checked row has no new name.
    bool BuildBatch(QList<CRenameEntry> &entries, QString *message) const;

    // A name with its round: every "#" replaced.
    static QString WithRound(const QString &name, const QString &round);
    // Every space replaced by "_".
    static QString WithUnderscores(const QString &name);

private:
    QList<CRenameRow> m_rows;
};
