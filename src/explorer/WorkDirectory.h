#pragma once

#include <QString>

// The folder an archive's recorded games are extracted into while the user
// browses the archive. It is emptied before every extraction, so it must be
// a folder this program made: the default one is created with a marker file
// inside, and a folder without that marker is only ever adopted while it is
// empty. A home folder, the data folder, or a folder that holds the archive
// is refused even with a marker, since emptying it would delete the user's
// files.
namespace WorkDirectory {

// The marker's file name inside the work directory.
inline constexpr const char *kMarkerName = ".vellumcast-work";

struct Status
{
    bool ok = true;
    QString message; // for the user; empty when ok
    explicit operator bool() const { return ok; }
};

// Makes folder an empty work directory: creates it with the marker when it
// is missing, adopts it when it exists empty, empties it when it carries
// the marker. archivePath, when given, is the archive about to be
// extracted; the work directory may not hold it. Nothing is deleted when
// the folder is refused.
Status Prepare(const QString &folder, const QString &archivePath = QString());

// Whether folder carries the marker.
bool IsMarked(const QString &folder);

// Whether path (a file or folder) is folder or lies below it, once links and
// "." / ".." are resolved as far as they exist.
bool Contains(const QString &folder, const QString &path);

} // namespace WorkDirectory
