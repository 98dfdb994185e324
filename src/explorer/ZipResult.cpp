#include "explorer/ZipResult.h"

#include <array>

namespace ZipResult {

QString Text(int code)
{
    static constexpr std::array<const char *, Flate + 1> kTexts = {
        "Success",
        "Culdn't duplicate handle",
        "Couldn't create/open file",
        "Failed to allocate memory",
        "Error writing to file",
        "File not found in the zipfile",
        "Still more data to unzip",
        "Zipfile is corrupt or not a zipfile",
        "Error reading file",
        "Correct password required",
        "Caller: faulty arguments",
        "Caller: can only get memory of a memory zipfile",
        "Caller: not enough space allocated for memory zipfile",
        "Caller: there was a previous error",
        "Caller: additions to the zip have already been ended",
        "Caller: mixing creation and opening of zip",
        "Caller: the file had already been partially unzipped",
        "Zip-bug: trying to seek the unseekable",
        "Zip-bug: the anticipated size turned out wrong",
        "Zip-bug: tried to change mind, but not allowed",
        "Zip-bug: internal initialisation not completed",
        "Zip-bug: an internal error during flation",
    };
    if (code < 0 || code >= int(kTexts.size()))
        return QStringLiteral("unknown zip result code");
    return QString::fromLatin1(kTexts[size_t(code)]);
}

} // namespace ZipResult
