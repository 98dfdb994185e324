#pragma once

#include "rename/RenameRows.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

// "Rename Files": several recordings, each with a check box, its round and
// the name it gets, chosen from its own candidates in a drop-down. Change
// spreads a round and a format to every row; OK renames the checked rows
// as one batch, numbering names that collide.
class CRenameDlg : public QDialog
{
    Q_OBJECT
public:
    // rows: the files with their candidates; titles: the format titles by
    // format index. folder ends with "/".
    CRenameDlg(QWidget *parent, const QString &folder, const CRenameRows &rows, const QStringList &titles);

    const CRenameRows &Rows() const { return m_rows; }
    QString CounterText() const;
    // Tests: set the round and format of Change (format -1: none), check a
    // row, choose a row's candidate, press OK.
    void ChangeAll(const QString &round, int formatIndex);
    void SetChecked(int row, bool checked);
    void ChooseCandidate(int row, int candidate);
    void Confirm();
    // The outcome of the last batch (Done when none ran).
    int BatchResult() const { return m_batchResult; }

private:
    void fillRow(int row);
    void updateCounter();

    QString m_folder;
    CRenameRows m_rows;
    QTableWidget *m_table;
    QLabel *m_counter;
    QLabel *m_selectedName;
    QLineEdit *m_round;
    QComboBox *m_format;
    bool m_filling = false;
    int m_batchResult = 2;
};
