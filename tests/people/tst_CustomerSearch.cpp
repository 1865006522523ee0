#include "bookings/DependentBookings.h"
#include "common/TestSupport.h"
#include "core/ui/Twips.h"
#include "people/CustomerSearch.h"
#include "people/FindCustomerDialog.h"

#include <QAbstractItemModelTester>

using Club = CustomerCriteria::Club;
Q_DECLARE_METATYPE(CustomerCriteria::Club)

// The customer search's rule (the start of each typed text, whatever the case, taken literally; the club box),
// then the search window driven through its boxes and buttons.
class tst_CustomerSearch : public InstallTest
{
    Q_OBJECT
    std::unique_ptr<CustomerSearchModel> m_model;

    void seed() override
    {
        QVERIFY(m_install->exec(
            u"INSERT INTO Customer (ID, Name, Town, ClubMember) VALUES (1, 'Smith', 'London', 1), "
            u"(2, 'Smithson', 'Londonderry', 0), (3, 'Smyth', 'Barking, London', 1), (4, 'O''Neill', 'Lon', 0), "
            u"(5, '%Off', 'Poole', -1), (6, 'Ab_c', NULL, 0), (7, 'Łukasz', 'Ελευσίνα', 1), (8, 'smart', 'london', 1)"_s));
        // Every searched column holds its own text, so a box that searches the wrong column is caught.
        QVERIFY(m_install->exec(
            u"INSERT INTO Customer (ID, Name, HouseName, Street, Area, Town, PostCode, TelNo, MobileNo, EmailAddress, "
            u"MembershipNo, Notes) VALUES (9, 'q0', 'q1', 'q2', 'q3', 'q4', 'q5', 'q6', 'q7', 'q8', 'q9', 'n')"_s));
        m_model = std::make_unique<CustomerSearchModel>();
        QVERIFY(m_model->load(m_install->db()));
    }
    void tearDown() override { m_model.reset(); }

    QList<int> shown() const
    {
        QList<int> ids;
        for (int row = 0; row < m_model->rowCount(); ++row)
            ids << m_model->idAt(row);
        return ids;
    }

    /// Types into one box of the window and starts the search; the names found and the count.
    static QString search(FindCustomerDialog& window, const char* box, const QString& text)
    {
        control(window, box)->clear();
        typeKeys(control(window, box), text);
        click(window, "cmdStart");
        return shown(window);
    }
    static QString shown(FindCustomerDialog& window)
    {
        return columnTexts(*window.model(), 1).join(u',') + u'=' + control<QLabel>(window, "lblTotalMatches")->text();
    }

private slots:
    void rules_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("town");
        QTest::addColumn<Club>("club");
        QTest::addColumn<bool>("narrowed");
        QTest::addColumn<QList<int>>("ids");
        const QString none;
        QTest::newRow("example: Sm, Lon, ticked") << u"Sm"_s << u"Lon"_s << Club::Ticked << true << QList<int>{1, 8};
        QTest::newRow("nothing asked") << none << none << Club::Undecided << false
                                       << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9};
        QTest::newRow("only non-members") << none << none << Club::Clear << true << QList<int>{2, 4, 6, 9};
        QTest::newRow("only members") << none << none << Club::Ticked << true << QList<int>{1, 3, 5, 7, 8};
        QTest::newRow("name, any club") << "sm" << none << Club::Undecided << true << QList<int>{1, 2, 3, 8};
        QTest::newRow("start of the town only") << none << "Lon" << Club::Undecided << true << QList<int>{1, 2, 4, 8};
        QTest::newRow("apostrophe") << "O'Neill" << none << Club::Undecided << true << QList<int>{4};
        QTest::newRow("percent is literal") << "%" << none << Club::Undecided << true << QList<int>{5};
        QTest::newRow("underscore is literal") << "_" << none << Club::Undecided << true << QList<int>{};
        QTest::newRow("underscore inside") << "Ab_" << none << Club::Undecided << true << QList<int>{6};
        QTest::newRow("percent inside") << "A%" << none << Club::Undecided << true << QList<int>{};
        QTest::newRow("non-Latin case") << u"łU"_s << u"ελ"_s << Club::Ticked << true << QList<int>{7};
    }
    void rules()
    {
        QFETCH(QString, name);
        QFETCH(QString, town);
        QFETCH(Club, club);
        QFETCH(bool, narrowed);
        QFETCH(QList<int>, ids);
        QAbstractItemModelTester tester(m_model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        CustomerCriteria criteria;
        criteria.texts[CustomerCriteria::Name] = name;
        criteria.texts[CustomerCriteria::Town] = town;
        criteria.club = club;
        QCOMPARE(m_model->apply(criteria), narrowed);
        QCOMPARE(shown(), ids);
    }

    void eachBoxSearchesItsColumn()
    {
        for (int f = 0; f < CustomerCriteria::FieldCount; ++f) {
            CustomerCriteria criteria;
            criteria.texts[f] = u"Q%1"_s.arg(f);
            QVERIFY(m_model->apply(criteria));
            QCOMPARE(shown(), QList<int>{9});
            criteria.texts[f] = u"q%1"_s.arg((f + 1) % CustomerCriteria::FieldCount);
            m_model->apply(criteria);
            QVERIFY2(shown().isEmpty(), qPrintable(QString::number(f)));
        }
    }

    void windowExampleSearch()
    {
        FindCustomerDialog window(m_install->services, DependentBookings::ofCustomer());
        QVERIFY(window.load());
        window.show();
        QVERIFY(control<QTableView>(window, "grdCustomer")->isColumnHidden(0));
        QVERIFY(window.height() < Twips::toPixelsY(7500, &window));
        auto* club = control<QCheckBox>(window, "chkClubMember");
        QCOMPARE(club->checkState(), Qt::PartiallyChecked);
        club->click();
        QCOMPARE(club->checkState(), Qt::Checked);
        search(window, "txtTown", u"Lon"_s);
        QCOMPARE(search(window, "txtName", u"Sm"_s), u"Smith,smart=2"_s);
        QCOMPARE(window.minimumSize(), QSize(Twips::toPixelsX(9000, &window), Twips::toPixelsY(7500, &window)));
        QVERIFY(window.height() >= Twips::toPixelsY(7500, &window));
    }

    void windowLiteralPercentEmptySearchAndDelete()
    {
        FindCustomerDialog window(m_install->services, DependentBookings::ofCustomer());
        QVERIFY(window.load());
        window.show();
        QCOMPARE(search(window, "txtName", u"%"_s), u"%Off=1"_s);
        // Nothing asked: everyone, and the count keeps its text.
        QCOMPARE(search(window, "txtName", QString()), u"Smith,Smithson,Smyth,O'Neill,%Off,Ab_c,Łukasz,smart,q0=1"_s);
        QCOMPARE(search(window, "txtTown", u"London"_s), u"Smith,Smithson,smart=3"_s);
        m_install->messages.answers.enqueue(MsgResult::Yes);
        click(window, "cmdDeleteCustomer");
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Customer WHERE ID = 1"_s), 0);
        QCOMPARE(shown(window), u"Smithson,smart=2"_s);
        QCOMPARE(window.model()->index(1, CustomerSearchModel::ColClubMember).data().toString(), u"Yes"_s);
        // A search starts again from every customer loaded, less the one deleted.
        QCOMPARE(search(window, "txtTown", QString()), u"Smithson,Smyth,O'Neill,%Off,Ab_c,Łukasz,smart,q0=2"_s);
        QCOMPARE(m_install->eventLogText(), QString()); // the search writes no event
    }
};

ZEM_TEST(tst_CustomerSearch)
#include "tst_CustomerSearch.moc"
