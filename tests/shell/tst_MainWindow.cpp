#include "common/TestSupport.h"
#include "core/Registry.h"
#include "core/ui/FocusNextControl.h"
#include "core/ui/QtSeams.h"
#include "shell/EditActions.h"
#include "shell/MainWindow.h"

#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSpinBox>
#include <QTextEdit>

namespace {
/// A child window with one single-line and one multi-line box, counting its activations.
class TestChild final : public ChildWindow
{
public:
    explicit TestChild(bool maximised) : maximise(maximised)
    {
        setObjectName(u"TestChild"_s);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(line);
        layout->addWidget(text);
    }
    void activated() override { ++activations; }
    bool maximiseOnActivate() const override { return maximise; }

    QLineEdit* line = new QLineEdit(this);
    QPlainTextEdit* text = new QPlainTextEdit(this);
    int activations = 0;
    const bool maximise;
};
} // namespace

// The main window, its menus and the Edit menu's text box editing.
class tst_MainWindow : public InstallTest
{
    Q_OBJECT
    std::unique_ptr<MainWindow> m_window;

    QAction* menuItem(const char* name) const { return control<QAction>(*m_window, name); }

    /// The enabled state of Undo, Cut, Copy, Paste, Clear and Select All after the Edit menu opens.
    QString editState() const
    {
        emit m_window->findChild<QMenu*>(u"mnuEdit"_s)->aboutToShow();
        QString state;
        for (int index : {0, 2, 3, 4, 6, 7})
            state += m_window->menuItem(u"mnuEditAction%1"_s.arg(index))->isEnabled() ? u'1' : u'0';
        return state;
    }

    TestChild* openChild(bool maximise = false)
    {
        auto* child = new TestChild(maximise);
        m_window->showChild(child);
        return child;
    }

    void seed() override
    {
        m_window = std::make_unique<MainWindow>(m_install->services);
        QVERIFY(showActive(*m_window));
    }
    void tearDown() override { m_window.reset(); }

    using MenuRow = std::tuple<QString, QString, bool>;
    using QuestionRow = std::tuple<int, int, bool>;

private slots:
    // Esc closes each child window, from whichever of its controls has the focus; the booking wizard asks first
    // over something typed.
    void escapeClosesChildWindows_data()
    {
        QTest::addColumn<QString>("item");
        for (const char* item : {"mnuBookingsReport", "mnuBookingsCalendarAdvanced", "mnuBookingsCalendar",
                                 "mnuCustomersView", "mnuCustomersWaitingList", "mnuBookingsAdd"})
            QTest::newRow(item) << QString::fromLatin1(item);
    }
    void escapeClosesChildWindows()
    {
        QFETCH(QString, item);
        menuItem(qPrintable(item))->trigger();
        QMdiSubWindow* frame = m_window->mdiArea()->activeSubWindow();
        QVERIFY(frame && frame->widget());
        QWidget* focused = frame->widget()->focusWidget() ? frame->widget()->focusWidget() : frame->widget();
        const bool wizard = item == u"mnuBookingsAdd"_s;
        if (wizard) {
            type(*frame->widget(), "txtBookedBy", u"Sue"_s);
            m_install->messages.answers.enqueue(MsgResult::No);
            QTest::keyClick(focused, Qt::Key_Escape);
            QCOMPARE(m_window->mdiArea()->subWindowList().size(), 1); // kept: the typing would be lost
            m_install->messages.answers.enqueue(MsgResult::Yes);
        }
        QTest::keyClick(focused, Qt::Key_Escape);
        QTRY_COMPARE(m_window->mdiArea()->subWindowList().size(), 0);
        QCOMPARE(m_install->messages.calls.size(), wizard ? 2 : 0);
    }

    void menuItems_data()
    {
        const DataRows<MenuRow> row;
        // Items whose windows exist run them; the others wait, disabled, to be connected. The items with neither
        // a shortcut nor a window still to come are checked in mnemonicsUniquePerMenu.
        row("mnuFileCompactDB", {u"&Compact && repair database"_s, u""_s, true});
        row("mnuBookingsAdd", {u"&Add Booking"_s, u"Ctrl+B"_s, true});
        row("mnuBookingsFind", {u"&Find Booking..."_s, u"Ctrl+F"_s, true});
        row("mnuBookingsCalendarAdvanced", {u"View Ad&vanced Calendar"_s, u"Ctrl+D"_s, true});
        row("mnuBookingsCalendar", {u"View &Simple Calendar"_s, u"Ctrl+S"_s, true});
        row("mnuCustomersView", {u"&View Customers"_s, u"Ctrl+O"_s, true});
        row("mnuCustomersFind", {u"&Find Customer..."_s, u"Ctrl+M"_s, true});
        row("mnuFileSwitchUser", {u"&Switch User..."_s, u""_s, true});
        row("mnuConfigUsers", {u"&Users..."_s, u""_s, true});
        row("mnuEditAction6", {u"C&lear"_s, u"Del"_s, false});
        row("mnuEditAction7", {u"Select &All"_s, u"Ctrl+A"_s, false});
    }
    void menuItems()
    {
        const auto& [caption, shortcut, enabled] = fetchRow<MenuRow>();
        QAction* item = menuItem(QTest::currentDataTag());
        QCOMPARE(item->text(), caption);
        QCOMPARE(item->shortcut().toString(), shortcut);
        QCOMPARE(item->isEnabled(), enabled);
        QVERIFY(item->isVisible());
    }

    // Every menu and every item in it can be reached with Alt and a letter, no letter twice in one menu; the items
    // with neither a shortcut nor a window still to come are enabled.
    void mnemonicsUniquePerMenu()
    {
        for (const char* name : {"mnuFileBackupDB", "mnuFileRestoreDB", "mnuFileDayEndTrace", "mnuFileTracesView",
                                 "mnuFileExit", "mnuBookingsSlipNotes", "mnuconfigcompany", "mnuConfigRegionalSettings",
                                 "mnuConfigWizard", "mnuHelpSupport", "mnuHelpAbout"})
            QVERIFY2(menuItem(name)->isEnabled() && menuItem(name)->isVisible(), name);
        QList<QList<QAction*>> groups{m_window->menuBar()->actions()};
        for (QAction* top : m_window->menuBar()->actions())
            groups << top->menu()->actions();
        for (const QList<QAction*>& group : groups) {
            QSet<QKeySequence> taken;
            for (const QAction* action : group) {
                if (action->isSeparator() || !action->isVisible())
                    continue;
                const QKeySequence key = QKeySequence::mnemonic(action->text());
                QVERIFY2(!key.isEmpty(), qPrintable(action->text()));
                QVERIFY2(!taken.contains(key), qPrintable(action->text()));
                taken.insert(key);
            }
        }
    }

    void toolbarButtonsFollowTheirItems()
    {
        QAction* reports = menuItem("tbrReports");
        QAction* find = menuItem("tbrFind");
        QAction* item = menuItem("mnuBookingsReport");
        item->setEnabled(false);
        QVERIFY(!reports->isEnabled());
        item->setEnabled(true);
        QVERIFY(reports->isEnabled());
        const QSignalSpy opened(item, &QAction::triggered);
        reports->trigger();
        QCOMPARE(opened.size(), 1);

        // "Find" does nothing itself; its "Reservation" runs "Find Booking...".
        QStringList searched;
        const auto closeSearch = [&searched](QDialog* dialog) { searched << dialog->objectName(); };
        QVERIFY(find->isEnabled() && menuItem("tbrFindReservation")->isEnabled());
        onNextModal(closeSearch);
        find->trigger();
        QApplication::processEvents();
        QCOMPARE(searched, QStringList());
        onNextModal(closeSearch);
        menuItem("tbrFindReservation")->trigger();
        QCOMPARE(searched, QStringList{u"frmFindBooking"_s});
    }

    void childWindowsAreActivatedAndMaximisedAndClosingKeepsTheLayout()
    {
        TestChild* form = openChild(false);
        QTRY_COMPARE(form->activations, 1);
        QVERIFY(!qobject_cast<QMdiSubWindow*>(form->parentWidget())->isMaximized());

        TestChild* list = openChild(true);
        QTRY_COMPARE(list->activations, 1);
        QVERIFY(qobject_cast<QMdiSubWindow*>(list->parentWidget())->isMaximized());
        QCOMPARE(m_window->findWindow(u"TestChild"_s), form);
        QVERIFY(!m_window->findWindow(u"frmReports"_s));

        m_window->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(form->parentWidget()));
        QTRY_COMPARE(form->activations, 2);
        // Coming back from a dialog is not a new activation; a refresh asked for is.
        {
            QDialog dialog(m_window.get());
            QVERIFY(showActive(dialog));
        }
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QCOMPARE(form->activations, 2);
        m_window->refreshActiveChild();
        QCOMPARE(form->activations, 3);
        QCOMPARE(list->activations, 1);

        m_window->showChild(list); // shown again: brought forward, not wrapped twice
        QCOMPARE(m_window->mdiArea()->subWindowList().size(), 2);
        QCOMPARE(m_window->mdiArea()->activeSubWindow()->widget(), list);

        // A child that deletes itself takes its frame along.
        delete form;
        QTRY_COMPARE(m_window->mdiArea()->subWindowList().size(), 1);

        // Closing, with a child window open, writes event one and keeps the layout.
        m_window->resize(800, 600);
        QVERIFY(m_window->close());
        QCOMPARE(logText().split(u"\r\n"_s).mid(1, 2), QStringList({u"[Application closed]"_s, QString(32, u'-')}));

        MainWindow again(m_install->services);
        QCOMPARE(again.size(), QSize(800, 600));
    }

    // The windows the clerk meets most open whole at 1280×800: inside the frame, every column of their lists in
    // view, no label narrower than its text. A size the clerk gives a window is the one it opens at next time, cut
    // to the frame where it was saved on a larger screen.
    void windowsFitAndKeepTheirSize()
    {
        // A guest in the harbour with a long name and a balance: Today's lists as wide as a working day's.
        const QDate today = m_install->clock.current.date();
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name) VALUES (1, 'Margaret Fitzgerald-Penhaligon')"_s));
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, Active) VALUES (1, 'A12', 1)"_s));
        QVERIFY(exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate, TotalPayable, AmountPayed) VALUES "
                     u"(1, 1, '%1 14:00:00', '%2 11:00:00', 123456780, 0)"_s.arg(
                         today.addDays(-1).toString(Qt::ISODate), today.addDays(3).toString(Qt::ISODate))));
        QVERIFY(exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (1, 1)"_s));
        m_window->resize(1280, 800);
        const auto open = [this](const char* item) {
            menuItem(item)->trigger();
            QTest::qWait(50); // the lists' columns are fitted once the window has its size
            return m_window->mdiArea()->activeSubWindow();
        };
        QStringList cut;
        for (const char* item :
             {"mnuBookingsToday", "mnuBookingsAdd", "mnuBookingsReport", "mnuBookingsChart", "mnuBookingsContracts",
              "mnuCustomersView", "mnuConfigBerthOwners", "mnuCustomersWaitingList"}) {
            QMdiSubWindow* frame = open(item);
            QVERIFY2(frame, item);
            const QString name = frame->widget()->objectName();
            if (!m_window->mdiArea()->viewport()->rect().contains(frame->geometry()))
                cut << name + u" sticks out of the frame"_s;
            for (const QAbstractItemView* list : frame->widget()->findChildren<QAbstractItemView*>())
                if (list->isVisible() && list->horizontalScrollBar()->maximum() > 0)
                    cut << name + u": the columns of "_s + list->objectName();
            for (const QLabel* label : frame->widget()->findChildren<QLabel*>())
                if (label->isVisible() && !label->wordWrap() && label->width() < label->sizeHint().width())
                    cut << name + u": "_s + label->text();
            frame->close();
            QTRY_VERIFY(m_window->mdiArea()->subWindowList().isEmpty());
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));

        QMdiSubWindow* frame = open("mnuBookingsReport");
        frame->resize(frame->size() + QSize(40, -30));
        const QSize kept = frame->widget()->size();
        frame->close();
        QTRY_VERIFY(m_window->mdiArea()->subWindowList().isEmpty());
        QCOMPARE(open("mnuBookingsReport")->widget()->size(), kept);
        m_window->mdiArea()->closeAllSubWindows();
        Registry::setRegistryValue(Settings::windowSize(u"frmReports"_s), u"3000x2000"_s);
        frame = open("mnuBookingsReport");
        QCOMPARE(frame->geometry(), m_window->mdiArea()->viewport()->rect());
    }

    void editMenuFollowsTheFocusedBox()
    {
        QCOMPARE(editState(), u"000000"_s); // no child window

        TestChild* child = openChild();
        QApplication::clipboard()->clear();
        child->line->setFocus();
        QCOMPARE(editState(), u"000001"_s); // empty box, empty clipboard: only Select All

        child->line->setReadOnly(true);
        child->line->setText(u"Harbour"_s);
        child->line->selectAll();
        QCOMPARE(editState(), u"001001"_s); // read-only with a selection: Copy, no Cut or Clear

        child->text->setFocus();
        QTest::keyClicks(child->text, u"Berth 12"_s);
        child->text->selectAll();
        QCOMPARE(editState(), u"111011"_s);

        menuItem("mnuEditAction3")->trigger(); // Copy
        QCOMPARE(QApplication::clipboard()->text(), u"Berth 12"_s);
        QCOMPARE(editState(), u"111111"_s);
        menuItem("mnuEditAction6")->trigger(); // Clear leaves nothing to undo
        QCOMPARE(child->text->toPlainText(), QString());
        QCOMPARE(editState(), u"000101"_s);
        menuItem("mnuEditAction4")->trigger(); // Paste
        QCOMPARE(child->text->toPlainText(), u"Berth 12"_s);
    }

    void enterMovesToTheNextFieldAndWraps()
    {
        TestChild* child = openChild();
        auto* second = new QLineEdit(child);
        child->layout()->addWidget(second);
        FocusNextControl::install(child);
        QWidget::setTabOrder(child->line, second);
        QWidget::setTabOrder(second, child->text);
        QTRY_VERIFY(second->isVisible());
        child->line->setFocus();
        QTest::keyClick(child->line, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), second);
        // A multi-line box keeps Enter for a new line.
        child->text->setFocus();
        QTest::keyClick(child->text, Qt::Key_Return);
        QCOMPARE(child->text->toPlainText(), u"\n"_s);
        QCOMPARE(QApplication::focusWidget(), child->text);
        // From the last field Enter goes round to the first.
        QWidget::setTabOrder(child->text, second);
        second->setFocus();
        QTest::keyClick(second, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(QApplication::focusWidget(), child->line);
        // A spin box and an editable combo box move on too, though their inner line edit has the key.
        auto* spin = new QSpinBox(child);
        auto* combo = new QComboBox(child);
        combo->setEditable(true);
        child->layout()->addWidget(spin);
        child->layout()->addWidget(combo);
        QWidget::setTabOrder(child->line, spin);
        QWidget::setTabOrder(spin, combo);
        QWidget::setTabOrder(combo, second);
        QTRY_VERIFY(combo->isVisible());
        spin->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(combo->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), second);
    }

    void yesNoQuestionsDefaultToNo_data()
    {
        // afterAWindowClosed: a progress window, say: then no window is active
        const DataRows<QuestionRow> row;
        row("delete question", {int(MsgButtons::YesNo), int(MsgResult::No), false});
        row("plain message", {int(MsgButtons::Ok), int(MsgResult::Ok), true});
    }
    void yesNoQuestionsDefaultToNo()
    {
        const auto& [buttons, enterAnswers, afterAWindowClosed] = fetchRow<QuestionRow>();
        if (afterAWindowClosed) {
            QWidget progress;
            QVERIFY(showActive(progress));
            progress.hide();
        }
        // The real message box, answered with Enter alone; it opens over (so centred on) the main window.
        QWidget* owner = nullptr;
        onNextModal([&owner](QDialog* box) {
            owner = box->parentWidget();
            QTest::keyClick(box, Qt::Key_Return);
        });
        QtMessageBox messages;
        QCOMPARE(int(messages.show(u"Are you sure to delete this item?"_s, u"Confirm deletion"_s, MsgIcon::None,
                                   MsgButtons(buttons))),
                 enterAnswers);
        QCOMPARE(owner, m_window.get());
    }

    // Help, Online Support opens the support address (one that cannot open is told), and End of Workday asks
    // before it deletes old traces.
    void onlineSupportAndEndOfWorkday()
    {
        menuItem("mnuHelpSupport")->trigger();
        QVERIFY(m_install->messages.calls.isEmpty());
        Registry::setRegistryValue(Settings::SupportUrl, u"https://support.example.org/harbour"_s);
        m_install->desktop.accept = false;
        menuItem("mnuHelpSupport")->trigger();
        QCOMPARE(m_install->desktop.opened.size(), 2);
        QCOMPARE(m_install->desktop.opened[0].scheme(), u"https"_s);
        QCOMPARE(m_install->desktop.opened[1], QUrl(u"https://support.example.org/harbour"_s));
        QCOMPARE(said(), MainWindow::caption() + u": https://support.example.org/harbour could not be opened: no web "
                                                 u"browser answered. Type the address into a browser."_s);
        m_install->messages.calls.clear();

        QVERIFY(QDir(m_install->tracesFolder()).mkdir(u"01112026"_s));
        for (MsgResult answer : {MsgResult::No, MsgResult::Yes}) {
            m_install->messages.answers << answer;
            menuItem("mnuFileDayEndTrace")->trigger();
            QCOMPARE(QDir(m_install->tracesFolder()).exists(u"01112026"_s), answer == MsgResult::No);
        }
        const QString asked = u"End of workday: Do you want to delete traces older than 7 days?"_s;
        QCOMPARE(said(), asked + u'\n' + asked);
        QCOMPARE(m_install->messages.calls[0].buttons, MsgButtons::YesNo);
    }

    // F1 opens the shipped page about the window in front, a dialog included; with none, or one no page tells
    // about, the contents, as Help › Contents does. A page that cannot open is told.
    void helpForTheWindowInFront_data()
    {
        const DataRows<std::tuple<QString, bool, QString>> row; // the menu item, whether its window is modal, page
        row("nothing open", {QString(), false, u"index.html"_s});
        row("Help > Contents", {u"mnuHelpContents"_s, false, u"index.html"_s});
        row("the booking wizard", {u"mnuBookingsAdd"_s, false, u"bookings.html#add"_s});
        row("the customer list", {u"mnuCustomersView"_s, false, u"customers.html#customers"_s});
        row("the booking chart", {u"mnuBookingsChart"_s, false, u"calendars.html"_s});
        row("regional settings, modal", {u"mnuConfigRegionalSettings"_s, true, u"settings.html#regional"_s});
        row("rates, no page of its own", {u"mnuConfigRates"_s, true, u"index.html"_s});
    }
    void helpForTheWindowInFront()
    {
        const auto& [item, modal, page] = fetchRow<std::tuple<QString, bool, QString>>();
        const QString help = m_install->root() + u"/bin/help"_s;
        QVERIFY(QDir().mkpath(help));
        for (const QFileInfo& shipped : QDir(QStringLiteral(ZEM_HELP_PAGES)).entryInfoList(QDir::Files))
            QVERIFY(QFile::copy(shipped.filePath(), help + u'/' + shipped.fileName()));
        const auto pressF1 = [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1); };
        if (modal)
            onNextModal([&](QDialog* dialog) {
                QVERIFY(QTest::qWaitForWindowActive(dialog));
                pressF1();
            });
        if (item == u"mnuHelpContents"_s) {
            menuItem("mnuHelpContents")->trigger();
        } else {
            if (!item.isEmpty())
                menuItem(qPrintable(item))->trigger();
            if (!modal) {
                if (!QApplication::focusWidget())
                    m_window->setFocus();
                pressF1();
            }
        }
        QCOMPARE(m_install->desktop.opened.size(), 1);
        const QUrl opened = m_install->desktop.opened[0];
        QVERIFY2(opened.isLocalFile() && QFileInfo(opened.toLocalFile()).isFile(), qPrintable(opened.toString()));
        QCOMPARE(opened.fileName() + (opened.hasFragment() ? u'#' + opened.fragment() : QString()), page);
        if (QFile file(opened.toLocalFile()); opened.hasFragment() && file.open(QIODevice::ReadOnly))
            VERIFY_HAS(QString::fromUtf8(file.readAll()), u"id=\"%1\""_s.arg(opened.fragment())); // its section
        QVERIFY(m_install->messages.calls.isEmpty());
        // Without the pages, or without a browser, the clerk is told.
        m_install->desktop.accept = false;
        menuItem("mnuHelpContents")->trigger();
        VERIFY_HAS(said(), u"could not be opened: no web browser answered."_s);
        QVERIFY(QDir(help).removeRecursively());
        menuItem("mnuHelpContents")->trigger();
        VERIFY_HAS(said(), u"index.html cannot be found."_s);
    }

    void replaceSelectionKeepsUndoOnlyWhenAsked_data()
    {
        // a single-line box, a plain and a rich multi-line one
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"line", "plain", "rich"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }
    void replaceSelectionKeepsUndoOnlyWhenAsked()
    {
        QFETCH(QString, kind);
        const std::unique_ptr<QWidget> box(kind == u"line"_s    ? static_cast<QWidget*>(new QLineEdit)
                                           : kind == u"plain"_s ? static_cast<QWidget*>(new QPlainTextEdit)
                                                                : new QTextEdit);
        QVERIFY(EditActions::isTextBox(box.get()));
        EditActions edit;
        edit.setTextBox(box.get());
        QTest::keyClicks(box.get(), u"Pontoon"_s);
        const auto text = [&] { return box->property(kind == u"line"_s ? "text" : "plainText").toString(); };

        edit.replaceSelection(u"x"_s, true); // no selection: nothing happens
        QCOMPARE(text(), u"Pontoon"_s);
        edit.selectAll();
        QVERIFY(edit.canCut() && edit.canCopy());
        edit.replaceSelection(u"Slip"_s, true);
        QCOMPARE(text(), u"Slip"_s);
        QVERIFY(edit.canUndo());
        edit.undo();
        QCOMPARE(text(), u"Pontoon"_s);

        edit.selectAll();
        edit.deleteSelection();
        QCOMPARE(text(), QString());
        QVERIFY(!edit.canUndo());
    }

    void readOnlyBoxRefusesChangesAndAGoneBoxIsForgotten()
    {
        EditActions edit;
        {
            QLineEdit box(u"Mooring 4"_s);
            box.setReadOnly(true);
            box.selectAll();
            edit.setTextBox(&box);
            QApplication::clipboard()->setText(u"pasted"_s);
            QVERIFY(edit.canPaste());
            edit.cut();
            edit.paste();
            edit.deleteSelection();
            QCOMPARE(box.text(), u"Mooring 4"_s);
            edit.copy();
            QCOMPARE(QApplication::clipboard()->text(), u"Mooring 4"_s);
        }
        QVERIFY(!edit.textBox() && !edit.canCopy() && !edit.canPaste() && !edit.canUndo());
        edit.selectAll(); // does nothing, and does not crash
    }
};

ZEM_TEST(tst_MainWindow)
#include "tst_MainWindow.moc"
