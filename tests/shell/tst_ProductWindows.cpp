#include "common/TestInstall.h"
#include "common/TestMain.h"
#include "core/InstallPaths.h"
#include "core/Registry.h"
#include "core/modFunctions.h"
#include "core/ui/Twips.h"
#include "shell/frmAbout.h"
#include "shell/frmTipOfTheDay.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

class tst_ProductWindows : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestInstall> m_install;

    void WriteTips(const QByteArray& content)
    {
        QFile file(InstallPaths::AppDir() + QStringLiteral("/TipOfTheDay.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    static QString NextTip() { return Registry::GetRegistryValue(Settings::NextTip, QStringLiteral("unset")); }

private slots:
    void init() { m_install = std::make_unique<TestInstall>(false); }
    void cleanup() { m_install.reset(); }

    void tipsCycleThroughTheFile()
    {
        WriteTips("First tip\r\nSecond tip\r\nThird tip\r\n");
        QPointer<frmTipOfTheDay> window = frmTipOfTheDay::Open(nullptr);
        QVERIFY(window && window->isVisible());
        auto* txtTip = window->findChild<QPlainTextEdit*>(QStringLiteral("txtTip"));
        auto* next = window->findChild<QPushButton*>(QStringLiteral("cmdNextTip"));
        QCOMPARE(txtTip->toPlainText(), QStringLiteral("First tip"));
        QCOMPARE(NextTip(), QStringLiteral("1"));
        const QStringList shown = {QStringLiteral("Second tip"), QStringLiteral("Third tip"), QStringLiteral("First tip")};
        const QStringList stored = {QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("1")};
        for (int i = 0; i < shown.size(); ++i) {
            QTest::mouseClick(next, Qt::LeftButton);
            QCOMPARE(txtTip->toPlainText(), shown[i]);
            QCOMPARE(NextTip(), stored[i]);
        }

        // Unticking the box and OK: no tip at the next start-up.
        auto* show = window->findChild<QCheckBox*>(QStringLiteral("chkShowTipsAtStartup"));
        QVERIFY(show->isChecked());
        show->setChecked(false);
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        QCOMPARE(Registry::GetRegistryValue(Settings::ShowTipAtStartup), QStringLiteral("1"));
        QTRY_VERIFY(!window);
    }

    void noTipClosesTheWindow_data()
    {
        QTest::addColumn<QByteArray>("content"); // "-" for no file
        QTest::addColumn<QString>("nextTip");
        QTest::newRow("no tips file") << QByteArray("-") << "0";
        QTest::newRow("empty file") << QByteArray("") << "0";
        QTest::newRow("file shortened past the stored tip") << QByteArray("Only tip\n") << "3";
        QTest::newRow("stored number is not a number") << QByteArray("Only tip\n") << "x";
    }
    void noTipClosesTheWindow()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, nextTip);
        if (content != "-")
            WriteTips(content);
        Registry::SetRegistryValue(Settings::NextTip, nextTip);
        QVERIFY(!frmTipOfTheDay::Open(nullptr));
        QCOMPARE(NextTip(), nextTip);
    }

    void tipsFileGoingAwayClosesAnOpenWindow()
    {
        WriteTips("One\nTwo\n");
        QPointer<frmTipOfTheDay> window = frmTipOfTheDay::Open(nullptr);
        QVERIFY(window);
        QVERIFY(QFile::remove(InstallPaths::AppDir() + QStringLiteral("/TipOfTheDay.txt")));
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdNextTip")), Qt::LeftButton);
        QTRY_VERIFY(!window);
        QCOMPARE(NextTip(), QStringLiteral("1"));
    }

    void aboutBoxPlacesTheVersionAndReportsNoSystemInfo()
    {
        frmAbout about(m_install->services);
        about.show();
        auto* product = about.findChild<QLabel*>(QStringLiteral("lblCompanyProduct"));
        auto* version = about.findChild<QLabel*>(QStringLiteral("lblVersion"));
        QCOMPARE(product->text(), modFunctions::ProductTitle());
        QCOMPARE(version->text(), modFunctions::VersionText());
        QCOMPARE(version->x(), product->x() + product->width() + Twips::ToPixelsX(300, &about));

        if (!frmAbout::SystemInfoProgram().isEmpty())
            QSKIP("this machine has a system-information program");
        QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("cmdSystemInfo")), Qt::LeftButton);
        QCOMPARE(m_install->messages.calls.size(), 1);
        QCOMPARE(m_install->messages.calls[0].text, QStringLiteral("System Information Is Unavailable At This Time"));
    }
};

ZEM_TEST(tst_ProductWindows)
#include "tst_ProductWindows.moc"
