#include "ui/DialogFrames.h"

#include <QDialog>
#include <QEvent>
#include <QWindow>

Qt::WindowFlags CDialogFrames::DialogFlags(Qt::WindowFlags flags)
{
    // A dialog that chose its own decorations keeps them.
    if (flags & Qt::CustomizeWindowHint)
        return flags;
    flags &= ~(Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint);
    return flags | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
}

bool CDialogFrames::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Polish) {
        if (auto *dialog = qobject_cast<QDialog *>(watched); dialog && dialog->isWindow()) {
            const Qt::WindowFlags wanted = DialogFlags(dialog->windowFlags());
            if (wanted != dialog->windowFlags()) {
                // The native window exists by now but is not mapped yet: its
                // flags change in place, without recreating it as
                // setWindowFlags() would.
                dialog->overrideWindowFlags(wanted);
                if (QWindow *window = dialog->windowHandle())
                    window->setFlags(wanted);
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
