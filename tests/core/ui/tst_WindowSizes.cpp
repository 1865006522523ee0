#include "common/TestSupport.h"
#include "core/ui/RecordGrid.h"
#include "core/ui/WindowPlacement.h"

// The size a window opens at from what was saved, and the columns of a list shared out of its width.
class tst_WindowSizes : public QObject
{
    Q_OBJECT

    using OpeningRow = std::tuple<QString, QSize, QSize>;
    using ColumnsRow = std::tuple<QList<int>, QList<int>, int, QList<int>>;

private slots:
    void openingSize_data()
    {
        // Wanted 900×600, never below 400×300, in a room of 1280×715.
        const DataRows<OpeningRow> row;
        row("nothing saved: wanted", {QString(), QSize(1280, 715), QSize(900, 600)});
        row("saved", {u"1000x650"_s, QSize(1280, 715), QSize(1000, 650)});
        row("saved on a larger screen: cut to the room", {u"1900x1150"_s, QSize(1280, 715), QSize(1280, 715)});
        row("wanted larger than the room", {QString(), QSize(800, 500), QSize(800, 500)});
        row("saved too small: the least", {u"50x20"_s, QSize(1280, 715), QSize(400, 300)});
        row("not a size: wanted", {u"wide"_s, QSize(1280, 715), QSize(900, 600)});
        row("a number too long to be one: wanted", {u"99999999x5"_s, QSize(1280, 715), QSize(900, 600)});
        row("no room known: as saved", {u"1000x650"_s, QSize(), QSize(1000, 650)});
    }
    void openingSize()
    {
        const auto& [saved, room, expected] = fetchRow<OpeningRow>();
        const QSize opened = WindowPlacement::openingSize(saved, QSize(900, 600), QSize(400, 300), room);
        QCOMPARE(opened, expected);
        if (!saved.isEmpty() && opened == QSize(1000, 650))
            QCOMPARE(WindowPlacement::sizeText(opened), saved); // read back as written
    }

    void insideTheRoom()
    {
        const QSize room(1280, 715);
        QCOMPARE(WindowPlacement::inside(QPoint(30, 30), QSize(900, 600), room), QPoint(30, 30));
        QCOMPARE(WindowPlacement::inside(QPoint(600, 300), QSize(900, 600), room), QPoint(380, 115));
        QCOMPARE(WindowPlacement::inside(QPoint(600, 300), QSize(1400, 800), room), QPoint(0, 0));
    }

    void fittedWidths_data()
    {
        const DataRows<ColumnsRow> row;
        row("all fit: as wanted", {{100, 200, 50}, {40, 40, 40}, 400, {100, 200, 50}});
        // 120 over the headings, 240 wanted beyond them: each gets half of its wish.
        row("too wide: the wish beyond the heading halved", {{100, 200, 60}, {40, 40, 40}, 240, {70, 120, 50}});
        // A heading is never cut: the grid scrolls sideways, and then each column as wide as it wants.
        row("even the headings too wide: as wanted", {{100, 200}, {100, 120}, 100, {100, 200}});
        row("the headings just fill the room: the headings", {{100, 200}, {40, 60}, 100, {40, 60}});
        row("a pixel short of the headings: as wanted", {{100, 200}, {40, 60}, 99, {100, 200}});
        row("no room: as wanted", {{100, 200}, {40, 40}, -5, {100, 200}});
    }
    void fittedWidths()
    {
        const auto& [wanted, least, room, expected] = fetchRow<ColumnsRow>();
        const QList<int> widths = ::fittedWidths(wanted, least, room);
        QCOMPARE(widths, expected);
        const int total = std::accumulate(widths.cbegin(), widths.cend(), 0);
        QVERIFY(total <= std::max(room, std::accumulate(wanted.cbegin(), wanted.cend(), 0)));
        for (qsizetype c = 0; c < widths.size(); ++c)
            QVERIFY(widths[c] >= least[c]);
    }
};

ZEM_TEST_SQLITE_ONLY(tst_WindowSizes)
#include "tst_WindowSizes.moc"
