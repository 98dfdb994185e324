#include "ui/ExFormView.h"
#include "ui/ExListView.h"
#include "ui/MainFrame.h"
#include "ui/VellumcastApp.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDeadlineTimer>
#include <QFileInfo>

#include <cstdio>

namespace {

// "--screenshot OUT.png": lists the folder, selects a file like a click,
// waits until the detail pane shows it, and writes a picture of the window.
int takeScreenshot(CMainFrame &frame, const QString &out, const QString &select, const QSize &size)
{
    if (size.isValid())
        frame.resize(size);
    frame.show();
    QCoreApplication::processEvents();
    if (!select.isEmpty()) {
        if (!frame.ListView()->SelectFile(select)) {
            std::fprintf(stderr, "no row named %s\n", qPrintable(select));
            return 2;
        }
        const QDeadlineTimer deadline(10000);
        while (frame.FormView()->ShownFile() != select && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        if (frame.FormView()->ShownFile() != select) {
            std::fprintf(stderr, "%s could not be shown\n", qPrintable(select));
            return 3;
        }
    }
    QCoreApplication::processEvents();
    if (!frame.grab().save(out)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
        return 4;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption screenshot(QStringLiteral("screenshot"), QStringLiteral("Write a picture of the window."),
                                        QStringLiteral("png"));
    const QCommandLineOption path(QStringLiteral("path"), QStringLiteral("Folder to list."), QStringLiteral("folder"));
    const QCommandLineOption select(QStringLiteral("select"), QStringLiteral("File to select."), QStringLiteral("name"));
    const QCommandLineOption size(QStringLiteral("size"), QStringLiteral("Window size."), QStringLiteral("WxH"));
    parser.addOptions({screenshot, path, select, size});
    parser.process(application);

    const bool shooting = parser.isSet(screenshot);
    CVellumcastApp app;
    switch (app.InitInstance(parser.value(path), !shooting)) {
    case CVellumcastApp::Start::AlreadyRunning:
        return 0;
    case CVellumcastApp::Start::Fatal:
        return CVellumcastApp::kFatalExitCode;
    case CVellumcastApp::Start::Ready:
        break;
    }
    if (shooting) {
        QSize wanted;
        const QStringList wh = parser.value(size).split(QLatin1Char('x'));
        if (wh.size() == 2)
            wanted = QSize(wh[0].toInt(), wh[1].toInt());
        return takeScreenshot(*app.MainFrame(), parser.value(screenshot), parser.value(select), wanted);
    }
    return application.exec();
}
