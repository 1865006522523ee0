#include "common/InstallFixture.h"
#include "core/FieldChanges.h"

// The three-way merge every editor's save runs: what it loaded, what another desk stored since, what was typed.
class tst_FieldChanges : public QObject
{
    Q_OBJECT
    struct Record
    {
        QString town;
        QString phone;
        int berths = 0;
        bool operator==(const Record&) const = default;
    };
    // "town|phone|berths", and back
    static Record record(const QString& text)
    {
        const QStringList parts = text.split(u'|');
        return {parts.value(0), parts.value(1), parts.value(2).toInt()};
    }
    static QString text(const Record& r) { return r.town + u'|' + r.phone + u'|' + QString::number(r.berths); }
    // base, theirs, mine; merged, keeping theirs, the conflicts as "field theirs>mine" lines
    using MergeRow = std::tuple<QString, QString, QString, QString, QString, QString>;

private slots:
    void merge_data()
    {
        const DataRows<MergeRow> row;
        row("nobody changed anything",
            {u"Leeds|01|1"_s, u"Leeds|01|1"_s, u"Leeds|01|1"_s, u"Leeds|01|1"_s, u"Leeds|01|1"_s, QString()});
        row("only theirs: kept",
            {u"Leeds|01|1"_s, u"Leeds|02|1"_s, u"Leeds|01|1"_s, u"Leeds|02|1"_s, u"Leeds|02|1"_s, QString()});
        row("only mine: saved",
            {u"Leeds|01|1"_s, u"Leeds|01|1"_s, u"York|01|1"_s, u"York|01|1"_s, u"York|01|1"_s, QString()});
        row("both to the same value: no conflict",
            {u"Leeds|01|1"_s, u"York|01|1"_s, u"York|01|1"_s, u"York|01|1"_s, u"York|01|1"_s, QString()});
        row("both to different values: asked",
            {u"Leeds|01|1"_s, u"Hull|01|1"_s, u"York|01|1"_s, u"York|01|1"_s, u"Hull|01|1"_s, u"Town Hull>York"_s});
        row("a field cleared by one desk, changed by the other",
            {u"Leeds|01|1"_s, u"Leeds||1"_s, u"Leeds|03|1"_s, u"Leeds|03|1"_s, u"Leeds||1"_s, u"Phone >03"_s});
        row("several fields: each desk keeps its own, only the shared one asked",
            {u"Leeds|01|1"_s, u"Leeds|02|2"_s, u"York|01|3"_s, u"York|02|3"_s, u"York|02|2"_s, u"Berths 2>3"_s});
        row("several conflicts, in the order compared",
            {u"Leeds|01|1"_s, u"Hull|02|2"_s, u"York|03|3"_s, u"York|03|3"_s, u"Hull|02|2"_s,
             u"Town Hull>York\nPhone 02>03\nBerths 2>3"_s});
    }
    void merge()
    {
        const auto& [base, theirs, mine, merged, keepingTheirs, conflicts] = fetchRow<MergeRow>();
        FieldChanges::Merge<Record> merge(record(base), record(theirs), record(mine));
        merge.field(u"Town"_s, &Record::town);
        merge.field(u"Phone"_s, &Record::phone);
        merge.field(u"Berths"_s, &Record::berths, [](int n) { return QString::number(n); });
        QCOMPARE(text(merge.merged()), merged);
        QCOMPARE(text(merge.chosen(false)), merged);
        QCOMPARE(text(merge.keepingTheirs()), keepingTheirs);
        QCOMPARE(text(merge.chosen(true)), keepingTheirs);
        QCOMPARE(text(merge.theirs()), theirs);
        QStringList lines;
        for (const FieldChange& change : merge.conflicts())
            lines << change.field + u' ' + change.theirs + u'>' + change.mine;
        QCOMPARE(lines.join(u'\n'), conflicts);
        // A save writes the merge when nothing conflicts, nothing otherwise; the merge is handed out either way.
        std::optional<FieldChanges::Merge<Record>> out;
        const Result<Record> written = FieldChanges::toWrite(merge, &out);
        QCOMPARE(written ? text(*written) : written.error(),
                 conflicts.isEmpty() ? merged : FieldChanges::conflictText());
        QVERIFY(out && out->conflicts() == merge.conflicts());
    }
};

ZEM_TEST(tst_FieldChanges)
#include "tst_FieldChanges.moc"
