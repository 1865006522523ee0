#include "bookings/BookingMail.h"
#include "common/SmtpServer.h"
#include "common/TestSupport.h"
#include "core/Database.h"
#include "mail/MailMessage.h"
#include "mail/MailTemplates.h"
#include "mail/Outbox.h"
#include "mail/OutboxSender.h"
#include "waiting/WaitingOfferMail.h"

#include <QJsonArray>
#include <QSet>

using Item = Outbox::Item;

namespace {
Item message(const QString& to, const QString& subject, const QString& body = u"Hello"_s)
{
    Item item;
    item.kind = Outbox::Kinds::Confirmation;
    item.toAddress = to;
    item.subject = subject;
    item.body = body;
    return item;
}
} // namespace

// What a message may carry in its headers, and the templates' placeholders: refusals before anything is queued.
class tst_MailInput : public InstallTest
{
    Q_OBJECT
private slots:
    void addresses_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("ok");
        QTest::newRow("plain") << u"ann@example.co.uk"_s << true;
        QTest::newRow("plus") << u"ann+berth@example.com"_s << true;
        QTest::newRow("no at") << u"ann.example.com"_s << false;
        QTest::newRow("two at") << u"ann@x@example.com"_s << false;
        QTest::newRow("space") << u"ann o@example.com"_s << false;
        QTest::newRow("header injection") << u"ann@example.com\r\nBcc: all@example.com"_s << false;
        QTest::newRow("lone LF") << u"ann@example.com\nX: y"_s << false;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("ends in at") << u"ann@"_s << false;
        QTest::newRow("not ASCII") << u"åsa@example.com"_s << false;
    }
    void addresses()
    {
        QFETCH(QString, address);
        QFETCH(bool, ok);
        QCOMPARE(MailMessage::checkAddress(address).ok(), ok);
        // The outbox takes only what the builder would send.
        const auto queued = Outbox::queue(m_install->db(), {message(address, u"S"_s)}, m_install->clock.now(), u"d"_s);
        QCOMPARE(queued.ok(), ok);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Outbox"_s), ok ? 1 : 0);
    }

    void headerInjectionRefused_data()
    {
        QTest::addColumn<int>("field");
        QTest::newRow("subject") << 0;
        QTest::newRow("to name") << 1;
        QTest::newRow("from name") << 2;
    }
    void headerInjectionRefused()
    {
        QFETCH(int, field);
        MailMessage::Message m{
            u"Harbour"_s, u"office@harbour.test"_s,        u"Ann"_s, u"ann@example.com"_s, u"Hi"_s, u"Body"_s, {},
            {},           QDateTime::currentDateTimeUtc(), {}};
        const QString evil = u"x\r\nBcc: everyone@example.com"_s;
        (field == 0 ? m.subject : field == 1 ? m.toName : m.fromName) = evil;
        const auto built = MailMessage::build(m);
        QVERIFY(!built);
        QCOMPARE(built.kind(), FailureKind::Refused);
        // And a batch with one such message queues none of them.
        Item bad = message(u"ann@example.com"_s, u"Hi"_s);
        (field == 0 ? bad.subject : bad.toName) = evil;
        QVERIFY(!Outbox::queue(m_install->db(), {message(u"bob@example.com"_s, u"Fine"_s), bad}, m_install->clock.now(),
                               u"d"_s));
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Outbox"_s), 0);
    }

    void encodedWordsStayShort()
    {
        const QString name = QString(u"Ærø Ångström ✓ "_s).repeated(8);
        const QByteArray words = MailMessage::encodedWords(name);
        for (const QByteArray& line : words.split('\n'))
            QVERIFY2(line.trimmed().size() <= 75, line.constData());
        QCOMPARE(MailMessage::encodedWords(u"Plain name"_s), QByteArray("Plain name"));
    }

    void templates_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("refusal"); // empty: saved
        QTest::newRow("known") << u"Dear {CustomerName}, {Total} by {DueBy}."_s << QString();
        QTest::newRow("misspelt") << u"Dear {CustomerNme},"_s << u"{CustomerNme}"_s;
        QTest::newRow("unclosed") << u"Arriving {Arrival on the day"_s << u"{Arrival on the day"_s;
        QTest::newRow("spaces inside") << u"{Total amount}"_s << u"{Total amount}"_s;
        QTest::newRow("no braces") << u"Nothing to fill"_s << QString();
    }
    void templates()
    {
        QFETCH(QString, body);
        QFETCH(QString, refusal);
        const Status saved =
            MailTemplates::save(m_install->db(), Outbox::Kinds::Invoice, {u"Invoice"_s, body}, u"en"_s);
        QCOMPARE(saved.ok(), refusal.isEmpty());
        if (!saved)
            QVERIFY2(saved.error().contains(refusal), qPrintable(saved.error()));
        const auto loaded = MailTemplates::load(m_install->db(), Outbox::Kinds::Invoice);
        QCOMPARE(loaded->body, saved ? body : MailTemplates::defaultTemplate(Outbox::Kinds::Invoice).body);
    }

    void defaultsUseOnlyKnownPlaceholdersAndFill()
    {
        for (const QString& kind : MailTemplates::kinds()) {
            const auto wording = MailTemplates::defaultTemplate(kind);
            QVERIFY2(!wording.subject.isEmpty() && !wording.body.isEmpty(), qPrintable(kind));
            QVERIFY2(MailTemplates::unknownPlaceholders(wording.subject + wording.body).isEmpty(), qPrintable(kind));
        }
        // A value is put in once: text in it that looks like a placeholder is left as typed.
        const auto filled = MailTemplates::fill({u"{CustomerName}\nx"_s, u"{CustomerName} owes {Total}"_s},
                                                {{u"CustomerName"_s, u"Ann {Total}"_s}, {u"Total"_s, u"£5.00"_s}});
        QCOMPARE(filled.body, u"Ann {Total} owes £5.00"_s);
        QCOMPARE(filled.subject, u"Ann {Total} x"_s); // a subject stays one line
    }
};
ZEM_TEST(tst_MailInput)

// The outbox as several desks share it: claims, back-off, the failed and the retried.
class tst_Outbox : public InstallTest
{
    Q_OBJECT
    QDateTime now() const { return m_install->clock.now(); }

private slots:
    void claimsOnceInOrderAndBacksOff()
    {
        const auto db = m_install->db();
        QVERIFY(Outbox::queue(db, {message(u"a@x.test"_s, u"A"_s), message(u"b@x.test"_s, u"B"_s)}, now(), u"q"_s));
        auto first = Outbox::claim(db, now(), u"desk1"_s);
        QVERIFY(first && first->has_value());
        QCOMPARE((*first)->subject, u"A"_s);
        // Claimed: another desk is given the next one, then nothing.
        auto second = Outbox::claim(db, now(), u"desk2"_s);
        QCOMPARE((*second)->subject, u"B"_s);
        QVERIFY(!Outbox::claim(db, now(), u"desk3"_s)->has_value());

        // The server could not be reached: queued again after a minute, then two, attempts counted.
        QVERIFY(Outbox::markUnsent(db, (*first)->id, u"down"_s, false, false, now()));
        QVERIFY(!Outbox::claim(db, now().addSecs(59), u"desk1"_s)->has_value());
        auto again = Outbox::claim(db, now().addSecs(60), u"desk1"_s);
        QCOMPARE((*again)->attempts, 1);
        QVERIFY(Outbox::markUnsent(db, (*again)->id, u"down"_s, false, false, now().addSecs(60)));
        QVERIFY(!Outbox::claim(db, now().addSecs(60 + 119), u"desk1"_s)->has_value());
        QVERIFY(Outbox::claim(db, now().addSecs(60 + 120), u"desk1"_s)->has_value());

        // A desk that went away mid-send gives its claim up after ClaimMinutes.
        QVERIFY(Outbox::claim(db, now().addSecs(Outbox::ClaimMinutes * 60 + 1), u"desk4"_s)->has_value());
    }

    void failsAfterAttemptsOnlyWhenReached_data()
    {
        QTest::addColumn<bool>("permanent");
        QTest::addColumn<bool>("reached");
        QTest::addColumn<int>("triesToFail"); // 0: never fails
        QTest::newRow("recipient rejected") << true << true << 1;
        QTest::newRow("login refused") << false << true << Outbox::MaxAttempts;
        QTest::newRow("server away") << false << false << 0;
    }
    void failsAfterAttemptsOnlyWhenReached()
    {
        QFETCH(bool, permanent);
        QFETCH(bool, reached);
        QFETCH(int, triesToFail);
        const auto db = m_install->db();
        const qint64 id = Outbox::queue(db, {message(u"a@x.test"_s, u"A"_s)}, now(), u"q"_s)->first();
        for (int i = 1; i <= Outbox::MaxAttempts + 2; ++i) {
            QVERIFY(Outbox::markUnsent(db, id, u"answer %1"_s.arg(i), permanent, reached, now()));
            const auto item = Outbox::read(db, id);
            QCOMPARE(item->attempts, i);
            QCOMPARE(item->lastAnswer, u"answer %1"_s.arg(i));
            if (item->state == Outbox::State::Failed) {
                QCOMPARE(i, triesToFail);
                break;
            }
            QVERIFY(triesToFail == 0 || i < triesToFail);
        }
        // A failed one is queued again on request, its attempts from nought; an edit too, with its new texts.
        QVERIFY(Outbox::edit(db, id, u"ann@example.com"_s, u"New"_s, u"Body"_s, now()));
        const auto edited = Outbox::read(db, id);
        QCOMPARE(edited->state, Outbox::State::Queued);
        QCOMPARE(edited->attempts, 0);
        QCOMPARE(edited->toAddress, u"ann@example.com"_s);
        QCOMPARE(Outbox::edit(db, id, u"no-at"_s, u"New"_s, u"Body"_s, now()).kind(), FailureKind::Refused);
    }

    void sentIsNeitherRetriedNorEdited()
    {
        const auto db = m_install->db();
        const qint64 id = Outbox::queue(db, {message(u"a@x.test"_s, u"A"_s)}, now(), u"q"_s)->first();
        QVERIFY(Outbox::claim(db, now(), u"d"_s));
        // Being sent right now: no edit under the sender's feet.
        QCOMPARE(Outbox::retry(db, id, now()).kind(), FailureKind::Refused);
        QVERIFY(Outbox::markSent(db, id, u"250 OK"_s, now(), u"d"_s));
        QCOMPARE(Outbox::retry(db, id, now()).kind(), FailureKind::Conflict);
        QCOMPARE(Outbox::edit(db, id, u"b@x.test"_s, u"B"_s, u"B"_s, now()).kind(), FailureKind::Conflict);
        QCOMPARE(Outbox::read(db, id)->sentBy, u"d"_s);
    }
};
ZEM_TEST(tst_Outbox)

// Sending through a real SMTP server on this machine: what arrives is read back as a mail program reads it.
class tst_MailServer : public InstallTest
{
    Q_OBJECT

    void seed() override
    {
        QVERIFY(
            exec(u"UPDATE Company SET \"Company Name\" = 'Poole Quay Marina', \"Telephone No\" = '01202 000111'"_s));
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name, EmailAddress) VALUES (1, 'Åsa Ørsted', 'asa@example.test'), "
                     u"(2, 'Bob Hale', ''), (3, 'Cy Nobody', 'cy@nowhere.test')"_s));
        QVERIFY(exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate, BookedBy, CostOfHire, OtherCharges, VAT, "
                     u"TotalPayable, AmountPayed, BerthConfirmationNumber, Created) VALUES "
                     u"(1, 1, '2026-06-05 14:00:00', '2026-06-07 10:00:00', 'Sue', 1000000, 0, 0, 1000000, 0, 41, "
                     u"'2026-05-01 10:00:00'), "
                     u"(2, 2, '2026-07-01 09:00:00', '2026-07-02 14:00:00', 'Tom', 500000, 0, 0, 500000, 0, 42, "
                     u"'2026-05-01 10:00:00')"_s));
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, Active) VALUES (1, 'A1', 1)"_s));
        QVERIFY(exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (1, 1), (2, 1)"_s));
    }

    OutboxSender::Config config(const SmtpServer& server, SmtpSender::Security security = SmtpSender::Security::None)
    {
        OutboxSender::Config c;
        c.server.host = u"127.0.0.1"_s;
        c.server.port = server.port();
        c.server.security = security;
        c.server.connectTimeoutSeconds = 5;
        c.server.timeoutSeconds = 60;
        c.senderName = u"Poole Quay Marina"_s;
        c.senderAddress = u"office@harbour.test"_s;
        c.desk = u"clerk@desk1"_s;
        return c;
    }
    std::function<QDateTime()> clock()
    {
        return [this] { return m_install->clock.now(); };
    }
    Outbox::Item onlyItem()
    {
        return *Outbox::read(m_install->db(), m_install->scalarInt(u"SELECT MAX(ID) FROM Outbox"_s));
    }

private slots:
    void confirmationArrivesWithItsPdfOverStartTls()
    {
        SmtpServer server;
        QVERIFY2(server.start({true, u"office"_s, u"s3cret pass"_s, {}, 0}), qPrintable(server.error()));
        const auto db = m_install->db();
        QVERIFY(MailTemplates::save(db, Outbox::Kinds::Confirmation,
                                    {u"Ihre Buchung {ConfirmationNo} – {CustomerName}"_s,
                                     u"Dear {CustomerName},\n.\n..hidden\n.dot first\nTotal {Total}, arriving "
                                     u"{Arrival}, berth {Berths}."_s},
                                    u"en"_s));
        const auto id = BookingMail::queueConfirmation(db, 1, m_install->clock.now(), u"clerk@desk1"_s);
        QVERIFY2(id, qPrintable(id.error()));

        auto c = config(server, SmtpSender::Security::StartTls);
        c.server.user = u"office"_s;
        c.server.password = u"s3cret pass"_s;
        c.server.caFile = server.certificate(); // checked against the certificate it shows, named localhost
        c.server.host = u"localhost"_s;
        const auto tried = OutboxSender::sendDue(db, c, clock());
        QVERIFY2(tried && *tried == 1, qPrintable(tried.error() + onlyItem().lastAnswer));
        QCOMPARE(server.waitFor(1), 1);

        const QJsonObject got = server.read(server.received().first());
        QCOMPARE(got[u"subject"_s].toString(), u"Ihre Buchung 41 – Åsa Ørsted"_s);
        QCOMPARE(got[u"to_name"_s].toString(), u"Åsa Ørsted"_s);
        QCOMPARE(got[u"to_address"_s].toString(), u"asa@example.test"_s);
        QCOMPARE(got[u"from_name"_s].toString(), u"Poole Quay Marina"_s);
        QCOMPARE(got[u"defects"_s].toInt(), 0);
        // Lines starting with "." come through as written: the transfer escaped them and the server took it back.
        const QString body = got[u"body"_s].toString();
        QVERIFY2(body.contains(u"Dear Åsa Ørsted,\n.\n..hidden\n.dot first\n"_s), qPrintable(body));
        QVERIFY2(body.contains(u"berth A1."_s) && body.contains(DateTimes::dateText(QDate(2026, 6, 5))),
                 qPrintable(body));
        const QJsonArray attachments = got[u"attachments"_s].toArray();
        QCOMPARE(attachments.size(), 1);
        QCOMPARE(attachments[0][u"name"_s].toString(), u"Booking Confirmation 1.pdf"_s);
        QCOMPARE(attachments[0][u"type"_s].toString(), u"application/pdf"_s);
        const QString pdf = SmtpServer::pdfText(attachments[0][u"path"_s].toString());
        QVERIFY2(pdf.contains(u"BOOKING CONFIRMATION"_s) && pdf.contains(u"Åsa Ørsted"_s), qPrintable(pdf));

        // The booking's messages show it sent, by whom.
        const auto listed = Outbox::ofBooking(db, 1);
        QCOMPARE(listed->size(), 1);
        QCOMPARE(listed->first().state, Outbox::State::Sent);
        QCOMPARE(listed->first().sentBy, u"clerk@desk1"_s);
        QVERIFY(listed->first().attachment.isEmpty()); // lists leave the bytes in the database
    }

    // The invoice goes numbered, as a PDF; the waiting list's offer marks its entry offered; neither half-happens
    // for a customer without an address.
    void invoiceAndOfferArriveWithWhatTheyCarry()
    {
        SmtpServer server;
        QVERIFY2(server.start({}), qPrintable(server.error()));
        const auto db = m_install->db();
        const QDateTime now = m_install->clock.now();
        QCOMPARE(BookingMail::queueInvoice(db, 2, now, u"d"_s).kind(), FailureKind::Refused);
        QVERIFY(m_install->scalarInt(u"SELECT COUNT(*) FROM Booking WHERE ID = 2 AND InvoiceNumber IS NULL"_s) ==
                1); // no number used
        const auto invoice = BookingMail::queueInvoice(db, 1, now, u"clerk@desk1"_s);
        QVERIFY2(invoice, qPrintable(invoice.error()));
        QVERIFY(invoice->numbered);
        const auto again = BookingMail::queueInvoice(db, 1, now, u"clerk@desk1"_s);
        QVERIFY(again && !again->numbered);
        QCOMPARE(again->invoiceNumber, invoice->invoiceNumber);

        QVERIFY(MailTemplates::save(db, Outbox::Kinds::WaitingOffer,
                                    {u"Berth free at {Company}"_s, u"{CustomerName}: {Berths} from {Arrival}."_s},
                                    u"en"_s));
        WaitingEntry entry;
        entry.customerId = 1;
        entry.from = now.date().addDays(20);
        entry.to = now.date().addDays(27);
        WaitingOffer offer;
        for (int customer : {2, 1}) {
            entry.customerId = customer;
            const auto added = WaitingList::add(db, entry, now);
            QVERIFY2(added, qPrintable(added.error()));
            offer.line.entry = entry;
            offer.line.entry.id = *added;
            offer.line.entry.added = now;
            offer.berthNames = {u"A1"_s, u"B7"_s};
            const auto queued = WaitingOfferMail::queue(db, offer, now, u"clerk@desk1"_s);
            QCOMPARE(queued.ok(), customer == 1);
            QCOMPARE(m_install->scalarInt(u"SELECT Status FROM WaitingEntry WHERE ID = ?"_s, {*added}),
                     int(customer == 1 ? WaitingStatus::Offered : WaitingStatus::Waiting));
        }
        QCOMPARE(*OutboxSender::sendDue(db, config(server), clock()), 3);
        QCOMPARE(server.waitFor(3), 3);
        QMap<QString, QJsonObject> bySubject;
        for (const QString& eml : server.received()) {
            const QJsonObject got = server.read(eml);
            bySubject.insert(got[u"subject"_s].toString(), got);
        }
        const QJsonObject sent = bySubject.value(u"Your invoice from Poole Quay Marina"_s);
        const QJsonArray attachments = sent[u"attachments"_s].toArray();
        QCOMPARE(attachments.size(), 1);
        QCOMPARE(attachments[0][u"name"_s].toString(), u"Invoice %1.pdf"_s.arg(invoice->invoiceNumber));
        const QString pdf = SmtpServer::pdfText(attachments[0][u"path"_s].toString());
        QVERIFY2(pdf.contains(u"INVOICE"_s) && pdf.contains(QString::number(invoice->invoiceNumber)), qPrintable(pdf));
        const QJsonObject offered = bySubject.value(u"Berth free at Poole Quay Marina"_s);
        QCOMPARE(offered[u"to_address"_s].toString(), u"asa@example.test"_s);
        QCOMPARE(offered[u"body"_s].toString().trimmed(),
                 u"Åsa Ørsted: A1, B7 from %1."_s.arg(DateTimes::dateText(entry.from)));
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Outbox WHERE CustomerID = 1 AND BookingID IS NULL"_s), 1);
    }

    // A batch cut short by a server that does not answer: the one tried waits its back-off, the rest go back
    // untouched for the next pass.
    void batchGivesBackWhatItDidNotTry()
    {
        const auto db = m_install->db();
        QVERIFY(Outbox::queue(db, {message(u"a@x.test"_s, u"1"_s), message(u"b@x.test"_s, u"2"_s)},
                              m_install->clock.now(), u"q"_s));
        OutboxSender::Config c;
        {
            SmtpServer gone; // its port is closed once it has stopped
            QVERIFY(gone.start({}));
            c = config(gone);
        }
        QCOMPARE(*OutboxSender::sendDue(db, c, clock()), 1);
        QCOMPARE(
            m_install->scalarInt(u"SELECT COUNT(*) FROM Outbox WHERE ClaimedBy IS NULL AND ClaimedUntil IS NULL AND "
                                 u"State = 'queued'"_s),
            2);
        QCOMPARE(m_install->scalarInt(u"SELECT Attempts FROM Outbox WHERE Subject = '1'"_s), 1);
        QCOMPARE(m_install->scalarInt(u"SELECT Attempts FROM Outbox WHERE Subject = '2'"_s), 0);
        // The one not tried is due at once; the tried one after its minute.
        QCOMPARE(Outbox::claimSome(db, m_install->clock.now(), u"d2"_s, 10)->size(), 1);
    }

    void confirmationRefusals()
    {
        const auto db = m_install->db();
        QCOMPARE(BookingMail::queueConfirmation(db, 2, m_install->clock.now(), u"d"_s).kind(), FailureKind::Refused);
        QVERIFY(exec(u"UPDATE Booking SET Cancelled = 1 WHERE ID = 1"_s));
        QCOMPARE(BookingMail::queueConfirmation(db, 1, m_install->clock.now(), u"d"_s).kind(), FailureKind::Refused);
        QCOMPARE(BookingMail::queueConfirmation(db, 99, m_install->clock.now(), u"d"_s).kind(), FailureKind::Conflict);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Outbox"_s), 0);
    }

    void serverDownThenUpNothingLost()
    {
        const auto db = m_install->db();
        QVERIFY(Outbox::queue(db, {message(u"a@x.test"_s, u"Waits"_s)}, m_install->clock.now(), u"q"_s));
        int port = 0;
        {
            SmtpServer probe; // a port that was free a moment ago and is closed now
            QVERIFY(probe.start({}));
            port = probe.port();
        }
        OutboxSender::Config c;
        {
            SmtpServer dummy;
            QVERIFY(dummy.start({}));
            c = config(dummy);
        }
        c.server.port = port;
        QCOMPARE(*OutboxSender::sendDue(db, c, clock()), 1);
        auto item = onlyItem();
        QCOMPARE(item.state, Outbox::State::Queued);
        QVERIFY2(item.lastAnswer.contains(u"did not answer"_s), qPrintable(item.lastAnswer));
        // Not tried again before its back-off, then sent once the server answers.
        SmtpServer server;
        QVERIFY(server.start({false, {}, {}, {}, port}));
        QCOMPARE(*OutboxSender::sendDue(db, c, clock()), 0);
        m_install->clock.current = m_install->clock.current.addSecs(60);
        QCOMPARE(*OutboxSender::sendDue(db, c, clock()), 1);
        QCOMPARE(server.waitFor(1), 1);
        item = onlyItem();
        QCOMPARE(item.state, Outbox::State::Sent);
        QCOMPARE(item.attempts, 2);
    }

    void refusalsKeptWithTheServersAnswer_data()
    {
        QTest::addColumn<int>("how");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("state");
        QTest::newRow("wrong password") << 0 << u"refused the user name or password"_s << int(Outbox::State::Queued);
        QTest::newRow("no STARTTLS") << 1 << u"secure connection"_s << int(Outbox::State::Queued);
        QTest::newRow("recipient rejected") << 2 << u"550"_s << int(Outbox::State::Failed);
        QTest::newRow("name not found") << 3 << u"could not be found"_s << int(Outbox::State::Queued);
        QTest::newRow("untrusted certificate") << 4 << u"certificate"_s << int(Outbox::State::Queued);
    }
    void refusalsKeptWithTheServersAnswer()
    {
        QFETCH(int, how);
        QFETCH(QString, answer);
        QFETCH(int, state);
        SmtpServer server;
        SmtpServer::Options options;
        if (how == 0 || how == 4)
            options = {true, u"office"_s, u"right"_s, {}, 0};
        if (how == 2)
            options.reject = {u"gone@x.test"_s};
        QVERIFY2(server.start(options), qPrintable(server.error()));
        auto c = config(server,
                        how == 1 || how == 0 || how == 4 ? SmtpSender::Security::StartTls : SmtpSender::Security::None);
        c.server.user = u"office"_s;
        c.server.password = how == 0 ? u"wrong"_s : u"right"_s;
        c.server.acceptAnyCertificate = how == 0;
        if (how == 1 || how == 2)
            c.server.user.clear();
        if (how == 3)
            c.server.host = u"no-such-host.invalid"_s;
        QVERIFY(Outbox::queue(m_install->db(), {message(how == 2 ? u"gone@x.test"_s : u"a@x.test"_s, u"S"_s)},
                              m_install->clock.now(), u"q"_s));
        QVERIFY(OutboxSender::sendDue(m_install->db(), c, clock()));
        const auto item = onlyItem();
        QVERIFY2(item.lastAnswer.contains(answer, Qt::CaseInsensitive), qPrintable(item.lastAnswer));
        QCOMPARE(int(item.state), state);
        QCOMPARE(item.attempts, 1);
        QCOMPARE(server.received().size(), 0);
    }

    void largeAttachmentArrivesWhole()
    {
        SmtpServer server;
        QVERIFY(server.start({}));
        Item big = message(u"a@x.test"_s, u"Big"_s);
        big.attachmentName = u"Big.pdf"_s;
        big.attachment = QByteArray(10 * 1024 * 1024, '\0');
        for (qsizetype i = 0; i < big.attachment.size(); ++i)
            big.attachment[i] = static_cast<char>((i * 131) % 251);
        QVERIFY(Outbox::queue(m_install->db(), {big}, m_install->clock.now(), u"q"_s));
        QCOMPARE(*OutboxSender::sendDue(m_install->db(), config(server), clock()), 1);
        QCOMPARE(server.waitFor(1), 1);
        const QJsonObject got = server.read(server.received().first());
        const QJsonArray attachments = got[u"attachments"_s].toArray();
        QCOMPARE(attachments.size(), 1);
        QCOMPARE(readAll(attachments[0][u"path"_s].toString()), big.attachment);
    }

    void twoDesksSendEachMessageOnce()
    {
        SmtpServer server;
        QVERIFY(server.start({}));
        QList<Item> items;
        for (int i = 0; i < 24; ++i)
            items << message(u"guest%1@x.test"_s.arg(i), u"Message %1"_s.arg(i));
        QVERIFY(Outbox::queue(m_install->db(), items, m_install->clock.now(), u"q"_s));
        const QString address = Database::addressOf(Database::sharedConnectionName());
        auto c1 = config(server);
        auto c2 = config(server);
        c2.desk = u"clerk@desk2"_s;
        const QDateTime at = m_install->clock.now();
        OutboxSender desk1(address, u"desk1"_s, c1, [at] { return at; });
        OutboxSender desk2(address, u"desk2"_s, c2, [at] { return at; });
        // A statement that fails here while the senders hold connections of their own threads looks only at this
        // thread's: Qt warns of any other thread's connection it is asked for.
        static QStringList warnings;
        warnings.clear();
        const QtMessageHandler before =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& m) {
                if (m.contains(u"does not belong to the calling thread"_s))
                    warnings << m;
            });
        desk1.start();
        desk2.start();
        QTest::qWait(200);
        QVERIFY(!Sql::exec(m_install->db(), u"SELECT Nothing FROM NoSuchTable"_s));
        qInstallMessageHandler(before);
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(u'\n')));
        QCOMPARE(server.waitFor(24, 60000), 24);
        QTRY_COMPARE_WITH_TIMEOUT(m_install->scalarInt(u"SELECT COUNT(*) FROM Outbox WHERE State = 'sent'"_s), 24,
                                  20000);
        QTest::qWait(300); // anything sent twice would arrive now
        desk1.stop();
        desk2.stop();
        QCOMPARE(server.received().size(), 24);
        QSet<QString> subjects;
        for (const QString& eml : server.received())
            subjects.insert(server.read(eml)[u"subject"_s].toString());
        QCOMPARE(subjects.size(), 24);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Outbox WHERE State = 'sent'"_s), 24);
    }
};
ZEM_TEST(tst_MailServer)

#include "tst_Mail.moc"
