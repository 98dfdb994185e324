#pragma once

#include "shell/GameDescription.h"

#include <QDialog>

class CRecordedGame;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

// "Copy to Clipboard": a short description of a game built from the
// options, shown in a box the user may edit; "Copy" puts the box's text on
// the clipboard, "Update" builds it anew from the options.
class CClipboardDlg : public QDialog
{
    Q_OBJECT
public:
    // game must outlive the dialog; its team labels are built.
    explicit CClipboardDlg(const CRecordedGame &game, QWidget *parent = nullptr);

    CDescriptionOptions Options() const;
    QString Text() const;

private:
    void update();
    void copy();

    const CRecordedGame &m_game;
    QPlainTextEdit *m_text;
    QComboBox *m_rating;
    QComboBox *m_civilizations;
    QCheckBox *m_teamNames;
    QCheckBox *m_mapName;
    QLineEdit *m_union;
};
