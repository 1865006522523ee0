#include "GuiSupport.h"
#include "berths/frmEditBerths.h"
#include "common/TestInstall.h"
#include "common/TestMain.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// The berth table editor on its own connection: navigation, money shown as money, saving on a move.
class tst_frmEditBerths : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestInstall> m_install;

    QVariant Value(const QString& sql) const { return m_install->Value(sql); }
    static QLineEdit* Box(QWidget& window, int field)
    {
        return window.findChild<QLineEdit*>(QStringLiteral("txtFields%1").arg(field));
    }
    static void Retype(QLineEdit* box, const QString& text)
    {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }

private slots:
    void init()
    {
        m_install = std::make_unique<TestInstall>();
        // A1's daily charge has more decimals than a money box shows.
        QVERIFY(m_install->Exec(QStringLiteral("INSERT INTO Berth (ID, Name, Length, DailyHireCharge, Active) VALUES "
                                               "(1, 'A1', 7.25, 123456, 1), (2, 'B1', NULL, 125000, 1)")));
    }
    void cleanup() { m_install.reset(); }

    void navigationShowsAndSavesRows()
    {
        frmEditBerths editor(m_install->services);
        QVERIFY(editor.Connected());
        editor.show();
        QCOMPARE(editor.windowTitle(), QStringLiteral("Edit Berths"));
        auto* caption = Control<QLabel>(editor, "lblCaption");
        QCOMPARE(caption->text(), QStringLiteral("Record: 1"));
        QCOMPARE(Box(editor, frmEditBerths::FieldDaily)->text(), QStringLiteral("£12.35"));
        QCOMPARE(Box(editor, frmEditBerths::FieldLength)->text(), QStringLiteral("7.25"));

        Click(editor, "cmdNext");
        QCOMPARE(caption->text(), QStringLiteral("Record: 2"));
        QCOMPARE(Value(QStringLiteral("SELECT DailyHireCharge FROM Berth WHERE ID = 1")).toLongLong(), 123456);
        QCOMPARE(Box(editor, frmEditBerths::FieldDaily)->text(), QStringLiteral("£12.50"));
        QVERIFY(Box(editor, frmEditBerths::FieldLength)->text().isEmpty());

        // Changes are stored when the user moves on, through the editor's own connection.
        Retype(Box(editor, frmEditBerths::FieldDaily), QStringLiteral("13"));
        Retype(Box(editor, frmEditBerths::FieldWeekly), QStringLiteral("£80.5"));
        Control<QCheckBox>(editor, "chkFields1")->setChecked(false);
        Click(editor, "cmdFirst");
        QCOMPARE(caption->text(), QStringLiteral("Record: 1"));
        QCOMPARE(Value(QStringLiteral("SELECT DailyHireCharge FROM Berth WHERE ID = 2")).toLongLong(), 130000);
        QCOMPARE(Value(QStringLiteral("SELECT WeeklyHireCharge FROM Berth WHERE ID = 2")).toLongLong(), 805000);
        QCOMPARE(Value(QStringLiteral("SELECT Active FROM Berth WHERE ID = 2")).toInt(), 0);
        QVERIFY(Value(QStringLiteral("SELECT Length FROM Berth WHERE ID = 2")).isNull());

        // Emptying a money box stores nothing, not zero; "&Update" saves without moving.
        Retype(Box(editor, frmEditBerths::FieldDaily), QString());
        Click(editor, "cmdUpdate");
        QVERIFY(Value(QStringLiteral("SELECT DailyHireCharge FROM Berth WHERE ID = 1")).isNull());
        QCOMPARE(caption->text(), QStringLiteral("Record: 1"));
        QVERIFY(m_install->messages.calls.isEmpty());
    }

    void refusedAmountStopsTheMoveAndRefreshDropsIt()
    {
        frmEditBerths editor(m_install->services);
        QVERIFY(ShowActive(editor));
        auto* monthly = Box(editor, frmEditBerths::FieldMonthly);
        monthly->setFocus();
        QTest::keyClicks(monthly, QStringLiteral("lots"));
        Click(editor, "cmdLast");
        QTRY_COMPARE(m_install->messages.calls.size(), 1);
        QCOMPARE(m_install->messages.calls[0].title, QStringLiteral("Monthly Hire Charge"));
        QCOMPARE(Control<QLabel>(editor, "lblCaption")->text(), QStringLiteral("Record: 1"));

        Click(editor, "cmdRefresh");
        QVERIFY(monthly->text().isEmpty());
        Click(editor, "cmdLast");
        QCOMPARE(Control<QLabel>(editor, "lblCaption")->text(), QStringLiteral("Record: 2"));
        QCOMPARE(m_install->messages.calls.size(), 1);
    }
};

ZEM_TEST(tst_frmEditBerths)
#include "tst_frmEditBerths.moc"
