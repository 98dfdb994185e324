#pragma once

#include "shell/CommandState.h"

#include <QHash>
#include <QIcon>
#include <QKeySequence>
#include <QObject>

#include <functional>

class QAction;
class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;

// Every command of the window as a QAction keyed by its command id: menu
// text, status-bar text and tooltip (from the string table by id), shortcut,
// icon, and the enabling rule. A command is enabled only when a handler is
// attached and its rule allows it, so commands whose work is not available
// are shown disabled.
class CCommandTable : public QObject
{
    Q_OBJECT
public:
    explicit CCommandTable(QWidget *owner);

    QAction *Action(int id) const { return m_actions.value(id); }
    QList<int> Ids() const { return m_actions.keys(); }
    // allowed, when given, narrows the command's rule further (a command
    // that can only carry out part of what its rule allows).
    void SetHandler(int id, std::function<void()> handler, std::function<bool()> allowed = {});

    // Re-applies every enabling rule.
    void Update(const CommandState &state, const CommandContext &context);

    void BuildMenuBar(QMenuBar *bar, QMenu **languageMenu);
    void BuildToolBar(QToolBar *bar);
    // The popup menu of the game list, entries in their fixed order.
    void FillPopupMenu(QMenu *menu) const;

private:
    QAction *add(int id, const QString &text, const QKeySequence &key = QKeySequence(), const QIcon &icon = QIcon());
    QMenu *subMenu(QMenu *parent, const QString &title, std::initializer_list<int> ids) const;

    QWidget *m_owner;
    QHash<int, QAction *> m_actions;
    QHash<int, std::function<void()>> m_handlers;
    QHash<int, std::function<bool()>> m_allowed;
};
