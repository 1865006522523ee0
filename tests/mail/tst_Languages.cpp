#include "bookings/BookingDocuments.h"
#include "bookings/BookingMail.h"
#include "common/TestSupport.h"
#include "core/DocumentLanguage.h"
#include "core/InstallPaths.h"
#include "core/Languages.h"
#include "core/MessageLog.h"
#include "mail/MailTemplates.h"
#include "mail/Outbox.h"
#include "outputs/WebBookPage.h"
#include "people/PeopleRecords.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamWriter>

namespace {

// The German of the few texts the cases read, under the contexts and English sources the program looks them up by.
// The mail's sources are taken from the program itself, so a change to its wording cannot leave this table behind.
QList<std::tuple<const char*, QString, QString>> germanTexts()
{
    const DocumentWords english(u"en"_s);
    const auto confirmation = MailTemplates::defaultTemplate(Outbox::Kinds::Confirmation, english);
    const auto balance = MailTemplates::defaultTemplate(Outbox::Kinds::BalanceReminder, english);
    return {{"BookingDocuments", u"BOOKING CONFIRMATION"_s, u"BUCHUNGSBESTÄTIGUNG"_s},
            {"BookingDocuments", u"Arrival:"_s, u"Ankunft:"_s},
            {"BookingDocuments", u"INVOICE"_s, u"RECHNUNG"_s},
            {"Meters", u"Electricity"_s, u"Strom"_s},
            {"Meters", u"%1 to %2"_s, u"%1 bis %2"_s},
            {"Meters", u"%1 days at %2 a day, %3: %4"_s, u"%1 Tage zu %2 pro Tag, %3: %4"_s},
            {"MailTemplates", confirmation.subject, u"Ihre Buchung {ConfirmationNo} bei {Company}"_s},
            {"MailTemplates", confirmation.body, u"Guten Tag {CustomerName},\nAnkunft {Arrival}."_s},
            {"MailTemplates", balance.subject, u"Restbetrag für Ihren Aufenthalt ab {Arrival}"_s},
            {"MailTemplates", balance.body, u"Guten Tag {CustomerName}, bitte zahlen Sie {AmountDue}."_s},
            {"WebBookPage", u"Online Booking Form"_s, u"Online-Buchung"_s},
            {"WebBookPage", u"Please complete the form below to make an online booking."_s,
             u"Bitte füllen Sie das Formular aus & senden Sie es."_s},
            {"WebBookPage", u"Submit"_s, u"Senden"_s},
            {"WebBookPage", u"Choose an arrival before the departure."_s,
             u"Wählen Sie \"Ankunft\" </script> vor der Abreise."_s}};
}

// A translation of our own, compiled with Qt's lrelease: the cases do not depend on the translators' files.
QString compileGerman(const QString& folder)
{
    const QString ts = folder + u"/de.ts"_s;
    QFile file(ts);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    QXmlStreamWriter xml(&file);
    xml.writeStartDocument();
    xml.writeStartElement(u"TS"_s);
    xml.writeAttribute(u"version"_s, u"2.1"_s);
    xml.writeAttribute(u"language"_s, u"de_DE"_s);
    for (const auto& [context, source, german] : germanTexts()) {
        xml.writeStartElement(u"context"_s);
        xml.writeTextElement(u"name"_s, QString::fromLatin1(context));
        xml.writeStartElement(u"message"_s);
        xml.writeTextElement(u"source"_s, source);
        xml.writeTextElement(u"translation"_s, german);
        xml.writeEndElement();
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    file.close();
    const QString qm = folder + u"/zemharbour_de.qm"_s;
    QProcess lrelease;
    lrelease.start(u"/usr/lib/qt6/bin/lrelease"_s, {u"-silent"_s, ts, u"-qm"_s, qm});
    return lrelease.waitForFinished(60000) && lrelease.exitCode() == 0 ? qm : QString();
}

// Every text a document shows: texts, labels, values and cells.
QStringList textsOf(const Doc::Document& doc)
{
    QStringList texts{doc.title};
    for (const Doc::Record& record : doc.body)
        for (const Doc::Block& block : record) {
            texts << block.text << block.value;
            for (const Doc::Cell& cell : block.cells)
                texts << cell.text;
        }
    return texts;
}

QStringList attributeValues(const QString& page, const QString& attribute)
{
    QStringList values;
    auto found = QRegularExpression(attribute + u"=\"([^\"]*)\""_s).globalMatch(page);
    while (found.hasNext())
        values << found.next().captured(1);
    return values;
}

} // namespace

// What a customer reads is in their language, whatever the interface speaks: the documents, the e-mails and the web
// booking page, with the office's language and then English where theirs cannot be had.
class tst_Languages : public InstallTest
{
    Q_OBJECT

    QTemporaryDir m_compiled;
    QString m_qm;

    void seed() override
    {
        QVERIFY2(!m_qm.isEmpty(), "lrelease made no translation");
        QDir().mkpath(Languages::folder());
        QVERIFY(QFile::copy(m_qm, Languages::fileOf(u"de"_s)));
        QVERIFY(exec(u"UPDATE Company SET \"Company Name\" = 'Hafen Ost', \"Telephone No\" = '0461 000'"_s));
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name, EmailAddress, Language) VALUES "
                     u"(1, 'Jens Kühl', 'jens@example.test', 'de'), (2, 'Ann Lee', 'ann@example.test', NULL)"_s));
        QVERIFY(exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate, BookedBy, CostOfHire, OtherCharges, VAT, "
                     u"TotalPayable, AmountPayed, BerthConfirmationNumber, Created) VALUES "
                     u"(1, 1, '2026-06-05 14:00:00', '2026-06-07 10:00:00', 'Sue', 1000000, 0, 0, 1000000, 0, 41, "
                     u"'2026-05-01 10:00:00'), "
                     u"(2, 2, '2026-06-05 14:00:00', '2026-06-07 10:00:00', 'Sue', 1000000, 0, 0, 1000000, 0, 42, "
                     u"'2026-05-01 10:00:00')"_s));
        // Two berths: a server refuses two stays on one berth at once.
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, Active) VALUES (1, 'A1', 1), (2, 'A2', 1)"_s));
        QVERIFY(exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (1, 1), (2, 2)"_s));
    }

    Doc::Document confirmationOf(int bookingId)
    {
        const auto data = BookingDocuments::loadBooking(m_install->db(), bookingId, m_install->clock.now().date());
        if (!data)
            qWarning() << data.error();
        return data ? BookingDocuments::confirmation(*data) : Doc::Document{};
    }

    using DocRow = std::tuple<QString, QString, QString, QString, QString, QString>;

private slots:
    void initTestCase() { m_qm = compileGerman(m_compiled.path()); }

    void documentsInTheCustomersLanguage_data()
    {
        // interface, the customer's language, the office's, the title, the arrival's label and its weekday expected
        const DataRows<DocRow> row;
        row("German customer, English desk",
            {u"en"_s, u"de"_s, u"en"_s, u"BUCHUNGSBESTÄTIGUNG"_s, u"Ankunft:"_s, u"Fr."_s});
        row("English customer, German desk",
            {u"de"_s, u"en"_s, u"de"_s, u"BOOKING CONFIRMATION"_s, u"Arrival:"_s, u"Fri"_s});
        row("none of their own: the office's",
            {u"en"_s, QString(), u"de"_s, u"BUCHUNGSBESTÄTIGUNG"_s, u"Ankunft:"_s, u"Fr."_s});
        row("not installed: the office's",
            {u"en"_s, u"it"_s, u"de"_s, u"BUCHUNGSBESTÄTIGUNG"_s, u"Ankunft:"_s, u"Fr."_s});
        row("unknown code: English", {u"de"_s, u"xx"_s, u"en"_s, u"BOOKING CONFIRMATION"_s, u"Arrival:"_s, u"Fri"_s});
        row("the office's not installed: English",
            {u"de"_s, QString(), u"fr"_s, u"BOOKING CONFIRMATION"_s, u"Arrival:"_s, u"Fri"_s});
    }
    void documentsInTheCustomersLanguage()
    {
        const auto& [desk, customer, office, title, arrival, weekday] = fetchRow<DocRow>();
        QTranslator interface;
        const auto names = qScopeGuard([] { DateTimes::setNamesLanguage(u"en"_s); });
        if (desk == u"de") {
            QVERIFY(interface.load(Languages::fileOf(u"de"_s)));
            QCoreApplication::installTranslator(&interface);
            DateTimes::setNamesLanguage(desk);
        }
        QVERIFY(exec(u"UPDATE Customer SET Language = ? WHERE ID = 1"_s,
                     {customer.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(customer)}));
        QVERIFY(exec(u"UPDATE Company SET DocumentLanguage = ?"_s, {office}));
        const Doc::Document doc = confirmationOf(1);
        QCoreApplication::removeTranslator(&interface);
        QCOMPARE(doc.title, title);
        QVERIFY2(textsOf(doc).contains(arrival), qPrintable(textsOf(doc).join(u" | "_s)));
        // Dates keep the office's one style in every language; the weekday is the customer's, not the desk's.
        const QString arrives = DateTimes::dateTimeText(DateTimes::wallTime(QDate(2026, 6, 5), QTime(14, 0)));
        QVERIFY2(textsOf(doc).contains(weekday + u' ' + arrives), qPrintable(textsOf(doc).join(u" | "_s)));
    }

    // A meter charge on the invoice is worded in the customer's language, not the desk's, from the breakdown kept.
    void meterChargeInTheCustomersLanguage()
    {
        const QDate june5(2026, 6, 5);
        MeterStore::Charge c;
        c.meterId = 1;
        c.firstDay = june5;
        c.endDay = june5.addDays(2);
        c.amount = Money::fromPence(100);
        c.breakdown = {Meters::Kind::Electricity,
                       u"kWh"_s,
                       u"A1"_s,
                       {},
                       {{true, june5, june5.addDays(2), 2 * Meters::PerUnit, Money::fromPence(50), c.amount}}};
        const auto receipt = [&](int bookingId) {
            c.bookingId = bookingId;
            if (!MeterStore::addCharge(m_install->db(), c, m_install->clock.now(), u"desk"_s))
                return QString();
            const auto data = BookingDocuments::loadBooking(m_install->db(), bookingId, june5);
            return data ? textsOf(BookingDocuments::receipt(*data)).join(u'\n') : data.error();
        };
        const QString german = receipt(1);
        VERIFY_HAS(german, u"Strom, berth A1"_s);
        VERIFY_HAS(german, u"2 Tage zu £0.50 pro Tag, 05/06/2026 bis 06/06/2026: £1.00"_s);
        const QString english = receipt(2);
        VERIFY_HAS(english, u"Electricity, berth A1"_s);
        VERIFY_HAS(english, u"2 days at £0.50 a day, 05/06/2026 to 06/06/2026: £1.00"_s);
    }

    void aLanguagePassedOverIsLoggedOnce()
    {
        QCOMPARE(DocumentLanguage::resolve(u"es"_s, u"de"_s), u"de"_s);
        QCOMPARE(DocumentLanguage::resolve(u"es"_s, u"de"_s), u"de"_s);
        QFile log(MessageLog::logPath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(log.readAll());
        QCOMPARE(text.count(u"\"es\""_s), 1);
        QVERIFY2(text.contains(Languages::fileOf(u"es"_s)), qPrintable(text)); // why: the file is missing
    }

    void invoiceAndConfirmationMailInTheCustomersLanguage()
    {
        const QSqlDatabase db = m_install->db();
        const auto german = BookingMail::confirmation(db, 1, m_install->clock.now().date());
        QVERIFY2(german, qPrintable(german.error()));
        QCOMPARE(german->subject, u"Ihre Buchung 41 bei Hafen Ost"_s);
        QCOMPARE(german->body, u"Guten Tag Jens Kühl,\nAnkunft %1."_s.arg(DateTimes::dateText(QDate(2026, 6, 5))));
        const auto english = BookingMail::confirmation(db, 2, m_install->clock.now().date());
        QVERIFY2(english, qPrintable(english.error()));
        QCOMPARE(english->subject, u"Your booking 42 at Hafen Ost"_s);

        // The office's own German wording is kept for German customers alone.
        QVERIFY(
            MailTemplates::save(db, Outbox::Kinds::Invoice, {u"Rechnung {ConfirmationNo}"_s, u"Anbei."_s}, u"de"_s));
        QCOMPARE(MailTemplates::load(db, Outbox::Kinds::Invoice, u"en"_s)->subject,
                 MailTemplates::defaultTemplate(Outbox::Kinds::Invoice, DocumentWords(u"en"_s)).subject);
        QVERIFY(*MailTemplates::edited(db, Outbox::Kinds::Invoice, u"de"_s));
        QVERIFY(!*MailTemplates::edited(db, Outbox::Kinds::Invoice, u"en"_s));
        const auto invoice = BookingMail::queueInvoice(db, 1, m_install->clock.now(), u"desk"_s);
        QVERIFY2(invoice, qPrintable(invoice.error()));
        QCOMPARE(m_install->text(u"SELECT Subject FROM Outbox WHERE Kind = ?"_s, {Outbox::Kinds::Invoice}),
                 u"Rechnung 41"_s);
        // Saved in the office's own language, it goes where it always went; reset takes it back.
        QVERIFY(MailTemplates::save(db, Outbox::Kinds::Invoice, {u"Invoice {ConfirmationNo}"_s, u"Here."_s}, u"en"_s));
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM MailTemplate"_s), 1);
        QVERIFY(MailTemplates::reset(db, Outbox::Kinds::Invoice, u"de"_s));
        QCOMPARE(MailTemplates::load(db, Outbox::Kinds::Invoice, u"de"_s)->subject,
                 MailTemplates::defaultTemplate(Outbox::Kinds::Invoice, DocumentWords(u"de"_s)).subject);
        QCOMPARE(MailTemplates::load(db, Outbox::Kinds::Invoice, u"en"_s)->subject, u"Invoice {ConfirmationNo}"_s);
        QCOMPARE(MailTemplates::save(db, Outbox::Kinds::Invoice, {u"S"_s, u"B"_s}, u"xx"_s).kind(),
                 FailureKind::Refused);
    }

    void remindersOfABatchEachInItsLanguage()
    {
        QList<BookingMail::Reminder> chosen;
        for (int booking : {1, 2}) {
            BookingMail::Reminder r;
            r.bookingId = booking;
            r.kind = Outbox::Kinds::BalanceReminder;
            r.regarding = u"due 2026-05-20"_s;
            chosen << r;
        }
        const auto queued = BookingMail::queueReminders(m_install->db(), chosen, m_install->clock.now(), u"desk"_s);
        QVERIFY2(queued && *queued == 2, qPrintable(queued.error()));
        const QString arrival = DateTimes::dateText(QDate(2026, 6, 5));
        QCOMPARE(m_install->joined(u"SELECT Subject FROM Outbox ORDER BY BookingID"_s),
                 u"Restbetrag für Ihren Aufenthalt ab %1,Balance for your stay from %1"_s.arg(arrival));
    }

    void webPagesOnePerLanguageWithLinks()
    {
        const auto pages =
            WebBookPage::pages(u"https://forms.example/send"_s, u"office@hafen.test"_s, 2026, u"booking.html"_s);
        QVERIFY2(pages, qPrintable(pages.error()));
        // English and the one translation installed; the others would be English under another name.
        QCOMPARE(pages->size(), 2);
        const WebBookPage::LanguagePage& en = pages->at(0);
        const WebBookPage::LanguagePage& de = pages->at(1);
        QCOMPARE(en.fileName, u"booking.html"_s);
        QCOMPARE(de.fileName, u"booking_de.html"_s);
        QVERIFY(en.html.contains(u"<a href=\"booking_de.html\" hreflang=\"de\" lang=\"de\">Deutsch</a>"_s));
        QVERIFY(de.html.contains(u"<a href=\"booking.html\" hreflang=\"en\" lang=\"en\">English</a>"_s));
        QVERIFY(en.html.contains(u"<input type=\"hidden\" name=\"language\" value=\"en\">"_s));
        QVERIFY(de.html.contains(u"<input type=\"hidden\" name=\"language\" value=\"de\">"_s));
        QVERIFY(de.html.contains(u"<html lang=\"de\">"_s));
        QVERIFY(de.html.contains(u"<title>Online-Buchung</title>"_s));
        QVERIFY(de.html.contains(u">Bitte füllen Sie das Formular aus &amp; senden Sie es.<"_s));
        QVERIFY(de.html.contains(u"<option value=\"03\">März</option>"_s));
        QVERIFY(de.html.contains(u"name=\"Submit\" value=\"Senden\""_s));
        // A text of the script stays one string: its quotes escaped, nothing that ends the script.
        QVERIFY(de.html.contains(u"\"Wählen Sie \\\"Ankunft\\\" \\u003c/script> vor der Abreise.\""_s));
        QCOMPARE(de.html.count(u"</script>"_s), 1);
        // The form sends the same fields from every page.
        QCOMPARE(attributeValues(de.html, u"name"_s), attributeValues(en.html, u"name"_s));
        QVERIFY(!en.html.contains(u"Senden"_s) && en.html.contains(u"name=\"Submit\" value=\"Submit\""_s));

        QTemporaryDir site;
        QVERIFY(WebBookPage::saveAll(site.path(), *pages));
        for (const WebBookPage::LanguagePage& page : *pages) {
            QFile written(site.filePath(page.fileName));
            QVERIFY(written.open(QIODevice::ReadOnly));
            QCOMPARE(QString::fromUtf8(written.readAll()), page.html);
        }
    }

    void languageNamesRead_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("code"); // "-": not a language
        QTest::newRow("code") << u"de"_s << u"de"_s;
        QTest::newRow("upper case with region") << u"DE-at"_s << u"de"_s;
        QTest::newRow("English name") << u"German"_s << u"de"_s;
        QTest::newRow("its own name") << u"Deutsch"_s << u"de"_s;
        QTest::newRow("another language's name, accented") << u"Néerlandais"_s << u"nl"_s;
        QTest::newRow("three letters") << u"fra"_s << u"fr"_s;
        QTest::newRow("blank: the office's") << u"  "_s << QString();
        QTest::newRow("unknown") << u"Klingon"_s << u"-"_s;
        QTest::newRow("a code we lack") << u"pt"_s << u"-"_s;
    }
    void languageNamesRead()
    {
        QFETCH(QString, text);
        QFETCH(QString, code);
        const std::optional<QString> read = DocumentLanguage::parse(text);
        QCOMPARE(read.value_or(u"-"_s), code);
    }

    void twoDesksChangingTheLanguageAndAnotherField()
    {
        const QSqlDatabase db = m_install->db();
        const CustomerRecord seen = *CustomerStore::load(db, 2);
        QCOMPARE(seen.language, QString());
        CustomerRecord theirs = seen;
        theirs.language = u"de"_s;
        QVERIFY(CustomerStore::modify(db, 2, seen, theirs));
        CustomerRecord mine = seen;
        mine.telNo = u"0461 123"_s;
        QVERIFY(CustomerStore::modify(db, 2, seen, mine));
        const CustomerRecord both = *CustomerStore::load(db, 2);
        QCOMPARE(both.language, u"de"_s);
        QCOMPARE(both.telNo, u"0461 123"_s);

        // Both changed it: asked, naming each language; nothing saved.
        CustomerRecord dutch = both;
        dutch.language = u"nl"_s;
        CustomerRecord french = both;
        french.language = u"fr"_s;
        QVERIFY(CustomerStore::modify(db, 2, both, french));
        std::optional<FieldChanges::Merge<CustomerRecord>> merge;
        QCOMPARE(CustomerStore::modify(db, 2, both, dutch, &merge).kind(), FailureKind::Conflict);
        QCOMPARE(merge->conflicts().size(), 1);
        QCOMPARE(merge->conflicts().first().theirs, u"Français (fr)"_s);
        QCOMPARE(merge->conflicts().first().mine, u"Nederlands (nl)"_s);
        // Back to the office's is stored as no language at all.
        CustomerRecord none = french;
        none.language.clear();
        QVERIFY(CustomerStore::modify(db, 2, french, none));
        QVERIFY(m_install->value(u"SELECT Language FROM Customer WHERE ID = 2"_s).isNull());
    }
};

ZEM_TEST(tst_Languages)
#include "tst_Languages.moc"
