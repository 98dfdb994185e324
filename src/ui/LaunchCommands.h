#pragma once

#include <QObject>

class CCommandTable;
class QWidget;

// The launch commands: the toolbar button (Ctrl+A) starts the 1.0c game,
// or 1.0 when 1.0c is not installed; its drop-down and the File menu start
// one version. Every failure ends in one message.
class CLaunchCommands : public QObject
{
    Q_OBJECT
public:
    CLaunchCommands(QWidget *window, CCommandTable *commands);

private:
    void launch(int version) const;

    QWidget *m_window;
};
