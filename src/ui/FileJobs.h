#pragma once

#include "explorer/FileOperations.h"

class QWidget;

// The file operations that can take long, run on a worker behind the wait
// dialog with its Cancel. An existing target is put to the user from the
// worker as a Yes / No / Yes to all / Cancel box on the user-interface
// thread. Each call returns once the worker is done, also after Cancel,
// so its result says what really happened on disk.
namespace FileJobs {

FileOperations::TransferResult Transfer(
    QWidget *parent, const QStringList &sources, const QString &destination, FileOperations::TransferMode mode);

FileOperations::DeleteResult Delete(
    QWidget *parent, const QString &folder, const QList<FileOperations::DeleteItem> &items, bool toTrash);

// The overwrite question itself (user-interface thread).
OverwriteAnswer AskOverwrite(QWidget *parent, const QString &targetPath);

} // namespace FileJobs
