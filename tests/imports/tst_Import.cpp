#include "berths/BerthNotesDialog.h"
#include "bookings/BookingStore.h"
#include "bookings/QuickSearch.h"
#include "common/TestSupport.h"
#include "core/ImportTags.h"
#include "core/ui/Mnemonics.h"
#include "imports/ImportRun.h"
#include "imports/ImportWizard.h"
#include "people/BoatDialog.h"
#include "people/CustomerDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlRecord>
#include <QStringEncoder>

using ImportFields::Kind;
using ImportRun::Verdict;

Q_DECLARE_METATYPE(CsvRead::Encoding)

namespace {
// Cells joined by the delimiter, quoted where they must be, lines ended by CR LF.
QByteArray csv(const QList<QStringList>& rows, char16_t delimiter, CsvRead::Encoding encoding, bool bom = false)
{
    QString text;
    for (const QStringList& row : rows) {
        QStringList cells;
        for (const QString& cell : row) {
            const bool quote = cell.contains(delimiter) || cell.contains(u'"') || cell.contains(u'\n');
            cells.append(quote ? u'"' + QString(cell).replace(u"\""_s, u"\"\""_s) + u'"' : cell);
        }
        text += cells.join(QChar(delimiter)) + u"\r\n"_s;
    }
    if (encoding == CsvRead::Encoding::Utf8)
        return (bom ? QByteArray("\xEF\xBB\xBF") : QByteArray()) + text.toUtf8();
    QStringEncoder cp1252("windows-1252");
    if (cp1252.isValid())
        return cp1252.encode(text);
    return text.toLatin1(); // the test's texts are Latin-1 where the two agree
}

const QStringList CustomerHeadings{u"Ref"_s,       u"Name"_s,         u"Town"_s,      u"E-mail"_s,
                                   u"Boat name"_s, u"Registration"_s, u"Length (m)"_s};
} // namespace

// Files from another system brought in: the dry run's verdicts, the rows written against the file, a second import
// that adds nothing, undo, and a stopped import that leaves nothing.
class tst_Import : public InstallTest
{
    Q_OBJECT

    void seed() override
    {
        // One customer on record, with a boat, to be matched by e-mail or registration.
        // Numbered by the database (1, 1 and 1 to 3), as the rows an import adds after them.
        QVERIFY(exec(u"INSERT INTO Customer (Name, EmailAddress) VALUES ('Old Ann', 'ann@example.com')"_s));
        QVERIFY(exec(u"INSERT INTO Boat (CustomerID, Name, Registration, LengthCm) VALUES "
                     u"(1, 'Kittiwake', 'GB-1001', 900)"_s));
        QVERIFY(exec(u"INSERT INTO Berth (Name, Length, Width, Active) VALUES ('A1', 10, 4, 1), "
                     u"('A2', 8, 3, 1), ('B1', 12, 4, 1)"_s));
    }

    QString writeFile(const QString& name, const QByteArray& bytes) const
    {
        const QString path = m_install->root() + u'/' + name;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return {};
        return path;
    }

    ImportRun::Options options(Kind kind, const QString& path, char16_t delimiter = u',',
                               CsvRead::Encoding encoding = CsvRead::Encoding::Utf8) const
    {
        ImportRun::Options o;
        o.kind = kind;
        o.source.path = path;
        o.source.format = {encoding, delimiter};
        const auto headings = ImportRun::headings(o.source);
        if (headings)
            o.mapping = ImportFields::proposed(kind, *headings);
        return o;
    }

    // The customers file with one row of each kind of fault; the lines' expected verdicts.
    QList<QStringList> customerRows() const
    {
        return {CustomerHeadings,
                {u"C1"_s, u"Björk Sæther"_s, u"Cowes"_s, u"bjork@example.com"_s, u"Puffin"_s, u"GB-2001"_s, u"9.5"_s},
                {u"C2"_s, u"=HYPERLINK(\"x\")"_s, u"Ryde, IoW"_s, u""_s, u""_s, u""_s, u""_s},
                {u"C3"_s, u"Ann Again"_s, u""_s, u"ANN@example.com"_s, u""_s, u""_s, u""_s},
                {u"C4"_s, u"Reg Match"_s, u""_s, u""_s, u"Other"_s, u"gb 1001"_s, u""_s},
                {u"C5"_s, u""_s, u"No Name"_s, u""_s, u""_s, u""_s, u""_s},
                {u"C6"_s, u"Too Long Boat"_s, u""_s, u""_s, u"Ark"_s, u"X1"_s, u"350"_s},
                {u"C7"_s, u"Short Row"_s},
                {u"C1"_s, u"Twice"_s, u""_s, u""_s, u""_s, u""_s, u""_s},
                {u"C8"_s, u"Bad Mail"_s, u""_s, u"nobody"_s, u""_s, u""_s, u""_s}};
    }

    // Every column of every row: columns joined by '|', rows by a line break, NULL as nothing.
    QString rows(const QString& sql) const
    {
        QSqlQuery q(m_install->db());
        if (!q.exec(sql))
            return q.lastError().text();
        QStringList lines;
        while (q.next()) {
            QStringList cells;
            for (int i = 0; i < q.record().count(); ++i)
                cells.append(q.value(i).isNull() ? QString() : q.value(i).toString());
            lines.append(cells.join(u'|'));
        }
        return lines.join(u'\n');
    }

    QString verdicts(const ImportRun::Outcome& outcome) const
    {
        QStringList texts;
        for (const ImportRun::Row& row : outcome.rows)
            texts.append(u"%1%2"_s.arg(row.line).arg(row.verdict == Verdict::Accepted    ? u"A"_s
                                                     : row.verdict == Verdict::Duplicate ? u"D"_s
                                                                                         : u"R"_s));
        return texts.join(u' ');
    }

    using FileRow = std::tuple<CsvRead::Encoding, char16_t, bool>;

private slots:
    void customersDryRunThenImport_data()
    {
        const DataRows<FileRow> row;
        row("utf-8 comma", {CsvRead::Encoding::Utf8, u',', false});
        row("utf-8 with bom, semicolon", {CsvRead::Encoding::Utf8, u';', true});
        row("windows-1252 tab", {CsvRead::Encoding::Windows1252, u'\t', false});
    }
    void customersDryRunThenImport()
    {
        const auto& [encoding, delimiter, bom] = fetchRow<FileRow>();
        const QString path = writeFile(u"customers.csv"_s, csv(customerRows(), delimiter, encoding, bom));
        // The format is found from the file itself.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const CsvRead::Format found = CsvRead::detect(file);
        QCOMPARE(found.encoding, encoding);
        QCOMPARE(found.delimiter, delimiter);

        ImportRun::Options o = options(Kind::CustomersWithBoats, path, delimiter, encoding);
        QCOMPARE(o.mapping.size(), CustomerHeadings.size());
        const auto dry = ImportRun::dryRun(m_install->db(), o);
        QVERIFY2(dry, qPrintable(dry.error()));
        QCOMPARE(verdicts(*dry), u"2A 3A 4D 5D 6R 7R 8R 9R 10R"_s);
        QCOMPARE(dry->rows.at(2).reason, u"On record (same e-mail address): skipped."_s);
        QCOMPARE(dry->rows.at(3).reason, u"On record (same boat registration): skipped."_s);
        QCOMPARE(dry->rows.at(4).reason, u"The name is empty."_s);
        QVERIFY(dry->rows.at(5).reason.contains(u"200 m"_s));
        QCOMPARE(dry->rows.at(6).reason, u"The row has 2 columns where the headings have 7."_s);
        QCOMPARE(dry->rows.at(7).reason, u"Line 2 of the file has the same old reference."_s);
        QCOMPARE(dry->rows.at(8).reason, u"\"nobody\" is not an e-mail address."_s);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Customer"_s), 1); // a dry run writes nothing

        const auto done = ImportRun::import(m_install->db(), o, m_install->clock.current);
        QVERIFY2(done, qPrintable(done.error()));
        QCOMPARE(verdicts(*done), verdicts(*dry));
        // The rows as the file has them: accents through the encoding, the formula kept as text, the boat in cm.
        QCOMPARE(m_install->text(u"SELECT Name FROM Customer WHERE OldRef = 'C1'"_s), u"Björk Sæther"_s);
        QCOMPARE(m_install->text(u"SELECT Name FROM Customer WHERE OldRef = 'C2'"_s), u"=HYPERLINK(\"x\")"_s);
        QCOMPARE(m_install->text(u"SELECT Town FROM Customer WHERE OldRef = 'C2'"_s), u"Ryde, IoW"_s);
        QCOMPARE(m_install->scalarInt(u"SELECT LengthCm FROM Boat WHERE Registration = 'GB-2001'"_s), 950);
        QCOMPARE(m_install->text(u"SELECT C.OldRef FROM Boat B JOIN Customer C ON C.ID = B.CustomerID "
                                 u"WHERE B.Name = 'Puffin'"_s),
                 u"C1"_s);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Customer"_s), 3);
        QCOMPARE(m_install->text(u"SELECT Name FROM Customer WHERE ID = 1"_s), u"Old Ann"_s); // skipped, not updated
        // The quick search finds an imported customer by the old reference.
        const auto hits = QuickSearch::find(m_install->db(), u"C2"_s, QDate(2026, 6, 1));
        QVERIFY(hits && !hits->isEmpty());
        QCOMPARE(hits->first().id, m_install->scalarInt(u"SELECT ID FROM Customer WHERE OldRef = 'C2'"_s));
        QCOMPARE(rows(u"SELECT Kind, Added, Updated, Skipped, Refused, FileName FROM ImportBatch"_s),
                 u"0|2|0|2|5|customers.csv"_s);

        // The same file again adds nothing: every accepted row is now on record by its old reference.
        const auto again = ImportRun::import(m_install->db(), o, m_install->clock.current);
        QVERIFY(again);
        QCOMPARE(again->accepted, 0);
        QCOMPARE(again->duplicates, 4);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Customer"_s), 3);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Boat"_s), 2);

        // Undo takes exactly what the first import added; the second added nothing.
        QVERIFY(ImportRun::undo(m_install->db(), done->batchId, m_install->clock.current));
        QCOMPARE(rows(u"SELECT ID FROM Customer"_s), u"1"_s);
        QCOMPARE(rows(u"SELECT ID FROM Boat"_s), u"1"_s);
        QCOMPARE(ImportRun::undo(m_install->db(), done->batchId, m_install->clock.current).kind(),
                 FailureKind::Refused);
    }

    void updateChosenUpdatesTheMatchedCustomer()
    {
        const QString path = writeFile(
            u"c.csv"_s, csv({CustomerHeadings,
                             {u"C9"_s, u"Ann Renamed"_s, u"Yarmouth"_s, u"ann@example.com"_s, u""_s, u""_s, u""_s}},
                            u',', CsvRead::Encoding::Utf8));
        ImportRun::Options o = options(Kind::CustomersWithBoats, path);
        o.duplicates = ImportRun::OnDuplicate::Update;
        const auto done = ImportRun::import(m_install->db(), o, m_install->clock.current);
        QVERIFY2(done, qPrintable(done.error()));
        QCOMPARE(rows(u"SELECT ID, Name, Town, EmailAddress FROM Customer"_s),
                 u"1|Ann Renamed|Yarmouth|ann@example.com"_s);
        QCOMPARE(rows(u"SELECT Updated, Skipped FROM ImportBatch"_s), u"1|0"_s);
    }

    // What the office writes to each customer in: a code or a language's name in any of ours; one we do not
    // speak refuses the row; an update takes the file's language only where it has one.
    void languageColumnRead()
    {
        QVERIFY(exec(u"UPDATE Customer SET Language = 'fr'"_s));
        const QString path = writeFile(u"l.csv"_s, csv({{u"Name"_s, u"E-mail"_s, u"Language"_s},
                                                        {u"Anke"_s, u""_s, u"Deutsch"_s},
                                                        {u"Bram"_s, u""_s, u"NL"_s},
                                                        {u"Cleo"_s, u""_s, u""_s},
                                                        {u"Dov"_s, u""_s, u"Klingon"_s},
                                                        {u"Ann Again"_s, u"ann@example.com"_s, u""_s}},
                                                       u',', CsvRead::Encoding::Utf8));
        ImportRun::Options o = options(Kind::CustomersWithBoats, path);
        QCOMPARE(o.mapping.size(), 3);
        o.duplicates = ImportRun::OnDuplicate::Update;
        const auto done = ImportRun::import(m_install->db(), o, m_install->clock.current);
        QVERIFY2(done, qPrintable(done.error()));
        QCOMPARE(verdicts(*done), u"2A 3A 4A 5R 6D"_s);
        QCOMPARE(done->rows.at(3).reason, u"\"Klingon\" is not a language documents are written in."_s);
        QCOMPARE(rows(u"SELECT Name, Language FROM Customer ORDER BY ID"_s),
                 u"Ann Again|fr\nAnke|de\nBram|nl\nCleo|"_s);
    }

    void undoRefusedOnceAnImportedRowChanged()
    {
        const QString path = writeFile(u"c.csv"_s, csv({CustomerHeadings,
                                                        {u"C1"_s, u"Bea"_s, u""_s, u""_s, u""_s, u""_s, u""_s},
                                                        {u"C2"_s, u"Cy"_s, u""_s, u""_s, u""_s, u""_s, u""_s}},
                                                       u',', CsvRead::Encoding::Utf8));
        const auto done =
            ImportRun::import(m_install->db(), options(Kind::CustomersWithBoats, path), m_install->clock.current);
        QVERIFY(done);
        QVERIFY(exec(u"UPDATE Customer SET Town = 'Cowes' WHERE Name = 'Cy'"_s));
        const Status undone = ImportRun::undo(m_install->db(), done->batchId, m_install->clock.current);
        QCOMPARE(undone.kind(), FailureKind::Refused);
        QVERIFY2(undone.error().contains(u"customer Cy"_s), qPrintable(undone.error()));
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Customer"_s), 3); // nothing removed
    }

    // Bookings over a day-first file with point decimals: each refusal the office would meet, then the import and
    // its opening balances as ledger lines.
    void bookingsAndBalances()
    {
        QVERIFY(exec(u"UPDATE Customer SET OldRef = 'K1' WHERE ID = 1"_s));
        // Berth B1 is booked 10-12 July; A1 is blocked 20-25 July.
        BookingRecord held;
        held.customerId = 1;
        held.fromDate = DateTimes::wallTime(QDate(2026, 7, 10), QTime(12, 0));
        held.toDate = DateTimes::wallTime(QDate(2026, 7, 12), QTime(12, 0));
        held.berthIds = {3};
        held.berthNames = {u"B1"_s};
        held.savedAt = m_install->clock.current;
        QVERIFY(BookingStore::saveBooking(m_install->db(), held));
        QVERIFY(exec(u"INSERT INTO BerthBlock (BerthID, FromDate, ToDate, Reason) VALUES "
                     u"(1, '2026-07-20 00:00:00', '2026-07-25 00:00:00', 'Dredging')"_s));
        const QStringList headings{u"Ref"_s,       u"Customer reference"_s, u"Berth"_s, u"Arrival"_s,
                                   u"Departure"_s, u"Boat registration"_s,  u"Total"_s};
        const QString path =
            writeFile(u"bookings.csv"_s,
                      csv({headings,
                           {u"R1"_s, u"K1"_s, u"A1"_s, u"01/07/2026"_s, u"05/07/2026"_s, u"GB-1001"_s, u"1,234.50"_s},
                           {u"R2"_s, u"K1"_s, u"A1"_s, u"05/07/2026"_s, u"07/07/2026"_s, u""_s, u"40"_s},
                           {u"R3"_s, u"K1"_s, u"Z9"_s, u"01/08/2026"_s, u"02/08/2026"_s, u""_s, u""_s},
                           {u"R4"_s, u"K1"_s, u"A2"_s, u"31/02/2026"_s, u"02/03/2026"_s, u""_s, u""_s},
                           {u"R5"_s, u"K1"_s, u"B1"_s, u"11/07/2026"_s, u"13/07/2026"_s, u""_s, u""_s},
                           {u"R6"_s, u"K1"_s, u"A1"_s, u"21/07/2026"_s, u"22/07/2026"_s, u""_s, u""_s},
                           {u"R7"_s, u"K1"_s, u"A2"_s, u"01/09/2026"_s, u"02/09/2026"_s, u"GB-1001"_s, u""_s},
                           {u"R8"_s, u"K1"_s, u"B1"_s, u"01/09/2026"_s, u"02/09/2026"_s, u""_s, u"12.5x"_s},
                           {u"R9"_s, u"K1"_s, u"A1"_s, u"03/07/2026"_s, u"04/07/2026"_s, u""_s, u""_s},
                           {u"R10"_s, u"nobody"_s, u"A1"_s, u"01/10/2026"_s, u"02/10/2026"_s, u""_s, u""_s}},
                          u',', CsvRead::Encoding::Utf8));
        const ImportRun::Options o = options(Kind::Bookings, path);
        const auto dry = ImportRun::dryRun(m_install->db(), o);
        QVERIFY2(dry, qPrintable(dry.error()));
        QCOMPARE(verdicts(*dry), u"2A 3A 4R 5R 6R 7R 8R 9R 10R 11R"_s);
        const QStringList reasons{u"The berth \"Z9\" is unknown."_s,
                                  u"There is no 31/02/2026"_s,
                                  u"Berth B1 is booked over these dates."_s,
                                  u"Berth A1 is blocked over these dates."_s,
                                  u"The boat is too big for berth A2 (length"_s,
                                  u"\"12.5x\" is not an amount of money"_s,
                                  u"Another row of the file books berth A1 over these dates."_s,
                                  u"No customer has the reference \"nobody\"."_s};
        for (int i = 0; i < reasons.size(); ++i)
            QVERIFY2(dry->rows.at(i + 2).reason.startsWith(reasons.at(i)), qPrintable(dry->rows.at(i + 2).reason));

        const auto done = ImportRun::import(m_install->db(), o, m_install->clock.current);
        QVERIFY2(done, qPrintable(done.error()));
        QCOMPARE(rows(u"SELECT K.OldRef, K.FromDate, K.ToDate, K.TotalPayable, K.BoatID, BB.BerthID "
                      u"FROM Booking K JOIN BookingBerth BB ON BB.BookingID = K.ID "
                      u"WHERE K.OldRef IS NOT NULL ORDER BY K.OldRef"_s),
                 u"R1|2026-07-01 12:00:00|2026-07-05 12:00:00|12345000|1|1\n"
                 u"R2|2026-07-05 12:00:00|2026-07-07 12:00:00|400000||1"_s);

        // Opening balances in the other amount style: the ledger's lines, the paid amounts their sums.
        const QString balances =
            writeFile(u"balances.csv"_s, csv({{u"Booking reference"_s, u"Amount paid"_s, u"Date"_s},
                                              {u"R1"_s, u"1.000,50"_s, u"15/06/2026"_s},
                                              {u"R2"_s, u"0"_s, u""_s},
                                              {u"R404"_s, u"5"_s, u""_s}},
                                             u';', CsvRead::Encoding::Utf8));
        ImportRun::Options b = options(Kind::OpeningBalances, balances, u';');
        b.amounts = ImportFields::AmountStyle::CommaDecimal;
        const auto paid = ImportRun::import(m_install->db(), b, m_install->clock.current);
        QVERIFY2(paid, qPrintable(paid.error()));
        QCOMPARE(verdicts(*paid), u"2A 3R 4R"_s);
        QCOMPARE(rows(u"SELECT P.Amount, P.PaidAt, K.AmountPayed FROM Payment P "
                      u"JOIN Booking K ON K.ID = P.BookingID WHERE K.OldRef = 'R1'"_s),
                 u"10005000|2026-06-15 12:00:00|10005000"_s);
        // Again: the balance is on the ledger already.
        const auto twice = ImportRun::import(m_install->db(), b, m_install->clock.current);
        QVERIFY(twice);
        QCOMPARE(verdicts(*twice), u"2D 3R 4R"_s);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Payment"_s), 1);

        // The bookings' import cannot be undone now that one of them holds money; the balances' never can.
        const Status undone = ImportRun::undo(m_install->db(), done->batchId, m_install->clock.current);
        QCOMPARE(undone.kind(), FailureKind::Refused);
        QVERIFY2(undone.error().contains(u"paid since"_s), qPrintable(undone.error()));
        QCOMPARE(ImportRun::undo(m_install->db(), paid->batchId, m_install->clock.current).kind(),
                 FailureKind::Refused);
    }

    // A booking on record by its old reference: skipped, or updated through the one-booking save's rules, with the
    // same verdicts in the dry run as in the import.
    void bookingOnRecordSkippedOrUpdated()
    {
        QVERIFY(exec(u"UPDATE Customer SET OldRef = 'K1' WHERE ID = 1"_s));
        const QStringList headings{u"Ref"_s,     u"Customer reference"_s, u"Berth"_s,
                                   u"Arrival"_s, u"Departure"_s,          u"Total"_s};
        const QString first =
            writeFile(u"first.csv"_s, csv({headings,
                                           {u"R1"_s, u"K1"_s, u"A1"_s, u"01/07/2026"_s, u"05/07/2026"_s, u"100"_s},
                                           {u"R2"_s, u"K1"_s, u"A1"_s, u"05/07/2026"_s, u"07/07/2026"_s, u"40"_s}},
                                          u',', CsvRead::Encoding::Utf8));
        QVERIFY(ImportRun::import(m_install->db(), options(Kind::Bookings, first), m_install->clock.current));
        // R1 moves to B1 in August at a new price; R2 onto R1's new nights; R3 is new; R4 onto R1's old nights,
        // which its move frees.
        const QString second =
            writeFile(u"second.csv"_s, csv({headings,
                                            {u"R1"_s, u"K1"_s, u"B1"_s, u"10/08/2026"_s, u"12/08/2026"_s, u"99"_s},
                                            {u"R2"_s, u"K1"_s, u"B1"_s, u"11/08/2026"_s, u"13/08/2026"_s, u"40"_s},
                                            {u"R3"_s, u"K1"_s, u"A2"_s, u"01/07/2026"_s, u"03/07/2026"_s, u"10"_s},
                                            {u"R4"_s, u"K1"_s, u"A1"_s, u"02/07/2026"_s, u"04/07/2026"_s, u"20"_s}},
                                           u',', CsvRead::Encoding::Utf8));
        const QString r1 = u"SELECT K.FromDate, K.ToDate, K.TotalPayable, BB.BerthID FROM Booking K "
                           u"JOIN BookingBerth BB ON BB.BookingID = K.ID WHERE K.OldRef = 'R1'"_s;
        ImportRun::Options o = options(Kind::Bookings, second);
        const auto skipped = ImportRun::import(m_install->db(), o, m_install->clock.current);
        QVERIFY2(skipped, qPrintable(skipped.error()));
        QCOMPARE(verdicts(*skipped), u"2D 3D 4A 5R"_s);
        QCOMPARE(rows(r1), u"2026-07-01 12:00:00|2026-07-05 12:00:00|1000000|1"_s);

        o.duplicates = ImportRun::OnDuplicate::Update;
        QVERIFY(exec(u"DELETE FROM Booking WHERE OldRef = 'R3'"_s));
        const auto dry = ImportRun::dryRun(m_install->db(), o);
        QVERIFY2(dry, qPrintable(dry.error()));
        QCOMPARE(verdicts(*dry), u"2D 3R 4A 5A"_s);
        QCOMPARE(dry->rows.at(0).reason, u"On record (same old reference): updated."_s);
        QCOMPARE(dry->rows.at(1).reason, u"Berth B1 is booked over these dates."_s);
        QCOMPARE(rows(r1), u"2026-07-01 12:00:00|2026-07-05 12:00:00|1000000|1"_s);
        const auto updated = ImportRun::import(m_install->db(), o, m_install->clock.current);
        QVERIFY2(updated, qPrintable(updated.error()));
        QCOMPARE(verdicts(*updated), verdicts(*dry));
        QCOMPARE(rows(r1), u"2026-08-10 12:00:00|2026-08-12 12:00:00|990000|3"_s);
        QCOMPARE(rows(u"SELECT Added, Updated, Skipped, Refused FROM ImportBatch ORDER BY ID DESC LIMIT 1"_s),
                 u"2|1|0|1"_s);
        // The change is in the booking's history, as any save's.
        QVERIFY(m_install->scalarInt(u"SELECT COUNT(*) FROM BookingHistory H JOIN Booking K ON K.ID = H.BookingID "
                                     u"WHERE K.OldRef = 'R1' AND H.Action = 'update'"_s) > 0);
        // The quick search finds a booking by a berth's or its own old reference, and a customer by a boat's.
        QVERIFY(exec(u"UPDATE Berth SET OldRef = 'P-3' WHERE ID = 3"_s));
        QVERIFY(exec(u"UPDATE Boat SET OldRef = 'V-1' WHERE ID = 1"_s));
        const int r1Id = m_install->scalarInt(u"SELECT ID FROM Booking WHERE OldRef = 'R1'"_s);
        for (const auto& [text, kind, id] : {std::tuple{u"P-3"_s, QuickSearch::Hit::Kind::Booking, r1Id},
                                             {u"R1"_s, QuickSearch::Hit::Kind::Booking, r1Id},
                                             {u"V-1"_s, QuickSearch::Hit::Kind::Customer, 1}}) {
            const auto hits = QuickSearch::find(m_install->db(), text, QDate(2026, 6, 1));
            QVERIFY2(hits && !hits->isEmpty(), qPrintable(text));
            QCOMPARE(hits->first().kind, kind);
            QCOMPARE(hits->first().id, id);
        }
    }

    // Hundreds of bookings through the many-rows path: a stopped import leaves nothing, the import writes each with
    // its berth, index entry and history, the same file again adds nothing, and undo takes them all.
    void manyBookingsStoppedImportedAgainUndone()
    {
        QVERIFY(exec(u"UPDATE Customer SET OldRef = 'K1' WHERE ID = 1"_s));
        QList<QStringList> lines{
            {u"Ref"_s, u"Customer reference"_s, u"Berth"_s, u"Arrival"_s, u"Departure"_s, u"Total"_s}};
        const QStringList berths{u"A1"_s, u"A2"_s, u"B1"_s};
        for (int i = 0; i < 600; ++i) {
            const QDate arrival = QDate(2026, 1, 1).addDays(i / 3 * 2);
            lines.append({u"M%1"_s.arg(i), u"K1"_s, berths.at(i % 3), arrival.toString(u"dd/MM/yyyy"_s),
                          arrival.addDays(2).toString(u"dd/MM/yyyy"_s), u"%1.25"_s.arg(i)});
        }
        lines.append({u"M-over"_s, u"K1"_s, u"B1"_s, u"02/01/2026"_s, u"03/01/2026"_s, u"1"_s});
        const QString path = writeFile(u"many.csv"_s, csv(lines, u',', CsvRead::Encoding::Utf8));
        const ImportRun::Options o = options(Kind::Bookings, path);
        const int historyBefore = m_install->scalarInt(u"SELECT COUNT(*) FROM BookingHistory"_s);
        int calls = 0;
        const auto stopped = ImportRun::import(m_install->db(), o, m_install->clock.current,
                                               [&](qint64, qint64) { return ++calls < 3; });
        QCOMPARE(stopped.kind(), FailureKind::Cancelled);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Booking"_s), 0);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM BookingBerth"_s), 0);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM BookingPeriod"_s), 0);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM BookingHistory"_s), historyBefore);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM ImportBatch"_s), 0);

        const auto dry = ImportRun::dryRun(m_install->db(), o);
        QVERIFY2(dry, qPrintable(dry.error()));
        const auto done = ImportRun::import(m_install->db(), o, m_install->clock.current);
        QVERIFY2(done, qPrintable(done.error()));
        QCOMPARE(verdicts(*done), verdicts(*dry));
        QCOMPARE(done->accepted, 600);
        QCOMPARE(done->rows.last().reason, u"Another row of the file books berth B1 over these dates."_s);
        QCOMPARE(rows(u"SELECT COUNT(*), COUNT(DISTINCT BerthConfirmationNumber), SUM(TotalPayable), "
                      u"COUNT(ImportStamp) FROM Booking WHERE ImportBatchID IS NOT NULL"_s),
                 u"600|600|1798500000|600"_s);
        QCOMPARE(m_install->text(u"SELECT K.FromDate || ' ' || B.Name FROM Booking K JOIN BookingBerth BB ON "
                                 u"BB.BookingID = K.ID JOIN Berth B ON B.ID = BB.BerthID WHERE K.OldRef = 'M599'"_s),
                 QDate(2026, 1, 1).addDays(199 * 2).toString(u"yyyy-MM-dd"_s) + u" 12:00:00 B1"_s);
        // Each in the index (a desk booking over one is refused) and in the history.
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM BookingPeriod"_s), 600);
        // Two lines each (the booking and its berth), and none for their stamps.
        QCOMPARE(rows(u"SELECT COUNT(DISTINCT BookingID), COUNT(*), SUM(CASE WHEN Action = 'insert' THEN 1 ELSE 0 "
                      u"END) FROM BookingHistory"_s),
                 u"600|1200|1200"_s);
        // The figures written for the batch at once: two nights each, A1 held every night of January, and the
        // batch no longer passed by the triggers.
        QCOMPARE(rows(u"SELECT SUM(Bookings), SUM(Nights), SUM(Hire) FROM BookingMonth"_s), u"600|1200|1798500000"_s);
        QCOMPARE(m_install->scalarInt(u"SELECT SUM(Nights) FROM BerthMonth"_s), 1200);
        QCOMPARE(m_install->scalarInt(u"SELECT Nights FROM BerthMonth WHERE Month = 24312 AND BerthID = 1"_s), 31);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM ImportBatch WHERE Filling <> 0"_s), 0);
        BookingRecord over;
        over.customerId = 1;
        over.fromDate = DateTimes::wallTime(QDate(2026, 1, 2), QTime(9, 0));
        over.toDate = DateTimes::wallTime(QDate(2026, 1, 2), QTime(18, 0));
        over.berthIds = {1};
        over.berthNames = {u"A1"_s};
        over.savedAt = m_install->clock.current;
        QCOMPARE(BookingStore::saveBooking(m_install->db(), over).kind(), FailureKind::Conflict);

        const auto again = ImportRun::import(m_install->db(), o, m_install->clock.current);
        QVERIFY(again);
        QCOMPARE(again->accepted, 0);
        QCOMPARE(again->duplicates, 600);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Booking"_s), 600);
        // Stamped as written: nothing counts as changed, so the import can be undone whole.
        QVERIFY(ImportRun::undo(m_install->db(), done->batchId, m_install->clock.current));
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Booking"_s), 0);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM BookingPeriod"_s), 0);
        QCOMPARE(rows(u"SELECT SUM(Bookings), SUM(Nights) FROM BookingMonth"_s), u"0|0"_s);
        QCOMPARE(m_install->scalarInt(u"SELECT SUM(Nights) FROM BerthMonth"_s), 0);
    }

    // Each booking's stamp is written with it: the same as reading the row back gives, whatever the row leaves empty,
    // so the import counts as unchanged; with a column of the table the import does not name, the rows are read back
    // for their stamps. A change afterwards is seen.
    void bookingsStampedAsWritten_data()
    {
        QTest::addColumn<bool>("unnamedColumn");
        QTest::newRow("every column named") << false;
        QTest::newRow("a column the import does not name") << true;
    }
    void bookingsStampedAsWritten()
    {
        QFETCH(bool, unnamedColumn);
        if (unnamedColumn)
            QVERIFY(exec(u"ALTER TABLE Booking ADD COLUMN Mooring TEXT DEFAULT 'bow'"_s));
        QVERIFY(exec(u"UPDATE Customer SET OldRef = 'K1' WHERE ID = 1"_s));
        const QStringList headings{u"Ref"_s,       u"Customer reference"_s, u"Berth"_s, u"Arrival"_s,
                                   u"Departure"_s, u"Boat registration"_s,  u"Total"_s, u"Adults"_s,
                                   u"Notes"_s};
        const QString path = writeFile(
            u"stamps.csv"_s,
            csv({headings,
                 {u"S1"_s, u"K1"_s, u"A1"_s, u"01/07/2026"_s, u"03/07/2026"_s, u"GB-1001"_s, u"120.50"_s, u"2"_s,
                  u"Late, \"quiet\" berth"_s},
                 {u""_s, u"K1"_s, u"A2"_s, u"01/07/2026"_s, u"03/07/2026"_s, u""_s, u""_s, u""_s, u""_s},
                 {u"S3"_s, u"K1"_s, u"B1"_s, u"01/07/2026"_s, u"03/07/2026"_s, u""_s, u"0"_s, u"0"_s, u"Ärger ✓"_s}},
                u',', CsvRead::Encoding::Utf8));
        const auto done = ImportRun::import(m_install->db(), options(Kind::Bookings, path), m_install->clock.current);
        QVERIFY2(done, qPrintable(done.error()));
        QCOMPARE(done->accepted, 3);
        const QString batch = u" FROM Booking WHERE ImportBatchID = %1"_s.arg(done->batchId);
        // Made when the import ran, by the program's clock.
        QCOMPARE(m_install->joined(u"SELECT DISTINCT Created"_s + batch),
                 DateTimes::dbDateTime(m_install->clock.current).toString());
        const QString stamps = u"SELECT ImportStamp"_s + batch + u" ORDER BY ID"_s;
        const QString written = m_install->joined(stamps);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(DISTINCT ImportStamp)"_s + batch), 3);
        {
            Sql::Transaction tx(m_install->db(), true);
            QVERIFY(tx.started());
            QVERIFY(ImportTags::stampBatch(m_install->db(), u"Booking"_s, done->batchId));
            QVERIFY(tx.commit());
        }
        QCOMPARE(m_install->joined(stamps), written);
        const auto unchanged = ImportTags::changedSince(m_install->db(), u"Booking"_s, done->batchId);
        QVERIFY2(unchanged, qPrintable(unchanged.error()));
        QCOMPARE(*unchanged, QStringList());

        QVERIFY(exec(u"UPDATE Booking SET Notes = NULL WHERE OldRef = 'S1'"_s));
        const auto changed = ImportTags::changedSince(m_install->db(), u"Booking"_s, done->batchId);
        QVERIFY2(changed, qPrintable(changed.error()));
        QCOMPARE(*changed,
                 QStringList{m_install->text(u"SELECT BerthConfirmationNumber FROM Booking WHERE OldRef = 'S1'"_s)});
    }

    // A record brought in shows its old reference, read-only; one typed at the desk shows no such box.
    void oldReferenceShownWhereARecordHasOne()
    {
        QVERIFY(exec(u"UPDATE Customer SET OldRef = 'C-77' WHERE ID = 1"_s));
        CustomerDialog customer(m_install->services);
        customer.prepare(RecordMode::Edit, 1);
        auto* box = customer.findChild<QLineEdit*>(u"txtOldRef"_s);
        QVERIFY(box && box->isReadOnly());
        QCOMPARE(box->text(), u"C-77"_s);
        QVERIFY(!box->isHidden());
        customer.prepare(RecordMode::Add, 0);
        QVERIFY(box->isHidden());
        const auto boat = Boats::load(m_install->db(), 1);
        QVERIFY(boat);
        QVERIFY(BoatDialog(m_install->services, *boat).findChild<QLineEdit*>(u"txtOldRef"_s)->isHidden());
        QVERIFY(exec(u"UPDATE Boat SET OldRef = 'V-9' WHERE ID = 1"_s));
        QCOMPARE(BoatDialog(m_install->services, *boat).findChild<QLineEdit*>(u"txtOldRef"_s)->text(), u"V-9"_s);
        // A berth's in its notes window, as each berth is chosen.
        QVERIFY(exec(u"UPDATE Berth SET OldRef = 'P-2' WHERE ID = 2"_s));
        BerthNotesDialog berths(m_install->services);
        auto* berthRef = berths.findChild<QLineEdit*>(u"txtOldRef"_s);
        auto* names = berths.findChild<QComboBox*>(u"cboName"_s);
        QVERIFY(berthRef && names);
        QVERIFY(berthRef->isHidden());
        names->setCurrentIndex(names->findData(2));
        QCOMPARE(berthRef->text(), u"P-2"_s);
        QVERIFY(!berthRef->isHidden());
        names->setCurrentIndex(names->findData(1));
        QVERIFY(berthRef->isHidden());
    }

    // Contracts: the holder and berth matched, the days from the row or its term, the price kept and the plan split;
    // the dry run's verdicts as the import's, the berths held, a second import updating by old reference, and undo.
    void contractsImportedUpdatedUndone()
    {
        QVERIFY(exec(u"UPDATE Customer SET OldRef = 'K1' WHERE ID = 1"_s));
        QVERIFY(exec(u"INSERT INTO ContractTerm (ID, Name, FirstDay, LastDay, Yearly) VALUES "
                     u"(1, 'Season 2027', '2027-04-01', '2027-09-30', 0)"_s));
        BookingRecord held;
        held.customerId = 1;
        held.fromDate = DateTimes::wallTime(QDate(2027, 5, 10), QTime(12, 0));
        held.toDate = DateTimes::wallTime(QDate(2027, 5, 12), QTime(12, 0));
        held.berthIds = {3};
        held.berthNames = {u"B1"_s};
        held.savedAt = m_install->clock.current;
        QVERIFY(BookingStore::saveBooking(m_install->db(), held));
        const QStringList headings{u"Ref"_s,       u"Customer reference"_s, u"Berth"_s, u"Term"_s,
                                   u"First day"_s, u"Last day"_s,           u"Price"_s, u"Instalments"_s};
        const auto file = [&](const QString& name, const QList<QStringList>& lines) {
            return writeFile(name, csv(QList<QStringList>{headings} + lines, u';', CsvRead::Encoding::Windows1252));
        };
        const QString first =
            file(u"contracts.csv"_s,
                 {{u"T1"_s, u"K1"_s, u"A1"_s, u"season 2027"_s, u""_s, u""_s, u"1200"_s, u"4"_s},
                  {u"T2"_s, u"ann@example.com"_s, u"A2"_s, u""_s, u"01/01/2027"_s, u"31/12/2027"_s, u"800.01"_s, u""_s},
                  {u"T3"_s, u"K1"_s, u"A1"_s, u""_s, u"01/09/2027"_s, u"31/10/2027"_s, u"5"_s, u""_s},
                  {u"T4"_s, u"K1"_s, u"B1"_s, u"Season 2027"_s, u""_s, u""_s, u"5"_s, u""_s},
                  {u"T5"_s, u"K1"_s, u"A2"_s, u"Winter"_s, u""_s, u""_s, u"5"_s, u""_s},
                  {u"T6"_s, u"K1"_s, u"Z9"_s, u""_s, u"01/01/2027"_s, u"02/01/2027"_s, u"5"_s, u""_s},
                  {u"T7"_s, u"K1"_s, u"B1"_s, u""_s, u"01/10/2027"_s, u""_s, u"5"_s, u""_s},
                  {u"T8"_s, u"K1"_s, u"B1"_s, u""_s, u"01/10/2027"_s, u"01/09/2027"_s, u"5"_s, u""_s}});
        ImportRun::Options o = options(Kind::Contracts, first, u';', CsvRead::Encoding::Windows1252);
        const auto dry = ImportRun::dryRun(m_install->db(), o);
        QVERIFY2(dry, qPrintable(dry.error()));
        QCOMPARE(verdicts(*dry), u"2A 3A 4R 5R 6R 7R 8R 9R"_s);
        const QStringList reasons{u"Another row of the file holds berth A1"_s, u"B1"_s,
                                  u"No term is called \"Winter\"."_s, u"The berth \"Z9\" is unknown."_s,
                                  u"The row needs its first and last days, or a term."_s};
        for (int i = 0; i < reasons.size(); ++i)
            QVERIFY2(dry->rows.at(i + 2).reason.contains(reasons.at(i)), qPrintable(dry->rows.at(i + 2).reason));
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Contract"_s), 0);

        const auto done = ImportRun::import(m_install->db(), o, m_install->clock.current);
        QVERIFY2(done, qPrintable(done.error()));
        QCOMPARE(verdicts(*done), verdicts(*dry));
        QCOMPARE(rows(u"SELECT C.OldRef, C.FirstDay, C.LastDay, C.Hire, C.TermID, CB.BerthID, (SELECT COUNT(*) FROM "
                      u"ContractInstalment I WHERE I.ContractID = C.ID), CASE WHEN (SELECT SUM(Amount) FROM "
                      u"ContractInstalment I WHERE I.ContractID = C.ID) = C.Total THEN 1 ELSE 0 END FROM Contract C "
                      u"JOIN ContractBerth CB ON CB.ContractID "
                      u"= C.ID ORDER BY C.OldRef"_s),
                 u"T1|2027-04-01|2027-09-30|12000000|1|1|4|1\n"
                 u"T2|2027-01-01|2027-12-31|8000100||2|1|1"_s);
        // The berths are held: a booking over the season is refused.
        BookingRecord over = held;
        over.berthIds = {1};
        over.berthNames = {u"A1"_s};
        over.fromDate = DateTimes::wallTime(QDate(2027, 6, 1), QTime(12, 0));
        over.toDate = DateTimes::wallTime(QDate(2027, 6, 3), QTime(12, 0));
        QVERIFY(!BookingStore::saveBooking(m_install->db(), over));

        // Again, updating: T1 moves to B1's free autumn at a new price; T2 is as it was.
        const QString second = file(
            u"again.csv"_s, {{u"T1"_s, u"K1"_s, u"B1"_s, u""_s, u"01/06/2027"_s, u"30/09/2027"_s, u"900"_s, u""_s},
                             {u"T2"_s, u"K1"_s, u"A2"_s, u""_s, u"01/01/2027"_s, u"31/12/2027"_s, u"800.01"_s, u""_s}});
        o = options(Kind::Contracts, second, u';', CsvRead::Encoding::Windows1252);
        const auto skipped = ImportRun::import(m_install->db(), o, m_install->clock.current);
        QVERIFY(skipped);
        QCOMPARE(verdicts(*skipped), u"2D 3D"_s);
        o.duplicates = ImportRun::OnDuplicate::Update;
        const auto updated = ImportRun::import(m_install->db(), o, m_install->clock.current);
        QVERIFY2(updated, qPrintable(updated.error()));
        QCOMPARE(verdicts(*updated), u"2D 3D"_s);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Contract"_s), 2);
        QCOMPARE(rows(u"SELECT C.FirstDay, C.Hire, CB.BerthID FROM Contract C JOIN ContractBerth CB ON "
                      u"CB.ContractID = C.ID WHERE C.OldRef = 'T1'"_s),
                 u"2027-06-01|9000000|3"_s);
        // The first import's contract T1 changed since: no undo; once the batch's contracts are as imported, undo
        // takes them and their holds.
        const Status refusedUndo = ImportRun::undo(m_install->db(), done->batchId, m_install->clock.current);
        QCOMPARE(refusedUndo.kind(), FailureKind::Refused);
        QVERIFY2(refusedUndo.error().contains(u"contract "_s), qPrintable(refusedUndo.error()));
        QVERIFY(exec(u"UPDATE Contract SET ImportBatchID = NULL WHERE OldRef = 'T1'"_s));
        QVERIFY(ImportRun::undo(m_install->db(), done->batchId, m_install->clock.current));
        QCOMPARE(rows(u"SELECT OldRef FROM Contract"_s), u"T1"_s);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM BerthBlock WHERE BerthID = 2"_s), 0);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM ContractInstalment I LEFT JOIN Contract C ON C.ID = "
                                      u"I.ContractID WHERE C.ID IS NULL"_s),
                 0);
    }

    // A writer that takes no desk's turn (the stores wait for the import's) books a berth the file books while the
    // import runs: on a file it cannot write until the import is in; on a server the commit's own check refuses
    // the import, which leaves nothing. Never both.
    void otherWriterBookingDuringTheImport()
    {
        QVERIFY(exec(u"UPDATE Customer SET OldRef = 'K1' WHERE ID = 1"_s));
        const QString path =
            writeFile(u"one.csv"_s,
                      csv({{u"Ref"_s, u"Customer reference"_s, u"Berth"_s, u"Arrival"_s, u"Departure"_s, u"Total"_s},
                           {u"R1"_s, u"K1"_s, u"A1"_s, u"01/07/2026"_s, u"05/07/2026"_s, u"100"_s}},
                          u',', CsvRead::Encoding::Utf8));
        std::optional<bool> theirsSaved;
        const auto done = ImportRun::import(
            m_install->db(), options(Kind::Bookings, path), m_install->clock.current, [&](qint64, qint64) {
                if (!theirsSaved)
                    if (const auto other = Database::open(m_install->databasePath(), u"desk-b"_s, 200))
                        theirsSaved = Sql::exec(*other, u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate) "
                                                        u"VALUES (900, 1, '2026-07-02 12:00:00', "
                                                        u"'2026-07-03 12:00:00')"_s) &&
                                      Sql::exec(*other, u"INSERT INTO BookingBerth (BookingID, BerthID) "
                                                        u"VALUES (900, 1)"_s);
                return true;
            });
        Database::close(u"desk-b"_s);
        const bool server = m_install->db().driverName() == u"QPSQL"_s;
        QVERIFY(theirsSaved);
        QCOMPARE(*theirsSaved, server);
        QCOMPARE(bool(done), !server);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Booking"_s), 1);
        if (server) {
            QCOMPARE(done.kind(), FailureKind::Conflict);
            QVERIFY2(done.error().contains(u"Another desk booked a berth"_s), qPrintable(done.error()));
            QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM ImportBatch"_s), 0);
        }
    }

    void berthsWithTypesThenUndo()
    {
        const QString path =
            writeFile(u"berths.csv"_s,
                      csv({{u"Ref"_s, u"Berth"_s, u"Berth type"_s, u"Length (m)"_s, u"Power"_s, u"Daily charge"_s},
                           {u"P1"_s, u"C1"_s, u"Pontoon"_s, u"11.5"_s, u"yes"_s, u"35.00"_s},
                           {u"P2"_s, u"C2"_s, u"pontoon"_s, u""_s, u"no"_s, u""_s},
                           {u"P3"_s, u"a1"_s, u""_s, u""_s, u""_s, u""_s},
                           {u"P4"_s, u"C4"_s, u""_s, u"-2"_s, u"maybe"_s, u""_s}},
                          u',', CsvRead::Encoding::Utf8));
        const auto done = ImportRun::import(m_install->db(), options(Kind::Berths, path), m_install->clock.current);
        QVERIFY2(done, qPrintable(done.error()));
        QCOMPARE(verdicts(*done), u"2A 3A 4D 5R"_s);
        QCOMPARE(rows(u"SELECT B.Name, T.Type, B.Length, B.HasPower, B.DailyHireCharge FROM Berth B "
                      u"LEFT JOIN BerthType T ON T.ID = B.TypeID WHERE B.OldRef IS NOT NULL "
                      u"ORDER BY B.Name"_s),
                 u"C1|Pontoon|11.5|1|350000\nC2|Pontoon||0|"_s);
        QVERIFY(ImportRun::undo(m_install->db(), done->batchId, m_install->clock.current));
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Berth"_s), 3);
    }

    // Whatever stops an import part way (Stop, a failure) leaves nothing, not even the batch.
    void stoppedImportLeavesNothing()
    {
        QList<QStringList> rows{CustomerHeadings};
        for (int i = 0; i < 2000; ++i)
            rows.append({u"S%1"_s.arg(i), u"Name %1"_s.arg(i), u""_s, u""_s, u""_s, u""_s, u""_s});
        const QString path = writeFile(u"many.csv"_s, csv(rows, u',', CsvRead::Encoding::Utf8));
        int calls = 0;
        const auto stopped = ImportRun::import(m_install->db(), options(Kind::CustomersWithBoats, path),
                                               m_install->clock.current, [&](qint64, qint64) { return ++calls < 4; });
        QCOMPARE(stopped.kind(), FailureKind::Cancelled);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Customer"_s), 1);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM ImportBatch"_s), 0);
        // The connection is usable afterwards: the same import then goes through whole.
        const auto done =
            ImportRun::import(m_install->db(), options(Kind::CustomersWithBoats, path), m_install->clock.current);
        QVERIFY2(done, qPrintable(done.error()));
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Customer"_s), 2001);
    }

    void badFilesRefusedWithAMessage_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << QByteArray() << u"The file is empty."_s;
        QTest::newRow("headings only") << QByteArray("Ref,Name\r\n") << u"The file holds its headings and no row."_s;
        QTest::newRow("binary") << QByteArray("Ref,Name\n\x00\x01\x02", 12) << u"binary data"_s;
        QTest::newRow("name unmapped") << QByteArray("Ref,Town\r\nC1,Cowes\r\n")
                                       << u"Every required field needs a column: Name has none."_s;
    }
    void badFilesRefusedWithAMessage()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        const QString path = writeFile(u"bad.csv"_s, bytes);
        ImportRun::Options o = options(Kind::CustomersWithBoats, path);
        o.mapping.insert(u"ref"_s, 0);
        if (QByteArrayView(QTest::currentDataTag()) != "name unmapped")
            o.mapping.insert(u"name"_s, 1);
        const auto dry = ImportRun::dryRun(m_install->db(), o);
        QVERIFY(!dry);
        QVERIFY2(dry.error().contains(message), qPrintable(dry.error()));
        const auto done = ImportRun::import(m_install->db(), o, m_install->clock.current);
        QVERIFY(!done);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM ImportBatch"_s), 0);
    }

    // The wizard from the keyboard's point of view: letters unique on every page; the file read, mapped, tried and
    // imported with the backup taken first.
    void wizardWalkThrough()
    {
        const QString path =
            writeFile(u"w.csv"_s, csv({CustomerHeadings, {u"W1"_s, u"Wanda"_s, u""_s, u""_s, u""_s, u""_s, u""_s}},
                                      u';', CsvRead::Encoding::Utf8));
        int backups = 0;
        ImportWizard wizard(m_install->services, [&]() -> Result<QString> {
            ++backups;
            return u"backup.SPA"_s;
        });
        QCOMPARE(Mnemonics::clashes(&wizard), QStringList());
        m_install->files.answers.enqueue(path);
        wizard.findChild<QPushButton*>(u"cmdBrowse"_s)->click();
        QCOMPARE(wizard.findChild<QComboBox*>(u"cboDelimiter"_s)->currentData().toInt(), int(u';'));
        wizard.findChild<QPushButton*>(u"cmdNext"_s)->click();
        QCOMPARE(wizard.findChild<QComboBox*>(u"cboColumn_name"_s)->currentText(), u"Name"_s);
        wizard.findChild<QPushButton*>(u"cmdNext"_s)->click();
        QCOMPARE(wizard.findChild<QLabel*>(u"lblCounts"_s)->text(),
                 u"1 rows to add, 0 already on record, 0 refused."_s);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Customer"_s), 1);
        wizard.findChild<QPushButton*>(u"cmdImport"_s)->click();
        QCOMPARE(backups, 1);
        QCOMPARE(m_install->text(u"SELECT Name FROM Customer WHERE OldRef = 'W1'"_s), u"Wanda"_s);
        QVERIFY(logText().contains(u"Data imported"_s));
    }
};

ZEM_TEST(tst_Import)
#include "tst_Import.moc"
