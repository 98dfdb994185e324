#pragma once

#include "explorer/ZipWriter.h"

#include <QObject>

class CCommandTable;
class CExFormView;
class CExListView;
class QWidget;

// The archive commands beside the main window: an activated zip or rar row
// is extracted into the work directory, which the list then shows until
// the user leaves it; the six zip commands write one archive for the
// selection or one per selected file, in a chosen folder, the current one
// or on the desktop, behind the wait dialog with Cancel.
class CArchiveCommands : public QObject
{
    Q_OBJECT
public:
    CArchiveCommands(QWidget *window, CCommandTable *commands, CExListView *list, CExFormView *form);

    // Opens the archive fileName of the current folder; false (after
    // telling the user) when it cannot be read.
    bool OpenArchive(const QString &fileName);

private:
    enum class Place { Ask, CurrentFolder, Desktop };

    void zipOne(Place place);
    void zipEach(Place place);
    // The target folder of a place other than Ask; empty when unusable.
    QString placeFolder(Place place) const;
    bool confirm(const QString &text) const;
    // Writes the archives behind the wait dialog; reports an error. True
    // when every archive was written.
    bool run(const QList<ZipWriter::Task> &tasks);

    QWidget *m_window;
    CExListView *m_list;
    CExFormView *m_form;
};
