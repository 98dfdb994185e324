#pragma once

#include "catalogue/SearchQuery.h"
#include "catalogue/Searcher.h"

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Search Recorded Game": the options of a search of the current folder.
// "Search" builds the query and closes with OK; a search that cannot match
// says so and stays open with the user's options.
class CSearchDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CSearchDlg(QWidget *parent = nullptr);

    // The options as the query builder takes them.
    CSearcher Searcher() const;
    // The built query, valid once the dialog closed with OK.
    const CSearchQuery &Query() const { return m_query; }

private:
    void search();
    void searchPlayer();
    QWidget *buildPlayerBox();
    QWidget *buildGameBox();

    QButtonGroup *m_mode;
    QLineEdit *m_nick;
    QComboBox *m_ratingMin;
    QComboBox *m_ratingMax;
    QListWidget *m_maps;
    QListWidget *m_civilizations;
    QComboBox *m_duration;
    QComboBox *m_type;
    QComboBox *m_players;
    QComboBox *m_platform;
    QComboBox *m_fileMode;
    QLineEdit *m_fileName;
    CSearchQuery m_query;
};
