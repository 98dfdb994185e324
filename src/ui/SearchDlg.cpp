#include "ui/SearchDlg.h"

#include "app/StringTable.h"
#include "catalogue/Catalogue.h"
#include "shell/SearchChoices.h"
#include "ui/SearchPlayerDlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// A list of several choices headed by "- All -", which stands for any.
QListWidget *choiceList(const QList<CSearchChoice> &choices, QWidget *parent)
{
    auto *list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto *all = new QListWidgetItem(QCoreApplication::translate("CSearchDlg", "- All -"), list);
    all->setData(Qt::UserRole, -1);
    for (const CSearchChoice &c : choices) {
        auto *item = new QListWidgetItem(c.label, list);
        item->setData(Qt::UserRole, c.id);
    }
    all->setSelected(true);
    return list;
}

// The selected ids joined by ","; empty (any) when "- All -" is selected.
QString selectedIds(const QListWidget *list)
{
    QStringList ids;
    for (int i = 0; i < list->count(); ++i) {
        const QListWidgetItem *item = list->item(i);
        if (!item->isSelected())
            continue;
        if (item->data(Qt::UserRole).toInt() < 0)
            return QString();
        ids << QString::number(item->data(Qt::UserRole).toInt());
    }
    return ids.join(QLatin1Char(','));
}

QComboBox *choiceCombo(const QList<CSearchChoice> &choices, int anyValue, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->addItem(QStringLiteral("-"), anyValue);
    for (const CSearchChoice &c : choices)
        box->addItem(c.label, c.id);
    return box;
}

QComboBox *ratingCombo(QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->addItem(QStringLiteral("-"), 0);
    for (int r : SearchChoices::Ratings())
        box->addItem(QString::number(r), r);
    return box;
}

QString modeTip(const QString &text)
{
    return QStringLiteral("<p style='white-space:normal'>&#8505;&nbsp;<b>%1</b></p><p>%2</p>")
        .arg(QCoreApplication::translate("CSearchDlg", "Search in:").toHtmlEscaped(), text.toHtmlEscaped());
}

} // namespace

CSearchDlg::CSearchDlg(QWidget *parent)
    : QDialog(parent)
    , m_mode(new QButtonGroup(this))
    , m_nick(new QLineEdit(this))
    , m_ratingMin(ratingCombo(this))
    , m_ratingMax(ratingCombo(this))
    , m_duration(new QComboBox(this))
    , m_type(choiceCombo(SearchChoices::GameTypes(), -1, this))
    , m_players(choiceCombo(SearchChoices::MatchSizes(), 0, this))
    , m_platform(choiceCombo(SearchChoices::Platforms(), -1, this))
    , m_fileMode(new QComboBox(this))
    , m_fileName(new QLineEdit(this))
{
    setWindowTitle(tr("Search Recorded Game"));
    {
        // The custom maps come from a connection of the dialog's own, closed
        // before the user starts choosing.
        std::unique_ptr<CDbSQLite> db = Catalogue::OpenCatalogue();
        m_maps = choiceList(SearchChoices::Maps(db.get()), this);
    }
    m_civilizations = choiceList(SearchChoices::Civilizations(), this);
    m_duration->addItem(QStringLiteral("-"), QString());
    for (const CSearchChoice &d : SearchChoices::Durations())
        m_duration->addItem(d.label, d.pattern);
    m_fileMode->addItems({ tr("Begins with"), tr("Contains"), tr("End with") });
    m_nick->setMaxLength(25);
    m_fileName->setMaxLength(30);
    m_fileName->setMinimumWidth(m_fileName->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 12);

    m_nick->setObjectName(QStringLiteral("nick"));
    m_ratingMin->setObjectName(QStringLiteral("ratingMin"));
    m_ratingMax->setObjectName(QStringLiteral("ratingMax"));
    m_maps->setObjectName(QStringLiteral("maps"));
    m_civilizations->setObjectName(QStringLiteral("civilizations"));
    m_duration->setObjectName(QStringLiteral("duration"));
    m_type->setObjectName(QStringLiteral("type"));
    m_players->setObjectName(QStringLiteral("players"));
    m_platform->setObjectName(QStringLiteral("platform"));
    m_fileMode->setObjectName(QStringLiteral("fileMode"));
    m_fileName->setObjectName(QStringLiteral("fileName"));

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *searchButton = buttons->addButton(tr("&Search"), QDialogButtonBox::AcceptRole);
    searchButton->setObjectName(QStringLiteral("search"));
    searchButton->setDefault(true);
    buttons->addButton(tr("&Close"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("close"));
    connect(searchButton, &QPushButton::clicked, this, &CSearchDlg::search);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *columns = new QHBoxLayout;
    columns->addWidget(buildPlayerBox(), 1);
    columns->addWidget(buildGameBox(), 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);
}

QWidget *CSearchDlg::buildPlayerBox()
{
    auto *box = new QGroupBox(tr("Players"), this);
    auto *modes = new QHBoxLayout;
    const QString tips[] = {
        tr("this search looks for the Nick Name and the Civilization list in the POV Player."),
        tr("looks for the Nick and the Civ. of any player (both options at the same Player)."),
        tr("this search looks for the Nick Name or the Civ. of all Players."),
    };
    const QString names[] = { tr("Player POV"), tr("Unique Player"), tr("All Players") };
    for (int mode = 0; mode < 3; ++mode) {
        auto *radio = new QRadioButton(names[mode], box);
        radio->setObjectName(QStringLiteral("mode%1").arg(mode));
        radio->setToolTip(modeTip(tips[mode]));
        m_mode->addButton(radio, mode);
        modes->addWidget(radio);
    }
    m_mode->button(CSearcher::PlayerPov)->setChecked(true);

    auto *searchPlayer = new QPushButton(tr("Search &Player"), box);
    searchPlayer->setObjectName(QStringLiteral("searchPlayer"));
    connect(searchPlayer, &QPushButton::clicked, this, &CSearchDlg::searchPlayer);
    auto *nickRow = new QHBoxLayout;
    nickRow->addWidget(m_nick, 1);
    nickRow->addWidget(searchPlayer);
    auto *ratings = new QHBoxLayout;
    ratings->addWidget(m_ratingMin);
    ratings->addWidget(new QLabel(tr("Rating (max):"), box));
    ratings->addWidget(m_ratingMax);

    auto *form = new QFormLayout;
    form->addRow(tr("Search in:"), modes);
    form->addRow(tr("Player Nick:"), nickRow);
    form->addRow(tr("Rating (min):"), ratings);
    auto *layout = new QVBoxLayout(box);
    layout->addLayout(form);
    layout->addWidget(new QLabel(tr("Civilization(s):"), box));
    layout->addWidget(m_civilizations, 1);
    return box;
}

QWidget *CSearchDlg::buildGameBox()
{
    auto *box = new QGroupBox(tr("Game"), this);
    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(m_fileMode);
    fileRow->addWidget(m_fileName, 1);
    auto *form = new QFormLayout;
    form->addRow(tr("Duration:"), m_duration);
    form->addRow(tr("Type:"), m_type);
    form->addRow(tr("Players:"), m_players);
    form->addRow(tr("Platform:"), m_platform);
    form->addRow(tr("File Name:"), fileRow);
    auto *hint = new QLabel(tr("(use Ctrl Key to select or unselect several options)"), box);
    hint->setWordWrap(true);
    auto *layout = new QVBoxLayout(box);
    layout->addLayout(form);
    layout->addWidget(new QLabel(tr("Map(s):"), box));
    layout->addWidget(m_maps, 1);
    layout->addWidget(hint);
    return box;
}

CSearcher CSearchDlg::Searcher() const
{
    const int minimum = m_ratingMin->currentData().toInt();
    // The maximum counts only beside a minimum.
    const int maximum = minimum > 0 ? m_ratingMax->currentData().toInt() : 0;
    CSearcher searcher;
    searcher.Set(m_nick->text().trimmed(), minimum, maximum, selectedIds(m_civilizations), m_mode->checkedId(),
        m_fileMode->currentIndex(), m_fileName->text().trimmed(), selectedIds(m_maps), m_type->currentData().toInt(),
        m_players->currentData().toInt(), m_platform->currentData().toInt());
    searcher.SetDurationPattern(m_duration->currentData().toString());
    return searcher;
}

void CSearchDlg::search()
{
    m_query = CSearchQuery();
    CSearchQuery query;
    if (!Searcher().BuildQuery(query)) {
        QMessageBox box(QMessageBox::NoIcon, LoadString(StringId::Attention), tr("The current search has not matches"),
            QMessageBox::Ok, this);
        box.exec();
        return;
    }
    m_query = query;
    accept();
}

void CSearchDlg::searchPlayer()
{
    CSearchPlayerDlg players(this);
    if (players.exec() == QDialog::Accepted)
        m_nick->setText(players.SelectedNick());
}
