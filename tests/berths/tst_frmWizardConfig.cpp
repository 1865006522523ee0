#include "GuiSupport.h"
#include "berths/frmWizardConfig.h"
#include "common/TestInstall.h"
#include "common/TestMain.h"
#include "core/Registry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

// The configuration wizard: its pages, its settings and the berths it adds.
class tst_frmWizardConfig : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestInstall> m_install;
    CountingHost m_host;

    static void AddBerth(QWidget& window, const QString& name)
    {
        QTest::keyClicks(Control<QLineEdit>(window, "txtName"), name);
        Control<QComboBox>(window, "cboBerthType")->setCurrentIndex(0);
        Click(window, "cmdAdd");
    }
    std::unique_ptr<frmWizardConfig> Open()
    {
        auto wizard = std::make_unique<frmWizardConfig>(m_install->services, &m_host);
        wizard->show();
        return wizard;
    }

private slots:
    void init()
    {
        m_install = std::make_unique<TestInstall>();
        m_host.refreshes = 0;
        QVERIFY(m_install->Exec(QStringLiteral("INSERT INTO Berth (ID, Name, TypeID) VALUES (1, 'b1', 1)")));
    }
    void cleanup() { m_install.reset(); }

    void welcomeFlagOpensOnTheRegionalPage()
    {
        Registry::SetRegistryValue(Settings::ConfigWelcome, QStringLiteral("1"));
        auto wizard = Open();
        QCOMPARE(wizard->CurrentPage(), int(frmWizardConfig::Regional));
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Enter Your Regional Information"));
        QVERIFY(!Control<QCheckBox>(*wizard, "chkWelcome")->isChecked());
        // No post code choice stored: Next refuses to leave the page.
        QCOMPARE(Control<QComboBox>(*wizard, "cboPostCode")->currentIndex(), -1);
        Click(*wizard, "cmdNext");
        QCOMPARE(wizard->CurrentPage(), int(frmWizardConfig::Regional));
        QCOMPARE(m_install->messages.calls.size(), 1);
        QCOMPARE(m_install->messages.calls[0].text, QStringLiteral("Please select Post Code or Zip Code"));
        QCOMPARE(m_install->messages.calls[0].title, QStringLiteral("Enter Your Regional Information"));
        // Back still leads to the welcome page, where Back is hidden.
        Click(*wizard, "cmdBack");
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Configuration Wizard"));
        QVERIFY(Control<QPushButton>(*wizard, "cmdBack")->isHidden());
    }

    void addTwoThenCancelWritesNothing()
    {
        auto wizard = Open();
        Click(*wizard, "cmdNext");
        Control<QComboBox>(*wizard, "cboPostCode")->setCurrentIndex(1);
        Click(*wizard, "cmdNext");
        AddBerth(*wizard, QStringLiteral("C1"));
        AddBerth(*wizard, QStringLiteral("a2"));
        auto* list = Control<QListWidget>(*wizard, "lstBerth");
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->item(0)->text(), QStringLiteral("a2")); // plain names, sorted
        Click(*wizard, "cmdCancel");
        QVERIFY(!wizard->isVisible());
        QCOMPARE(m_install->Value(QStringLiteral("SELECT COUNT(*) FROM Berth")).toInt(), 1);
        QCOMPARE(m_install->EventLogText(), QString());
        QCOMPARE(Registry::GetRegistryValue(Settings::PostCode, QStringLiteral("missing")), QStringLiteral("missing"));
        QCOMPARE(m_host.refreshes, 0);
    }

    void finishStoresSettingsBerthsAndEvents()
    {
        Registry::SetRegistryValue(Settings::PostCode, QStringLiteral("0"));
        auto wizard = Open();
        QVERIFY(Control<QCheckBox>(*wizard, "chkWelcome")->isChecked());
        Control<QCheckBox>(*wizard, "chkWelcome")->setChecked(false);
        Click(*wizard, "cmdNext");
        Click(*wizard, "cmdNext");
        AddBerth(*wizard, QStringLiteral("C1"));
        auto* list = Control<QListWidget>(*wizard, "lstBerth");
        list->setCurrentItem(list->findItems(QStringLiteral("b1"), Qt::MatchExactly).value(0));
        m_install->messages.answers.enqueue(MsgResult::Yes);
        Click(*wizard, "cmdRemove");
        Click(*wizard, "cmdNext");
        QCOMPARE(Control<QPushButton>(*wizard, "cmdNext")->text(), QStringLiteral("&Finish"));
        Click(*wizard, "cmdNext");
        QVERIFY(!wizard->isVisible());

        QCOMPARE(Registry::GetRegistryValue(Settings::ConfigWelcome), QStringLiteral("1"));
        QCOMPARE(Registry::GetRegistryValue(Settings::PostCode), QStringLiteral("0"));
        QCOMPARE(m_install->Value(QStringLiteral("SELECT Name FROM Berth")).toString(), QStringLiteral("C1"));
        const QString log = m_install->EventLogText();
        const qsizetype code = log.indexOf(QStringLiteral("[Regional settings modified]\r\nCode: Post Code\r\n"));
        const qsizetype added = log.indexOf(QStringLiteral("[Berth added]\r\nName: 'C1'\r\n"));
        const qsizetype deleted = log.indexOf(QStringLiteral("[Berth deleted]\r\nName: 'b1'\r\n"));
        QVERIFY(code >= 0 && code < added && added < deleted);
        QCOMPARE(m_host.refreshes, 1);
    }
};

ZEM_TEST(tst_frmWizardConfig)
#include "tst_frmWizardConfig.moc"
