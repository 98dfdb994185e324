#pragma once

#include <QString>
#include <QStringList>

// Which files are recorded games, by extension, for every edition that
// writes them: ".mgl" (The Age of Kings), ".mgx" (The Conquerors and the
// HD edition), ".mgz" (UserPatch), ".mgx2", ".msx" and ".msx2" (the HD
// edition). The folder listing, the full scan, the search and the archives
// all ask this one predicate.
namespace RecordingFiles {

// The extensions with their dot, in lower case.
const QStringList &Extensions();

// QDir name filters for the extensions ("*.mgl", ...).
QStringList NameFilters();

// Whether fileName ends with one of the extensions, without regard to case.
bool IsRecordingName(const QString &fileName);

} // namespace RecordingFiles
