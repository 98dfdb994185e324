#include "explorer/GameLauncher.h"

#include "app/GameInstall.h"

#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>

namespace {

bool isExecutable(const QString &program)
{
    if (program.contains(QLatin1Char('/'))) {
        const QFileInfo info(program);
        return info.isFile() && info.isExecutable();
    }
    return !QStandardPaths::findExecutable(program).isEmpty();
}

} // namespace

CGameLauncher::CGameLauncher(const QString &wineCommand, const QString &winePrefix)
    : m_wineCommand(wineCommand)
    , m_winePrefix(winePrefix)
{
}

CGameLauncher::~CGameLauncher() = default;

QString CGameLauncher::Program(const CGameInstall &install, const QString &version10Path, Version version)
{
    switch (version) {
    case Version::V10c:
        return install.Version10cProgram();
    case Version::V10:
        return install.Version10Program(version10Path);
    case Version::Default:
        break;
    }
    const QString program = install.Version10cProgram();
    return program.isEmpty() ? install.Version10Program(version10Path) : program;
}

QStringList CGameLauncher::CommandLine(const QString &program) const
{
#ifdef Q_OS_WIN
    return { program, QStringLiteral("NoStartup") };
#else
    QStringList command = QProcess::splitCommand(m_wineCommand);
    if (command.isEmpty())
        return {};
    command << program << QStringLiteral("NoStartup");
    return command;
#endif
}

bool CGameLauncher::Launch(const QString &program) const
{
    const QFileInfo info(program);
    if (program.isEmpty() || !info.isFile())
        return false;
    QStringList command = CommandLine(info.absoluteFilePath());
    if (command.isEmpty() || !isExecutable(command.first()))
        return false;
    QProcess process;
    process.setProgram(command.takeFirst());
    process.setArguments(command);
    process.setWorkingDirectory(info.absolutePath());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!m_winePrefix.isEmpty())
        environment.insert(QStringLiteral("WINEPREFIX"), m_winePrefix);
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    return process.startDetached();
}
