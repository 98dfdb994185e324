#pragma once

#include "ui/ConfigPage.h"

class QComboBox;
class QLineEdit;
class QSpinBox;

// "Ratings": the platforms given to newly analysed random-map and
// death-match games, and the addresses of the web rating services.
class CConfigRatings : public CConfigPage
{
    Q_OBJECT
public:
    explicit CConfigRatings(QWidget *parent = nullptr);

protected:
    void load() override;
    void store() override;

private:
    QComboBox *m_randomMap;
    QComboBox *m_deathMatch;
    QLineEdit *m_zoneUrl;
    QLineEdit *m_gameParkUrl;
    QLineEdit *m_igZonesUrl;
    QSpinBox *m_timeout;
};
