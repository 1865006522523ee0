#include "common/TestInstall.h"
#include "common/TestMain.h"
#include "people/CustomerSearch.h"

#include <QAbstractItemModelTester>
#include <QTest>

using Club = CustomerCriteria::Club;
Q_DECLARE_METATYPE(CustomerCriteria::Club)

// The customer search's rule: the start of each typed text, whatever the case, taken literally; the club box.
class tst_CustomerSearch : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestInstall> m_install;
    std::unique_ptr<CustomerSearchModel> m_model;

    QList<int> Shown() const
    {
        QList<int> ids;
        for (int row = 0; row < m_model->rowCount(); ++row)
            ids << m_model->IdAt(row);
        return ids;
    }

private slots:
    void init()
    {
        m_install = std::make_unique<TestInstall>();
        QVERIFY(m_install->Exec(QStringLiteral(
            "INSERT INTO Customer (ID, Name, Town, ClubMember) VALUES "
            "(1, 'Smith', 'London', 1), (2, 'Smithson', 'Londonderry', 0), (3, 'Smyth', 'Barking, London', 1), "
            "(4, 'O''Neill', 'Lon', 0), (5, '%Off', 'Poole', -1), (6, 'Ab_c', NULL, 0), "
            "(7, 'Łukasz', 'Ελευσίνα', 1), (8, 'smart', 'london', 1)")));
        // Every searched column holds its own text, so a box that searches the wrong column is caught.
        QVERIFY(m_install->Exec(QStringLiteral(
            "INSERT INTO Customer (ID, Name, HouseName, Street, Area, Town, PostCode, TelNo, MobileNo, EmailAddress, "
            "MembershipNo, Notes) VALUES (9, 'q0', 'q1', 'q2', 'q3', 'q4', 'q5', 'q6', 'q7', 'q8', 'q9', 'n')")));
        m_model = std::make_unique<CustomerSearchModel>();
        QVERIFY(m_model->Load(m_install->Db()));
    }
    void cleanup()
    {
        m_model.reset();
        m_install.reset();
    }

    void rules_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("town");
        QTest::addColumn<Club>("club");
        QTest::addColumn<bool>("narrowed");
        QTest::addColumn<QList<int>>("ids");
        const QString none;
        QTest::newRow("example: Sm, Lon, ticked") << "Sm"
                                                  << "Lon" << Club::Ticked << true << QList<int>{1, 8};
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
        QTest::newRow("non-Latin case") << "łU"
                                        << "ελ" << Club::Ticked << true << QList<int>{7};
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
        QCOMPARE(m_model->Apply(criteria), narrowed);
        QCOMPARE(Shown(), ids);
    }

    void eachBoxSearchesItsColumn()
    {
        for (int f = 0; f < CustomerCriteria::FieldCount; ++f) {
            CustomerCriteria criteria;
            criteria.texts[f] = QStringLiteral("Q%1").arg(f);
            QVERIFY(m_model->Apply(criteria));
            QCOMPARE(Shown(), QList<int>{9});
            criteria.texts[f] = QStringLiteral("q%1").arg((f + 1) % CustomerCriteria::FieldCount);
            m_model->Apply(criteria);
            QVERIFY2(Shown().isEmpty(), qPrintable(QString::number(f)));
        }
    }

    void gridValuesAndRemoval()
    {
        CustomerCriteria criteria;
        criteria.club = Club::Ticked;
        m_model->Apply(criteria);
        QCOMPARE(m_model->data(m_model->index(2, CustomerSearchModel::ColClubMember)).toString(),
                 QStringLiteral("Yes"));
        m_model->Remove(1); // customer 3
        QCOMPARE(Shown(), (QList<int>{1, 5, 7, 8}));
        QCOMPARE(m_model->LoadedCount(), 8);
        m_model->Apply(CustomerCriteria()); // a search starts again from every loaded customer
        QCOMPARE(Shown(), (QList<int>{1, 2, 4, 5, 6, 7, 8, 9}));
    }
};

ZEM_TEST(tst_CustomerSearch)
#include "tst_CustomerSearch.moc"
