#pragma once

#include <QString>
#include <QStringList>

class CGameInstall;

// Starts the game, detached, in its own folder with the argument
// "NoStartup". Off Windows the program runs through Wine: the "WineCommand"
// setting is split into a program and its arguments the way a shell splits
// words (no shell runs it), and WINEPREFIX names the prefix the game was
// found in.
class CGameLauncher
{
public:
    enum class Version { Default, V10c, V10 };

    CGameLauncher(const QString &wineCommand, const QString &winePrefix);
    virtual ~CGameLauncher();

    // The program of a version: 1.0c, 1.0, or the default (1.0c when found,
    // else 1.0). Empty when that version is not installed.
    static QString Program(const CGameInstall &install, const QString &version10Path, Version version);

    // Starts program. False when it is empty or missing, when the Wine
    // command cannot be found, or when the process does not start: the
    // caller shows "Error, AoC Application not found.".
    bool Launch(const QString &program) const;

    // The command Launch runs for program: the executable first, then its
    // arguments. Empty when the Wine command is empty.
    QStringList CommandLine(const QString &program) const;

private:
    QString m_wineCommand;
    QString m_winePrefix;
};
