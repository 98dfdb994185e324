#pragma once

#include <QList>
#include <QString>

class CDbSQLite;

// The entries the search offers: what the search dialog's lists show and
// what "vellumcast-cli search" accepts by name. Each entry is a label with
// the value the search takes for it.
struct CSearchChoice
{
    QString label;
    int id = 0;
    QString pattern; // durations: the LIKE pattern of the range
};

namespace SearchChoices {

// Arabia to Nomad (9..33), Blind Random (35), then the custom maps the
// catalogue has stored, by name (read through db; none when db is null).
QList<CSearchChoice> Maps(CDbSQLite *db);
QList<CSearchChoice> Civilizations(); // every named civilization, by id
QList<CSearchChoice> GameTypes(); // 0..8
// Fifteen ten-minute ranges, "00:00 - 00:09" to "02:20 - 02:29".
QList<CSearchChoice> Durations();
// "1 vs 1" to "4 vs 4", "FFA", "Team Game": the match size codes 1..6.
QList<CSearchChoice> MatchSizes();
// The rating platforms in the order the search lists them.
QList<CSearchChoice> Platforms();
// 1600 to 2750 in steps of 50.
QList<int> Ratings();

// Turns a comma-separated list of ids or labels (any letter case) into the
// comma-separated ids of choices. False when an entry names none of them;
// unknown then holds that entry.
bool ResolveList(const QString &text, const QList<CSearchChoice> &choices, QString *ids, QString *unknown = nullptr);
// One id or label; -1 when it names none.
int Resolve(const QString &text, const QList<CSearchChoice> &choices);

} // namespace SearchChoices
