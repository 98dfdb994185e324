#include "FixtureWriter.h"
#include "TestEnv.h"

#include "app/Settings.h"
#include "recgame/RecordedGame.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTest>

#include <sys/stat.h>
#include <utime.h>

#include <algorithm>

namespace {

QString digest(const char *bytes, qsizetype size)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(QByteArrayView(bytes, size), QCryptographicHash::Sha1).toHex());
}

// Every field of a record as text, so that a difference names the field.
// Leave terrain out to compare records analysed without it.
QStringList fields(const CRecordedGame &g, bool withTerrain = true)
{
    QStringList out{
        QStringLiteral("file %1 size %2 date %3 error '%4'").arg(g.filePath).arg(g.fileSize).arg(g.date).arg(g.ReadError()),
        QStringLiteral("header %1 %2").arg(g.header.size()).arg(digest(g.header.constData(), g.header.size())),
        QStringLiteral("body %1 %2").arg(g.body.size()).arg(digest(g.body.constData(), g.body.size())),
        QStringLiteral("version '%1' %2 %3").arg(g.version.tag()).arg(g.version.saveVersion()).arg(int(g.version.family())),
        QStringLiteral("map %1 '%2' %3x%4").arg(g.mapId).arg(g.mapName).arg(g.mapWidth).arg(g.mapHeight),
        QStringLiteral("duration '%1' %2").arg(g.duration).arg(g.durationSeconds),
        QStringLiteral("ids %1 %2").arg(g.catalogueId).arg(g.platform),
        QStringLiteral("pov %1 count %2 type %3 size %4").arg(g.povSlot).arg(g.playerCount).arg(g.gameType).arg(g.matchSize),
        QStringLiteral("teams '%1' '%2'").arg(g.teamLabelA, g.teamLabelB),
        QStringLiteral("spectators %1").arg(g.spectators.join(QLatin1Char('|'))),
        QStringLiteral("pre-game chat %1").arg(g.preGameChat),
        QStringLiteral("game chat %1").arg(g.gameChat),
    };
    if (withTerrain)
        out << QStringLiteral("terrain %1").arg(digest(reinterpret_cast<const char *>(g.terrain.data()), qsizetype(g.terrain.size())));
    const auto player = [](const CPlayer &p) {
        return QStringLiteral("'%1' n%2 c%3 col%4 t%5 r%6 cty%7 id%8 f%9/%10 c%11/%12 i%13/%14 a%15 res%16")
            .arg(p.name)
            .arg(p.number)
            .arg(p.civilization)
            .arg(p.colour)
            .arg(p.team)
            .arg(p.rating)
            .arg(p.country)
            .arg(p.catalogueId)
            .arg(p.feudalTime)
            .arg(p.firstFeudal)
            .arg(p.castleTime)
            .arg(p.firstCastle)
            .arg(p.imperialTime)
            .arg(p.firstImperial)
            .arg(p.active)
            .arg(p.resignReported);
    };
    out << QStringLiteral("pov player %1").arg(player(g.povPlayer));
    for (const CPlayer &p : g.players)
        out << player(p);
    return out;
}

void readAndAnalyze(CRecordedGame &game, const QString &path, bool terrain = true)
{
    game.SetFile(path);
    if (game.ReadFile())
        game.Analyze(terrain);
    game.BuildTeamLabels();
}

} // namespace

// One record read again and again (a command over many files, a scan) keeps
// its byte buffers between files; nothing of one file may reach the next.
class TestRecordReuse : public QObject
{
    Q_OBJECT

private:
    TestEnv m_env;

    // Written files get fixed times: the record's date is the earlier of the
    // last access and the last write, and the first read moves the access.
    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_env.file(name);
        Fixture::Write(path, bytes);
        utimbuf times{};
        times.actime = 1200000000;
        times.modtime = 1200000000;
        utime(path.toLocal8Bit().constData(), &times);
        return path;
    }

    // Damaged copies of real recordings, and a small made-up one, so that a
    // sequence can put buffers of very different sizes and states in a row.
    QString damaged(const QString &name)
    {
        const QString path = m_env.file(name);
        if (QFile::exists(path))
            return path;
        QFile source(TestEnv::corpusFile(name.section(QLatin1Char('~'), 1)));
        if (!source.open(QIODevice::ReadOnly))
            return path;
        QByteArray bytes = source.readAll();
        const auto headerLength = qsizetype(quint32(uchar(bytes[0])) | quint32(uchar(bytes[1])) << 8
                                            | quint32(uchar(bytes[2])) << 16 | quint32(uchar(bytes[3])) << 24);
        const QString kind = name.section(QLatin1Char('~'), 0, 0);
        if (kind == QLatin1String("cut-header"))
            bytes.truncate(headerLength / 2);
        else if (kind == QLatin1String("cut-body"))
            bytes.truncate(headerLength + (bytes.size() - headerLength) / 3);
        else if (kind == QLatin1String("broken-deflate"))
            std::fill(bytes.begin() + headerLength / 3, bytes.begin() + headerLength, '\xFF');
        return write(name, bytes);
    }

    QString path(const QString &name)
    {
        if (name == QLatin1String("small-duel")) {
            const QString p = m_env.file(name);
            return QFile::exists(p) ? p
                                    : write(name, Fixture::Recording(HeaderBuilder::Duel("Ann", "Bo").build(),
                                                                     BodyBuilder().timeStep(5000).chat("@#1Ann: hi").build()));
        }
        if (name == QLatin1String("missing"))
            return m_env.file(QStringLiteral("missing.mgx"));
        return name.contains(QLatin1Char('~')) ? damaged(name) : TestEnv::corpusFile(name);
    }

private Q_SLOTS:
    void init()
    {
        REQUIRE_CORPUS();
        CSettings::Instance().ResetToDefaults();
    }

    void reusedRecordGivesWhatFreshRecordsGive_data()
    {
        QTest::addColumn<QStringList>("sequence");
        QTest::addRow("every version, largest header first")
            << QStringList{"hd-4x.msx2", "aok.mgl", "up1.5.mgz", "hd-8players.mgx", "hd-ai.mgx2", "aoc-1.0c.mgx",
                           "scenario-with-messages.mgz", "small-duel"};
        QTest::addRow("smallest first, growing")
            << QStringList{"small-duel", "scenario-with-messages.mgz", "hd-coop-chat.mgx2", "coop.mgx",
                           "aoc-1.0.mgx", "up1.5.mgz", "hd-4x.msx2"};
        QTest::addRow("damaged files between good ones")
            << QStringList{"hd-casters.mgx2", "cut-header~hd-4x.msx2", "up1.4.mgz", "cut-body~up1.5.mgz",
                           "hd-coop-chat.mgx2", "broken-deflate~aoc-1.0c.mgx", "aok.mgl", "missing",
                           "hd-8players.mgx", "cut-body~aok.mgl", "coop.mgx"};
        QTest::addRow("same file again after a damaged copy")
            << QStringList{"up1.5.mgz", "cut-body~up1.5.mgz", "up1.5.mgz", "broken-deflate~up1.5.mgz", "up1.5.mgz"};
    }

    void reusedRecordGivesWhatFreshRecordsGive()
    {
        QFETCH(QStringList, sequence);
        CRecordedGame reused;
        // Copies taken along the way share the reused record's buffers until
        // it writes into them: reading the next file must not change them.
        QList<CRecordedGame> copies;
        for (const QString &name : sequence) {
            reused.Reset();
            readAndAnalyze(reused, path(name));
            copies << reused;
        }
        for (qsizetype i = 0; i < sequence.size(); ++i) {
            CRecordedGame fresh;
            readAndAnalyze(fresh, path(sequence[i]));
            QCOMPARE(fields(copies[i]), fields(fresh));
        }
        QCOMPARE(fields(reused), fields(copies.last()));
    }

    void resetLeavesNothingOfTheLastFile()
    {
        CRecordedGame game;
        readAndAnalyze(game, path(QStringLiteral("hd-4x.msx2")));
        game.catalogueId = 17;
        game.Reset();
        QCOMPARE(fields(game), fields(CRecordedGame()));
        // An analysis of the reset record has nothing to read.
        game.Analyze(true);
        QCOMPARE(fields(game), fields(CRecordedGame()));
    }

    void skippedTerrainLeavesEveryOtherFieldEqual_data()
    {
        QTest::addColumn<QString>("file");
        for (const char *name : {"aoc-1.0c.mgx", "aok.mgl", "up1.5.mgz", "hd-4x.msx2", "hd-ai.mgx2",
                                 "scenario-with-messages.mgz", "cut-body~hd-8players.mgx"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void skippedTerrainLeavesEveryOtherFieldEqual()
    {
        QFETCH(QString, file);
        CRecordedGame drawn;
        readAndAnalyze(drawn, path(file), true);
        CRecordedGame skipped;
        readAndAnalyze(skipped, path(file), false);
        QCOMPARE(fields(skipped, false), fields(drawn, false));
        QVERIFY(std::all_of(skipped.terrain.begin(), skipped.terrain.end(),
                            [&](std::uint8_t id) { return id == skipped.terrain[0]; }));
        if (drawn.gameType != CRecordedGame::kGameTypeScenario)
            QVERIFY(drawn.terrain != skipped.terrain);
    }

    void largeBuffersAreNotKeptForTheNextFile()
    {
        // A body far beyond what is kept between files, then a small file.
        const QString large = write(QStringLiteral("large.mgx"),
                                    Fixture::Recording(HeaderBuilder::Duel().build(), QByteArray(40 << 20, '\x05')));
        CRecordedGame game;
        readAndAnalyze(game, large);
        QCOMPARE(game.body.size(), qsizetype(40 << 20));
        game.Reset();
        readAndAnalyze(game, path(QStringLiteral("small-duel")));
        QVERIFY2(game.body.capacity() < (40 << 20), qPrintable(QString::number(game.body.capacity())));
        QCOMPARE(fields(game), [&] {
            CRecordedGame fresh;
            readAndAnalyze(fresh, path(QStringLiteral("small-duel")));
            return fields(fresh);
        }());
    }
};

QTEST_GUILESS_MAIN(TestRecordReuse)
#include "tst_record_reuse.moc"
