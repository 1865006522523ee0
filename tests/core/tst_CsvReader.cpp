#include "common/InstallFixture.h"
#include "core/CsvReader.h"

#include <QBuffer>

namespace {
// Every record of bytes, fields joined by '|', records by '/'; or the failure's text after "!".
QString readAll(const QByteArray& bytes, CsvRead::Format format, qint64* lastLine = nullptr)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    CsvRead::Reader reader(buffer, format);
    QStringList records;
    for (;;) {
        const auto record = reader.next();
        if (!record)
            return u"!"_s + record.error();
        if (!*record)
            break;
        records.append((*record)->join(u'|'));
        if (lastLine)
            *lastLine = reader.line();
    }
    return records.join(u'/');
}
} // namespace

// Files as spreadsheets and other programs write them, read record by record.
class tst_CsvReader : public QObject
{
    Q_OBJECT

    using ReadRow = std::tuple<QByteArray, char16_t, QString>;
    using DetectRow = std::tuple<QByteArray, CsvRead::Encoding, char16_t>;

private slots:
    void reads_data()
    {
        const DataRows<ReadRow> row;
        row("plain", {"a,b,c\n1,2,3\n", u',', u"a|b|c/1|2|3"_s});
        row("no last line end", {"a,b\n1,2", u',', u"a|b/1|2"_s});
        row("CR LF and lone CR mixed", {"a,b\r\n1,2\r3,4\n5,6", u',', u"a|b/1|2/3|4/5|6"_s});
        row("quoted delimiter", {"\"Smith, John\",x\n", u',', u"Smith, John|x"_s});
        row("doubled quotes", {"\"say \"\"hi\"\"\",y\n", u',', u"say \"hi\"|y"_s});
        row("line break inside quotes", {"\"first\r\nsecond\",z\nnext,row\n", u',', u"first\nsecond|z/next|row"_s});
        row("empty fields kept", {",,\n", u',', u"||"_s});
        row("quoted empty field is a record", {"\"\"\nx\n", u',', u"/x"_s});
        row("blank lines passed over", {"a\n\n\r\nb\n", u',', u"a/b"_s});
        row("byte-order mark dropped", {"\xEF\xBB\xBFname,town\n", u',', u"name|town"_s});
        row("semicolon", {"a;b,c\n", u';', u"a|b,c"_s});
        row("tab", {"a\tb c\n", u'\t', u"a|b c"_s});
        row("quote inside an unquoted field is text", {"5\" tall,x\n", u',', u"5\" tall|x"_s});
        row("formula kept as text", {"=SUM(A1:A2),+44\n", u',', u"=SUM(A1:A2)|+44"_s});
        row("UTF-8 text", {"Zoë,Łódź\n", u',', u"Zoë|Łódź"_s});
        row("empty file", {"", u',', QString()});
        row("binary file refused", {QByteArray("PK\x03\x04\0\0abc", 9), u',', u"!NUL"_s});
    }
    void reads()
    {
        const auto& [bytes, delimiter, expected] = fetchRow<ReadRow>();
        const QString read = readAll(bytes, {CsvRead::Encoding::Utf8, delimiter});
        if (expected.startsWith(u'!'))
            QVERIFY2(read.startsWith(u'!') && read.contains(expected.mid(1)), qPrintable(read));
        else
            QCOMPARE(read, expected);
    }

    void windows1252()
    {
        // 0x80 is the euro sign, 0xE9 e acute, 0x93/0x94 curly quotes.
        QCOMPARE(readAll("\x80 5,caf\xE9,\x93q\x94\n", {CsvRead::Encoding::Windows1252, u','}), u"€ 5|café|“q”"_s);
    }

    // A record that straddles the reader's pieces (64 KB) and a multi-byte character split between two of them.
    void largeFileAcrossPieces()
    {
        QByteArray bytes;
        int rows = 0;
        while (bytes.size() < 200 * 1024) {
            bytes += "\"é line\nbreak " + QByteArray::number(rows) + "\",\"q\"\"\",end\n";
            ++rows;
        }
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        CsvRead::Reader reader(buffer, {});
        int read = 0;
        for (;;) {
            const auto record = reader.next();
            QVERIFY(record);
            if (!*record)
                break;
            QCOMPARE((*record)->value(0), u"é line\nbreak %1"_s.arg(read));
            QCOMPARE((*record)->value(1), u"q\""_s);
            QCOMPARE(reader.line(), qint64(read) * 2 + 1);
            ++read;
        }
        QCOMPARE(read, rows);
        QCOMPARE(reader.bytesRead(), qint64(bytes.size()));
    }

    void fieldOverAMillionCharactersRefusedWithItsLine()
    {
        QByteArray bytes = "a,b\nc,d\n\"";
        bytes += QByteArray(CsvRead::MaxFieldChars + 10, 'x');
        bytes += "\"\n";
        qint64 line = 0;
        const QString read = readAll(bytes, {}, &line);
        QVERIFY2(read.startsWith(u'!') && read.contains(u"line 3"_s), qPrintable(read.left(200)));
    }

    void detects_data()
    {
        const DataRows<DetectRow> row;
        row("utf-8 comma", {"name,town\nZoë,Cowes\n", CsvRead::Encoding::Utf8, u','});
        row("utf-8 bom semicolon", {"\xEF\xBB\xBFname;town;\"a,b\"\nx;y;z\n", CsvRead::Encoding::Utf8, u';'});
        row("1252 tab", {"name\ttown\ncaf\xE9\tRyde\n", CsvRead::Encoding::Windows1252, u'\t'});
        row("commas in quoted text do not count", {"\"a,b,c\";d\n\"e,f\";g\n", CsvRead::Encoding::Utf8, u';'});
        row("one column", {"name\nAnn\n", CsvRead::Encoding::Utf8, u','});
    }
    void detects()
    {
        const auto& [bytes, encoding, delimiter] = fetchRow<DetectRow>();
        const CsvRead::Format format = CsvRead::detect(bytes);
        QCOMPARE(format.encoding, encoding);
        QCOMPARE(format.delimiter, delimiter);
    }
};

ZEM_TEST(tst_CsvReader)
#include "tst_CsvReader.moc"
