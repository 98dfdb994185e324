#pragma once

#include "explorer/FileRecordedGame.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;

// "Rename Recorded Game" with a round: a quick rename whose name has a "#"
// asks which round it was. The preview starts with round 1 and may be
// edited. Rename hands the preview to the caller's rename; an invalid name
// keeps the dialog open, a failure closes it without a new name.
class CRenameConfirm : public QDialog
{
    Q_OBJECT
public:
    using RenameFunction = std::function<CFileRecordedGame::Result(const QString &name)>;

    CRenameConfirm(QWidget *parent, const QString &name, RenameFunction rename);

    QString Preview() const;
    // The file's name after a successful rename; empty otherwise.
    QString NewName() const { return m_newName; }
    // Rename pressed (tests).
    void Confirm();

private:
    void updatePreview();

    QString m_name;
    RenameFunction m_rename;
    QComboBox *m_round;
    QLineEdit *m_preview;
    QCheckBox *m_underscores;
    QString m_newName;
};
