#pragma once

#include <QString>

// Finds the installed game through the registry of a Wine prefix: the file
// system.reg holds HKEY_LOCAL_MACHINE, where the installer wrote the key
// Software\Microsoft\Microsoft Games\Age of Empires II: The Conquerors
// Expansion\1.0 with "EXE Path" and "Version". Windows paths of the prefix
// are mapped into its drive_c (or dosdevices) folder.
class CGameInstall
{
public:
    // An empty prefix means $WINEPREFIX, else ~/.wine.
    explicit CGameInstall(const QString &winePrefix = QString());

    // Install directory with a trailing "/", empty when the game is not found.
    QString GameDirectory() const { return m_gameDirectory; }
    QString VersionText() const { return m_version; }
    // The prefix searched: the given one, $WINEPREFIX or ~/.wine.
    QString Prefix() const { return m_prefix; }

    // game directory + "age2_x1/age2_x1.exe" when "Version" is "1.0c"
    // (any case), else empty.
    QString Version10cProgram() const;
    // The configured 1.0 program when set, else the installed one when
    // "Version" is "1", else empty.
    QString Version10Program(const QString &configuredPath) const;

    // Maps "C:\Games\Age" to "<prefix>/drive_c/Games/Age".
    QString MapWindowsPath(const QString &windowsPath) const;

private:
    void readRegistry();
    QString installedProgram() const;

    QString m_prefix;
    QString m_gameDirectory;
    QString m_version;
};
