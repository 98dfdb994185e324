#include "ui/RenameSingleDlg.h"

#include "app/ShellStrings.h"
#include "rename/RenameRows.h"
#include "rename/RenameStrings.h"
#include "recgame/RecordedGame.h"
#include "ui/RenameMessages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CRenameSingleDlg::CRenameSingleDlg(QWidget *parent, const QString &fileName, CRecordedGame &game, CRenamer &renamer,
    CRenameConfirm::RenameFunction rename)
    : QDialog(parent)
    , m_rename(std::move(rename))
    , m_formats(new QListWidget(this))
    , m_round(new QLineEdit(QStringLiteral("#"), this))
    , m_teamA(new QLineEdit(this))
    , m_teamB(new QLineEdit(this))
    , m_map(new QLineEdit(this))
    , m_info(new QComboBox(this))
    , m_preview(new QLineEdit(this))
    , m_underscores(new QCheckBox(tr("Replace spaces with underscores (_)"), this))
{
    setWindowTitle(tr("Rename Recorded Game"));
    m_formats->setObjectName(QStringLiteral("formats"));
    m_preview->setObjectName(QStringLiteral("preview"));
    m_round->setObjectName(QStringLiteral("round"));

    renamer.ClearResults();
    renamer.Expand(game, QStringLiteral("#"));
    m_results = renamer.Results();
    m_values = renamer.GameValues(game, QStringLiteral("#"));
    for (const CRenameResult &r : m_results)
        m_formats->addItem(r.name);
    m_teamA->setText(m_values.teamA);
    m_teamB->setText(m_values.teamB);
    m_map->setText(m_values.map);
    m_info->addItems(infoPieces(game));
    m_preview->setToolTip(LoadString(StringId::InvalidNameCharacters));
    m_preview->setMinimumWidth(520);

    auto *file = new QLabel(fileName, this);
    file->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(new QLabel(tr("File:"), this));
    fileRow->addWidget(file, 1);

    auto *fields = new QGroupBox(tr("Values of the format"), this);
    auto *grid = new QGridLayout(fields);
    grid->addWidget(new QLabel(tr("Round #:"), fields), 0, 0);
    grid->addWidget(m_round, 0, 1);
    grid->addWidget(new QLabel(tr("Map:"), fields), 0, 2);
    grid->addWidget(m_map, 0, 3);
    grid->addWidget(new QLabel(tr("Team A:"), fields), 1, 0);
    grid->addWidget(m_teamA, 1, 1);
    grid->addWidget(new QLabel(tr("Team B:"), fields), 1, 2);
    grid->addWidget(m_teamB, 1, 3);
    auto *change = new QPushButton(tr("Change"), fields);
    grid->addWidget(change, 0, 4, 2, 1);

    auto *infoRow = new QHBoxLayout;
    infoRow->addWidget(new QLabel(tr("Add other Game Info:"), this));
    infoRow->addWidget(m_info, 1);
    auto *add = new QPushButton(tr("Add Info"), this);
    infoRow->addWidget(add);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fileRow);
    layout->addWidget(new QLabel(tr("Rename Formats:"), this));
    layout->addWidget(m_formats, 1);
    layout->addWidget(fields);
    layout->addLayout(infoRow);
    layout->addWidget(new QLabel(tr("New file name (can change the new file name here):"), this));
    layout->addWidget(m_preview);
    layout->addWidget(m_underscores);
    layout->addWidget(buttons);

    connect(m_formats, &QListWidget::currentRowChanged, this, &CRenameSingleDlg::ChooseFormat);
    connect(change, &QPushButton::clicked, this, &CRenameSingleDlg::Change);
    connect(add, &QPushButton::clicked, this, [this] { AddInfo(m_info->currentIndex()); });
    connect(m_underscores, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            m_preview->setText(CRenameRows::WithUnderscores(m_preview->text()));
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &CRenameSingleDlg::Confirm);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    if (!m_results.isEmpty())
        m_formats->setCurrentRow(0);
    resize(640, 480);
}

QString CRenameSingleDlg::Preview() const
{
    return m_preview->text();
}

int CRenameSingleDlg::FormatCount() const
{
    return int(m_results.size());
}

QStringList CRenameSingleDlg::infoPieces(CRecordedGame &game) const
{
    QStringList pieces { m_values.map, CRecordedGame::GameTypeName(game.gameType),
        QString(game.duration).replace(QLatin1Char(':'), QLatin1Char('\'')), LoadString(StringId::Versus),
        m_values.teamA, m_values.teamB };
    for (int s = 1; s <= 8; ++s) {
        const CPlayer &p = game.players[s];
        if (p.number <= 0)
            continue;
        const QString rating = QString::number(p.rating);
        pieces << QStringLiteral("%1 (%2)").arg(p.name, CRecordedGame::CivilizationName(p.civilization))
               << QStringLiteral("%1 (%2)").arg(p.name, rating) << rating << rating.left(3) + QLatin1Char('+');
    }
    pieces.removeAll(QString());
    pieces.removeDuplicates();
    for (QString &p : pieces)
        p = CRenamer::NameSafe(p);
    return pieces;
}

void CRenameSingleDlg::ChooseFormat(int i)
{
    if (m_formats->currentRow() != i)
        m_formats->setCurrentRow(i);
    Change();
}

void CRenameSingleDlg::SetRound(const QString &round)
{
    m_round->setText(round);
}

void CRenameSingleDlg::Change()
{
    const int i = m_formats->currentRow();
    if (i < 0 || i >= m_results.size())
        return;
    CRenamer::FinalValues values = m_values;
    values.round = m_round->text();
    values.teamA = m_teamA->text();
    values.teamB = m_teamB->text();
    values.map = m_map->text();
    QString name = CRenamer::Finish(m_results[i].partial, values);
    if (m_underscores->isChecked())
        name = CRenameRows::WithUnderscores(name);
    m_preview->setText(name);
}

void CRenameSingleDlg::AddInfo(int piece)
{
    if (piece < 0 || piece >= m_info->count())
        return;
    QString text = m_preview->text();
    // A piece goes before the extension, so the name stays a recording's.
    const qsizetype dot = text.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot > 0 && text.size() - dot <= 5 ? text.mid(dot) : QString();
    text.chop(extension.size());
    text += QLatin1Char(' ') + m_info->itemText(piece) + extension;
    m_preview->setText(m_underscores->isChecked() ? CRenameRows::WithUnderscores(text) : text);
}

void CRenameSingleDlg::Confirm()
{
    const CFileRecordedGame::Result result = m_rename(m_preview->text());
    if (RenameMessages::Show(this, result) == RenameMessages::Next::StayOpen)
        return;
    m_newName = result.Succeeded() ? result.newName : QString();
    if (result.Succeeded())
        accept();
    else
        reject();
}
