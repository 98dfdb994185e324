#include "ui/FolderNavigation.h"

#include "app/Settings.h"
#include "ui/ExListView.h"
#include "ui/ThemeIcon.h"

#include <QAction>
#include <QFileInfo>
#include <QStyle>
#include <QWidget>

CFolderNavigation::CFolderNavigation(QWidget *window, CExListView *list, ShowFolder showFolder)
    : QObject(window)
    , m_list(list)
    , m_showFolder(std::move(showFolder))
    , m_back(new QAction(ThemeIcon({ QStringLiteral("go-previous") }, QStyle::SP_ArrowBack), tr("Back"), window))
    , m_forward(new QAction(ThemeIcon({ QStringLiteral("go-next") }, QStyle::SP_ArrowForward), tr("Forward"), window))
    , m_up(new QAction(ThemeIcon({ QStringLiteral("go-up") }, QStyle::SP_ArrowUp), tr("Up"), window))
{
    // Not the platform's Back keys: on some of them Backspace is one, and
    // Backspace goes up here as in file managers.
    m_back->setShortcuts({ QKeySequence(Qt::ALT | Qt::Key_Left), QKeySequence(Qt::Key_Back) });
    m_forward->setShortcuts({ QKeySequence(Qt::ALT | Qt::Key_Right), QKeySequence(Qt::Key_Forward) });
    m_up->setShortcuts({ QKeySequence(Qt::ALT | Qt::Key_Up), QKeySequence(Qt::Key_Backspace) });
    for (QAction *action : { m_back, m_forward, m_up }) {
        action->setToolTip(
            QStringLiteral("%1 (%2)").arg(action->text(), action->shortcut().toString(QKeySequence::NativeText)));
        window->addAction(action);
    }
    connect(m_back, &QAction::triggered, this, &CFolderNavigation::Back);
    connect(m_forward, &QAction::triggered, this, &CFolderNavigation::Forward);
    connect(m_up, &QAction::triggered, this, &CFolderNavigation::Up);
    connect(m_list, &CExListView::pathChanged, this, &CFolderNavigation::onPathChanged);
    m_history.Visit(CSettings::Instance().CurrentPath());
    updateActions();
}

void CFolderNavigation::Back()
{
    if (m_history.CanGoBack())
        walkTo(m_history.Back());
}

void CFolderNavigation::Forward()
{
    if (m_history.CanGoForward())
        walkTo(m_history.Forward());
}

void CFolderNavigation::Up()
{
    const CSettings &settings = CSettings::Instance();
    // Inside an archive, up is the folder that holds the archive.
    if (settings.BrowsingArchive()) {
        m_showFolder(settings.ArchiveHomePath());
        return;
    }
    QString child;
    const QString parent = CFolderHistory::ParentOf(settings.CurrentPath(), &child);
    if (parent.isEmpty())
        return;
    m_showFolder(parent);
    m_list->SelectFile(child);
}

void CFolderNavigation::walkTo(const QString &folder)
{
    m_walking = true;
    m_showFolder(folder);
    m_walking = false;
    updateActions();
}

void CFolderNavigation::onPathChanged(const QString &path)
{
    if (!m_walking)
        m_history.Visit(path);
    updateActions();
}

void CFolderNavigation::updateActions()
{
    m_back->setEnabled(m_history.CanGoBack());
    m_forward->setEnabled(m_history.CanGoForward());
    m_up->setEnabled(CSettings::Instance().BrowsingArchive()
        || !CFolderHistory::ParentOf(CSettings::Instance().CurrentPath()).isEmpty());
}
