#include "ui/VellumcastApp.h"

#include "app/LanguageManager.h"
#include "app/Log.h"
#include "app/Paths.h"
#include "app/Settings.h"
#include "app/ShellStrings.h"
#include "app/WaitJob.h"
#include "catalogue/Catalogue.h"
#include "shell/InstanceChannel.h"
#include "shell/SettingsLoader.h"
#include "ui/DialogFrames.h"
#include "ui/MainFrame.h"
#include "ui/Splash.h"
#include "ui/StartupMessage.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QMessageBox>
#include <QMetaObject>
#include <QThread>

#include <cstdio>
#include <cstdlib>

namespace {

// The catalogue is the one thing the program cannot run without: say so
// and end with status 1, from whichever thread found out.
void fatalDatabase(const QString &message)
{
    auto show = [message] {
        if (!qobject_cast<QApplication *>(QCoreApplication::instance())
            || QGuiApplication::platformName() == QLatin1String("offscreen"))
            return;
        QMessageBox box(QMessageBox::Critical, LoadString(StringId::Error), LoadString(StringId::FatalDatabase));
        StartupMessage::Exec(box);
    };
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    QCoreApplication *app = QCoreApplication::instance();
    if (app && QThread::currentThread() == app->thread())
        show();
    else if (app)
        QMetaObject::invokeMethod(app, show, Qt::BlockingQueuedConnection);
    std::_Exit(CVellumcastApp::kFatalExitCode);
}

} // namespace

CVellumcastApp::CVellumcastApp() = default;

CVellumcastApp::~CVellumcastApp()
{
    CWaitJob::StopAll();
    m_channel.reset();
    m_frame.reset();
}

CVellumcastApp::Start CVellumcastApp::InitInstance(const QString &folder, bool showWindow)
{
    // One instance per data directory: a second start ends silently. A lock
    // that cannot even be created (an unwritable data directory) is left to
    // the catalogue preparation, which reports it.
    m_instanceLock = std::make_unique<QLockFile>(Paths::DataDirectory() + QStringLiteral("vellumcast.lock"));
    m_instanceLock->setStaleLockTime(0);
    if (!m_instanceLock->tryLock(0) && m_instanceLock->error() == QLockFile::LockFailedError) {
        // The running window shows the folder asked for and comes to the front.
        const QString wanted = folder.isEmpty() ? QString() : QFileInfo(folder).absoluteFilePath();
        CInstanceChannel::Send(Paths::DataDirectory(), wanted);
        return Start::AlreadyRunning;
    }

    QCoreApplication::setOrganizationName(QStringLiteral("Kestrelhold"));
    QCoreApplication::setApplicationName(QStringLiteral("Vellumcast"));

    m_dialogFrames = std::make_unique<CDialogFrames>();
    qApp->installEventFilter(m_dialogFrames.get());

    m_languages = std::make_unique<CLanguageManager>();
    m_languages->Initialise(CLanguageManager::StoredLanguage(), CLanguageManager::SystemLanguages());

    CSplash splash;
    splash.SetTranslator(LoadString(StringId::TranslatorName), LoadString(StringId::TranslatorFlag).toInt());
    if (showWindow)
        splash.show();
    QCoreApplication::processEvents();

    Catalogue::SetFatalHandler(fatalDatabase);
    if (!SettingsLoader::Run()) {
        Log::Write(QStringLiteral("Exit Aplication"));
        fatalDatabase(LoadString(StringId::FatalDatabase));
        return Start::Fatal;
    }
    QString missingFolder;
    if (!folder.isEmpty()) {
        CSettings &settings = CSettings::Instance();
        settings.SetCurrentPath(settings.ValidatePath(folder, true));
        if (!QFileInfo(folder).isDir()) {
            missingFolder
                = QObject::tr("The folder \"%1\" does not exist; showing %2 instead.")
                      .arg(QDir::toNativeSeparators(folder), QDir::toNativeSeparators(settings.CurrentPath()));
            std::fprintf(stderr, "%s\n", missingFolder.toLocal8Bit().constData());
        }
    }

    m_frame = std::make_unique<CMainFrame>(m_languages.get());
    m_frame->setWindowTitle(LoadString(StringId::ProductName));
    m_frame->RestoreGeometry();
    if (showWindow)
        m_frame->show();
    m_frame->InitialFill();
    splash.finish(m_frame.get());
    if (!missingFolder.isEmpty() && showWindow && QGuiApplication::platformName() != QLatin1String("offscreen")) {
        QMessageBox box(
            QMessageBox::Warning, LoadString(StringId::ProductName), missingFolder, QMessageBox::Ok, m_frame.get());
        StartupMessage::Exec(box);
    }

    m_channel = std::make_unique<CInstanceChannel>();
    if (m_instanceLock->isLocked() && m_channel->Listen(Paths::DataDirectory()))
        QObject::connect(m_channel.get(), &CInstanceChannel::activationRequested, m_frame.get(),
            [frame = m_frame.get()](const QString &wanted) { frame->Activate(wanted); });
    return Start::Ready;
}
