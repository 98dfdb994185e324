#include "recgame/ByteView.h"

#include <QRandomGenerator>
#include <QTest>

#include <cstring>

namespace {

// What the search must give: memmem over the clipped range.
qint64 reference(const QByteArray &hay, qint64 from, qint64 to, const QByteArray &needle)
{
    from = std::max<qint64>(from, 0);
    to = std::min<qint64>(to, hay.size());
    if (to < from)
        return -1;
    const void *hit = memmem(hay.constData() + from, size_t(to - from), needle.constData(), size_t(needle.size()));
    return hit ? static_cast<const char *>(hit) - hay.constData() : -1;
}

} // namespace

class TestByteView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void find_data()
    {
        QTest::addColumn<QByteArray>("hay");
        QTest::addColumn<qint64>("from");
        QTest::addColumn<qint64>("to");
        QTest::addColumn<QByteArray>("needle");
        QTest::addColumn<qint64>("at");
        const QByteArray name("\x06\x00Alice", 7);
        const QByteArray hay = QByteArray(40, '\0') + name + QByteArray(10, '\x3F') + name;
        QTest::addRow("first of two") << hay << qint64(0) << qint64(hay.size()) << name << qint64(40);
        QTest::addRow("from inside the first") << hay << qint64(41) << qint64(hay.size()) << name << qint64(57);
        QTest::addRow("ends exactly at the end") << hay << qint64(50) << qint64(64) << name << qint64(57);
        QTest::addRow("one byte past the end") << hay << qint64(50) << qint64(63) << name << qint64(-1);
        QTest::addRow("range clipped to the buffer") << hay << qint64(-9) << qint64(1000) << name << qint64(40);
        QTest::addRow("range before the buffer") << hay << qint64(-9) << qint64(-2) << name << qint64(-1);
        QTest::addRow("reversed range") << hay << qint64(30) << qint64(20) << name << qint64(-1);
        QTest::addRow("needle longer than the buffer") << QByteArray("Ali") << qint64(0) << qint64(3) << name << qint64(-1);
        QTest::addRow("overlapping partial matches") << QByteArray("aaaab") << qint64(0) << qint64(5) << QByteArray("aab")
                                                     << qint64(2);
        QTest::addRow("anchor byte everywhere before") << (QByteArray(100, 'e') + "xe") << qint64(0) << qint64(102)
                                                       << QByteArray("xe") << qint64(100);
        QTest::addRow("one byte") << QByteArray("\0\0z\0", 4) << qint64(0) << qint64(4) << QByteArray("z") << qint64(2);
        QTest::addRow("zeros only") << QByteArray(8, '\0') << qint64(3) << qint64(8) << QByteArray(2, '\0') << qint64(3);
        QTest::addRow("empty needle") << QByteArray("abc") << qint64(1) << qint64(3) << QByteArray() << qint64(1);
        QTest::addRow("empty buffer") << QByteArray() << qint64(0) << qint64(0) << QByteArray("a") << qint64(-1);
    }

    void find()
    {
        QFETCH(QByteArray, hay);
        QFETCH(qint64, from);
        QFETCH(qint64, to);
        QFETCH(QByteArray, needle);
        QFETCH(qint64, at);
        QCOMPARE(ByteView(hay).find(from, to, needle.constData(), needle.size()), at);
    }

    // Buffers of a few byte values, so that partial matches abound, and
    // needles taken from them: the search must agree with memmem every time.
    void findAgreesWithMemmem()
    {
        QRandomGenerator random(1414);
        const char alphabet[] = {'\0', '\x06', 'A', 'l', '\x3F', '\xFF'};
        for (int round = 0; round < 3000; ++round) {
            QByteArray hay(random.bounded(1, 300), '\0');
            const int letters = random.bounded(1, 7);
            for (char &c : hay)
                c = alphabet[random.bounded(letters)];
            const qint64 start = random.bounded(hay.size());
            const QByteArray needle = hay.mid(start, random.bounded(1, 9));
            const qint64 from = random.bounded(-3, int(hay.size()) + 3);
            const qint64 to = random.bounded(-3, int(hay.size()) + 3);
            QCOMPARE(ByteView(hay).find(from, to, needle.constData(), needle.size()), reference(hay, from, to, needle));
        }
    }
};

QTEST_GUILESS_MAIN(TestByteView)
#include "tst_byte_view.moc"
