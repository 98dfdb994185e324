#pragma once

#include <QString>
#include <QVariantList>

// A built search: a complete statement whose last two parameters, ?1 and ?2,
// are the file name and the file size of the file being tested, followed by
// the bound values of the search conditions (?3 and up). Applied to one file
// at a time by the folder search.
struct CSearchQuery
{
    QString sql;
    QVariantList values; // bound to ?3, ?4, ... in order
    QString filePattern; // wildcard pattern on file names, empty for any
    bool idsOnly = false; // the statement selects only Id_Rec_Game
};
