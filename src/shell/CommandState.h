#pragma once

#include <QList>

// What the selection of the game list allows. Recomputed by the list on
// every selection change; the main window enables its commands from it.
struct CommandState
{
    // One selected row as the rules see it.
    enum class RowKind { Parent, Folder, RecordedGame, Archive, OtherFile };
    struct Row
    {
        RowKind kind = RowKind::OtherFile;
        bool stored = false; // a recorded game known to the catalogue
    };

    bool createFolder = false;
    bool rename = false;
    bool move = false;
    bool copy = false;
    bool remove = false;
    bool zip = false;
    bool gameCommands = false;
    bool individualZips = false;
    bool somethingSelected = false;
    int selectedCount = 0;

    static CommandState FromSelection(const QList<Row> &rows, bool browsingArchive);
};

// Facts outside the selection that some commands depend on.
struct CommandContext
{
    bool inSaveGameFolder = false;
    bool inDesktop = false;
    bool gameProgramFound = false; // 1.0c / 1.0e
    bool version10Found = false;
};

// The enabling rule of one command id (see CommandIds.h). A command that has
// no handler yet is disabled by the window, whatever this says.
bool IsCommandEnabled(int command, const CommandState &state, const CommandContext &context);
