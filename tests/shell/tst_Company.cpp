#include "common/TestInstall.h"
#include "common/TestMain.h"
#include "shell/fmCompany.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QTest>

class tst_Company : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestInstall> m_install;

    static QLineEdit* Box(QWidget& window, int index)
    {
        return window.findChild<QLineEdit*>(QStringLiteral("txtFields%1").arg(index));
    }
    static void Click(QWidget& window, const char* name)
    {
        QTest::mouseClick(window.findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
    }
    static void Type(QLineEdit* box, const QString& text)
    {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }

private slots:
    void init() { m_install = std::make_unique<TestInstall>(); }
    void cleanup() { m_install.reset(); }

    void updateStoresAndRefreshRereads()
    {
        const QStringList before = QSqlDatabase::connectionNames();
        {
            fmCompany window(m_install->services);
            window.show();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            QCOMPARE(window.findChild<QLabel*>(QStringLiteral("datPrimaryRS"))->text(), QStringLiteral("Record: 1"));
            QCOMPARE(Box(window, 10)->text(), QStringLiteral("Thank you for your custom."));

            Type(Box(window, 1), QStringLiteral("Zem Harbour Ltd"));
            Type(Box(window, 7), QStringLiteral("PL1 2AB"));
            auto* terms = window.findChild<QPlainTextEdit*>(QStringLiteral("txtFields11"));
            terms->setFocus();
            QTest::keyClicks(terms, QStringLiteral("Deposits are not refundable."));
            Click(window, "cmdUpdate");
            QVERIFY(m_install->messages.calls.isEmpty());
            QCOMPARE(m_install->Value(QStringLiteral("SELECT [Company Name] FROM Company")).toString(),
                     QStringLiteral("Zem Harbour Ltd"));
            QCOMPARE(m_install->Value(QStringLiteral("SELECT Postcode FROM Company")).toString(),
                     QStringLiteral("PL1 2AB"));
            QCOMPARE(m_install->Value(QStringLiteral("SELECT TermsandConditions FROM Company")).toString(),
                     QStringLiteral("Deposits are not refundable."));

            // A change made elsewhere shows after "&Refresh"; typing not yet updated is dropped.
            QVERIFY(m_install->Exec(QStringLiteral("UPDATE Company SET Town = 'Plymouth'")));
            Type(Box(window, 2), QStringLiteral("never saved"));
            Click(window, "cmdRefresh");
            QCOMPARE(Box(window, 5)->text(), QStringLiteral("Plymouth"));
            QCOMPARE(Box(window, 2)->text(), QString());
            QCOMPARE(Box(window, 1)->text(), QStringLiteral("Zem Harbour Ltd"));
        }
        // The window's own connection goes with it.
        QCOMPARE(QSqlDatabase::connectionNames(), before);
    }

    void refusedUpdateIsReportedAndKeepsTheTyping()
    {
        QVERIFY(m_install->Exec(QStringLiteral(
            "CREATE TRIGGER NoChange BEFORE UPDATE ON Company BEGIN SELECT RAISE(ABORT, 'company locked'); END")));
        fmCompany window(m_install->services);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Type(Box(window, 1), QStringLiteral("Marina Ltd"));
        Click(window, "cmdUpdate");
        QCOMPARE(m_install->messages.calls.size(), 1);
        QVERIFY2(m_install->messages.calls[0].text.startsWith(QStringLiteral("Data error event hit err:")) &&
                     m_install->messages.calls[0].text.contains(QStringLiteral("company locked")),
                 qPrintable(m_install->messages.calls[0].text));
        QCOMPARE(Box(window, 1)->text(), QStringLiteral("Marina Ltd"));
        QCOMPARE(m_install->Value(QStringLiteral("SELECT [Company Name] FROM Company")).toString(), QString());
    }
};

ZEM_TEST(tst_Company)
#include "tst_Company.moc"
