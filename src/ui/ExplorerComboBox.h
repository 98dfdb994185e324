#pragma once

#include <QComboBox>

// The folder chooser of the main window's bar: home, desktop, documents, the
// SaveGame folder, the computer ("/"), every mounted volume, and "Browse...";
// a path can also be typed into it.
// It always shows the current path; choosing an entry asks for that folder
// to be listed.
class CExplorerComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit CExplorerComboBox(QWidget *parent = nullptr);

    // Rebuilds the entries and shows path.
    void ShowPath(const QString &path);
    // Ctrl+L: the path becomes editable text, selected for typing over.
    void FocusLocation();
    // A typed path ("~" is the home folder): asks for it to be listed, or
    // says that there is no such folder. True when it names a folder.
    bool GoToTyped(const QString &typed);

signals:
    // The user chose a folder other than the one shown.
    void folderChosen(const QString &folder);

private:
    void fill();
    void onActivated(int index);

    QString m_shown;
};
