#include "ui/SearchPlayerDlg.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Maintenance.h"
#include "ratings/Countries.h"
#include "shell/SearchChoices.h"
#include "ui/CountryFlags.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QComboBox *ratingCombo(QWidget *parent, const QString &name)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItem(QStringLiteral("-"), 0);
    for (int r : SearchChoices::Ratings())
        box->addItem(QString::number(r), r);
    return box;
}

} // namespace

CSearchPlayerDlg::CSearchPlayerDlg(QWidget *parent)
    : QDialog(parent)
    , m_nick(new QLineEdit(this))
    , m_country(new QComboBox(this))
    , m_ratingMin(ratingCombo(this, QStringLiteral("ratingMin")))
    , m_ratingMax(ratingCombo(this, QStringLiteral("ratingMax")))
    , m_search(new QPushButton(tr("&Search"), this))
    , m_found(new QListWidget(this))
    , m_selectedLabel(new QLabel(this))
    , m_ok(new QPushButton(tr("Ok"), this))
{
    setWindowTitle(tr("Player Search"));
    m_nick->setObjectName(QStringLiteral("nick"));
    m_country->setObjectName(QStringLiteral("country"));
    m_search->setObjectName(QStringLiteral("search"));
    m_found->setObjectName(QStringLiteral("found"));
    m_selectedLabel->setObjectName(QStringLiteral("selected"));
    m_ok->setObjectName(QStringLiteral("ok"));
    m_nick->setMaxLength(25);
    m_country->addItem(tr("- All -"), -1);
    for (int id = 0; id < Country::kCount; ++id)
        m_country->addItem(CountryFlags::Flag(id), Country::CountryName(id), id);
    m_search->setDefault(true);

    auto *cancel = new QPushButton(tr("Cancel"), this);
    connect(m_nick, &QLineEdit::textChanged, this, &CSearchPlayerDlg::updateButtons);
    connect(m_search, &QPushButton::clicked, this, &CSearchPlayerDlg::search);
    connect(m_found, &QListWidget::itemSelectionChanged, this, &CSearchPlayerDlg::select);
    connect(m_found, &QListWidget::itemDoubleClicked, this, [this] {
        if (m_ok->isEnabled())
            accept();
    });
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *ratings = new QHBoxLayout;
    ratings->addWidget(m_ratingMin);
    ratings->addWidget(new QLabel(tr("Rating (max):"), this));
    ratings->addWidget(m_ratingMax);
    auto *nickRow = new QHBoxLayout;
    nickRow->addWidget(m_nick, 1);
    nickRow->addWidget(m_search);
    auto *form = new QFormLayout;
    form->addRow(tr("Player Nick:"), nickRow);
    form->addRow(tr("Country:"), m_country);
    form->addRow(tr("Rating (min):"), ratings);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel(tr("Found matches:"), this));
    layout->addWidget(m_found, 1);
    auto *selectedRow = new QHBoxLayout;
    selectedRow->addWidget(new QLabel(tr("Selected Player:"), this));
    selectedRow->addWidget(m_selectedLabel, 1);
    layout->addLayout(selectedRow);
    layout->addLayout(buttons);
    updateButtons();
}

void CSearchPlayerDlg::updateButtons()
{
    m_search->setEnabled(m_nick->text().size() >= 3);
    m_ok->setEnabled(!m_selected.isEmpty());
}

void CSearchPlayerDlg::search()
{
    m_found->clear();
    m_selected.clear();
    m_selectedLabel->clear();
    updateButtons();
    std::unique_ptr<CDbSQLite> db = Catalogue::OpenCatalogue();
    if (!db)
        return;
    m_found->addItems(Maintenance::SearchPlayers(m_nick->text(), m_country->currentData().toInt(),
        m_ratingMin->currentData().toInt(), m_ratingMax->currentData().toInt(), *db));
}

void CSearchPlayerDlg::select()
{
    const QList<QListWidgetItem *> items = m_found->selectedItems();
    m_selected = items.isEmpty() ? QString() : items.front()->text();
    m_selectedLabel->setText(m_selected);
    updateButtons();
}
