#include "PeopleTestSupport.h"
#include "common/TestMain.h"
#include "core/ui/Twips.h"
#include "people/frmFindCustomer.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

// The customer search window driven through its boxes and buttons.
class tst_FindCustomer : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestInstall> m_install;
    std::unique_ptr<frmFindCustomer> m_window;

    void Type(const char* box, const QString& text)
    {
        auto* edit = m_window->findChild<QLineEdit*>(QString::fromLatin1(box));
        edit->clear();
        PeopleTest::TypeText(edit, text);
    }
    void Click(const char* button) { m_window->findChild<QPushButton*>(QString::fromLatin1(button))->click(); }
    QStringList Names() const
    {
        const auto* grid = m_window->findChild<QTableView*>(QStringLiteral("grdCustomer"));
        QStringList names;
        for (int row = 0; row < grid->model()->rowCount(); ++row)
            names << grid->model()->index(row, 1).data().toString();
        return names;
    }
    QString Count() const { return m_window->findChild<QLabel*>(QStringLiteral("lblTotalMatches"))->text(); }

private slots:
    void init()
    {
        m_install = std::make_unique<TestInstall>();
        QVERIFY(m_install->Exec(QStringLiteral(
            "INSERT INTO Customer (ID, Name, Town, ClubMember) VALUES (1, 'Smith', 'London', 1), "
            "(2, 'Smithers', 'Barking, London', 1), (3, 'smythe', 'lONDON', 1), (4, 'Small', 'London', 0), "
            "(5, '%Off', 'Poole', 0), (6, 'Percy', 'Poole', 0)")));
        m_window = std::make_unique<frmFindCustomer>(m_install->services);
        QVERIFY(m_window->Load());
        m_window->show();
    }
    void cleanup()
    {
        m_window.reset();
        m_install.reset();
    }

    void exampleSearch()
    {
        const auto* grid = m_window->findChild<QTableView*>(QStringLiteral("grdCustomer"));
        QVERIFY(grid->isColumnHidden(0));
        QCOMPARE(Names().size(), 6);
        QVERIFY(m_window->height() < Twips::ToPixelsY(7500, m_window.get()));
        Type("txtName", QStringLiteral("Sm"));
        Type("txtTown", QStringLiteral("Lon"));
        auto* club = m_window->findChild<QCheckBox*>(QStringLiteral("chkClubMember"));
        QCOMPARE(club->checkState(), Qt::PartiallyChecked);
        club->click();
        QCOMPARE(club->checkState(), Qt::Checked);
        Click("cmdStart");

        QCOMPARE(Names(), (QStringList{QStringLiteral("Smith"), QStringLiteral("smythe")}));
        QCOMPARE(Count(), QStringLiteral("2"));
        QVERIFY(m_window->Searched());
        QCOMPARE(m_window->minimumSize(),
                 QSize(Twips::ToPixelsX(9000, m_window.get()), Twips::ToPixelsY(7500, m_window.get())));
        QVERIFY(m_window->height() >= Twips::ToPixelsY(7500, m_window.get()));
    }

    void percentMatchesLiterally()
    {
        Type("txtName", QStringLiteral("%"));
        Click("cmdStart");
        QCOMPARE(Names(), QStringList{QStringLiteral("%Off")});
        QCOMPARE(Count(), QStringLiteral("1"));
    }

    void emptySearchShowsAllAndKeepsTheCount()
    {
        Type("txtTown", QStringLiteral("Poole"));
        Click("cmdStart");
        QCOMPARE(Count(), QStringLiteral("2"));
        Type("txtTown", QString());
        Click("cmdStart");
        QCOMPARE(Names().size(), 6);
        QCOMPARE(Count(), QStringLiteral("2"));
    }

    void deleteAsksAndWritesNoEvent()
    {
        Type("txtTown", QStringLiteral("Poole"));
        Click("cmdStart");
        m_install->messages.answers.enqueue(MsgResult::Yes);
        Click("cmdDeleteCustomer");
        QCOMPARE(m_install->messages.calls.size(), 1);
        QCOMPARE(m_install->Value(QStringLiteral("SELECT COUNT(*) FROM Customer WHERE ID = 5")).toInt(), 0);
        QCOMPARE(Names(), QStringList{QStringLiteral("Percy")});
        QCOMPARE(m_install->EventLogText(), QString());
    }
};

ZEM_TEST(tst_FindCustomer)
#include "tst_FindCustomer.moc"
