#include "ui/ConfigRatings.h"

#include "app/Settings.h"
#include "ratings/Platforms.h"
#include "ratings/RatingServices.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
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

QLineEdit *urlEdit(const char *name, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setPlaceholderText(CConfigRatings::tr("off - for example http://127.0.0.1:8080/"));
    edit->setClearButtonEnabled(true);
    return edit;
}

} // namespace

CConfigRatings::CConfigRatings(QWidget *parent)
    : CConfigPage(parent)
    , m_randomMap(new QComboBox(this))
    , m_deathMatch(new QComboBox(this))
    , m_zoneUrl(urlEdit("zoneServiceUrl", this))
    , m_gameParkUrl(urlEdit("gameParkServiceUrl", this))
    , m_igZonesUrl(urlEdit("igZonesServiceUrl", this))
    , m_timeout(new QSpinBox(this))
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

    m_timeout->setObjectName(QStringLiteral("ratingsTimeout"));
    m_timeout->setRange(1, CRatingServices::kMaxTimeoutSeconds);
    m_timeout->setSuffix(tr(" s"));
    auto *services = new QGroupBox(tr("Web rating services"), this);
    auto *servicesIntro = new QLabel(tr("\"Refresh Ratings\" asks the service of the game's platform. Give each "
                                        "service its address: http:// or https://, host, port and an optional "
                                        "path. An empty address turns the service off."),
        services);
    servicesIntro->setWordWrap(true);
    auto *servicesForm = new QFormLayout;
    servicesForm->addRow(tr("Zone service:"), m_zoneUrl);
    servicesForm->addRow(tr("GamePark service:"), m_gameParkUrl);
    servicesForm->addRow(tr("IGZones service:"), m_igZonesUrl);
    servicesForm->addRow(tr("Time-out:"), m_timeout);
    auto *servicesLayout = new QVBoxLayout(services);
    servicesLayout->addWidget(servicesIntro);
    servicesLayout->addLayout(servicesForm);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(services);
    layout->addStretch(1);
}

void CConfigRatings::load()
{
    select(m_randomMap, CSettings::Instance().DefaultPlatformRM());
    select(m_deathMatch, CSettings::Instance().DefaultPlatformDM());
    const CRatingServices services = CRatingServices::Load();
    m_zoneUrl->setText(services.zoneUrl);
    m_gameParkUrl->setText(services.gameParkUrl);
    m_igZonesUrl->setText(services.igZonesUrl);
    m_timeout->setValue(services.timeoutSeconds);
}

void CConfigRatings::store()
{
    // A setting that matched none of the items leaves the combo empty and the
    // setting as it was.
    if (m_randomMap->currentIndex() >= 0)
        CSettings::Instance().SetDefaultPlatformRM(m_randomMap->currentData().toInt());
    if (m_deathMatch->currentIndex() >= 0)
        CSettings::Instance().SetDefaultPlatformDM(m_deathMatch->currentData().toInt());
    CRatingServices services;
    services.zoneUrl = m_zoneUrl->text();
    services.gameParkUrl = m_gameParkUrl->text();
    services.igZonesUrl = m_igZonesUrl->text();
    services.timeoutSeconds = m_timeout->value();
    services.Save();
}
