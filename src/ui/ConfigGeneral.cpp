#include "ui/ConfigGeneral.h"

#include "app/GameInstall.h"
#include "app/Settings.h"
#include "app/ShellStrings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// An MFC-style filter "Text (*.exe)|*.exe||" as a Qt file dialog filter.
QString qtFilter(const QString &filter)
{
    const QString first = filter.section(QLatin1Char('|'), 0, 0).trimmed();
    return first.isEmpty() ? QStringLiteral("*.exe") : first;
}

QHBoxLayout *withBrowse(QLineEdit *edit, QPushButton *browse)
{
    auto *row = new QHBoxLayout;
    row->addWidget(edit, 1);
    row->addWidget(browse);
    return row;
}

} // namespace

CConfigGeneral::CConfigGeneral(QWidget *parent)
    : CConfigPage(parent)
    , m_installed(new QCheckBox(tr("Yes"), this))
    , m_saveGame(new QLineEdit(this))
    , m_browseSaveGame(new QPushButton(tr("&Browse"), this))
    , m_showChat(new QCheckBox(tr("Show Game Chat"), this))
    , m_showResign(new QCheckBox(tr("Show Resign Messages"), this))
    , m_showChatTimes(new QCheckBox(tr("Show time in the Messages Chat"), this))
    , m_analyzeScenario(new QCheckBox(tr("Analyze"), this))
    , m_watchFolder(new QCheckBox(tr("Show new recordings of the folder as they are saved"), this))
    , m_version10(new QLineEdit(this))
    , m_winePrefix(new QLineEdit(this))
    , m_wineCommand(new QLineEdit(this))
    , m_codePage(new QComboBox(this))
{
    m_installed->setObjectName(QStringLiteral("installed"));
    m_saveGame->setObjectName(QStringLiteral("saveGame"));
    m_showChat->setObjectName(QStringLiteral("showChat"));
    m_showResign->setObjectName(QStringLiteral("showResign"));
    m_showChatTimes->setObjectName(QStringLiteral("showChatTimes"));
    m_analyzeScenario->setObjectName(QStringLiteral("analyzeScenario"));
    m_watchFolder->setObjectName(QStringLiteral("watchFolder"));
    m_version10->setObjectName(QStringLiteral("version10"));
    m_winePrefix->setObjectName(QStringLiteral("winePrefix"));
    m_wineCommand->setObjectName(QStringLiteral("wineCommand"));
    m_codePage->setObjectName(QStringLiteral("codePage"));
    // The code pages the game was sold with, named by the writing they carry.
    const std::pair<const char *, const char *> codePages[] = {
        { QT_TR_NOOP("Western European"), "windows-1252" },
        { QT_TR_NOOP("Central European"), "windows-1250" },
        { QT_TR_NOOP("Cyrillic"), "windows-1251" },
        { QT_TR_NOOP("Chinese Simplified"), "GBK" },
        { QT_TR_NOOP("Chinese Traditional"), "Big5" },
        { QT_TR_NOOP("Japanese"), "Shift_JIS" },
        { QT_TR_NOOP("Korean"), "EUC-KR" },
        { QT_TR_NOOP("Unicode"), "UTF-8" },
    };
    for (const auto &[label, name] : codePages)
        m_codePage->addItem(QStringLiteral("%1 (%2)").arg(tr(label), QLatin1String(name)), QString::fromLatin1(name));

    auto *game = new QGroupBox(tr("Game"), this);
    auto *grid = new QGridLayout(game);
    grid->addWidget(new QLabel(tr("Is AoC installed?:"), game), 0, 0);
    grid->addWidget(m_installed, 0, 1);
    grid->addWidget(new QLabel(tr("SaveGame Folder:"), game), 1, 0, 1, 2);
    grid->addLayout(withBrowse(m_saveGame, m_browseSaveGame), 2, 0, 1, 2);
    grid->addWidget(new QLabel(tr("The Conquerors Version 1.0:"), game), 3, 0, 1, 2);
    auto *browse10 = new QPushButton(tr("&Browse"), game);
    grid->addLayout(withBrowse(m_version10, browse10), 4, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    auto *wine = new QGroupBox(tr("Wine"), this);
    auto *wineGrid = new QGridLayout(wine);
    wineGrid->addWidget(new QLabel(tr("Wine prefix (empty: the default one):"), wine), 0, 0);
    auto *browsePrefix = new QPushButton(tr("&Browse"), wine);
    wineGrid->addLayout(withBrowse(m_winePrefix, browsePrefix), 0, 1);
    wineGrid->addWidget(new QLabel(tr("Wine command:"), wine), 1, 0);
    wineGrid->addWidget(m_wineCommand, 1, 1);
    wineGrid->setColumnStretch(1, 1);

    auto *names = new QGroupBox(tr("Names in recordings"), this);
    auto *namesGrid = new QGridLayout(names);
    namesGrid->addWidget(new QLabel(tr("Code page:"), names), 0, 0);
    namesGrid->addWidget(m_codePage, 0, 1);
    auto *namesHint = new QLabel(tr("Older recordings store player names in the code page of the Windows they were "
                                    "played on: pick Chinese, Korean, Japanese or Cyrillic when names show as "
                                    "strange characters. Names written as UTF-8 by later editions always read right."),
        names);
    namesHint->setWordWrap(true);
    namesGrid->addWidget(namesHint, 1, 0, 1, 2);
    namesGrid->setColumnStretch(1, 1);

    auto *show = new QGroupBox(tr("Recorded games"), this);
    auto *showGrid = new QGridLayout(show);
    showGrid->addWidget(m_showChat, 0, 0);
    showGrid->addWidget(m_showResign, 0, 1);
    showGrid->addWidget(m_showChatTimes, 1, 0);
    auto *scenario = new QHBoxLayout;
    scenario->addWidget(new QLabel(tr("Analyze scenario recs?"), show));
    scenario->addWidget(m_analyzeScenario);
    scenario->addStretch(1);
    showGrid->addLayout(scenario, 1, 1);
    showGrid->addWidget(m_watchFolder, 2, 0, 1, 2);

    auto *warning = new QLabel(
        tr("The application may crash or not to work correctly, because the MGX structure isn't 100% well-known."),
        this);
    warning->setWordWrap(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(game);
    layout->addWidget(show);
    layout->addWidget(names);
    layout->addWidget(wine);
    layout->addWidget(warning);
    layout->addStretch(1);

    connect(m_installed, &QCheckBox::toggled, this, &CConfigGeneral::updateSaveGameControls);
    connect(m_browseSaveGame, &QPushButton::clicked, this, [this] {
        const QString folder = QFileDialog::getExistingDirectory(this, tr("SaveGame Folder:"), m_saveGame->text());
        if (!folder.isEmpty())
            m_saveGame->setText(folder);
    });
    connect(browse10, &QPushButton::clicked, this, [this] {
        const QString file = QFileDialog::getOpenFileName(this, tr("The Conquerors Version 1.0:"), m_version10->text(),
            qtFilter(LoadString(StringId::Version10Filter)));
        if (!file.isEmpty())
            m_version10->setText(file);
    });
    connect(browsePrefix, &QPushButton::clicked, this, [this] {
        const QString folder = QFileDialog::getExistingDirectory(this, tr("Wine prefix"), m_winePrefix->text());
        if (!folder.isEmpty())
            m_winePrefix->setText(folder);
    });
}

void CConfigGeneral::updateSaveGameControls()
{
    const bool chosen = !m_installed->isChecked();
    m_saveGame->setEnabled(chosen);
    m_browseSaveGame->setEnabled(chosen);
}

void CConfigGeneral::load()
{
    const CSettings &s = CSettings::Instance();
    const QString gameDirectory = CGameInstall(s.WinePrefix()).GameDirectory();
    m_installed->setChecked(gameDirectory.size() > 10);
    m_saveGame->setText(s.SaveGameFolder());
    m_showChat->setChecked(s.showChat);
    m_showResign->setChecked(s.showResign);
    m_showChatTimes->setChecked(s.showChatTimes);
    m_analyzeScenario->setChecked(s.analyzeScenario);
    m_watchFolder->setChecked(s.watchFolder);
    m_version10->setText(s.Version10Path());
    m_winePrefix->setText(s.WinePrefix());
    m_wineCommand->setText(s.WineCommand());
    int codePage = m_codePage->findData(s.CodePage(), Qt::UserRole, Qt::MatchFixedString);
    if (codePage < 0) {
        // A code page typed into the settings by hand stays selectable.
        m_codePage->addItem(s.CodePage(), s.CodePage());
        codePage = m_codePage->count() - 1;
    }
    m_codePage->setCurrentIndex(codePage);
    updateSaveGameControls();
}

void CConfigGeneral::store()
{
    CSettings &s = CSettings::Instance();
    s.showChat = m_showChat->isChecked();
    s.showResign = m_showResign->isChecked();
    s.showChatTimes = m_showChatTimes->isChecked();
    s.analyzeScenario = m_analyzeScenario->isChecked();
    s.watchFolder = m_watchFolder->isChecked();
    s.SetVersion10Path(m_version10->text());
    if (!m_installed->isChecked())
        s.SetSaveGameFolder(m_saveGame->text());
    s.SetWinePrefix(m_winePrefix->text().trimmed());
    s.SetWineCommand(m_wineCommand->text());
    s.SetCodePage(m_codePage->currentData().toString());
}
