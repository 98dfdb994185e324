#pragma once

#include "ui/ConfigPage.h"

class QComboBox;

// "Ratings": the platforms given to newly analysed random-map and
// death-match games.
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
};
