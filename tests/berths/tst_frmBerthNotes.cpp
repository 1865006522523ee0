#include "GuiSupport.h"
#include "berths/frmBerthNotes.h"
#include "common/TestInstall.h"
#include "common/TestMain.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

// The notes of several berths edited in one visit.
class tst_frmBerthNotes : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestInstall> m_install;

    QString Notes(int id) const
    {
        return m_install->Value(QStringLiteral("SELECT Notes FROM Berth WHERE ID = ?"), {id}).toString();
    }
    static void Choose(frmBerthNotes& window, const QString& name)
    {
        auto* combo = window.findChild<QComboBox*>(QStringLiteral("cboName"));
        combo->setCurrentIndex(combo->findText(name));
    }
    static void Type(frmBerthNotes& window, const QString& text)
    {
        auto* notes = window.findChild<QPlainTextEdit*>(QStringLiteral("txtNotes"));
        notes->selectAll();
        QTest::keyClicks(notes, text);
    }

private slots:
    void init()
    {
        m_install = std::make_unique<TestInstall>();
        QVERIFY(m_install->Exec(
            QStringLiteral("INSERT INTO Berth (ID, Name, Notes) VALUES (1, 'A1', 'old A'), (2, 'B1', 'old B')")));
    }
    void cleanup() { m_install.reset(); }

    void twoBerthsEditedThenOk()
    {
        frmBerthNotes window(m_install->services);
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Berth  Notes"));
        auto* notes = window.findChild<QPlainTextEdit*>(QStringLiteral("txtNotes"));
        QVERIFY(!notes->isEnabled()); // no berth chosen yet
        Choose(window, QStringLiteral("A1"));
        QCOMPARE(notes->toPlainText(), QStringLiteral("old A"));
        Type(window, QStringLiteral("new A"));
        Choose(window, QStringLiteral("B1"));
        Type(window, QStringLiteral("new B"));
        Choose(window, QStringLiteral("A1"));
        QCOMPARE(notes->toPlainText(), QStringLiteral("new A")); // kept while the window is open
        QCOMPARE(Notes(1), QStringLiteral("old A"));
        Click(window, "cmdOK");
        QVERIFY(!window.isVisible());
        QCOMPARE(Notes(1), QStringLiteral("new A"));
        QCOMPARE(Notes(2), QStringLiteral("new B"));
        QCOMPARE(m_install->EventLogText().count(QStringLiteral("[Berth modified]\r\nNotes modified\r\n")), 1);
    }

    void cancelKeepsTheStoredNotes()
    {
        frmBerthNotes window(m_install->services);
        window.show();
        Choose(window, QStringLiteral("B1"));
        Type(window, QStringLiteral("new B"));
        Click(window, "cmdCancel");
        QCOMPARE(Notes(2), QStringLiteral("old B"));
        QCOMPARE(m_install->EventLogText(), QString());
    }

    void okWithoutChangesStillLogs()
    {
        frmBerthNotes window(m_install->services);
        window.show();
        Click(window, "cmdOK");
        QVERIFY(m_install->EventLogText().contains(QStringLiteral("Notes modified")));
    }
};

ZEM_TEST(tst_frmBerthNotes)
#include "tst_frmBerthNotes.moc"
