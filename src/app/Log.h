#pragma once

#include <QString>

// The log "log.txt" in the data directory. Every entry is appended as UTF-8
// text (on Windows UTF-16 little-endian, with a byte-order mark at the head):
//   "--------\r\nDate: MM/DD/YY - HH:MM:SS\r\nMessage: <text>\r\n"
// An entry that cannot be written is dropped; the next one is tried afresh.
// Safe to call from any thread.
namespace Log {

void Write(const QString &message);

// Appends the source unit and line the way error messages name their origin.
QString CodeFile(const char *unit, int line);

// Removes the log (start of a run). A missing file is fine.
void Clear();

// Where entries go; defaults to DataDirectory() + "log.txt".
QString FilePath();

} // namespace Log
