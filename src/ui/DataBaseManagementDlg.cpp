#include "ui/DataBaseManagementDlg.h"

#include "app/ShellStrings.h"
#include "app/WaitJob.h"
#include "ui/WaitDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSemaphore>
#include <QVBoxLayout>

namespace {

enum CopyOption { CopyAll = 0, CopyBasic = 1, CopyNone = 2, CopyAboveRating = 3 };

} // namespace

CDataBaseManagementDlg::CDataBaseManagementDlg(QWidget *parent)
    : QDialog(parent)
    , m_size(new QLabel(this))
    , m_players(new QLabel(this))
    , m_games(new QLabel(this))
    , m_create(new QCheckBox(tr("Yes"), this))
    , m_copy(new QButtonGroup(this))
    , m_rating(new QLineEdit(QStringLiteral("1600"), this))
    , m_optimize(new QPushButton(tr("Optimize DataBase"), this))
{
    setWindowTitle(tr("DataBase Management"));
    m_size->setObjectName(QStringLiteral("size"));
    m_players->setObjectName(QStringLiteral("players"));
    m_games->setObjectName(QStringLiteral("games"));
    m_create->setObjectName(QStringLiteral("create"));
    m_rating->setObjectName(QStringLiteral("rating"));
    m_optimize->setObjectName(QStringLiteral("optimize"));
    m_rating->setMaxLength(4);
    m_rating->setValidator(new QIntValidator(0, 9999, m_rating));
    m_rating->setMaximumWidth(m_rating->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);

    auto *stats = new QGroupBox(tr("Statistics"), this);
    auto *statsForm = new QFormLayout(stats);
    statsForm->addRow(tr("Database Size:"), m_size);
    statsForm->addRow(tr("Players Registered:"), m_players);
    statsForm->addRow(tr("Matches Registered:"), m_games);

    auto *rebuildBox = new QGroupBox(tr("Optimize"), this);
    auto *options = new QVBoxLayout;
    const QString labels[] = { tr("Yes"), tr("Only Basic Info"), tr("No Copy"), tr("Only Player with Rating up of:") };
    for (int option = CopyAll; option <= CopyAboveRating; ++option) {
        auto *radio = new QRadioButton(labels[option], rebuildBox);
        radio->setObjectName(QStringLiteral("copy%1").arg(option));
        m_copy->addButton(radio, option);
        if (option != CopyAboveRating) {
            options->addWidget(radio);
            continue;
        }
        auto *row = new QHBoxLayout;
        row->addWidget(radio);
        row->addWidget(m_rating);
        row->addStretch(1);
        options->addLayout(row);
    }
    auto *matches = new QComboBox(rebuildBox);
    matches->addItem(tr("No Copy"));
    matches->setEnabled(false);
    auto *form = new QFormLayout(rebuildBox);
    form->addRow(tr("Create new Database:"), m_create);
    form->addRow(tr("Copy Players Information:"), options);
    form->addRow(tr("Copy Matches Information:"), matches);
    form->addRow(QString(), m_optimize);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(stats);
    layout->addWidget(rebuildBox);
    layout->addWidget(buttons);

    connect(m_create, &QCheckBox::toggled, this, &CDataBaseManagementDlg::createToggled);
    connect(m_copy, &QButtonGroup::idClicked, this, &CDataBaseManagementDlg::optionChosen);
    connect(m_optimize, &QPushButton::clicked, this, &CDataBaseManagementDlg::rebuild);
    showStatistics();
    createToggled(false);
}

int CDataBaseManagementDlg::CopyOption() const
{
    return m_create->isChecked() ? m_copy->checkedId() : -1;
}

void CDataBaseManagementDlg::showStatistics()
{
    const Maintenance::CStatistics stats = Maintenance::Statistics();
    m_size->setText(stats.sizeText);
    m_players->setText(QString::number(stats.players));
    m_games->setText(QString::number(stats.games));
}

void CDataBaseManagementDlg::createToggled(bool on)
{
    // With no option chosen the group must let go of its checked button.
    m_copy->setExclusive(on);
    for (QAbstractButton *radio : m_copy->buttons()) {
        radio->setChecked(on && m_copy->id(radio) == CopyAll);
        radio->setEnabled(on);
    }
    m_rating->setEnabled(false);
    m_optimize->setEnabled(on);
}

void CDataBaseManagementDlg::optionChosen(int option)
{
    m_rating->setEnabled(option == CopyAboveRating);
    if (option == CopyAboveRating)
        m_rating->setFocus();
}

void CDataBaseManagementDlg::rebuild()
{
    static const Maintenance::CopyMode modes[] = { Maintenance::CopyMode::AllPlayers,
        Maintenance::CopyMode::BaseKnowledge, Maintenance::CopyMode::None, Maintenance::CopyMode::AboveRating };
    const int option = CopyOption();
    if (option < 0)
        return;
    struct Outcome
    {
        std::atomic<Maintenance::RebuildResult> result { Maintenance::RebuildResult::Cancelled };
        QSemaphore ended;
    };
    const auto outcome = std::make_shared<Outcome>();
    const Maintenance::CopyMode mode = modes[option];
    const int minimum = m_rating->text().toInt();
    const auto job = CWaitJob::Create();
    CWaitDlg::RunJob(this, LoadString(StringId::PleaseWaitTitle), tr("Copying Players Information..."), true, false,
        job, [outcome, mode, minimum](CWaitJob &j) {
            Maintenance::RebuildOptions options;
            options.mode = mode;
            options.minimumRating = minimum;
            options.stop = &j.StopFlag();
            options.step = [&j](const QString &text) { j.PostText(text); };
            outcome->result = Maintenance::Rebuild(options);
            outcome->ended.release();
            if (!j.StopRequested())
                j.PostClose();
        });
    // The worker stops soon after a Cancel; what it did decides what the
    // window must do, so its end is awaited.
    outcome->ended.acquire();
    if (report(outcome->result))
        accept();
}

bool CDataBaseManagementDlg::report(Maintenance::RebuildResult result)
{
    using R = Maintenance::RebuildResult;
    switch (result) {
    case R::Done:
        m_rebuilt = true;
        QMessageBox::information(this, LoadString(StringId::Attention), Maintenance::RebuildMessage(result));
        return true;
    case R::Cancelled:
        return true;
    case R::TemporaryNotDeleted:
    case R::CannotCreate:
        // Nothing was touched: the user may try again.
        QMessageBox::critical(this, LoadString(StringId::Error), Maintenance::RebuildMessage(result));
        showStatistics();
        return false;
    case R::StructureFailed:
    case R::CopyFailed:
    case R::ReplaceFailed:
        break;
    }
    QMessageBox::critical(this, LoadString(StringId::Error), Maintenance::RebuildMessage(result));
    return true;
}
