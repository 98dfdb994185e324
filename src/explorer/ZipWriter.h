#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

// Creation of zip archives from files and folders. An archive is written
// beside its target under a hidden temporary name and takes the target's
// name only once it is complete, so an error or a cancel leaves neither a
// partial archive nor a damaged old one. Nothing here asks anything: the
// caller decides beforehand whether an existing target may be replaced.
// Failures are logged. Runs on any thread.
namespace ZipWriter {

struct Source
{
    QString path; // the file to add
    QString name; // its name inside the archive, "/" between folders
};

struct Task
{
    QString target; // the zip file to write
    QList<Source> sources;
    bool replace = false; // an existing target may be replaced
};

struct Result
{
    bool error = false;
    bool cancelled = false;
    QString errorText; // the zip layer's text, when error
    int archives = 0; // archives written completely
    bool Succeeded() const { return !error && !cancelled; }
};

// Called before each file with the number of files already added over all
// tasks and their total.
using Progress = std::function<void(int done, int total)>;

// Writes the tasks one after the other and stops at the first error; a
// raised cancel flag (tested before each file and between blocks) stops
// after removing the archive being written.
Result Run(const QList<Task> &tasks, const std::atomic<bool> *cancel = nullptr, const Progress &progress = {});

// The sources for paths: a file as it is, a folder's files recursively
// (links to folders are not followed). Each is named by its path below
// baseFolder, or by its file name when it lies elsewhere; a name used twice
// is numbered. The target itself is left out when it is among them.
QList<Source> Collect(const QStringList &paths, const QString &baseFolder, const QString &target = QString());

// One task per path, for an archive each in targetFolder named by
// ArchiveNameFor: a file under its own name, a folder's files below the
// folder's name. Nothing is to be replaced yet.
QList<Task> IndividualTasks(const QStringList &paths, const QString &targetFolder);

// The archive name for a file or folder: a recording's extension replaced
// by ".zip" ("game.mgx" -> "game.zip"), ".zip" appended to any other name.
QString ArchiveNameFor(const QString &fileName);

} // namespace ZipWriter
