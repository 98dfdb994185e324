#include "FixtureWriter.h"
#include "TestEnv.h"

#include "app/Settings.h"
#include "recgame/RecordedGame.h"

#include <QTest>

namespace {

// A 1 vs 1 of Alice (player 1, civilization `civA`) and Bob (player 2), with the given body.
CRecordedGame scan(const QByteArray &body, int civA = 1)
{
    HeaderBuilder h = HeaderBuilder::Duel();
    h.entries[1].civilization = civA;
    CRecordedGame game;
    game.header = h.build();
    game.body = body;
    game.Analyze(false);
    return game;
}

QStringList chatLines(const CRecordedGame &game)
{
    QStringList lines = game.gameChat.split(QStringLiteral("\r\n"));
    // "\r\n", the title, "\r\n\r\n" come first; the text ends with "\r\n".
    return lines.mid(3, lines.size() - 4);
}

} // namespace

class TestBodyScan : public QObject
{
    Q_OBJECT

private:
    TestEnv m_env;

private Q_SLOTS:
    void init() { CSettings::Instance().ResetToDefaults(); }

    void duration_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("duration");
        QTest::addRow("empty body") << QByteArray() << "00:00:00";
        QTest::addRow("three bytes") << QByteArray("\x02\0\0", 3) << "00:00:00";
        QTest::addRow("499+500+501 ms") << BodyBuilder().timeStep(499).timeStep(500).timeStep(501).build()
                                        << "00:00:01";
        QTest::addRow("flag 0 carries 28 more bytes")
            << BodyBuilder().timeStep(60000, 0).timeStep(60000).build() << "00:02:00";
        QTest::addRow("negative and zero steps do not count")
            << BodyBuilder().timeStep(-5000).timeStep(0).timeStep(3723999).build() << "01:02:03";
        QTest::addRow("unknown operations move by their type")
            << BodyBuilder().i32(7).i32(99).timeStep(1000).build() << "00:00:01";
        QTest::addRow("meta 500 skips 20 bytes") << BodyBuilder().meta500().timeStep(2000).build() << "00:00:02";
        QTest::addRow("ends inside a time step") << BodyBuilder().timeStep(1000).i32(2).build() << "00:00:01";
        QTest::addRow("command longer than the body")
            << BodyBuilder().timeStep(1000).i32(1).i32(100000).raw(QByteArray(10, 'x')).timeStep(5000).build()
            << "00:00:01";
        QTest::addRow("negative command length") << BodyBuilder().i32(1).i32(-8).timeStep(1000).build() << "00:00:01";
        QTest::addRow("saturating time") << BodyBuilder().timeStep(0x7FFFFFFF).timeStep(0x7FFFFFFF).build()
                                         << "596:31:23";
        QTest::addRow("saturated time stays there past other operations")
            << BodyBuilder().timeStep(0x7FFFFFFF).timeStep(0x7FFFFFFF).chat("@#1a: b").timeStep(5).build()
            << "596:31:23";
        QTest::addRow("a step cut before its flag")
            << BodyBuilder().timeStep(1000).i32(2).i32(1000).build() << "00:00:01";
        QTest::addRow("a flag-0 step cut in its extra bytes counts")
            << BodyBuilder().timeStep(2000).i32(2).i32(1000).i32(0).raw("xx").build() << "00:00:03";
    }

    void duration()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, duration);
        const CRecordedGame game = scan(body);
        QCOMPARE(game.duration, duration);
    }

    void timeSumIsExact()
    {
        const CRecordedGame game =
            scan(BodyBuilder().timeStep(499).timeStep(500).timeStep(501).chat("@#1Alice: t").build());
        QCOMPARE(chatLines(game), QStringList{QStringLiteral("(00:00:01) Alice: t")});
    }

    void ageTimes_data()
    {
        QTest::addColumn<int>("civ");
        QTest::addColumn<int>("tech");
        QTest::addColumn<int>("expected");
        QTest::addRow("feudal") << 1 << 101 << 730000;
        QTest::addRow("castle") << 1 << 102 << 760000;
        QTest::addRow("imperial") << 1 << 103 << 790000;
        QTest::addRow("persian feudal") << 8 << 101 << 730000;
        QTest::addRow("persian castle") << 8 << 102 << 744000;
        QTest::addRow("persian imperial") << 8 << 103 << 762000;
    }

    void ageTimes()
    {
        QFETCH(int, civ);
        QFETCH(int, tech);
        QFETCH(int, expected);
        const CRecordedGame game = scan(BodyBuilder().timeStep(600000).research(1, tech).build(), civ);
        const CPlayer &p = game.players[1];
        QCOMPARE(tech == 101 ? p.feudalTime : tech == 102 ? p.castleTime : p.imperialTime, expected);
    }

    void ageLinesGoBeforeTheNextChat()
    {
        const QByteArray body = BodyBuilder()
                                    .timeStep(600000)
                                    .research(1, 102)
                                    .research(2, 101)
                                    .timeStep(100000)
                                    .chat("@#2Bob: early") // t = 700000: Bob's Feudal (730000) not yet
                                    .timeStep(50000)
                                    .chat("@#1Alice: now")
                                    .research(2, 103)
                                    .build();
        const CRecordedGame game = scan(body, 8);
        QCOMPARE(game.players[1].castleTime, 744000);
        QCOMPARE(chatLines(game), (QStringList{
                                      QStringLiteral("(00:11:40) Bob: early"),
                                      QStringLiteral("(00:12:10) Bob advanced to the Feudal Age."),
                                      QStringLiteral("(00:12:24) Alice advanced to the Castle Age."),
                                      QStringLiteral("(00:12:30) Alice: now"),
                                  }));
        // The last advance comes after the last chat: kept in the slot, not written.
        QCOMPARE(game.players[2].imperialTime, 750000 + 190000);
    }

    void flagsChangeTheLines_data()
    {
        QTest::addColumn<bool>("times");
        QTest::addColumn<bool>("resign");
        QTest::addColumn<QStringList>("lines");
        QTest::addRow("times and resign") << true << true
                                          << QStringList{"(00:02:10) Alice advanced to the Feudal Age.",
                                                         "(00:03:00) Alice: gg", "(00:03:00) Bob resigned."};
        QTest::addRow("no times") << false << true
                                  << QStringList{"Alice advanced to the Feudal Age.", "Alice: gg", "Bob resigned."};
        QTest::addRow("no resign") << true << false
                                   << QStringList{"(00:02:10) Alice advanced to the Feudal Age.",
                                                  "(00:03:00) Alice: gg"};
    }

    void flagsChangeTheLines()
    {
        QFETCH(bool, times);
        QFETCH(bool, resign);
        QFETCH(QStringList, lines);
        CSettings::Instance().showChatTimes = times;
        CSettings::Instance().showResign = resign;
        const QByteArray body =
            BodyBuilder().research(1, 101).timeStep(180000).chat("@#1Alice: gg").resign(2).resign(2).build();
        const CRecordedGame game = scan(body);
        QCOMPARE(chatLines(game), lines);
        QCOMPARE(game.players[2].resignReported, resign);
    }

    void chatMessages_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::addRow("plain") << QByteArray("@#1Alice: hi") << QStringList{"(00:00:00) Alice: hi"};
        QTest::addRow("system notice") << QByteArray("@#1--Notice--") << QStringList{};
        QTest::addRow("shorter than the marker") << QByteArray("@#") << QStringList{"(00:00:00) "};
        QTest::addRow("cut at 256 bytes") << (QByteArray("@#1") + QByteArray(400, 'y'))
                                          << QStringList{"(00:00:00) " + QString(253, QLatin1Char('y'))};
        QTest::addRow("up to the first NUL") << QByteArray("@#1ab\0cd", 8) << QStringList{"(00:00:00) ab"};
    }

    void chatMessages()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, lines);
        QCOMPARE(chatLines(scan(BodyBuilder().chat(text).build())), lines);
    }

    void hostileChatLengths_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addRow("negative length") << BodyBuilder().i32(4).i32(-1).i32(-50).timeStep(1000).build();
        QTest::addRow("length past the end") << BodyBuilder().i32(4).i32(-1).i32(1000000).raw("@#1abc").build();
        QTest::addRow("length field cut") << BodyBuilder().i32(4).i32(-1).raw("\x05\0").build();
    }

    void hostileChatLengths()
    {
        QFETCH(QByteArray, body);
        const CRecordedGame game = scan(body);
        QVERIFY(game.gameChat.startsWith(QStringLiteral("\r\n::::")));
    }

    void firstToFlags()
    {
        HeaderBuilder h;
        h.entries = {FixturePlayer{}, FixturePlayer{1, "A", 1, 0, 2}, FixturePlayer{2, "B", 2, 1, 2},
                     FixturePlayer{3, "C", 3, 2, 3}, FixturePlayer{4, "D", 4, 3, 3}};
        CRecordedGame game;
        game.header = h.build();
        game.body = BodyBuilder()
                        .timeStep(1000)
                        .research(2, 101) // B first to Feudal; A never gets there
                        .timeStep(1000)
                        .research(3, 101)
                        .research(3, 103) // C and D reach Imperial together
                        .research(4, 103)
                        .research(9, 101) // nobody carries number 9
                        .build();
        game.Analyze(false);
        QVERIFY(!game.players[1].firstFeudal);
        QVERIFY(game.players[2].firstFeudal);
        QVERIFY(!game.players[3].firstFeudal);
        QVERIFY(game.players[3].firstImperial);
        QVERIFY(game.players[4].firstImperial);
        QVERIFY(!game.players[1].firstCastle && !game.players[2].firstCastle);
    }
};

QTEST_GUILESS_MAIN(TestBodyScan)
#include "tst_body_scan.moc"
