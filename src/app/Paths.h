#pragma once

#include <QString>

// Where Vellumcast keeps its files. Writable files (catalogue, log, work
// directory, settings when VELLUMCAST_HOME is set) live in the data directory;
// read-only resources (data/*.txt, translations) in the resources directory.
// Every folder path returned here ends with "/".
namespace Paths {

// $VELLUMCAST_HOME when set, else the per-user application data location.
// Created on first use.
QString DataDirectory();

// Beside the executable (build tree) or the install prefix's share/vellumcast/.
QString ResourcesDirectory();

// DataDirectory() + "recgame.db".
QString CataloguePath();

// Adds a trailing "/" when missing; empty stays empty.
QString WithSlash(const QString &folder);

// The user's home directory: the last fall-back folder.
QString RootFallback();

} // namespace Paths
