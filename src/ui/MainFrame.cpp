#include "ui/MainFrame.h"

#include "app/GameInstall.h"
#include "app/LanguageManager.h"
#include "app/Settings.h"
#include "app/ShellStrings.h"
#include "app/TextFormat.h"
#include "ratings/Platforms.h"
#include "shell/CommandIds.h"
#include "ui/ArchiveCommands.h"
#include "ui/CatalogueCommands.h"
#include "ui/CommandTable.h"
#include "ui/Configuration.h"
#include "ui/ExFormView.h"
#include "ui/ExListView.h"
#include "ui/ExplorerComboBox.h"
#include "ui/FileCommands.h"
#include "ui/FolderNavigation.h"
#include "ui/GameListModel.h"
#include "ui/LaunchCommands.h"
#include "ui/PlatformCommands.h"
#include "ui/RatingsCommands.h"
#include "ui/RenameCommands.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

CMainFrame::CMainFrame(CLanguageManager *languages, QWidget *parent)
    : QMainWindow(parent)
    , m_languages(languages)
    , m_commands(new CCommandTable(this))
    , m_list(new CExListView)
    , m_form(new CExFormView)
    , m_folders(new CExplorerComboBox)
    , m_splitter(new QSplitter(Qt::Horizontal, this))
    , m_okPane(new QLabel(LoadString(StringId::StatusReady)))
    , m_filesPane(new QLabel)
    , m_gamesPane(new QLabel)
{
    setWindowTitle(LoadString(StringId::ProductName));
    setWindowIcon(QIcon::fromTheme(QStringLiteral("applications-games")));

    m_form->setMinimumWidth(CExFormView::kWidth + 20);
    m_splitter->addWidget(m_list);
    m_splitter->addWidget(m_form);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    m_splitter->setChildrenCollapsible(false);
    setCentralWidget(m_splitter);

    m_navigation = new CFolderNavigation(this, m_list, [this](const QString &folder) { showFolder(folder); });
    buildBars();
    attachHandlers();
    new CPlatformCommands(this, m_commands, m_list, m_form);
    new CArchiveCommands(this, m_commands, m_list, m_form);
    new CRatingsCommands(this, m_commands, m_list, m_form);
    m_renames = new CRenameCommands(this, m_commands, m_list, m_form);
    m_fileCommands = new CFileCommands(this, m_commands, m_list, m_form);
    connect(m_fileCommands, &CFileCommands::enablingChanged, this, &CMainFrame::updateCommands);
    // F2 renames a folder or another file itself; stored recordings go to
    // the rename dialogs of the formats.
    m_fileCommands->SetRenameGamesHook([this](const QList<int> &rows) { m_renames->RenameRows(rows); });
    new CLaunchCommands(this, m_commands);
    new CCatalogueCommands(this, m_commands, m_list, m_form);

    connect(m_list, &CExListView::gameSelected, m_form, &CExFormView::ShowGame);
    connect(m_list, &CExListView::selectionCleared, m_form, &CExFormView::Clear);
    connect(m_list, &CExListView::gameUnreadable, m_form, &CExFormView::ShowUnreadable);
    // A recording that could not be read says why until the selection moves.
    connect(m_list, &CExListView::gameUnreadable, this, [this](const QString &file, const QString &reason) {
        statusBar()->showMessage(tr("%1 could not be read: %2").arg(file, reason));
    });
    connect(m_list, &CExListView::gameSelected, statusBar(), &QStatusBar::clearMessage);
    connect(m_list, &CExListView::selectionCleared, statusBar(), &QStatusBar::clearMessage);
    connect(m_list, &CExListView::statusMessage, this, [this](const QString &text) {
        statusBar()->showMessage(text, 10000);
    });
    connect(m_list, &CExListView::stateChanged, this, [this](const CommandState &state) {
        m_state = state;
        // The first pane counts a selection of several rows.
        m_okPane->setText(state.selectedCount > 1 ? tr("%n selected", nullptr, state.selectedCount)
                                                  : LoadString(StringId::StatusReady));
        updateCommands();
    });
    connect(m_list, &CExListView::countersChanged, this, &CMainFrame::updateCounters);
    connect(m_list, &CExListView::pathChanged, this, [this](const QString &path) {
        m_folders->ShowPath(path);
        updateTitle(path);
        updateCommands();
    });
    connect(m_list, &CExListView::contextMenuRequested, this, [this](const QPoint &pos) {
        QMenu menu;
        FillPopupMenu(&menu);
        menu.exec(pos);
    });
    connect(m_folders, &CExplorerComboBox::folderChosen, this, &CMainFrame::showFolder);
    resize(1100, 760);
    updateCounters(0, 0);
    updateCommands();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::InitialFill()
{
    m_list->InitialFill();
    m_folders->ShowPath(CSettings::Instance().CurrentPath());
    updateTitle(CSettings::Instance().CurrentPath());
    resetSplitter();
    updateCommands();
}

void CMainFrame::Activate(const QString &folder)
{
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        showFolder(folder);
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

namespace {
QString windowKey(const char *name)
{
    return QString::fromLatin1(SettingsKey::Section) + QLatin1Char('/') + QLatin1String(name);
}
} // namespace

void CMainFrame::RestoreGeometry()
{
    const auto store = CSettings::OpenStore();
    if (restoreGeometry(store->value(windowKey(SettingsKey::WindowGeometry)).toByteArray())) {
        restoreState(store->value(windowKey(SettingsKey::WindowState)).toByteArray());
        m_geometryRestored = true;
        return;
    }
    // First start: the usual size, but never more than the screen offers
    // (a 1280x800 screen loses its panels' height), centred.
    const QScreen *where = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect available = where ? where->availableGeometry() : QRect(0, 0, 1100, 800);
    QSize size(1100, 800);
    size = size.boundedTo(available.size() * 0.92);
    resize(size);
    move(available.center() - rect().center());
}

void CMainFrame::SaveGeometry() const
{
    const auto store = CSettings::OpenStore();
    store->setValue(windowKey(SettingsKey::WindowGeometry), saveGeometry());
    store->setValue(windowKey(SettingsKey::WindowState), saveState());
}

void CMainFrame::updateTitle(const QString &folder)
{
    // The folder first, as file managers do, so a task bar shows where.
    const QString product = LoadString(StringId::ProductName);
    setWindowTitle(
        folder.isEmpty() ? product : QStringLiteral("%1 \u2014 %2").arg(QDir::toNativeSeparators(folder), product));
}

void CMainFrame::showFolder(const QString &folder)
{
    CSettings::Instance().SetBrowsingArchive(false);
    m_form->Clear();
    m_list->ChangeFolder(folder);
}

void CMainFrame::buildBars()
{
    m_commands->BuildMenuBar(menuBar(), &m_languageMenu);
    connect(m_languageMenu, &QMenu::aboutToShow, this, &CMainFrame::fillLanguageMenu);

    QToolBar *tools = addToolBar(tr("Toolbar"));
    tools->setObjectName(QStringLiteral("toolbar"));
    tools->setMovable(false);
    m_commands->BuildToolBar(tools);

    addToolBarBreak();
    QToolBar *folderBar = addToolBar(tr("Folder"));
    folderBar->setObjectName(QStringLiteral("folderbar"));
    folderBar->setMovable(false);
    folderBar->addAction(m_navigation->BackAction());
    folderBar->addAction(m_navigation->ForwardAction());
    folderBar->addAction(m_navigation->UpAction());
    auto *holder = new QWidget(folderBar);
    auto *row = new QHBoxLayout(holder);
    row->setContentsMargins(4, 2, 4, 2);
    row->addWidget(new QLabel(LoadString(StringId::FolderLabel), holder));
    row->addWidget(m_folders, 1);
    folderBar->addWidget(holder);
    auto *location = new QAction(tr("Location"), this);
    location->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    addAction(location);
    connect(location, &QAction::triggered, m_folders, &CExplorerComboBox::FocusLocation);

    statusBar()->addPermanentWidget(m_okPane);
    statusBar()->addPermanentWidget(m_filesPane);
    statusBar()->addPermanentWidget(m_gamesPane);

    QAction *toolbarToggle = m_commands->Action(Cmd::ViewToolbar);
    toolbarToggle->setChecked(true);
    connect(toolbarToggle, &QAction::toggled, tools, &QToolBar::setVisible);
    QAction *statusToggle = m_commands->Action(Cmd::ViewStatusBar);
    statusToggle->setChecked(true);
    connect(statusToggle, &QAction::toggled, statusBar(), &QStatusBar::setVisible);
}

void CMainFrame::attachHandlers()
{
    CCommandTable &c = *m_commands;
    c.SetHandler(Cmd::Exit, [this] { close(); });
    c.SetHandler(Cmd::ViewToolbar, [] {});
    c.SetHandler(Cmd::ViewStatusBar, [] {});
    c.SetHandler(Cmd::ViewSplit, [this] { resetSplitter(); });
    c.SetHandler(Cmd::ChangeFolder, [this] {
        const QString folder
            = QFileDialog::getExistingDirectory(this, tr("Change Folder"), CSettings::Instance().CurrentPath());
        if (!folder.isEmpty())
            showFolder(folder);
    });
    for (int id : { Cmd::Refresh, Cmd::PopupRefresh })
        c.SetHandler(id, [this] { m_list->Refresh(true); });
    for (int id : { Cmd::Reanalyze, Cmd::PopupReanalyze })
        c.SetHandler(id, [this] { m_list->ReanalyzeSelected(); });
    c.SetHandler(Cmd::FullScan, [this] { m_list->FullScan(); });
    c.SetHandler(Cmd::Configuration, [this] { showConfiguration(); });
    c.SetHandler(Cmd::About, [this] { showAbout(); });

    const std::pair<int, const char *> sites[] = {
        { Cmd::Site1, "https://www.ageofempires.com/" },
        { Cmd::Site2, "https://forums.ageofempires.com/" },
        { Cmd::Site3, "https://aok.heavengames.com/blacksmith/" },
        { Cmd::Site4, "https://liquipedia.net/ageofempires/" },
        { Cmd::Site5, "https://aok.heavengames.com/university/" },
        { Cmd::Site6, "https://aoe2.net/" },
    };
    for (const auto &[id, url] : sites)
        c.SetHandler(id, [url = url] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(url))); });
}

void CMainFrame::updateCommands()
{
    CSettings &settings = CSettings::Instance();
    const QString current = QDir::cleanPath(settings.CurrentPath());
    CommandContext context;
    context.inSaveGameFolder
        = !settings.SaveGameFolder().isEmpty() && current == QDir::cleanPath(settings.SaveGameFolder());
    context.inDesktop = current == QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
    const CGameInstall install(settings.WinePrefix());
    context.gameProgramFound = !install.Version10cProgram().isEmpty();
    context.version10Found = !install.Version10Program(settings.Version10Path()).isEmpty();
    m_commands->Update(m_state, context);
}

void CMainFrame::updateCounters(int files, int games)
{
    m_filesPane->setText(FormatText(LoadString(StringId::FilesCounter), { files }));
    m_gamesPane->setText(FormatText(LoadString(StringId::GamesCounter), { games }));
}

QString CMainFrame::FilesPaneText() const
{
    return m_filesPane->text();
}

QString CMainFrame::GamesPaneText() const
{
    return m_gamesPane->text();
}

void CMainFrame::FillPopupMenu(QMenu *menu) const
{
    m_commands->FillPopupMenu(menu);
}

void CMainFrame::showConfiguration()
{
    CSettings &settings = CSettings::Instance();
    const QString codePage = settings.CodePage();
    CConfiguration sheet(this);
    if (sheet.exec() != QDialog::Accepted)
        return;
    settings.SaveGeneral();
    const int stored = m_list->StoredCount();
    if (settings.CodePage() != codePage && stored > 0
        && QMessageBox::question(this, LoadString(StringId::ProductName),
               tr("Names in recordings are now read with the code page %1. Read the %n stored recording(s) of this "
                  "folder again, so that their names follow?",
                   nullptr, stored)
                   .arg(settings.CodePage()))
            == QMessageBox::Yes) {
        m_form->Clear();
        m_list->RereadStored();
    } else {
        // Date format, archive listing and chat flags show on the next fill.
        m_list->Refresh(true);
    }
    updateCommands();
}

void CMainFrame::showAbout()
{
    QMessageBox::about(this, LoadString(StringId::ProductName),
        QStringLiteral("<b>%1</b><br/>%2<br/><br/>%3")
            .arg(LoadString(StringId::ProductName).toHtmlEscaped(), LoadString(StringId::VersionLine).toHtmlEscaped(),
                LoadString(StringId::CreditLine).toHtmlEscaped()));
}

void CMainFrame::fillLanguageMenu()
{
    m_languageMenu->clear();
    if (!m_languages)
        return;
    auto *group = new QActionGroup(m_languageMenu);
    const QStringList languages = m_languages->AvailableLanguages();
    for (int i = 0; i < languages.size(); ++i) {
        const QString language = languages.at(i);
        QAction *action = m_languageMenu->addAction(CLanguageManager::DisplayName(language));
        action->setData(Cmd::LanguageFirst + i);
        action->setCheckable(true);
        action->setChecked(language == m_languages->Current());
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, language] {
            const QString message = m_languages->Choose(language, LoadString(StringId::ProductName));
            QMessageBox::information(this, LoadString(StringId::ProductName), message);
        });
    }
}

void CMainFrame::resetSplitter()
{
    const int total = qMax(m_splitter->width(), width());
    const int detail = CExFormView::kWidth + 24;
    m_splitter->setSizes({ qMax(100, total - detail), detail });
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    m_list->SaveLayout();
    SaveGeometry();
    QMainWindow::closeEvent(event);
}
