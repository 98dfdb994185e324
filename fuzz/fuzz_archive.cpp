// Fuzz target for the zip and rar readers: the input is an archive, whose
// first byte chooses the reader (even: zip, odd: rar) and the rest is the
// file. Recordings found in it are extracted into a private folder under
// small limits and removed again.

#include "FuzzCommon.h"

#include "explorer/ArchiveReader.h"

#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QString home = FuzzCommon::PrivateHome();
    static const QString target = home + QStringLiteral("/extracted/");
    if (size < 1)
        return 0;
    const bool rar = data[0] & 1;
    const QString archive = home + (rar ? QStringLiteral("/input.rar") : QStringLiteral("/input.zip"));
    {
        QFile file(archive);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(data + 1), qint64(size - 1));
    }
    QDir().mkpath(target);
    const ArchiveReader::Result result = ArchiveReader::Extract(archive, target, { 64, 1 << 20, 4 << 20 });
    // Whatever the archive said, nothing may land outside the folder.
    for (const QString &name : result.extracted) {
        if (name.contains(QLatin1Char('/')) || name == QLatin1String("..") || !QFile::exists(target + name))
            __builtin_trap();
    }
    QDir(target).removeRecursively();
    return 0;
}
