#include "TestEnv.h"

#include "ratings/HttpRequest.h"
#include "ratings/RatingParsers.h"

#include <QTest>

using namespace RatingParsers;

// What the rating lookups send for a list of names and what they read from
// the services' replies, hostile ones included.
class TestRatingParsers : public QObject
{
    Q_OBJECT

private:
    TestEnv m_env;

    static QString records(const QList<RatingRecord> &list)
    {
        QStringList out;
        for (const RatingRecord &r : list)
            out.append(QStringLiteral("%1/%2/%3").arg(r.nick).arg(r.rating).arg(r.country));
        return out.join(QLatin1Char('|'));
    }

    static QString players(int count, int firstRating)
    {
        QString reply;
        for (int i = 0; i < count; ++i)
            reply += QStringLiteral("<player nick=\"p%1\" rating=\"%2\" country=\"1\"/>\n").arg(i).arg(firstRating + i);
        return reply;
    }

private Q_SLOTS:
    void nickServiceReply_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("expected");
        QTest::addRow("two players, CRLF")
            << "<players>\r\n<player nick=\"Alpha\" rating=\"1750\" country=\"24\"/>\r\n\r\n"
               "  <player nick=\"Beta\" rating=\"1500\" country=\"3\" />  \r\n</players>"
            << "Alpha/1750/24|Beta/1500/3";
        QTest::addRow("nick with spaces") << "<player nick=\"The Great One\" rating=\"1810\" country=\"7\"/>"
                                          << "The Great One/1810/7";
        QTest::addRow("attribute text inside the nick") << "<player nick=\"rating=9 country=4\" rating=\"1700\"/>"
                                                        << "rating=9 country=4/1700/0";
        QTest::addRow("defaults when missing") << "<player nick=\"Solo\">"
                                               << "Solo/1600/0";
        QTest::addRow("bare and single-quoted values") << "<player nick='A b' rating=1701 country=12>"
                                                       << "A b/1701/12";
        QTest::addRow("entities in the nick") << "<player nick=\"a&amp;b &quot;c&quot;\" rating=\"1650\"/>"
                                              << "a&b \"c\"/1650/0";
        QTest::addRow("unterminated quote") << "<player rating=\"1700\" nick=\"Open end"
                                            << "Open end/1700/0";
        QTest::addRow("digits rule") << "<player nick=\"N\" rating=\" 17x\" country=\"abc\"/>"
                                     << "N/17/0";
        QTest::addRow("huge number saturates") << "<player nick=\"N\" rating=\"99999999999999999999\"/>"
                                               << "N/2147483647/0";
        QTest::addRow("longer tag names are not players") << "<playerlist>\n<players count=\"2\">"
                                                          << "";
        QTest::addRow("no markers") << "Service temporarily closed"
                                    << "";
        QTest::addRow("empty") << ""
                               << "";
        QTest::addRow("nine records, first eight kept") << players(9, 1700)
                                                        << "p0/1700/1|p1/1701/1|p2/1702/1|p3/1703/1|p4/1704/1|"
                                                           "p5/1705/1|p6/1706/1|p7/1707/1";
    }
    void nickServiceReply()
    {
        QFETCH(QString, reply);
        QFETCH(QString, expected);
        QCOMPARE(records(ParseNickServiceReply(reply)), expected);
    }

    void igZonesReply_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("expected");
        QTest::addRow("two records") << "1,Alpha,1750;2,Beta,1500;"
                                     << "Alpha/1750/0|Beta/1500/0";
        QTest::addRow("blank pieces and newline") << ";;1,Alpha,1750;\r\n"
                                                  << "Alpha/1750/0";
        QTest::addRow("missing rating") << "1,Alpha"
                                        << "Alpha/1600/0";
        QTest::addRow("only an id") << "7"
                                    << "/1600/0";
        QTest::addRow("spaces kept in nick") << "1,Big Bob,1620,extra"
                                             << "Big Bob/1620/0";
        QTest::addRow("not a number") << "1,X,high"
                                      << "X/0/0";
        QTest::addRow("nine records") << "1,a,1;2,b,2;3,c,3;4,d,4;5,e,5;6,f,6;7,g,7;8,h,8;9,i,9"
                                      << "a/1/0|b/2/0|c/3/0|d/4/0|e/5/0|f/6/0|g/7/0|h/8/0";
    }
    void igZonesReply()
    {
        QFETCH(QString, reply);
        QFETCH(QString, expected);
        QCOMPARE(records(ParseIgZonesReply(reply)), expected);
    }

    void gameParkPage_data()
    {
        const QString head = QStringLiteral("<html><body><h1>Player</h1>player's id : 4411<br>");
        const QString nation = QStringLiteral("Nationality : <td class=\"descr\">%1</td>");
        const QString ladder = QStringLiteral("<a href=\"/en/AOE_Ladder.asp?p=%1&amp;id=4411\">ladder</a> "
                                              "Games: 10 Rating: <strong>%2</strong><br>");
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("ladder");
        QTest::addColumn<bool>("found");
        QTest::addColumn<int>("country");
        QTest::addColumn<int>("rating");
        const QString both = head + nation.arg("Canada") + ladder.arg(169).arg(1580) + ladder.arg(170).arg(1912);
        QTest::addRow("random map ladder") << both << 170 << true << 32 << 1912;
        QTest::addRow("death match ladder") << both << 169 << true << 32 << 1580;
        QTest::addRow("ladder missing") << head + nation.arg("Canada") + ladder.arg(169).arg(1580) << 170 << true << 32
                                        << 1600;
        QTest::addRow("rating zero") << head + nation.arg("Spain") + ladder.arg(170).arg(0) << 170 << true << 159
                                     << 1600;
        QTest::addRow("country any case, padded")
            << head + nation.arg(" united KINGDOM ") << 170 << true << 181 << 1600;
        QTest::addRow("unknown country") << head + nation.arg("Atlantis") + ladder.arg(170).arg(1700) << 170 << true
                                         << 0 << 1700;
        QTest::addRow("no nationality") << head + ladder.arg(170).arg(1700) << 170 << true << 0 << 1700;
        QTest::addRow("no player id") << nation.arg("Canada") + ladder.arg(170).arg(1700) << 170 << false << 0 << 1600;
        QTest::addRow("player id at the very start")
            << "player's id : 1" + ladder.arg(170).arg(1700) << 170 << false << 0 << 1600;
        QTest::addRow("ladder without rating")
            << head + "<a href=\"/en/AOE_Ladder.asp?p=170" << 170 << true << 0 << 1600;
        QTest::addRow("empty") << "" << 170 << false << 0 << 1600;
    }
    void gameParkPage()
    {
        QFETCH(QString, page);
        QFETCH(int, ladder);
        const PageResult result = ParseGameParkPage(page, ladder);
        QTEST(result.found, "found");
        QTEST(result.country, "country");
        QTEST(result.rating, "rating");
    }

    void encoding_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("codePage");
        QTest::addColumn<QByteArray>("encoded");
        QTest::addRow("plain") << "Abc-1.x_~"
                               << "windows-1252" << QByteArray("Abc-1.x_~");
        QTest::addRow("form delimiters") << "a&b=c;d,e"
                                         << "windows-1252" << QByteArray("a%26b%3Dc%3Bd%2Ce");
        QTest::addRow("percent and plus") << "50%+1"
                                          << "windows-1252" << QByteArray("50%25%2B1");
        QTest::addRow("space") << "Big Bob"
                               << "windows-1252" << QByteArray("Big%20Bob");
        QTest::addRow("brackets") << "[ABC]x"
                                  << "windows-1252" << QByteArray("%5BABC%5Dx");
        QTest::addRow("latin in code page") << QString::fromUtf8("José") << "windows-1252" << QByteArray("Jos%E9");
        QTest::addRow("outside the code page") << QString::fromUtf8("王") << "windows-1252" << QByteArray("%E7%8E%8B");
        QTest::addRow("chinese code page") << QString::fromUtf8("王") << "GBK" << QByteArray("%CD%F5");
        QTest::addRow("unknown code page") << QString::fromUtf8("é") << "no-such" << QByteArray("%C3%A9");
    }
    void encoding()
    {
        QFETCH(QString, value);
        QFETCH(QString, codePage);
        QTEST(EncodeParameter(value, codePage), "encoded");
    }

    void requests_data()
    {
        QTest::addColumn<QByteArray>("actual");
        QTest::addColumn<QByteArray>("expected");
        const QString cp = QStringLiteral("windows-1252");
        QTest::addRow("nick list") << NickServiceBody({ "A", "b c", "d&e" }, cp)
                                   << QByteArray("type=tessik&nicks=A;b%20c;d%26e");
        QTest::addRow("single nick, no separator") << NickServiceBody({ "A" }, cp) << QByteArray("type=tessik&nicks=A");
        QTest::addRow("one-letter nick, no separator")
            << NickServiceBody({ "x" }, cp) << QByteArray("type=tessik&nicks=x");
        QTest::addRow("empty names skipped")
            << NickServiceBody({ "", "A", "", "B" }, cp) << QByteArray("type=tessik&nicks=A;B");
        QTest::addRow("semicolons inside names")
            << NickServiceBody({ ";A;" }, cp) << QByteArray("type=tessik&nicks=%3BA%3B");
        QTest::addRow("gamepark") << GameParkQuery("a+b=c", cp) << QByteArray("nick=a%2Bb%3Dc");
        QTest::addRow("igzones clan tags") << IgZonesQuery("AoCRM", { "[XY]Alpha", "[open", "Beta" }, cp)
                                           << QByteArray("ladder=AoCRM&player=Alpha,%5Bopen,Beta");
        QTest::addRow("igzones single") << IgZonesQuery("AoCDM", { "[]x" }, cp) << QByteArray("ladder=AoCDM&player=x");
        QTest::addRow("long list not cut")
            << QByteArray::number(NickServiceBody(QStringList(8, QString(200, QLatin1Char('n'))), cp).size())
            << QByteArray::number(1625);
    }
    void requests()
    {
        QFETCH(QByteArray, actual);
        QFETCH(QByteArray, expected);
        QCOMPARE(actual, expected);
    }

    void serviceUrl_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("url");
        QTest::addRow("root with slash") << "http://127.0.0.1:8080/"
                                         << "http://127.0.0.1:8080/querys.php?a=1";
        QTest::addRow("root without slash") << "http://127.0.0.1:8080"
                                            << "http://127.0.0.1:8080/querys.php?a=1";
        QTest::addRow("bare host and prefix") << "127.0.0.1:81/aoc"
                                              << "http://127.0.0.1:81/aoc/querys.php?a=1";
        QTest::addRow("https") << " https://127.0.0.1/x/ "
                               << "https://127.0.0.1/x/querys.php?a=1";
        QTest::addRow("other scheme") << "ftp://127.0.0.1/"
                                      << "";
        QTest::addRow("no host") << "http://"
                                 << "";
        QTest::addRow("query in base") << "http://127.0.0.1/?q=1"
                                       << "";
        QTest::addRow("user info") << "http://me@127.0.0.1/"
                                   << "";
    }
    void serviceUrl()
    {
        QFETCH(QString, base);
        QFETCH(QString, url);
        QString error;
        const QUrl made = ServiceUrl(base, QStringLiteral("querys.php"), "a=1", &error);
        QCOMPARE(QString::fromLatin1(made.toEncoded()), url);
        QCOMPARE(error.isEmpty(), !url.isEmpty());
    }

    void encodedQuerySurvivesTheUrl()
    {
        const QByteArray query = "ladder=AoCRM&player="
            + EncodeParameter(QString::fromUtf8("a&b=c%d+e f;g,[h]José"), QStringLiteral("windows-1252"));
        const QUrl url
            = ServiceUrl(QStringLiteral("http://127.0.0.1/"), QStringLiteral("ratingservices"), query, nullptr);
        QCOMPARE(url.query(QUrl::FullyEncoded).toLatin1(), query);
    }

    void clanTags_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("bare");
        QTest::addRow("tag") << "[ABC]nick"
                             << "nick";
        QTest::addRow("tag and space") << "[ABC] nick"
                                       << " nick";
        QTest::addRow("no closing bracket") << "[ABC nick"
                                            << "[ABC nick";
        QTest::addRow("bracket later") << "nick[ABC]"
                                       << "nick[ABC]";
        QTest::addRow("only a tag") << "[ABC]"
                                    << "";
        QTest::addRow("two tags") << "[A][B]n"
                                  << "[B]n";
    }
    void clanTags()
    {
        QFETCH(QString, name);
        QTEST(WithoutClanTag(name), "bare");
    }
};

QTEST_GUILESS_MAIN(TestRatingParsers)
#include "tst_rating_parsers.moc"
