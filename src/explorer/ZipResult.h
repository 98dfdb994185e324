#pragma once

#include <QString>

// The result codes of the zip layer and their texts, which the zip messages
// show after "Error:". minizip's own codes are mapped onto them where they
// are read, so every caller speaks one set of codes.
namespace ZipResult {

enum Code {
    Ok = 0,
    NoDuplicate,
    NoFile, // the archive or a file could not be created or opened
    NoAlloc,
    Write,
    NotFound,
    More,
    Corrupt,
    Read,
    Password,
    Args,
    NotMemory,
    MemorySize,
    Failed,
    Ended,
    Mixed,
    PartialUnzip,
    Seek,
    MisSize,
    NoChange,
    NoInit,
    Flate,
};

// "Success", "Zipfile is corrupt or not a zipfile", ...; "unknown zip result
// code" for any other number.
QString Text(int code);

} // namespace ZipResult
