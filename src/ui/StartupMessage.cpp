#include "ui/StartupMessage.h"

#include <QApplication>
#include <QSplashScreen>

namespace StartupMessage {

void CloseSplashes()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *splash = qobject_cast<QSplashScreen *>(widget); splash && splash->isVisible())
            splash->close();
    }
}

int Exec(QMessageBox &box)
{
    CloseSplashes();
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec();
}

} // namespace StartupMessage
