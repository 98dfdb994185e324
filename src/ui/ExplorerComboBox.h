#pragma once

#include <QComboBox>

// The folder chooser of the main window's bar: desktop, documents, the
// SaveGame folder, the computer ("/"), every mounted volume, and "Browse...".
// It always shows the current path; choosing an entry asks for that folder
// to be listed.
class CExplorerComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit CExplorerComboBox(QWidget *parent = nullptr);

    // Rebuilds the entries and shows path.
    void ShowPath(const QString &path);

signals:
    // The user chose a folder other than the one shown.
    void folderChosen(const QString &folder);

private:
    void fill();
    void onActivated(int index);

    QString m_shown;
};
