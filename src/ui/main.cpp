#include "app/ShellStrings.h"
#include "app/WaitJob.h"
#include "ui/Configuration.h"
#include "ui/ExFormView.h"
#include "ui/ExListView.h"
#include "ui/MainFrame.h"
#include "ui/Splash.h"
#include "ui/VellumcastApp.h"
#include "ui/WaitDlg.h"

#include <QTabWidget>
#include <QTimer>

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

// "--show configuration:N", "--show wait" or "--show splash": a picture of that dialog
// instead of the window, as the user sees it over the window.
int takeDialogScreenshot(CMainFrame &frame, const QString &what, const QString &out)
{
    frame.show();
    QCoreApplication::processEvents();
    if (what.startsWith(QLatin1String("configuration"))) {
        CConfiguration sheet(&frame);
        sheet.Tabs()->setCurrentIndex(what.section(QLatin1Char(':'), 1).toInt());
        sheet.show();
        QCoreApplication::processEvents();
        return sheet.grab().save(out) ? 0 : 4;
    }
    if (what == QLatin1String("splash"))
        return CSplash::Picture(QStringLiteral("Translator Name"), 161).save(out) ? 0 : 4;
    if (what == QLatin1String("wait")) {
        bool saved = false;
        CWaitDlg::SetOpenHook([&](CWaitDlg &dialog) {
            // Grab once the counter shows the worker's progress.
            QObject::connect(&dialog, &CWaitDlg::counterChanged, &dialog, [&] {
                QTimer::singleShot(0, &dialog, [&] {
                    saved = dialog.grab().save(out);
                    dialog.reject();
                });
            });
        });
        const auto job = CWaitJob::Create();
        CWaitDlg::RunJob(&frame, LoadString(StringId::PleaseWaitTitle), LoadString(StringId::ScanningDirectory), false,
            true, job, [](CWaitJob &j) {
                j.PostRange(3);
                j.PostProgress(CWaitJob::kFiles, 2);
            });
        CWaitDlg::SetOpenHook({});
        return saved ? 0 : 4;
    }
    std::fprintf(stderr, "unknown dialog %s\n", qPrintable(what));
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"), QStringLiteral("Write a picture of the window."), QStringLiteral("png"));
    const QCommandLineOption path(QStringLiteral("path"), QStringLiteral("Folder to list."), QStringLiteral("folder"));
    const QCommandLineOption select(
        QStringLiteral("select"), QStringLiteral("File to select."), QStringLiteral("name"));
    const QCommandLineOption size(QStringLiteral("size"), QStringLiteral("Window size."), QStringLiteral("WxH"));
    const QCommandLineOption show(QStringLiteral("show"), QStringLiteral("Dialog to picture instead of the window."),
        QStringLiteral("configuration:N|wait|splash"));
    parser.addOptions({ screenshot, path, select, size, show });
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
        if (parser.isSet(show))
            return takeDialogScreenshot(*app.MainFrame(), parser.value(show), parser.value(screenshot));
        return takeScreenshot(*app.MainFrame(), parser.value(screenshot), parser.value(select), wanted);
    }
    return application.exec();
}
