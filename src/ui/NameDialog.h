#pragma once

#include "explorer/FileOperations.h"

#include <QDialog>

#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

// Asks for one name: a new folder's or the new name of a folder or a file.
// The name goes to apply when the user confirms; the dialog closes only
// when apply succeeded, so a refused name or a failed operation leaves it
// open with the field focused, after the message has been shown. The field
// warns with a balloon as soon as a character no name may hold is typed.
class CNameDialog : public QDialog
{
    Q_OBJECT
public:
    using Apply = std::function<FileOperations::Result(const QString &name)>;

    CNameDialog(QWidget *parent, const QString &title, const QString &label, const QString &acceptText,
        const QString &initialName, int maxLength, Apply apply);

    QLineEdit *Field() const { return m_field; }
    QPushButton *AcceptButton() const { return m_accept; }
    // The name that apply accepted.
    QString AcceptedName() const { return m_accepted; }

    // The dialog "Create Folder" and the two rename dialogs.
    static std::unique_ptr<CNameDialog> CreateFolder(QWidget *parent, Apply apply);
    static std::unique_ptr<CNameDialog> Rename(QWidget *parent, const QString &currentName, bool isFolder, Apply apply);

    // The warning the field shows, in rich text.
    static QString CharactersTip();

private:
    void tryAccept();
    void warnAboutCharacters(const QString &text);

    QLineEdit *m_field;
    QPushButton *m_accept;
    Apply m_apply;
    QString m_accepted;
};
