#include "PeopleTestSupport.h"
#include "common/TestMain.h"
#include "core/ui/Twips.h"
#include "people/frmFindCustomer.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

// The customer search window driven through its boxes and buttons.
class tst_FindCustomer : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestInstall> m_install;
    std::unique_ptr<frmFindCustomer> m_window;

    void Search(const char* box, const QString& text)
    {
        auto* edit = m_window->findChild<QLineEdit*>(QString::fromLatin1(box));
        edit->clear();
        PeopleTest::TypeText(edit, text);
        m_window->findChild<QPushButton*>(QStringLiteral("cmdStart"))->click();
    }
    QString Shown() const
    {
        QStringList names;
        for (int row = 0; row < m_window->Model()->rowCount(); ++row)
            names << m_window->Model()->index(row, 1).data().toString();
        return names.join(u',') + u'=' + m_window->findChild<QLabel*>(QStringLiteral("lblTotalMatches"))->text();
    }

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
        QVERIFY(m_window->findChild<QTableView*>(QStringLiteral("grdCustomer"))->isColumnHidden(0));
        QVERIFY(m_window->height() < Twips::ToPixelsY(7500, m_window.get()));
        auto* club = m_window->findChild<QCheckBox*>(QStringLiteral("chkClubMember"));
        QCOMPARE(club->checkState(), Qt::PartiallyChecked);
        club->click();
        QCOMPARE(club->checkState(), Qt::Checked);
        Search("txtTown", QStringLiteral("Lon"));
        Search("txtName", QStringLiteral("Sm"));
        QCOMPARE(Shown(), QStringLiteral("Smith,smythe=2"));
        QCOMPARE(m_window->minimumSize(),
                 QSize(Twips::ToPixelsX(9000, m_window.get()), Twips::ToPixelsY(7500, m_window.get())));
        QVERIFY(m_window->height() >= Twips::ToPixelsY(7500, m_window.get()));
    }

    void literalPercentEmptySearchAndDelete()
    {
        Search("txtName", QStringLiteral("%"));
        QCOMPARE(Shown(), QStringLiteral("%Off=1"));
        Search("txtName", QString()); // nothing asked: everyone, and the count keeps its text
        QCOMPARE(Shown(), QStringLiteral("Smith,Smithers,smythe,Small,%Off,Percy=1"));

        Search("txtTown", QStringLiteral("Poole"));
        m_install->messages.answers.enqueue(MsgResult::Yes);
        m_window->findChild<QPushButton*>(QStringLiteral("cmdDeleteCustomer"))->click();
        QCOMPARE(m_install->Value(QStringLiteral("SELECT COUNT(*) FROM Customer WHERE ID = 5")).toInt(), 0);
        QCOMPARE(Shown(), QStringLiteral("Percy=1"));
        QCOMPARE(m_install->EventLogText(), QString()); // the search writes no event
    }
};

ZEM_TEST(tst_FindCustomer)
#include "tst_FindCustomer.moc"
