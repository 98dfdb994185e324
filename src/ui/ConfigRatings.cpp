#include "ui/ConfigRatings.h"

#include "app/Settings.h"
#include "ratings/Platforms.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

void fill(QComboBox *box, const QList<int> &platforms)
{
    for (int platform : platforms)
        box->addItem(Platform::PlatformLabel(platform), platform);
}

void select(QComboBox *box, int platform)
{
    box->setCurrentIndex(box->findData(platform));
}

} // namespace

CConfigRatings::CConfigRatings(QWidget *parent)
    : CConfigPage(parent)
    , m_randomMap(new QComboBox(this))
    , m_deathMatch(new QComboBox(this))
{
    m_randomMap->setObjectName(QStringLiteral("platformRM"));
    m_deathMatch->setObjectName(QStringLiteral("platformDM"));
    fill(m_randomMap, Platform::RandomMapChoices());
    fill(m_deathMatch, Platform::DeathMatchChoices());

    auto *intro
        = new QLabel(tr("Select the default Platform, that will be used when the Recorded Games are analyzed."), this);
    intro->setWordWrap(true);
    auto *note = new QLabel(tr("NOTE: You can change the platform of any Recorded Game in any moment."), this);
    note->setWordWrap(true);
    auto *form = new QFormLayout;
    form->addRow(tr("Default RM Platform:"), m_randomMap);
    form->addRow(tr("Default DM Platform:"), m_deathMatch);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addStretch(1);
}

void CConfigRatings::load()
{
    select(m_randomMap, CSettings::Instance().DefaultPlatformRM());
    select(m_deathMatch, CSettings::Instance().DefaultPlatformDM());
}

void CConfigRatings::store()
{
    // A setting that matched none of the items leaves the combo empty and the
    // setting as it was.
    if (m_randomMap->currentIndex() >= 0)
        CSettings::Instance().SetDefaultPlatformRM(m_randomMap->currentData().toInt());
    if (m_deathMatch->currentIndex() >= 0)
        CSettings::Instance().SetDefaultPlatformDM(m_deathMatch->currentData().toInt());
}
