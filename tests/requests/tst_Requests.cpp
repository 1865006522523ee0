#include "bookings/BerthAvailability.h"
#include "bookings/BookingRecord.h"
#include "common/ImapServer.h"
#include "common/SmtpServer.h"
#include "common/TestSupport.h"
#include "core/DateTimes.h"
#include "mail/OutboxSender.h"
#include "requests/RequestActions.h"
#include "requests/RequestReader.h"

#include <QJsonObject>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
// A request as the form-to-mail service mails it: one "field: value" line per field the page posts.
QByteArray form(const QString& id, const QStringList& lines, const QByteArray& headers = {})
{
    return "From: Form Service <forms@service.test>\r\nTo: bookings@harbour.test\r\nSubject: Online Booking "
           "Request\r\nDate: Tue, 01 Jun 2026 09:30:00 +0000\r\nMessage-ID: <" +
           id.toUtf8() + ">\r\nContent-Type: text/plain; charset=utf-8\r\n" + headers + "\r\n" +
           lines.join(u"\r\n"_s).toUtf8() + "\r\n";
}
QStringList dated(const QString& name, const QString& email, const QString& arrive, const QString& depart)
{
    const QStringList a = arrive.split(u'-'), d = depart.split(u'-');
    return {u"your_email_address: bookings@harbour.test"_s,
            u"arrive_day: "_s + a[2],
            u"arrive_month: "_s + a[1],
            u"arrive_year: "_s + a[0],
            u"departure_day: "_s + d[2],
            u"departure_month: "_s + d[1],
            u"departure_year: "_s + d[0],
            u"visitor_name: "_s + name,
            u"visitor_email_address: "_s + email};
}
} // namespace

// Requests mailed by the web page: read from a real mailbox once each, then taken, held, booked or declined by one
// desk at a time, on both engines.
class tst_Requests : public InstallTest
{
    Q_OBJECT

    void seed() override
    {
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, TypeID, Active, Length, Width, MaxDraft) VALUES "
                     u"(1, 'A1', 1, 1, 12, 4, 2.5), (2, 'A2', 1, 1, 10, 3.5, 2), (3, 'B1', 2, 1, 8, 3, 1.5)"_s));
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name, EmailAddress) VALUES (1, 'Ann Smith', 'Ann@Example.org')"_s));
    }
    ImapMailbox::Account account(const ImapServer& server, const QString& password = u"pass word"_s) const
    {
        ImapMailbox::Account a;
        a.server.host = u"127.0.0.1"_s;
        a.server.port = server.port();
        a.server.security = SmtpSender::Security::None;
        a.server.user = u"bookings"_s;
        a.server.password = password;
        a.server.connectTimeoutSeconds = 5;
        a.server.timeoutSeconds = 30;
        return a;
    }
    QDateTime now() const { return m_install->clock.now(); }
    int addRequest(const QString& id, const QStringList& lines)
    {
        const auto added = RequestStore::add(m_install->db(), RequestMessage::read(form(id, lines), now()));
        return added ? added->id : 0;
    }

private slots:
    void messagesRead_data()
    {
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QDate>("arrive");
        QTest::addColumn<int>("lengthCm"); // 0: none given
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("reason"); // a piece of the reason to check it; empty: none

        const QStringList ann = dated(u"Ann Smith"_s, u"ann@example.org"_s, u"2026-07-03"_s, u"2026-07-10"_s);
        QTest::newRow("the page's form") << form(u"a@x"_s, ann + QStringList{u"Comment: Two dogs"_s, u"and a cat"_s})
                                         << u"Ann Smith"_s << u"ann@example.org"_s << QDate(2026, 7, 3) << 0
                                         << QString() << QString();
        QTest::newRow("sizes and language")
            << form(u"b@x"_s, ann + QStringList{u"boat_length: 11.5"_s, u"boat_beam: 3,6"_s, u"language: DE"_s})
            << u"Ann Smith"_s << u"ann@example.org"_s << QDate(2026, 7, 3) << 1150 << u"de"_s << QString();
        QTest::newRow("quoted-printable in a multipart")
            << QByteArray("Message-ID: <c@x>\r\nContent-Type: multipart/alternative; boundary=\"zz\"\r\n\r\n--zz\r\n"
                          "Content-Type: text/html\r\n\r\n<p>html</p>\r\n--zz\r\nContent-Type: text/plain; "
                          "charset=iso-8859-1\r\nContent-Transfer-Encoding: quoted-printable\r\n\r\nvisitor_name: "
                          "Zo=EB M=FCller\r\nvisitor_email_address: zoe@example.org\r\narrive_day: 01\r\narrive_month"
                          ": 08\r\narrive_year: 2026\r\ndeparture_day: 02\r\ndeparture_month: 08\r\ndeparture_year:"
                          " 2026\r\n--zz--\r\n")
            << u"Zoë Müller"_s << u"zoe@example.org"_s << QDate(2026, 8, 1) << 0 << QString() << QString();
        QTest::newRow("the form's own post")
            << QByteArray("Message-ID: <d@x>\r\n\r\nvisitor_name=Bo+Lind&visitor_email_address=bo%40example.org&"
                          "arrive_day=05&arrive_month=09&arrive_year=2026&departure_day=07&departure_month=09&"
                          "departure_year=2026")
            << u"Bo Lind"_s << u"bo@example.org"_s << QDate(2026, 9, 5) << 0 << QString() << QString();
        QTest::newRow("no dates") << form(u"e@x"_s, {u"visitor_name: Cy"_s, u"visitor_email_address: cy@x.org"_s})
                                  << u"Cy"_s << u"cy@x.org"_s << QDate() << 0 << QString() << u"no dates"_s;
        QTest::newRow("another date style")
            << form(u"f@x"_s, {u"visitor_name: Cy"_s, u"visitor_email_address: cy@x.org"_s,
                               u"Comment: arriving 03/07/2026 for a week"_s})
            << u"Cy"_s << u"cy@x.org"_s << QDate() << 0 << QString() << u"another style"_s;
        QTest::newRow("a day that is not")
            << form(u"g@x"_s, dated(u"Cy"_s, u"cy@x.org"_s, u"2026-02-31"_s, u"2026-03-02"_s)) << u"Cy"_s
            << u"cy@x.org"_s << QDate() << 0 << QString() << u"cannot be read"_s;
        QTest::newRow("leaving before arriving")
            << form(u"h@x"_s, dated(u"Cy"_s, u"cy@x.org"_s, u"2026-07-10"_s, u"2026-07-03"_s)) << u"Cy"_s
            << u"cy@x.org"_s << QDate(2026, 7, 10) << 0 << QString() << u"not after"_s;
        QTest::newRow("an address that is not")
            << form(u"i@x"_s, dated(u"Cy"_s, u"cy at home"_s, u"2026-07-03"_s, u"2026-07-04"_s)) << u"Cy"_s
            << u"cy at home"_s << QDate(2026, 7, 3) << 0 << QString() << u"cannot be written to"_s;
        QTest::newRow("a size that is not")
            << form(u"j@x"_s, ann + QStringList{u"boat_length: huge"_s}) << u"Ann Smith"_s << u"ann@example.org"_s
            << QDate(2026, 7, 3) << 0 << QString() << u"the length \"huge\""_s;
        QTest::newRow("not a request") << form(u"k@x"_s, {u"Hello, do you sell diesel?"_s},
                                               "Reply-To: Dan <dan@example.org>\r\n")
                                       << QString() << u"dan@example.org"_s << QDate() << 0 << QString()
                                       << u"not a booking request"_s;
        QTest::newRow("garbage") << QByteArray("\x01\x02\xff\xfe garbage\0\0 no header", 25) << QString() << QString()
                                 << QDate() << 0 << QString() << u"not a booking request"_s;
    }
    void messagesRead()
    {
        QFETCH(QByteArray, message);
        QFETCH(QString, name);
        QFETCH(QString, email);
        QFETCH(QDate, arrive);
        QFETCH(int, lengthCm);
        QFETCH(QString, language);
        QFETCH(QString, reason);
        const RequestMessage::Request r = RequestMessage::read(message, now());
        QCOMPARE(r.name, name);
        QCOMPARE(r.email, email);
        QCOMPARE(r.arrive, arrive);
        QCOMPARE(r.lengthCm.value_or(0), lengthCm);
        QCOMPARE(r.language, language);
        QVERIFY2(reason.isEmpty() ? r.checkReason.isEmpty() : r.checkReason.contains(reason),
                 qPrintable(r.checkReason));
        QVERIFY(!r.messageId.isEmpty());
        // Whatever came in is kept whole in the table, reason and text included.
        const auto added = RequestStore::add(m_install->db(), r);
        QVERIFY2(added && !added->duplicate, qPrintable(added.error()));
        const auto back = RequestStore::read(m_install->db(), added->id);
        QCOMPARE(back->request.checkReason, r.checkReason);
        QCOMPARE(back->request.arrive, r.arrive);
        QCOMPARE(back->request.lengthCm, r.lengthCm);
        QCOMPARE(RequestStore::stateText(*back), reason.isEmpty() ? u"New"_s : u"To check"_s);
    }

    void mailboxReadOncePerMessage()
    {
        ImapServer server;
        QVERIFY2(server.start(u"bookings"_s, u"pass word"_s), qPrintable(server.error()));
        const QStringList ann = dated(u"Ann Smith"_s, u"ann@example.org"_s, u"2026-07-03"_s, u"2026-07-10"_s);
        QVERIFY(server.deliver(u"1.request"_s, form(u"one@web"_s, ann)));
        QVERIFY(server.deliver(u"2.again"_s, form(u"one@web"_s, ann))); // the service sent it twice
        QVERIFY(server.deliver(u"3.garbage"_s, QByteArray("\x01\x02 not mail at all\r\n")));
        QByteArray huge = form(u"huge@web"_s, ann);
        huge += QByteArray(RequestMessage::MaxBytes + 10, 'x');
        QVERIFY(server.deliver(u"4.huge"_s, huge));

        ImapMailbox mailbox(account(server));
        const RequestReader::Report first = RequestReader::read(m_install->db(), mailbox, now());
        QVERIFY2(first.error.isEmpty(), qPrintable(first.error));
        QCOMPARE(first.added, 3);
        QCOMPARE(first.known, 1);
        QCOMPARE(first.toCheck, 2);
        for (const char* name : {"1.request", "2.again", "3.garbage", "4.huge"})
            QVERIFY2(server.seen(QLatin1String(name)), name);
        const auto rows = RequestStore::list(m_install->db(), true);
        QCOMPARE(rows->size(), 3);
        QStringList reasons;
        for (const RequestStore::Row& row : *rows)
            reasons << row.request.checkReason.left(20);
        QVERIFY2(reasons.contains(u"The message is 2049 "_s), qPrintable(reasons.join(u'|')));

        // Read again: nothing unseen, nothing new.
        const RequestReader::Report second = RequestReader::read(m_install->db(), mailbox, now());
        QCOMPARE(second.added + second.known, 0);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM BookingRequest"_s), 3);
    }

    void messageStaysUnseenUntilItsRowCommits()
    {
        ImapServer server;
        QVERIFY2(server.start(u"bookings"_s, u"pass word"_s), qPrintable(server.error()));
        QVERIFY(server.deliver(u"1.request"_s,
                               form(u"two@web"_s, dated(u"Bo"_s, u"bo@x.org"_s, u"2026-07-03"_s, u"2026-07-04"_s))));
        QVERIFY(exec(u"DROP TABLE BookingRequest"_s));
        ImapMailbox mailbox(account(server));
        const RequestReader::Report failed = RequestReader::read(m_install->db(), mailbox, now());
        QVERIFY(!failed.error.isEmpty());
        QCOMPARE(failed.added, 0);
        QVERIFY(!server.seen(u"1.request"_s));

        ImapMailbox refused(account(server, u"wrong"_s));
        const RequestReader::Report denied = RequestReader::read(m_install->db(), refused, now());
        QVERIFY2(denied.error.contains(u"refused the user name or password"_s), qPrintable(denied.error));
    }

    void oneDeskTakesARequest()
    {
        const int id =
            addRequest(u"t@x"_s, dated(u"Ann Smith"_s, u"ann@example.org"_s, u"2026-07-03"_s, u"2026-07-10"_s));
        const auto db = m_install->db();
        QVERIFY(RequestStore::take(db, id, u"Kim@desk1"_s, now()));
        QVERIFY(RequestStore::take(db, id, u"Kim@desk1"_s, now())); // the same clerk again, after a cancelled wizard
        const Status other = RequestStore::take(db, id, u"Lee@desk2"_s, now());
        QCOMPARE(other.kind(), FailureKind::Conflict);
        QVERIFY2(other.error().contains(u"Kim@desk1"_s), qPrintable(other.error()));
        QCOMPARE(RequestStore::decline(db, id, u"Lee@desk2"_s, now()).kind(), FailureKind::Conflict);

        QVERIFY(RequestStore::booked(db, id, 77, u"Kim@desk1"_s, now()));
        const auto row = RequestStore::read(db, id);
        QCOMPARE(row->bookingId, 77);
        QCOMPARE(RequestStore::stateText(*row), u"Booked"_s);
        QVERIFY(RequestStore::list(db, true)->isEmpty());
        const Status late = RequestStore::decline(db, id, u"Kim@desk1"_s, now());
        QVERIFY2(late.error().contains(u"booked"_s), qPrintable(late.error()));
    }

    void bookingStartsFromTheRequest_data()
    {
        QTest::addColumn<QString>("email");
        QTest::addColumn<bool>("newCustomer");
        QTest::addColumn<bool>("refused"); // the wizard's save is refused: nothing is added, the hold stands
        QTest::newRow("known by e-mail") << u"ann@EXAMPLE.org"_s << false << false;
        QTest::newRow("new customer") << u"new@example.org"_s << true << false;
        QTest::newRow("new customer, save refused") << u"new@example.org"_s << true << true;
    }
    void bookingStartsFromTheRequest()
    {
        QFETCH(QString, email);
        QFETCH(bool, newCustomer);
        QFETCH(bool, refused);
        const auto db = m_install->db();
        const int id = addRequest(u"s@x"_s, dated(u"Nia Vale"_s, email, u"2026-07-03"_s, u"2026-07-10"_s) +
                                                QStringList{u"boat_length: 9.5"_s, u"phone: 0123 456"_s});
        const auto held = RequestStore::hold(db, id, 2, now().addSecs(3600), u"Kim@desk1"_s, now());
        QVERIFY2(held, qPrintable(held.error()));
        const auto start = RequestActions::startBooking(db, id, u"Kim@desk1"_s, now());
        QVERIFY2(start, qPrintable(start.error()));
        QCOMPARE(start->customerId, newCustomer ? 0 : 1);
        QCOMPARE(start->newCustomer.has_value(), newCustomer);
        if (newCustomer)
            QCOMPARE(start->newCustomer->telNo, u"0123 456"_s);
        QVERIFY(start->newBoat && !start->boatId);
        QCOMPARE(start->newBoat->lengthCm.value_or(0), 950);
        QCOMPARE(start->berthIds, QList<int>{2});
        QCOMPARE(start->heldBlockId, *held);
        // Until the booking is saved nothing is added, and the hold keeps the berth from every other desk; the
        // wizard alone sees it free.
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Customer"_s), 1);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Boat"_s), 0);
        const QDateTime from = DateTimes::wallTime(QDate(2026, 7, 3), QTime(12, 0));
        const QDateTime to = DateTimes::wallTime(QDate(2026, 7, 10), QTime(12, 0));
        QVERIFY(BerthAvailability::busyBerths(db, from, to, 0)->contains(2));
        const auto wizardSees = BerthAvailability::freeBerths(db, from, to, -start->heldBlockId);
        QVERIFY(std::any_of(wizardSees->cbegin(), wizardSees->cend(), [](const auto& b) { return b.id == 2; }));
        QCOMPARE(RequestActions::startBooking(db, id, u"Lee@desk2"_s, now()).kind(), FailureKind::Conflict);

        BookingRecord booking;
        booking.customerId = newCustomer ? BookingRecord::NewCustomerId : start->customerId;
        booking.newCustomer = start->newCustomer;
        booking.newBoat = start->newBoat;
        booking.fromDate = from;
        booking.toDate = to;
        booking.berthIds = start->berthIds;
        booking.berthNames = {u"A2"_s};
        booking.noAdults = refused ? -5 : 2;
        booking.savedAt = now();
        const auto saved = RequestActions::saveBooking(db, id, booking, u"Kim@desk1"_s, now());
        QCOMPARE(saved.ok(), !refused);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Customer"_s), newCustomer && !refused ? 2 : 1);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Boat"_s), refused ? 0 : 1);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM BerthBlock"_s), refused ? 1 : 0);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Booking"_s), refused ? 0 : 1);
        const auto row = RequestStore::read(db, id);
        QCOMPARE(row->bookingId, refused ? 0 : saved->id);
        if (refused)
            return;
        QCOMPARE(m_install->text(u"SELECT C.Name FROM Booking K JOIN Customer C ON C.ID = K.CustomerID"_s),
                 newCustomer ? u"Nia Vale"_s : u"Ann Smith"_s);
        QCOMPARE(m_install->scalarInt(u"SELECT B.LengthCm FROM Booking K JOIN Boat B ON B.ID = K.BoatID AND "
                                      u"B.CustomerID = K.CustomerID"_s),
                 950);
        QVERIFY(BerthAvailability::busyBerths(db, from, to, 0)->contains(2)); // now by the booking
    }

    void todayCountsTheQueue()
    {
        const auto db = m_install->db();
        const QDate day(2026, 6, 1);
        m_install->clock.current = DateTimes::wallTime(day, QTime(10, 0));
        const auto counts = [&] {
            const auto w = RequestStore::waiting(db, now());
            return w ? QList<int>{w->unanswered, w->holdsEndingToday} : QList<int>{-1, -1};
        };
        QCOMPARE(counts(), (QList<int>{0, 0}));
        QList<int> ids;
        for (const QString& who : {u"a@x"_s, u"b@x"_s, u"c@x"_s, u"d@x"_s})
            ids << addRequest(who, dated(u"Ann Smith"_s, u"ann@example.org"_s, u"2026-07-03"_s, u"2026-07-10"_s));
        QCOMPARE(counts(), (QList<int>{4, 0}));
        QVERIFY(RequestStore::hold(db, ids[0], 1, DateTimes::wallTime(day, QTime(18, 0)), u"Kim"_s, now()));
        QVERIFY(RequestStore::hold(db, ids[1], 2, DateTimes::wallTime(day.addDays(1), QTime(9, 0)), u"Kim"_s, now()));
        QVERIFY(RequestStore::decline(db, ids[2], u"Kim"_s, now()));
        QVERIFY(RequestStore::take(db, ids[3], u"Kim"_s, now())); // in a wizard: being answered
        QCOMPARE(counts(), (QList<int>{0, 1}));
        // The first hold runs out: that request waits for an answer again.
        m_install->clock.current = DateTimes::wallTime(day, QTime(18, 0));
        QCOMPARE(RequestStore::expireHolds(db, now())->size(), 1);
        QCOMPARE(counts(), (QList<int>{1, 0}));
        // The next morning the second hold ends that day; booked, it is no longer counted.
        m_install->clock.current = DateTimes::wallTime(day.addDays(1), QTime(8, 0));
        QCOMPARE(counts(), (QList<int>{1, 1}));
        QVERIFY(RequestStore::booked(db, ids[1], 77, u"Kim"_s, now()));
        QCOMPARE(counts(), (QList<int>{1, 0}));
    }

    void holdKeepsTheBerthUntilItExpires()
    {
        const auto db = m_install->db();
        const int id =
            addRequest(u"h@x"_s, dated(u"Ann Smith"_s, u"ann@example.org"_s, u"2026-07-03"_s, u"2026-07-10"_s));
        const QDateTime until = now().addSecs(48 * 3600);
        const auto block = RequestStore::hold(db, id, 1, until, u"Kim@desk1"_s, now());
        QVERIFY2(block, qPrintable(block.error()));
        const auto row = RequestStore::read(db, id);
        QCOMPARE(RequestStore::stateText(*row), u"Held"_s);
        QCOMPARE(row->holdBerth, u"A1"_s);
        const auto from = DateTimes::wallTime(QDate(2026, 7, 5), QTime(12, 0));
        QVERIFY(BerthAvailability::busyBerths(db, from, from.addDays(1), 0)->contains(1));
        QCOMPARE(RequestStore::hold(db, id, 2, until, u"Kim@desk1"_s, now()).kind(), FailureKind::Refused);

        QVERIFY(RequestStore::expireHolds(db, until.addSecs(-60))->isEmpty());
        const auto expired = RequestStore::expireHolds(db, until);
        QCOMPARE(expired->size(), 1);
        QCOMPARE(RequestStore::read(db, id)->state, RequestStore::State::Expired);
        QVERIFY(!BerthAvailability::busyBerths(db, from, from.addDays(1), 0)->contains(1));
        // An expired request may still be booked.
        QVERIFY(RequestStore::take(db, id, u"Lee@desk2"_s, now()));
    }

    void boatThatFitsNowhere_data()
    {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("problem");
        QTest::newRow("fits A1") << u"11"_s << QString();
        QTest::newRow("too long for all") << u"30"_s << u"No free berth fits a boat of length 30.00 m"_s;
    }
    void boatThatFitsNowhere()
    {
        QFETCH(QString, length);
        QFETCH(QString, problem);
        const auto r =
            RequestMessage::read(form(u"f@x"_s, dated(u"Cy"_s, u"cy@x.org"_s, u"2026-07-03"_s, u"2026-07-04"_s) +
                                                    QStringList{u"boat_length: "_s + length}),
                                 now());
        const auto said = RequestActions::fitProblem(m_install->db(), r);
        QVERIFY2(said, qPrintable(said.error()));
        QVERIFY2(problem.isEmpty() ? said->isEmpty() : said->startsWith(problem), qPrintable(*said));
    }

    void declinedRequestIsAnswered()
    {
        SmtpServer smtp;
        QVERIFY2(smtp.start({}), qPrintable(smtp.error()));
        const auto db = m_install->db();
        const int id =
            addRequest(u"d@x"_s, dated(u"Ann Smith"_s, u"ann@example.org"_s, u"2026-07-03"_s, u"2026-07-10"_s));
        QVERIFY(RequestStore::hold(db, id, 1, now().addSecs(3600), u"Kim@desk1"_s, now()));
        auto reply = RequestActions::declineMessage(db, RequestStore::read(db, id)->request);
        QVERIFY2(reply, qPrintable(reply.error()));
        QVERIFY2(reply->body.contains(DateTimes::dateText(QDate(2026, 7, 3))), qPrintable(reply->body));
        reply->body += u"\nPS: try our sister harbour."_s; // edited before it goes
        QVERIFY(RequestActions::decline(db, id, *reply, u"Kim@desk1"_s, now()));
        QCOMPARE(RequestStore::read(db, id)->state, RequestStore::State::Declined);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM BerthBlock"_s), 0);
        // Declined twice: refused, and no second reply queued.
        QCOMPARE(RequestActions::decline(db, id, *reply, u"Lee@desk2"_s, now()).kind(), FailureKind::Conflict);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Outbox"_s), 1);

        OutboxSender::Config c;
        c.server.host = u"127.0.0.1"_s;
        c.server.port = smtp.port();
        c.server.security = SmtpSender::Security::None;
        c.senderAddress = u"office@harbour.test"_s;
        c.desk = u"Kim@desk1"_s;
        const auto sent = OutboxSender::sendDue(db, c, [this] { return now(); });
        QVERIFY2(sent && *sent == 1, qPrintable(sent.error()));
        QCOMPARE(smtp.waitFor(1), 1);
        const QJsonObject got = smtp.read(smtp.received().first());
        QCOMPARE(got[u"to_address"_s].toString(), u"ann@example.org"_s);
        QVERIFY2(got[u"body"_s].toString().contains(u"sister harbour"_s), qPrintable(got[u"body"_s].toString()));
    }
};

ZEM_TEST(tst_Requests)

#include "tst_Requests.moc"
