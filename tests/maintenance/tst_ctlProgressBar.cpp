#include "common/TestSupport.h"
#include "maintenance/ctlProgressBar.h"

// The progress bar: its limits, its text and the bar drawn inverted over the text.
class tst_ctlProgressBar : public QObject
{
    Q_OBJECT

    static QRgb Inverted(const QColor& color)
    {
        return qRgb(255 - color.red(), 255 - color.green(), 255 - color.blue());
    }

private slots:
    void textAndBar()
    {
        ctlProgressBar bar;
        bar.resize(300, 30);
        bar.SetBackColor(Qt::white);
        bar.SetForeColor(Qt::blue);
        QCOMPARE(bar.Text(), u"50.00%"_s); // the defaults: 0 to 100 at 50
        bar.SetTextBefore(u"Done "_s);
        QCOMPARE(bar.Text(), u"Done 50.00%"_s);
        bar.SetTextBefore(QString());

        QVERIFY(bar.SetValue(0));
        QCOMPARE(bar.Text(), u"0.00%"_s);
        const QImage empty = bar.Picture1();
        QCOMPARE(empty.size(), QSize(300, 30));
        QCOMPARE(empty.pixel(0, 0), qRgb(255, 255, 255)); // no bar at all
        QCOMPARE(empty.pixel(299, 29), qRgb(255, 255, 255));

        QVERIFY(bar.SetValue(37.5));
        QCOMPARE(bar.Text(), u"37.50%"_s);
        QCOMPARE(bar.Picture1().pixel(0, 0), Inverted(Qt::white));
        QCOMPARE(bar.Picture1().pixel(int(300 * 0.375) - 1, 0), Inverted(Qt::white));
        QCOMPARE(bar.Picture1().pixel(int(300 * 0.375) + 1, 0), qRgb(255, 255, 255));

        // Full: the whole width inverted, and the text still there, in the inverse of its colour.
        QVERIFY(bar.SetValue(100));
        QCOMPARE(bar.Text(), u"100.00%"_s);
        const QImage full = bar.Picture1();
        QCOMPARE(full.pixel(0, 0), Inverted(Qt::white));
        QCOMPARE(full.pixel(299, 29), Inverted(Qt::white));
        bool textInverted = false;
        for (int x = 0; x < full.width(); ++x)
            for (int y = 0; y < full.height(); ++y)
                textInverted |= full.pixel(x, y) == Inverted(Qt::blue);
        QVERIFY(textInverted);
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
        ctlProgressBar bar;
        QString error;
        const bool ok = property == u"Min"_s   ? bar.SetMin(value, &error)
                        : property == u"Max"_s ? bar.SetMax(value, &error)
                                               : bar.SetValue(value, &error);
        QCOMPARE(ok, accepted);
        QCOMPARE(error, accepted ? QString() : u"Illegal property value"_s);
        const double now = property == u"Min"_s ? bar.Min() : property == u"Max"_s ? bar.Max() : bar.Value();
        QCOMPARE(now, accepted ? value : (property == u"Min"_s ? 0.0 : property == u"Max"_s ? 100.0 : 50.0));
    }
};

ZEM_TEST(tst_ctlProgressBar)
#include "tst_ctlProgressBar.moc"
