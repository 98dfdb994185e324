#pragma once

#include "catalogue/Maintenance.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "DataBase Management": the size and counts of the catalogue, and the
// rebuild that replaces it with a fresh one holding the players the user
// chose to keep. The rebuild runs behind the wait dialog with Cancel.
class CDataBaseManagementDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CDataBaseManagementDlg(QWidget *parent = nullptr);

    // True once a rebuild replaced the catalogue: every catalogue id the
    // window holds belongs to the old one.
    bool Rebuilt() const { return m_rebuilt; }
    // The copy option of the rebuild (-1 while "Create new Database:" is off).
    int CopyOption() const;

private:
    void showStatistics();
    void createToggled(bool on);
    void optionChosen(int option);
    void rebuild();
    // Shows the outcome; false when the dialog stays open.
    bool report(Maintenance::RebuildResult result);

    QLabel *m_size;
    QLabel *m_players;
    QLabel *m_games;
    QCheckBox *m_create;
    QButtonGroup *m_copy;
    QLineEdit *m_rating;
    QPushButton *m_optimize;
    bool m_rebuilt = false;
};
