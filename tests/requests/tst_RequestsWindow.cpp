#include "bookings/BookingWizard.h"
#include "common/TestSupport.h"
#include "core/Actor.h"
#include "requests/RequestStore.h"
#include "requests/RequestsWindow.h"

#include <QComboBox>
#include <QTableWidget>

using namespace Qt::StringLiterals;

// The queue window's Accept: the clerk is told first when no free berth fits, and the wizard opens filled.
class tst_RequestsWindow : public InstallTest
{
    Q_OBJECT

    void seed() override
    {
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, TypeID, Active, Length, Width, MaxDraft) VALUES "
                     u"(1, 'A1', 1, 1, 12, 4, 2.5)"_s));
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name, EmailAddress) VALUES (1, 'Ann Smith', 'ann@example.org')"_s));
    }

private slots:
    void acceptOpensTheWizard_data()
    {
        QTest::addColumn<QString>("email");
        QTest::addColumn<int>("lengthCm");
        QTest::addColumn<bool>("yes"); // to "Open the booking wizard all the same?"
        QTest::addColumn<bool>("opened");
        const QString ann = u"ann@example.org"_s;
        QTest::newRow("fits: no question") << ann << 1100 << false << true;
        QTest::newRow("fits nowhere, stopped") << ann << 3000 << false << false;
        QTest::newRow("fits nowhere, opened") << ann << 3000 << true << true;
        QTest::newRow("a guest not known yet") << u"nia@example.org"_s << 1100 << false << true;
    }
    void acceptOpensTheWizard()
    {
        QFETCH(QString, email);
        QFETCH(int, lengthCm);
        QFETCH(bool, yes);
        QFETCH(bool, opened);
        RequestMessage::Request r;
        r.messageId = u"<w@x>"_s;
        r.received = m_install->clock.now();
        r.name = u"Ann Smith"_s;
        r.email = email;
        r.arrive = m_install->clock.now().date().addDays(10);
        r.depart = r.arrive.addDays(3);
        r.lengthCm = lengthCm;
        const auto added = RequestStore::add(m_install->db(), r);
        QVERIFY(added);
        TestHost host;
        RequestsWindow window(host, m_install->services, nullptr);
        QCOMPARE(window.findChild<QTableWidget*>(u"grdRequests"_s)->rowCount(), 1);
        m_install->messages.answers.enqueue(yes ? MsgResult::Yes : MsgResult::No);
        QCOMPARE(window.acceptRequest(), opened);
        QCOMPARE(said().contains(u"No free berth fits"_s), lengthCm > 1200);
        auto* wizard = qobject_cast<BookingWizard*>(host.findWindow(u"frmBooking"_s));
        QCOMPARE(wizard != nullptr, opened);
        const auto row = RequestStore::read(m_install->db(), added->id);
        QCOMPARE(row->state, opened ? RequestStore::State::Accepted : RequestStore::State::New);
        if (!opened)
            return;
        QCOMPARE(wizard->fromDate().date(), r.arrive);
        QCOMPARE(wizard->toDate().date(), r.depart);
        // The customer was found by e-mail, or is offered as new; nothing is added before the booking is saved.
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Customer"_s), 1);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Boat"_s), 0);
        const QString customer = wizard->findChild<QComboBox*>(u"cboCustomer"_s)->currentText();
        QVERIFY2(customer.startsWith(u"Ann Smith"_s), qPrintable(customer));
        QCOMPARE(customer.endsWith(u"(new)"_s), email != u"ann@example.org"_s);
        const QString boat = wizard->findChild<QComboBox*>(u"cboBoat"_s)->currentText();
        QVERIFY2(boat.endsWith(u"(new)"_s), qPrintable(boat));
    }

    // A held request from a guest not known yet, booked through the wizard: the held berth is offered to this booking
    // alone, and the guest, the booking and the end of the hold are saved together.
    void heldRequestBookedThroughTheWizard()
    {
        const auto db = m_install->db();
        const QDateTime now = m_install->clock.now();
        RequestMessage::Request r;
        r.messageId = u"<held@x>"_s;
        r.received = now;
        r.name = u"Nia Vale"_s;
        r.email = u"nia@example.org"_s;
        r.arrive = now.date().addDays(10);
        r.depart = r.arrive.addDays(3);
        const auto added = RequestStore::add(db, r);
        QVERIFY(added);
        QVERIFY(RequestStore::hold(db, added->id, 1, now.addSecs(48 * 3600), Actor::label(), now));
        TestHost host;
        RequestsWindow window(host, m_install->services, nullptr);
        QVERIFY(window.acceptRequest());
        auto* wizard = qobject_cast<BookingWizard*>(host.findWindow(u"frmBooking"_s));
        QVERIFY(wizard);
        wizard->show();
        QCOMPARE(wizard->step(), 1);
        QCOMPARE(wizard->selectedCount(), 1);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM BerthBlock WHERE RequestID IS NOT NULL"_s), 1);
        click(*wizard, "cmdNext");
        click(*wizard, "cmdNext");
        QCOMPARE(wizard->step(), 3);
        click(*wizard, "cmdNext");
        QVERIFY2(m_install->scalarInt(u"SELECT COUNT(*) FROM Booking"_s) == 1, qPrintable(said()));
        QCOMPARE(m_install->text(u"SELECT C.Name FROM Booking K JOIN BookingBerth B ON B.BookingID = K.ID JOIN "
                                 u"Customer C ON C.ID = K.CustomerID WHERE B.BerthID = 1"_s),
                 u"Nia Vale"_s);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM BerthBlock"_s), 0);
        const auto row = RequestStore::read(db, added->id);
        QCOMPARE(RequestStore::stateText(*row), u"Booked"_s);
    }
};

ZEM_TEST(tst_RequestsWindow)

#include "tst_RequestsWindow.moc"
