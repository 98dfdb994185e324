#include "ui/TopPlayersDlg.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Maintenance.h"
#include "ratings/Countries.h"
#include "ratings/Platforms.h"
#include "ui/CountryFlags.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

CTopPlayersDlg::CTopPlayersDlg(QWidget *parent)
    : QDialog(parent)
    , m_platform(new QComboBox(this))
    , m_players(new QListWidget(this))
{
    setWindowTitle(tr("Top 15 Players"));
    m_platform->setObjectName(QStringLiteral("platform"));
    m_players->setObjectName(QStringLiteral("players"));
    for (int platform : Platform::TopPlayersOrder())
        m_platform->addItem(Platform::PlatformLabel(platform), platform);
    m_players->setIconSize(QSize(CountryFlags::kWidth, CountryFlags::kHeight));

    auto *form = new QFormLayout;
    form->addRow(tr("Platform:"), m_platform);
    auto *note = new QLabel(
        tr("this top is based in your players Database, can be old or not the real top.") + QLatin1Char('\n')
            + tr("the Zone Top is Real."),
        this);
    note->setWordWrap(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_players, 1);
    layout->addWidget(note);
    layout->addWidget(buttons);
    resize(320, 500);

    connect(m_platform, &QComboBox::currentIndexChanged, this, &CTopPlayersDlg::fill);
    fill();
}

void CTopPlayersDlg::fill()
{
    m_players->clear();
    std::unique_ptr<CDbSQLite> db = Catalogue::OpenCatalogue();
    if (!db)
        return;
    for (const Maintenance::CPlayerRow &p : Maintenance::TopPlayers(m_platform->currentData().toInt(), *db)) {
        auto *item = new QListWidgetItem(
            CountryFlags::Flag(p.country), QStringLiteral("%1 (%2)").arg(p.nick).arg(p.rating), m_players);
        item->setToolTip(p.country > 0 ? Country::CountryName(p.country) : QString());
    }
    m_players->setCurrentRow(0);
}
