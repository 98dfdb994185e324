// The PNG writer: what it writes reads back, through Qt's own PNG reader,
// as exactly the pixels it was given; sizes it cannot write give nothing.

#include "app/PngImage.h"

#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

class TestPngImage : public QObject
{
    Q_OBJECT

private slots:
    void readsBackPixelForPixel_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("pixelsPerLine");
        QTest::addRow("one pixel") << 1 << 1 << 1;
        QTest::addRow("minimap size") << 224 << 112 << 224;
        QTest::addRow("rows with padding") << 3 << 5 << 8;
        QTest::addRow("one long row") << 4000 << 1 << 4000;
        QTest::addRow("one tall column") << 1 << 3000 << 1;
    }

    void readsBackPixelForPixel()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, pixelsPerLine);
        QRandomGenerator random(uint(width * 31 + height));
        std::vector<std::uint32_t> pixels(size_t(pixelsPerLine) * size_t(height));
        for (std::uint32_t &p : pixels)
            p = random.generate(); // any alpha: the writer leaves it out
        const QByteArray png = PngImage::Encode(pixels.data(), width, height, pixelsPerLine);
        QImage image;
        QVERIFY(image.loadFromData(png, "PNG"));
        QCOMPARE(image.size(), QSize(width, height));
        QVERIFY(!image.hasAlphaChannel());
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (image.pixel(x, y) != (pixels[size_t(pixelsPerLine) * y + x] | 0xFF000000u))
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 differs").arg(x).arg(y)));
    }

    void refusesWhatItCannotWrite_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("pixelsPerLine");
        QTest::addRow("no width") << 0 << 4 << 4;
        QTest::addRow("negative height") << 4 << -1 << 4;
        QTest::addRow("rows overlapping") << 4 << 4 << 3;
        QTest::addRow("beyond the size limit") << 100000 << 100000 << 100000;
    }

    void refusesWhatItCannotWrite()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, pixelsPerLine);
        const std::uint32_t pixels[16] = {};
        QVERIFY(PngImage::Encode(pixels, width, height, pixelsPerLine).isEmpty());
        QVERIFY(PngImage::Encode(nullptr, 1, 1, 1).isEmpty());
    }

    void saveWritesWholeFilesOnly()
    {
        QTemporaryDir dir;
        const std::uint32_t pixels[4] = {0xFF102030u, 0xFF405060u, 0xFF708090u, 0xFFA0B0C0u};
        const QString path = dir.filePath(QStringLiteral("map.png"));
        QVERIFY(PngImage::Save(path, pixels, 2, 2, 2));
        QCOMPARE(QImage(path).pixel(1, 1), 0xFFA0B0C0u);

        // A picture that cannot be written leaves the file that was there.
        QVERIFY(!PngImage::Save(path, pixels, 0, 2, 2));
        QCOMPARE(QImage(path).pixel(1, 1), 0xFFA0B0C0u);
        QVERIFY(!PngImage::Save(dir.filePath(QStringLiteral("missing/map.png")), pixels, 2, 2, 2));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("map.png")});
    }
};

QTEST_GUILESS_MAIN(TestPngImage)
#include "tst_png_image.moc"
