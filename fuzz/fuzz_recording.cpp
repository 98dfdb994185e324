// Fuzz target over the whole road of a file: the bytes are written to a file
// and go through SetFile, ReadFile (prefix check, raw inflate, body), Analyze,
// the team labels, the minimap, a second ReadFile and Reanalyze. A record
// kept from input to input reads each one too, as a command over many files
// does: with the buffers the earlier inputs left, it must read and analyse
// exactly what the fresh record does.

#include "FuzzCommon.h"

#include <QFile>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QString path = FuzzCommon::PrivateHome() + QStringLiteral("/input.mgx");

    const std::uint8_t flags = size > 4 ? data[4] : 0;
    FuzzCommon::ApplySettings(flags, size > 5 ? data[5] : 0);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }

    static CRecordedGame reused;
    reused.Reset();
    reused.SetFile(path);
    const bool reusedRead = reused.ReadFile();

    CRecordedGame game;
    game.SetFile(path);
    const bool read = game.ReadFile();
    if (read != reusedRead || reused.header != game.header || reused.body != game.body)
        std::abort();
    if (read) {
        const bool readTerrain = !(flags & 8);
        reused.Analyze(readTerrain);
        CRecordedGame fresh;
        fresh.header = game.header;
        fresh.body = game.body;
        fresh.Analyze(readTerrain);
        if (reused.gameChat != fresh.gameChat || reused.preGameChat != fresh.preGameChat
            || reused.duration != fresh.duration || reused.mapWidth != fresh.mapWidth
            || reused.playerCount != fresh.playerCount || reused.terrain != fresh.terrain
            || reused.players[1].name != fresh.players[1].name || reused.povSlot != fresh.povSlot)
            std::abort();

        // A success must hold exactly the bytes after the header length.
        const std::uint32_t headerLength =
            std::uint32_t(data[0]) | std::uint32_t(data[1]) << 8 | std::uint32_t(data[2]) << 16
            | std::uint32_t(data[3]) << 24;
        if (game.body.size() != qsizetype(size) - qsizetype(headerLength))
            std::abort();
        FuzzCommon::Exercise(game, readTerrain, !(flags & 16));
        if (!game.ReadFile())
            std::abort(); // the same file read twice must give the same verdict
        game.Reanalyze(true);
    }
    return 0;
}
