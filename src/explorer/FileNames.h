#pragma once

#include <QString>

// The one check every name typed by the user or produced by a rename format
// passes before it reaches a file operation. Recordings travel between
// systems, so a name must be valid on Windows as well as here: none of the
// characters \ / " * : ? < > |, no control character, not "." or "..", not
// empty (or blank), and short enough for the file system.
namespace FileNames {

enum class Problem {
    None,
    Empty, // empty or only white space
    DotName, // "." or ".."
    Reserved, // one of \ / " * : ? < > |
    Control, // a control character (tab, new line, ...)
    TooLong // longer than a file system allows
};

// The longest name, in bytes of the file system's encoding.
inline constexpr int kMaxNameBytes = 255;

Problem Check(const QString &name);
inline bool IsValid(const QString &name)
{
    return Check(name) == Problem::None;
}

// Whether c may not appear in a name (reserved or control character).
bool IsForbiddenCharacter(QChar c);

} // namespace FileNames
