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

    using LimitsRow = std::tuple<QString, double, bool>;

private slots:
    void textAndBar()
    {
        ProgressBar bar;
        bar.resize(300, 30);
        bar.setBackColor(Qt::white);
        bar.setForeColor(Qt::blue);
        QCOMPARE(bar.text(), u"50.00%"_s); // the defaults: 0 to 100 at 50
        bar.setTextBefore(u"Done "_s);
        QCOMPARE(bar.text(), u"Done 50.00%"_s);
        bar.setTextBefore(QString());

        QVERIFY(bar.setValue(0).ok());
        QCOMPARE(bar.text(), u"0.00%"_s);
        const QImage empty = bar.picture1();
        QCOMPARE(empty.size(), QSize(300, 30));
        QCOMPARE(empty.pixel(0, 0), qRgb(255, 255, 255)); // no bar at all
        QCOMPARE(empty.pixel(299, 29), qRgb(255, 255, 255));

        QVERIFY(bar.setValue(37.5).ok());
        QCOMPARE(bar.text(), u"37.50%"_s);
        QCOMPARE(bar.picture1().pixel(0, 0), inverted(Qt::white));
        QCOMPARE(bar.picture1().pixel(int(300 * 0.375) - 1, 0), inverted(Qt::white));
        QCOMPARE(bar.picture1().pixel(int(300 * 0.375) + 1, 0), qRgb(255, 255, 255));

        // Full: the whole width inverted, and the text still there, in the inverse of its colour.
        QVERIFY(bar.setValue(100).ok());
        QCOMPARE(bar.text(), u"100.00%"_s);
        const QImage full = bar.picture1();
        QCOMPARE(full.pixel(0, 0), inverted(Qt::white));
        QCOMPARE(full.pixel(299, 29), inverted(Qt::white));
        bool textInverted = false;
        for (int x = 0; x < full.width(); ++x)
            for (int y = 0; y < full.height(); ++y)
                textInverted |= full.pixel(x, y) == inverted(Qt::blue);
        QVERIFY(textInverted);
    }

    void limits_data()
    {
        const DataRows<LimitsRow> row;
        row("Min above Max", {u"Min"_s, 101.0, false});
        row("Min at Max", {u"Min"_s, 100.0, true});
        row("Max below Min", {u"Max"_s, -1.0, false});
        row("Max zero", {u"Max"_s, 0.0, true});
        row("Value above Max", {u"Value"_s, 100.5, false});
        row("Value below Min", {u"Value"_s, -0.5, false});
        row("Value at Max", {u"Value"_s, 100.0, true});
    }
    void limits()
    {
        const auto& [property, value, accepted] = fetchRow<LimitsRow>();
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
