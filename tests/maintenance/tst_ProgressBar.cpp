#include "common/TestSupport.h"
#include "maintenance/ProgressBar.h"

// The progress bar: its limits, its text and the bar drawn inverted over the text.
class tst_ProgressBar : public QObject
{
    Q_OBJECT

    static QRgb inverted(const QColor& color)
    {
        return qRgb(255 - color.red(), 255 - color.green(), 255 - color.blue());
    }

private slots:
    void textAndBar_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("barEnd"); // the first column the bar leaves white
        QTest::newRow("empty") << 0.0 << u"0.00%"_s << 0;
        QTest::newRow("part") << 37.5 << u"37.50%"_s << int(300 * 0.375);
        QTest::newRow("full") << 100.0 << u"100.00%"_s << 300;
    }
    void textAndBar()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QFETCH(int, barEnd);
        ProgressBar bar;
        bar.resize(300, 30);
        bar.setBackColor(Qt::white);
        bar.setForeColor(Qt::blue);
        QCOMPARE(bar.text(), u"50.00%"_s); // the defaults: 0 to 100 at 50
        bar.setTextBefore(u"Done "_s);
        QCOMPARE(bar.text(), u"Done 50.00%"_s);
        bar.setTextBefore(QString());
        QVERIFY(bar.setValue(value).ok());
        QCOMPARE(bar.text(), text);
        const QImage image = bar.picture1();
        QCOMPARE(image.size(), QSize(300, 30));
        // The bar is drawn inverted up to its end, white after it: the corners and a column either side of the end.
        for (int x : {0, barEnd - 1, barEnd + 1, 299})
            if (x >= 0 && x < 300)
                QCOMPARE(image.pixel(x, x == 299 ? 29 : 0), x < barEnd ? inverted(Qt::white) : qRgb(255, 255, 255));
        // The text in the middle shows in the inverse of its colour only where the bar covers it.
        bool textInverted = false;
        for (int x = 0; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                textInverted |= image.pixel(x, y) == inverted(Qt::blue);
        QCOMPARE(textInverted, barEnd == 300);
    }

    void limits_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("Min above Max") << u"Min"_s << 101.0 << false;
        QTest::newRow("Min at Max") << u"Min"_s << 100.0 << true;
        QTest::newRow("Max below Min") << u"Max"_s << -1.0 << false;
        QTest::newRow("Max zero") << u"Max"_s << 0.0 << true;
        QTest::newRow("Value above Max") << u"Value"_s << 100.5 << false;
        QTest::newRow("Value below Min") << u"Value"_s << -0.5 << false;
        QTest::newRow("Value at Max") << u"Value"_s << 100.0 << true;
    }
    void limits()
    {
        QFETCH(QString, property);
        QFETCH(double, value);
        QFETCH(bool, accepted);
        ProgressBar bar;
        const Status set = property == u"Min"_s   ? bar.setMin(value)
                           : property == u"Max"_s ? bar.setMax(value)
                                                  : bar.setValue(value);
        QCOMPARE(set.ok(), accepted);
        QCOMPARE(set.error(), accepted ? QString() : u"Illegal property value"_s);
        const double now = property == u"Min"_s ? bar.min() : property == u"Max"_s ? bar.max() : bar.value();
        QCOMPARE(now, accepted ? value : (property == u"Min"_s ? 0.0 : property == u"Max"_s ? 100.0 : 50.0));
    }
};

ZEM_TEST(tst_ProgressBar)
#include "tst_ProgressBar.moc"
