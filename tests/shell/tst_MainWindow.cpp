#include "common/TestInstall.h"
#include "common/TestMain.h"
#include "core/Registry.h"
#include "shell/MDIMain.h"

#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QVBoxLayout>

namespace {
/// A child window with one single-line and one multi-line box, counting its activations.
class TestChild final : public ChildWindow
{
public:
    explicit TestChild(bool maximise) : m_maximise(maximise)
    {
        setObjectName(QStringLiteral("TestChild"));
        auto* layout = new QVBoxLayout(this);
        line = new QLineEdit(this);
        text = new QPlainTextEdit(this);
        layout->addWidget(line);
        layout->addWidget(text);
    }
    void Activated() override { ++activations; }
    bool MaximiseOnActivate() const override { return m_maximise; }

    QLineEdit* line;
    QPlainTextEdit* text;
    int activations = 0;

private:
    bool m_maximise;
};
} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestInstall> m_install;
    std::unique_ptr<MDIMain> m_window;

    QAction* Item(const char* name) const { return m_window->findChild<QAction*>(QString::fromLatin1(name)); }

    /// The enabled state of Undo, Cut, Copy, Paste, Clear and Select All after the Edit menu opens.
    QString EditState() const
    {
        emit m_window->findChild<QMenu*>(QStringLiteral("mnuEdit"))->aboutToShow();
        QString state;
        for (int index : {0, 2, 3, 4, 6, 7})
            state += Item(qPrintable(QStringLiteral("mnuEditAction%1").arg(index)))->isEnabled() ? u'1' : u'0';
        return state;
    }

    TestChild* OpenChild(bool maximise = false)
    {
        auto* child = new TestChild(maximise);
        m_window->ShowChild(child);
        return child;
    }

private slots:
    void init()
    {
        m_install = std::make_unique<TestInstall>();
        m_window = std::make_unique<MDIMain>(m_install->services);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanup()
    {
        m_window.reset();
        m_install.reset();
    }

    void menuItems_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shortcut");
        QTest::addColumn<bool>("enabled");
        // Items whose windows exist run them; the others wait, disabled, to be connected.
        QTest::newRow("compact") << "mnuFileCompactDB" << "&Compact && repair database" << "" << false;
        QTest::newRow("day end") << "mnuFileDayEndTrace" << "End of &workday" << "" << true;
        QTest::newRow("traces") << "mnuFileTracesView" << "View &trace log" << "" << true;
        QTest::newRow("exit") << "mnuFileExit" << "Exit" << "" << true;
        QTest::newRow("add booking") << "mnuBookingsAdd" << "Add Booking" << "Ctrl+B" << true;
        QTest::newRow("find booking") << "mnuBookingsFind" << "Find Booking..." << "Ctrl+F" << false;
        QTest::newRow("advanced") << "mnuBookingsCalendarAdvanced" << "View Advanced Calendar" << "Ctrl+D" << false;
        QTest::newRow("simple") << "mnuBookingsCalendar" << "View Simple Calendar" << "Ctrl+S" << false;
        QTest::newRow("notes") << "mnuBookingsSlipNotes" << "Berth / Rentals  Notes..." << "" << true;
        QTest::newRow("customers") << "mnuCustomersView" << "View Customers" << "Ctrl+O" << true;
        QTest::newRow("find customer") << "mnuCustomersFind" << "Find Customer..." << "Ctrl+M" << true;
        QTest::newRow("company") << "mnuconfigcompany" << "Company..." << "" << true;
        QTest::newRow("regional") << "mnuConfigRegionalSettings" << "Regional Settings..." << "" << true;
        QTest::newRow("wizard") << "mnuConfigWizard" << "Configuration Wizard..." << "" << true;
        QTest::newRow("support") << "mnuHelpSupport" << "Online Support" << "" << true;
        QTest::newRow("about") << "mnuHelpAbout" << "About..." << "" << true;
        QTest::newRow("clear") << "mnuEditAction6" << "Clear" << "Del" << false;
        QTest::newRow("select all") << "mnuEditAction7" << "Select All" << "Ctrl+A" << false;
    }
    void menuItems()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, shortcut);
        QFETCH(bool, enabled);
        QAction* item = m_window->Item(name);
        QVERIFY2(item, qPrintable(name));
        QCOMPARE(item->text(), caption);
        QCOMPARE(item->shortcut().toString(), shortcut);
        QCOMPARE(item->isEnabled(), enabled);
        QVERIFY(item->isVisible());
    }

    void toolbarButtonsFollowTheirItems()
    {
        QAction* calendar = Item("tbrCalendar");
        QAction* find = Item("tbrFind");
        QVERIFY(!calendar->isEnabled());
        QVERIFY(!Item("tbrFindReservation")->isEnabled());
        int opened = 0;
        m_window->ConnectItem(QStringLiteral("mnuBookingsCalendar"), [&opened] { ++opened; });
        QVERIFY(calendar->isEnabled());
        calendar->trigger();
        QCOMPARE(opened, 1);

        // "Find" does nothing itself; its "Reservation" runs "Find Booking...".
        int searched = 0;
        m_window->ConnectItem(QStringLiteral("mnuBookingsFind"), [&searched] { ++searched; });
        QVERIFY(find->isEnabled());
        QVERIFY(Item("tbrFindReservation")->isEnabled());
        find->trigger();
        QCOMPARE(searched, 0);
        Item("tbrFindReservation")->trigger();
        QCOMPARE(searched, 1);
    }

    void childWindowsAreActivatedAndMaximised()
    {
        TestChild* form = OpenChild(false);
        QTRY_COMPARE(form->activations, 1);
        QVERIFY(!qobject_cast<QMdiSubWindow*>(form->parentWidget())->isMaximized());

        TestChild* list = OpenChild(true);
        QTRY_COMPARE(list->activations, 1);
        QVERIFY(qobject_cast<QMdiSubWindow*>(list->parentWidget())->isMaximized());
        QCOMPARE(m_window->FindChild(QStringLiteral("TestChild")), form);
        QVERIFY(!m_window->FindChild(QStringLiteral("frmReports")));

        m_window->MdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(form->parentWidget()));
        QTRY_COMPARE(form->activations, 2);
        // Coming back from a dialog is not a new activation; a refresh asked for is.
        {
            QDialog dialog(m_window.get());
            dialog.show();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
        }
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QCOMPARE(form->activations, 2);
        m_window->RefreshActiveChild();
        QCOMPARE(form->activations, 3);
        QCOMPARE(list->activations, 1);
        QCOMPARE(m_window->DialogParent(), m_window.get());

        m_window->ShowChild(list); // shown again: brought forward, not wrapped twice
        QCOMPARE(m_window->MdiArea()->subWindowList().size(), 2);
        QCOMPARE(m_window->MdiArea()->activeSubWindow()->widget(), list);

        // A child that deletes itself takes its frame along.
        delete form;
        QTRY_COMPARE(m_window->MdiArea()->subWindowList().size(), 1);
    }

    void editMenuFollowsTheFocusedBox()
    {
        QCOMPARE(EditState(), QStringLiteral("000000")); // no child window

        TestChild* child = OpenChild();
        QGuiApplication::clipboard()->clear();
        child->line->setFocus();
        QCOMPARE(EditState(), QStringLiteral("000001")); // empty box, empty clipboard: only Select All

        child->line->setReadOnly(true);
        child->line->setText(QStringLiteral("Harbour"));
        child->line->selectAll();
        QCOMPARE(EditState(), QStringLiteral("001001")); // read-only with a selection: Copy, no Cut or Clear

        child->text->setFocus();
        QTest::keyClicks(child->text, QStringLiteral("Berth 12"));
        child->text->selectAll();
        QCOMPARE(EditState(), QStringLiteral("111011"));

        Item("mnuEditAction3")->trigger(); // Copy
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Berth 12"));
        QCOMPARE(EditState(), QStringLiteral("111111"));
        Item("mnuEditAction6")->trigger(); // Clear leaves nothing to undo
        QCOMPARE(child->text->toPlainText(), QString());
        QCOMPARE(EditState(), QStringLiteral("000101"));
        Item("mnuEditAction4")->trigger(); // Paste
        QCOMPARE(child->text->toPlainText(), QStringLiteral("Berth 12"));
    }

    void onlineSupportOpensTheSupportAddress()
    {
        Item("mnuHelpSupport")->trigger();
        Registry::SetRegistryValue(Settings::SupportUrl, QStringLiteral("https://support.example.org/harbour"));
        m_install->desktop.accept = false; // no browser: nothing is said
        Item("mnuHelpSupport")->trigger();
        QCOMPARE(m_install->desktop.opened.size(), 2);
        QCOMPARE(m_install->desktop.opened[0].scheme(), QStringLiteral("https"));
        QCOMPARE(m_install->desktop.opened[1], QUrl(QStringLiteral("https://support.example.org/harbour")));
        QVERIFY(m_install->messages.calls.isEmpty());
    }

    void closingWritesEventOneAndKeepsTheLayout()
    {
        OpenChild();
        m_window->resize(800, 600);
        QVERIFY(m_window->close());
        const QStringList lines = m_install->EventLogText().split(QStringLiteral("\r\n"));
        QCOMPARE(lines.value(1), QStringLiteral("[Application closed]"));
        QCOMPARE(lines.value(2), QString(32, u'-'));

        MDIMain again(m_install->services);
        QCOMPARE(again.size(), QSize(800, 600));
    }
};

ZEM_TEST(tst_MainWindow)
#include "tst_MainWindow.moc"
