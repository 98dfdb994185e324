#pragma once

#include "ui/ConfigPage.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// "General": where the recordings are, what the detail pane shows, which
// recordings are analysed, the second game version, and how the game is
// found and run under Wine and how names in recordings are decoded.
class CConfigGeneral : public CConfigPage
{
    Q_OBJECT
public:
    explicit CConfigGeneral(QWidget *parent = nullptr);

protected:
    void load() override;
    void store() override;

private:
    void updateSaveGameControls();

    QCheckBox *m_installed;
    QLineEdit *m_saveGame;
    QPushButton *m_browseSaveGame;
    QCheckBox *m_showChat;
    QCheckBox *m_showResign;
    QCheckBox *m_showChatTimes;
    QCheckBox *m_analyzeScenario;
    QCheckBox *m_watchFolder;
    QLineEdit *m_version10;
    QLineEdit *m_winePrefix;
    QLineEdit *m_wineCommand;
    QComboBox *m_codePage;
};
