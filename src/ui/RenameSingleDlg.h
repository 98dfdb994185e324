#pragma once

#include "rename/Renamer.h"
#include "ui/RenameConfirm.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;

// "Rename Recorded Game" for one stored game: the names of the applicable
// formats, fields for the round, team labels and map that a chosen format
// is rebuilt with, pieces of the game's description to append, and the new
// name, which the user may edit before OK renames the file.
class CRenameSingleDlg : public QDialog
{
    Q_OBJECT
public:
    // game is the stored game as the catalogue loads it; renamer holds the
    // formats. rename carries out the rename of the file.
    CRenameSingleDlg(QWidget *parent, const QString &fileName, CRecordedGame &game, CRenamer &renamer,
        CRenameConfirm::RenameFunction rename);

    QString NewName() const { return m_newName; }
    QString Preview() const;
    int FormatCount() const;
    // Tests: choose format row i, change the round field, press buttons.
    void ChooseFormat(int i);
    void SetRound(const QString &round);
    void Change();
    void AddInfo(int piece);
    void Confirm();

private:
    QStringList infoPieces(CRecordedGame &game) const;

    CRenameConfirm::RenameFunction m_rename;
    QList<CRenameResult> m_results;
    CRenamer::FinalValues m_values;
    QListWidget *m_formats;
    QLineEdit *m_round;
    QLineEdit *m_teamA;
    QLineEdit *m_teamB;
    QLineEdit *m_map;
    QComboBox *m_info;
    QLineEdit *m_preview;
    QCheckBox *m_underscores;
    QString m_newName;
};
