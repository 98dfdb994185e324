#include "ui/CommandTable.h"

#include "app/StringTable.h"
#include "ratings/Platforms.h"
#include "shell/CommandIds.h"
#include "ui/ThemeIcon.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace {

QIcon icon(const char *themeName, QStyle::StandardPixmap fallback)
{
    return ThemeIcon({ QLatin1String(themeName) }, fallback);
}

// A menu none of whose entries can be used looks disabled, as its entries
// do, instead of opening onto a column of grey commands.
void followEntries(QMenu *menu)
{
    auto update = [menu] {
        const QList<QAction *> entries = menu->actions();
        menu->menuAction()->setEnabled(std::any_of(entries.begin(), entries.end(),
            [](const QAction *a) { return !a->isSeparator() && a->isVisible() && a->isEnabled(); }));
    };
    for (QAction *entry : menu->actions())
        QObject::connect(entry, &QAction::enabledChanged, menu, update);
    update();
}

} // namespace

CCommandTable::CCommandTable(QWidget *owner)
    : QObject(owner)
    , m_owner(owner)
{
    using QS = QStyle;
    add(Cmd::CreateFolder, tr("Create New Folder"), {}, icon("folder-new", QS::SP_FileDialogNewFolder));
    add(Cmd::ChangeFolder, tr("Change Folder"), {}, icon("folder-open", QS::SP_DirOpenIcon));
    add(Cmd::Search, tr("Search in the Current Folder"), QKeySequence(Qt::CTRL | Qt::Key_S),
        icon("edit-find", QS::SP_FileDialogContentsView));
    add(Cmd::Launch10c, tr("1.0C / 1.0E"));
    add(Cmd::Launch10, tr("1.0"));
    add(Cmd::Launch, tr("Launch"), QKeySequence(Qt::CTRL | Qt::Key_A), icon("media-playback-start", QS::SP_MediaPlay));
    add(Cmd::Exit, tr("E&xit"), QKeySequence(QKeySequence::Quit), icon("application-exit", QS::SP_DialogCloseButton));

    const QIcon zip = icon("package-x-generic", QS::SP_DriveFDIcon);
    add(Cmd::ZipAsk, tr("..."), {}, zip);
    add(Cmd::ZipCurrent, tr("Current Folder"));
    add(Cmd::ZipDesktop, tr("Desktop"));
    add(Cmd::ZipEachAsk, tr("..."));
    add(Cmd::ZipEachCurrent, tr("Current Folder"));
    add(Cmd::ZipEachDesktop, tr("Desktop"));
    add(Cmd::PopupZipAsk, tr("..."));
    add(Cmd::PopupZipCurrent, tr("Current Folder"));
    add(Cmd::PopupZipDesktop, tr("Desktop"));
    add(Cmd::PopupZipEachAsk, tr("..."));
    add(Cmd::PopupZipEachCurrent, tr("Current Folder"));
    add(Cmd::PopupZipEachDesktop, tr("Desktop"));

    add(Cmd::Rename, tr("Rename to ..."), QKeySequence(Qt::Key_F2),
        icon("document-edit", QS::SP_FileDialogDetailedView));
    add(Cmd::PopupRename, tr("Rename to ..."));
    add(Cmd::MoveAsk, tr("..."), QKeySequence(Qt::Key_F3), icon("go-jump", QS::SP_ArrowForward));
    add(Cmd::MoveSaveGame, tr("SaveGame"));
    add(Cmd::MoveDesktop, tr("Desktop"));
    add(Cmd::PopupMoveAsk, tr("..."));
    add(Cmd::PopupMoveSaveGame, tr("SaveGame"));
    add(Cmd::PopupMoveDesktop, tr("Desktop"));
    add(Cmd::CopyAsk, tr("..."), QKeySequence(Qt::Key_F4), icon("edit-copy", QS::SP_DialogSaveButton));
    add(Cmd::CopySaveGame, tr("SaveGame"));
    add(Cmd::CopyDesktop, tr("Desktop"));
    add(Cmd::PopupCopyAsk, tr("..."));
    add(Cmd::PopupCopySaveGame, tr("SaveGame"));
    add(Cmd::PopupCopyDesktop, tr("Desktop"));
    add(Cmd::Delete, tr("Delete"), QKeySequence(Qt::Key_Delete), icon("edit-delete", QS::SP_TrashIcon));
    add(Cmd::PopupDelete, tr("Delete"));

    add(Cmd::ViewToolbar, tr("&Toolbar"))->setCheckable(true);
    add(Cmd::ViewStatusBar, tr("&Status Bar"))->setCheckable(true);
    add(Cmd::ViewSplit, tr("S&plit"));
    add(Cmd::TopPlayers, tr("View Top Players"));
    add(Cmd::Refresh, tr("Refresh"), QKeySequence(Qt::Key_F5), icon("view-refresh", QS::SP_BrowserReload));
    add(Cmd::PopupRefresh, tr("Refresh"));
    add(Cmd::RefreshRatings, tr("Refresh Ratings"), QKeySequence(Qt::Key_F1), icon("starred", QS::SP_ArrowDown));
    add(Cmd::PopupRefreshRatings, tr("Refresh Ratings"));

    add(Cmd::PlatformZone, tr("Zone"));
    add(Cmd::PlatformIgzRm, tr("IGZ RM"));
    add(Cmd::PlatformIgzDm, tr("IGZ DM"));
    add(Cmd::PlatformGpRm, tr("GP RM"));
    add(Cmd::PlatformGpDm, tr("GP DM"));
    add(Cmd::PlatformIp, tr("IP"));
    add(Cmd::PlatformChinaZone, tr("ChinaZone"));
    add(Cmd::PopupPlatformZone, Platform::PlatformLabel(Platform::Zone));
    add(Cmd::PopupPlatformIgzRm, tr("IGZ RM"));
    add(Cmd::PopupPlatformIgzDm, tr("IGZ DM"));
    add(Cmd::PopupPlatformGpRm, tr("GP RM"));
    add(Cmd::PopupPlatformGpDm, tr("GP DM"));
    add(Cmd::PopupPlatformIp, tr("IP"));
    add(Cmd::PopupPlatformChinaZone, tr("ChinaZone"));

    add(Cmd::Reanalyze, tr("Re-Analyze Recorded Game Info"), QKeySequence(Qt::Key_F8));
    add(Cmd::PopupReanalyze, tr("Re-Analyze Recorded Game Info"));
    add(Cmd::EditPlayers, tr("Edit Players Info"), {}, icon("system-users", QS::SP_FileDialogInfoView));
    add(Cmd::PopupEditPlayers, tr("Edit Players Info"));
    add(Cmd::CopyDescription, tr("Copy description to the Clipboard"), QKeySequence(Qt::CTRL | Qt::Key_R),
        icon("edit-paste", QS::SP_DialogApplyButton));
    add(Cmd::PopupCopyDescription, tr("Copy description to the Clipboard"));
    add(Cmd::Configuration, tr("&Configuration"), {}, icon("preferences-system", QS::SP_ComputerIcon));
    add(Cmd::Language, tr("Language"));
    add(Cmd::RenameFormats, tr("Rename Formats"));
    add(Cmd::DatabaseManagement, tr("Database Management"));
    add(Cmd::Site1, tr("Age of Empires II community"));
    add(Cmd::Site2, tr("Age of Empires II forums"));
    add(Cmd::Site3, tr("Recorded games archive"));
    add(Cmd::Site4, tr("Tournaments"));
    add(Cmd::Site5, tr("Strategy guides"));
    add(Cmd::Site6, tr("Ladder statistics"));
    add(Cmd::About, tr("&About Vellumcast..."), {}, icon("help-about", QS::SP_MessageBoxInformation));
    add(Cmd::FullScan, tr("Full Scan"), {}, icon("system-search", QS::SP_FileDialogContentsView));
    for (int id = Cmd::RenameFormatFirst; id <= Cmd::RenameFormatLast; ++id)
        add(id, tr("Rename format %1").arg(id - Cmd::RenameFormatFirst + 1))->setVisible(false);
}

QAction *CCommandTable::add(int id, const QString &text, const QKeySequence &key, const QIcon &actionIcon)
{
    auto *action = new QAction(actionIcon, text, m_owner);
    // The status text is the first line of the command's string, the tooltip its second.
    const QStringList lines = LoadString(id).split(QLatin1Char('\n'));
    action->setStatusTip(lines.value(0));
    action->setToolTip(lines.value(1, text));
    if (!key.isEmpty()) {
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
    }
    action->setData(id);
    action->setEnabled(false);
    connect(action, &QAction::triggered, this, [this, id] {
        const auto handler = m_handlers.value(id);
        if (handler)
            handler();
    });
    m_owner->addAction(action);
    m_actions.insert(id, action);
    return action;
}

void CCommandTable::SetHandler(int id, std::function<void()> handler, std::function<bool()> allowed)
{
    m_handlers.insert(id, std::move(handler));
    if (allowed)
        m_allowed.insert(id, std::move(allowed));
    else
        m_allowed.remove(id);
}

void CCommandTable::Update(const CommandState &state, const CommandContext &context)
{
    for (auto it = m_actions.begin(); it != m_actions.end(); ++it) {
        const auto allowed = m_allowed.value(it.key());
        it.value()->setEnabled(
            m_handlers.contains(it.key()) && IsCommandEnabled(it.key(), state, context) && (!allowed || allowed()));
    }
}

QMenu *CCommandTable::subMenu(QMenu *parent, const QString &title, std::initializer_list<int> ids) const
{
    QMenu *menu = parent->addMenu(title);
    for (int id : ids)
        menu->addAction(Action(id));
    followEntries(menu);
    return menu;
}

void CCommandTable::BuildMenuBar(QMenuBar *bar, QMenu **languageMenu)
{
    QMenu *file = bar->addMenu(tr("&File"));
    file->addAction(Action(Cmd::CreateFolder));
    file->addAction(Action(Cmd::ChangeFolder));
    file->addAction(Action(Cmd::Search));
    file->addSeparator();
    subMenu(file, tr("Launch The Conquerors"), { Cmd::Launch10c, Cmd::Launch10 });
    file->addSeparator();
    file->addAction(Action(Cmd::Exit));

    QMenu *edit = bar->addMenu(tr("&Edit"));
    subMenu(edit, tr("Add to a Zip File"), { Cmd::ZipAsk, Cmd::ZipCurrent, Cmd::ZipDesktop });
    subMenu(edit, tr("Add to Individual Zip Files"), { Cmd::ZipEachAsk, Cmd::ZipEachCurrent, Cmd::ZipEachDesktop });
    edit->addSeparator();
    edit->addAction(Action(Cmd::Rename));
    subMenu(edit, tr("Move to"), { Cmd::MoveAsk, Cmd::MoveSaveGame, Cmd::MoveDesktop });
    subMenu(edit, tr("Copy to"), { Cmd::CopyAsk, Cmd::CopySaveGame, Cmd::CopyDesktop });
    edit->addAction(Action(Cmd::Delete));

    QMenu *view = bar->addMenu(tr("&View"));
    view->addAction(Action(Cmd::ViewToolbar));
    view->addAction(Action(Cmd::ViewStatusBar));
    view->addAction(Action(Cmd::ViewSplit));
    view->addSeparator();
    view->addAction(Action(Cmd::TopPlayers));
    view->addAction(Action(Cmd::Refresh));

    QMenu *game = bar->addMenu(tr("&Recorded Game"));
    game->addAction(Action(Cmd::RefreshRatings));
    subMenu(game, tr("Change Platform"),
        { Cmd::PlatformZone, Cmd::PlatformIgzRm, Cmd::PlatformIgzDm, Cmd::PlatformGpRm, Cmd::PlatformGpDm,
            Cmd::PlatformIp, Cmd::PlatformChinaZone });
    game->addAction(Action(Cmd::Reanalyze));
    game->addAction(Action(Cmd::EditPlayers));
    game->addAction(Action(Cmd::CopyDescription));
    game->addSeparator();
    game->addAction(Action(Cmd::FullScan));

    QMenu *system = bar->addMenu(tr("&System"));
    system->addAction(Action(Cmd::Configuration));
    QMenu *language = system->addMenu(Action(Cmd::Language)->text());
    language->menuAction()->setStatusTip(Action(Cmd::Language)->statusTip());
    if (languageMenu)
        *languageMenu = language;
    system->addAction(Action(Cmd::RenameFormats));
    system->addAction(Action(Cmd::DatabaseManagement));

    QMenu *help = bar->addMenu(tr("&Help"));
    for (int id : { Cmd::Site1, Cmd::Site2, Cmd::Site3, Cmd::Site4, Cmd::Site5, Cmd::Site6 })
        help->addAction(Action(id));
    help->addSeparator();
    help->addAction(Action(Cmd::About));

    for (QMenu *menu : { file, edit, view, game, system, help })
        followEntries(menu);
}

void CCommandTable::BuildToolBar(QToolBar *bar)
{
    bar->setIconSize(QSize(32, 32));
    bar->addAction(Action(Cmd::Refresh));
    bar->addAction(Action(Cmd::CopyAsk));
    bar->addAction(Action(Cmd::MoveAsk));
    bar->addSeparator();
    bar->addAction(Action(Cmd::Delete));
    bar->addAction(Action(Cmd::CreateFolder));
    bar->addAction(Action(Cmd::Search));
    bar->addSeparator();
    bar->addAction(Action(Cmd::Rename));
    bar->addSeparator();
    bar->addAction(Action(Cmd::Configuration));
    bar->addAction(Action(Cmd::ZipAsk));
    bar->addAction(Action(Cmd::EditPlayers));
    bar->addAction(Action(Cmd::RefreshRatings));
    bar->addAction(Action(Cmd::CopyDescription));
    // The launch button carries a drop-down with both game versions.
    auto *launch = new QToolButton(bar);
    launch->setDefaultAction(Action(Cmd::Launch));
    launch->setPopupMode(QToolButton::MenuButtonPopup);
    auto *versions = new QMenu(launch);
    // The versions' own commands, so the entries follow their enabling rules.
    versions->addAction(Action(Cmd::Launch10c));
    versions->addAction(Action(Cmd::Launch10));
    launch->setMenu(versions);
    bar->addWidget(launch);
    bar->addAction(Action(Cmd::FullScan));
}

void CCommandTable::FillPopupMenu(QMenu *menu) const
{
    // The rename dialog first, then the names the rename formats give the
    // selected game, each renaming it at once.
    QMenu *rename = menu->addMenu(tr("&Rename ..."));
    rename->addAction(Action(Cmd::PopupRename));
    bool quick = false;
    for (int id = Cmd::RenameFormatFirst; id <= Cmd::RenameFormatLast; ++id) {
        if (!Action(id)->isVisible())
            continue;
        if (!quick)
            rename->addSeparator();
        quick = true;
        rename->addAction(Action(id));
    }
    followEntries(rename);
    subMenu(menu, tr("&Move to ..."), { Cmd::PopupMoveAsk, Cmd::PopupMoveSaveGame, Cmd::PopupMoveDesktop });
    subMenu(menu, tr("&Copy to ..."), { Cmd::PopupCopyAsk, Cmd::PopupCopySaveGame, Cmd::PopupCopyDesktop });
    menu->addAction(Action(Cmd::PopupDelete));
    subMenu(menu, tr("&Add to a Zip File"), { Cmd::PopupZipAsk, Cmd::PopupZipCurrent, Cmd::PopupZipDesktop });
    subMenu(menu, tr("Add to a Zip as Individual Files"),
        { Cmd::PopupZipEachAsk, Cmd::PopupZipEachCurrent, Cmd::PopupZipEachDesktop });
    menu->addAction(Action(Cmd::PopupReanalyze));
    menu->addAction(Action(Cmd::PopupRefreshRatings));
    subMenu(menu, tr("Change Platform"),
        { Cmd::PopupPlatformZone, Cmd::PopupPlatformIgzRm, Cmd::PopupPlatformIgzDm, Cmd::PopupPlatformGpRm,
            Cmd::PopupPlatformGpDm, Cmd::PopupPlatformIp, Cmd::PopupPlatformChinaZone });
    menu->addAction(Action(Cmd::PopupEditPlayers));
    menu->addAction(Action(Cmd::PopupRefresh));
    menu->addAction(Action(Cmd::PopupCopyDescription));
}
