#pragma once

#include <QStringList>
#include <QTextStream>

// Exit codes of vellumcast-cli.
namespace ExitCode {
inline constexpr int Ok = 0;
inline constexpr int Failure = 1;
inline constexpr int Usage = 2;
} // namespace ExitCode

// Streams of the command line tool, UTF-8.
QTextStream &Out();
QTextStream &Err();

// Each command takes the arguments after its name.
int RunAnalyze(const QStringList &args);
int RunMinimap(const QStringList &args);
// Catalogue commands.
int RunScan(const QStringList &args);
int RunList(const QStringList &args);
int RunShow(const QStringList &args);
int RunSearch(const QStringList &args);
int RunSetPlatform(const QStringList &args);
int RunReanalyze(const QStringList &args);
int RunDb(const QStringList &args);
int RunTop(const QStringList &args);
int RunPlayers(const QStringList &args);
// Zip archives.
int RunZip(const QStringList &args);
// Web rating lookups.
int RunRatings(const QStringList &args);
// Renaming recordings by their rename formats.
int RunRename(const QStringList &args);
int RunDescribe(const QStringList &args);
int RunSetCountry(const QStringList &args);
// The game launcher.
int RunLaunch(const QStringList &args);
