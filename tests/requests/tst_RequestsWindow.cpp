#include "bookings/BookingWizard.h"
#include "common/TestSupport.h"
#include "requests/RequestStore.h"
#include "requests/RequestsWindow.h"

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
        QTest::addColumn<int>("lengthCm");
        QTest::addColumn<bool>("yes"); // to "Open the booking wizard all the same?"
        QTest::addColumn<bool>("opened");
        QTest::newRow("fits: no question") << 1100 << false << true;
        QTest::newRow("fits nowhere, stopped") << 3000 << false << false;
        QTest::newRow("fits nowhere, opened") << 3000 << true << true;
    }
    void acceptOpensTheWizard()
    {
        QFETCH(int, lengthCm);
        QFETCH(bool, yes);
        QFETCH(bool, opened);
        RequestMessage::Request r;
        r.messageId = u"<w@x>"_s;
        r.received = m_install->clock.now();
        r.name = u"Ann Smith"_s;
        r.email = u"ann@example.org"_s;
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
        // The customer was found by e-mail, not added again.
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Customer"_s), 1);
    }
};

ZEM_TEST(tst_RequestsWindow)

#include "tst_RequestsWindow.moc"
