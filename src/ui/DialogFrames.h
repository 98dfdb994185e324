#pragma once

#include <QObject>

// Gives every dialog of the program a title bar with a close button only:
// a dialog is answered, not minimised or maximised. Installed once on the
// application, it adjusts each dialog just before it is first shown.
class CDialogFrames : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // The flags a dialog with these flags gets.
    static Qt::WindowFlags DialogFlags(Qt::WindowFlags flags);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
