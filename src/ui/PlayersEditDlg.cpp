#include "ui/PlayersEditDlg.h"

#include "app/StringTable.h"
#include "catalogue/Catalogue.h"
#include "ratings/Countries.h"
#include "ui/CountryFlags.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

CPlayersEditDlg::CPlayersEditDlg(const QList<CPlayerInfo> &players, QWidget *parent)
    : QDialog(parent)
    , m_players(players)
    , m_list(new QListWidget(this))
    , m_nick(new QLineEdit(this))
    , m_country(new QComboBox(this))
    , m_change(new QPushButton(tr("Change"), this))
    , m_cancelChange(new QPushButton(tr("Cancel"), this))
{
    setWindowTitle(tr("Edit Players Info"));
    m_list->setObjectName(QStringLiteral("playerList"));
    m_nick->setObjectName(QStringLiteral("nick"));
    m_country->setObjectName(QStringLiteral("country"));
    m_change->setObjectName(QStringLiteral("change"));
    m_cancelChange->setObjectName(QStringLiteral("cancelChange"));
    m_list->setIconSize(QSize(CountryFlags::kWidth, CountryFlags::kHeight));
    for (const CPlayerInfo &p : m_players)
        new QListWidgetItem(CountryFlags::Flag(p.country), p.name, m_list);
    m_nick->setReadOnly(true);
    for (int id = 0; id < Country::kCount; ++id)
        m_country->addItem(CountryFlags::Flag(id), Country::CountryName(id), id);

    auto *info = new QGroupBox(tr("Player Info"), this);
    auto *form = new QFormLayout;
    form->addRow(tr("Player NickName:"), m_nick);
    form->addRow(tr("Country:"), m_country);
    auto *infoButtons = new QHBoxLayout;
    infoButtons->addStretch(1);
    infoButtons->addWidget(m_change);
    infoButtons->addWidget(m_cancelChange);
    auto *infoLayout = new QVBoxLayout(info);
    infoLayout->addLayout(form);
    infoLayout->addLayout(infoButtons);

    auto *save = new QPushButton(tr("Save Changes"), this);
    save->setObjectName(QStringLiteral("save"));
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(cancel);

    auto *columns = new QHBoxLayout;
    columns->addWidget(m_list, 1);
    columns->addWidget(info, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);

    connect(m_list, &QListWidget::itemSelectionChanged, this, &CPlayersEditDlg::playerSelected);
    connect(m_change, &QPushButton::clicked, this, &CPlayersEditDlg::change);
    connect(m_cancelChange, &QPushButton::clicked, this, &CPlayersEditDlg::cancelChange);
    connect(save, &QPushButton::clicked, this, &CPlayersEditDlg::save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    setEditing(false);
}

void CPlayersEditDlg::setEditing(bool on)
{
    m_country->setEnabled(on);
    m_change->setEnabled(on);
    m_cancelChange->setEnabled(on);
    if (!on) {
        m_nick->clear();
        m_country->setCurrentIndex(-1);
    }
}

void CPlayersEditDlg::playerSelected()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= m_players.size() || m_list->selectedItems().isEmpty())
        return;
    m_nick->setText(m_players[row].name);
    m_country->setCurrentIndex(m_country->findData(m_players[row].country));
    setEditing(true);
}

void CPlayersEditDlg::change()
{
    const int row = m_list->currentRow();
    if (row >= 0 && row < m_players.size() && m_country->currentIndex() >= 0) {
        m_players[row].country = m_country->currentData().toInt();
        m_list->item(row)->setIcon(CountryFlags::Flag(m_players[row].country));
    }
    m_list->clearSelection();
    setEditing(false);
}

void CPlayersEditDlg::cancelChange()
{
    m_list->clearSelection();
    setEditing(false);
}

void CPlayersEditDlg::save()
{
    std::unique_ptr<CDbSQLite> db = Catalogue::OpenCatalogue();
    if (!db || !PlayersInfo::Save(m_players, *db)) {
        QMessageBox::critical(this, LoadString(StringId::Error), tr("The players could not be saved."));
        return;
    }
    accept();
}
