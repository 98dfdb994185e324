// Writes the starting inputs of both fuzz targets: small recordings built by
// the test fixture writer (one per shape the parser distinguishes), and the
// real recordings of a folder turned into the parse target's layout.
//
//   fuzz_seeds OUTDIR [RECORDINGS_FOLDER]
//
// OUTDIR/recording holds whole files, OUTDIR/parse header-and-body inputs,
// OUTDIR/regression whole files that once failed, OUTDIR/archive small zip
// and rar archives (a first byte choosing the reader, then the file),
// OUTDIR/ratings rating service replies.

#include "app/Settings.h"
#include "recgame/RecordedGame.h"
#include "recgame/RecordingFiles.h"
#include "support/ArchiveFixtures.h"
#include "support/FixtureWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

namespace {

struct Seed
{
    const char *name;
    QByteArray header;
    QByteArray body;
};

QByteArray parseInput(const QByteArray &header, const QByteArray &body)
{
    return Fixture::Le32(qint32(header.size())) + Fixture::Le32(0) + header + body;
}

QByteArray richBody()
{
    return BodyBuilder()
        .timeStep(500)
        .chat("@#1--- notice ---")
        .research(1, 101)
        .timeStep(200000, 0)
        .chat("@#2hello")
        .meta500()
        .research(2, 102)
        .research(1, 103)
        .timeStep(400000)
        .chat("@#1gg")
        .resign(2)
        .resign(2)
        .i32(7)
        .timeStep(1000)
        .build();
}

QList<Seed> seeds()
{
    QList<Seed> out;
    const QByteArray body = richBody();

    out.append({"duel", HeaderBuilder::Duel().build(), body});

    HeaderBuilder coop = HeaderBuilder::Duel("Ann", "Ben");
    coop.entries.append(FixturePlayer{1, "Cat", 3, 2, 1});
    coop.entries.append(FixturePlayer{2, "Dan", 4, 3, 1});
    coop.povByte = 3;
    out.append({"coop", coop.build(), body});

    HeaderBuilder eight;
    eight.entries.append(FixturePlayer{});
    for (int i = 1; i <= 8; ++i)
        eight.entries.append(FixturePlayer{i, "Player" + QByteArray::number(i), i, i - 1, 2 + (i % 2)});
    eight.width = 16;
    eight.height = 16;
    out.append({"eight-teams", eight.build(), body});

    HeaderBuilder ffa = eight;
    ffa.entries = ffa.entries.mid(0, 6);
    for (FixturePlayer &p : ffa.entries)
        p.teamByte = 1;
    out.append({"ffa5", ffa.build(), body});

    HeaderBuilder ai = HeaderBuilder::Duel();
    ai.aiSection = true;
    ai.triggerCount = 2;
    out.append({"ai-triggers", ai.build(), body});

    HeaderBuilder mapType = HeaderBuilder::Duel();
    mapType.mapId = 44;
    mapType.instructions = "Map Type: Dry Arabia\n";
    out.append({"map-type", mapType.build(), body});

    HeaderBuilder french = HeaderBuilder::Duel();
    french.mapId = 30;
    french.instructions = "Type de carte : Oasis\n";
    out.append({"map-type-french", french.build(), BodyBuilder().timeStep(1).build()});

    HeaderBuilder scenario = HeaderBuilder::Duel();
    scenario.mapId = 2;
    scenario.gameType = 3;
    out.append({"scenario", scenario.build(), QByteArray()});

    HeaderBuilder lobby = HeaderBuilder::Duel("\xC9\xA8\xB5\xB4", "Bob");
    lobby.preGameChat = {"@#1Alice: hi", "@#2Bob: gl hf", "@#3" + QByteArray(300, 'x')};
    lobby.povByte = 9;
    out.append({"lobby-chat", lobby.build(), body});

    HeaderBuilder bare = HeaderBuilder::Duel();
    bare.settingsMarker = false;
    bare.triggerMarker = false;
    out.append({"no-markers", bare.build(), BodyBuilder().timeStep(499).timeStep(500).timeStep(501).build()});

    // One duel per version layout, with an AI section, zones and a spectator.
    const struct
    {
        const char *name;
        const char *tag;
        float save;
        int resources;
    } versions[] = {
        {"aok", "VER 9.3", 11.5f, 189},       {"up15", "VER 9.E", 11.76f, 240},
        {"hd", "VER 9.4", 11.97f, 198},       {"hd-4x", "VER 9.4", 12.34f, 198},
    };
    for (const auto &v : versions) {
        HeaderBuilder tagged = HeaderBuilder::Duel();
        tagged.versionTag = v.tag;
        tagged.saveVersion = v.save;
        tagged.resources = v.resources;
        tagged.aiSection = true;
        tagged.zones = 1;
        tagged.width = tagged.height = 12;
        tagged.entries.append(FixturePlayer{3, "Watcher", 1, 2, 1, 6});
        out.append({v.name, tagged.build(), body});
    }

    return out;
}

// Inputs that once crashed or ran away. Too slow to mutate at fuzzing speed,
// they are run once, as whole recordings, before each fuzzing session.
QList<Seed> regressions()
{
    QList<Seed> out;
    // A header of nothing but lobby chat markers grew the pre-game chat text
    // without bound: 8 MiB inflated from about 36 KiB made 1.4 GB of lines.
    out.append({"lobby-chat-flood", QByteArray("@#1").repeated((8 << 20) / 3), QByteArray()});
    return out;
}

bool write(const QString &path, const QByteArray &bytes)
{
    if (Fixture::Write(path, bytes))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: fuzz_seeds OUTDIR [RECORDINGS_FOLDER]\n");
        return 2;
    }
    QTemporaryDir home;
    qputenv("VELLUMCAST_HOME", home.path().toUtf8());
    CSettings::Instance().ResetToDefaults();

    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QString recordingDir = out.filePath(QStringLiteral("recording"));
    const QString parseDir = out.filePath(QStringLiteral("parse"));
    QDir().mkpath(recordingDir);
    QDir().mkpath(parseDir);

    int written = 0;
    bool ok = true;
    // Replies of the rating services: a code page byte, a ladder byte, text.
    const QString ratingsDir = out.filePath(QStringLiteral("ratings"));
    QDir().mkpath(ratingsDir);
    const QByteArray replies[] = {
        QByteArray("\x08\x01" "<players>\r\n<player nick=\"Big Bob\" rating=\"1750\" country=\"24\"/>\r\n</players>"),
        QByteArray("\x08\x01" "1,Alpha,1800;2,[open,1700;3,beta,1900;"),
        QByteArray("\x08\x01" "<html>player's id : 5<td>Nationality :</td><td class=\"descr\">Canada</td>"
                   "<a href=\"/en/AOE_Ladder.asp?p=170&amp;id=5\">RM</a> Rating: <strong>1912</strong>"),
    };
    for (const QByteArray &reply : replies) {
        ok &= write(ratingsDir + QStringLiteral("/reply%1.txt").arg(written), reply);
        ++written;
    }

    const QString regressionDir = out.filePath(QStringLiteral("regression"));
    QDir().mkpath(regressionDir);
    for (const Seed &seed : regressions()) {
        ok &= write(regressionDir + '/' + QString::fromLatin1(seed.name) + ".mgx",
                    Fixture::Recording(seed.header, seed.body));
        ++written;
    }
    for (const Seed &seed : seeds()) {
        const QString name = QString::fromLatin1(seed.name);
        ok &= write(recordingDir + '/' + name + ".mgx", Fixture::Recording(seed.header, seed.body));
        ok &= write(parseDir + '/' + name + ".bin", parseInput(seed.header, seed.body));
        written += 2;
    }

    const QString archiveDir = out.filePath(QStringLiteral("archive"));
    QDir().mkpath(archiveDir);
    const QList<ArchiveFixtures::Entry> entries { { "notes.txt", "text" }, { "games/a.mgx", QByteArray(200, 'a') },
        { "../b.MGZ", "b" }, { "x/../b.mgz", "again" } };
    ok &= write(archiveDir + QStringLiteral("/stored.rar"), '\x01' + ArchiveFixtures::Rar4(entries));
    ok &= write(archiveDir + QStringLiteral("/stored5.rar"), '\x01' + ArchiveFixtures::Rar5(entries));
    for (const bool store : { true, false }) {
        const QString zip = home.filePath(QStringLiteral("seed.zip"));
        QFile::remove(zip);
        ArchiveFixtures::WriteZip(zip, entries, store);
        QFile file(zip);
        ok &= file.open(QIODevice::ReadOnly)
            && write(archiveDir + (store ? QStringLiteral("/stored.zip") : QStringLiteral("/deflated.zip")),
                '\x00' + file.readAll());
    }
    written += 3;

    if (argc > 2) {
        const QFileInfoList files = QDir(QString::fromLocal8Bit(argv[2]))
                                        .entryInfoList(RecordingFiles::NameFilters(), QDir::Files, QDir::Name);
        for (const QFileInfo &info : files) {
            CRecordedGame game;
            game.SetFile(info.absoluteFilePath());
            if (!game.ReadFile())
                continue;
            ok &= write(parseDir + '/' + info.fileName() + ".bin", parseInput(game.header, game.body));
            ++written;
        }
    }
    std::printf("%d seeds in %s\n", written, qPrintable(out.absolutePath()));
    return ok ? 0 : 1;
}
