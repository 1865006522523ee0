#include "common/TestSupport.h"
#include "core/DateTimes.h"
#include "core/ui/DateBox.h"
#include "core/ui/FocusNextControl.h"

// The date box driven by the keyboard: dates typed as clerks type them, the calendar from the keys, and what the box
// says when a key or a date cannot be taken.
class tst_DateBox : public QObject
{
    Q_OBJECT

    QDialog* m_window = nullptr;
    DateBox* m_box = nullptr;
    QLineEdit* m_next = nullptr;

    QLineEdit* edit() const { return m_box->findChild<QLineEdit*>(); }

    using TypingRow = std::tuple<bool, QString, int, QDate, QString, QString>;
    using CalendarRow = std::tuple<int, int>;

private slots:
    void init()
    {
        m_window = new QDialog;
        auto* layout = new QVBoxLayout(m_window);
        m_box = new DateBox(m_window);
        m_box->setDateRange(QDate(2000, 1, 1), QDate(2099, 12, 31));
        m_box->setDate(QDate(2026, 12, 4));
        m_next = new QLineEdit(m_window);
        layout->addWidget(m_box);
        layout->addWidget(m_next);
        FocusNextControl::install(m_window);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        m_box->setFocus();
    }
    void cleanup()
    {
        delete m_window;
        m_window = nullptr;
    }

    void typing_data()
    {
        // finish: the key that ends the typing, 0 for none
        // after: whether the box shows a hint, and whether the focus moved on
        const DataRows<TypingRow> row;
        const QDate before(2026, 12, 4), eleventh(2026, 12, 11);
        const int enter = Qt::Key_Return, tab = Qt::Key_Tab, esc = Qt::Key_Escape;
        const QString movedOn = u"no hint, moved on"_s, stayed = u"no hint, stayed"_s, said = u"a hint, stayed"_s;
        row("bare digits, Enter moves on", {false, u"11122026"_s, enter, eleventh, u"Fri 11/12/2026"_s, movedOn});
        row("after a click, as after Tab", {true, u"11/12/26"_s, tab, eleventh, u"Fri 11/12/2026"_s, movedOn});
        row("dots", {false, u"11.12.2026"_s, enter, eleventh, u"Fri 11/12/2026"_s, movedOn});
        row("day and month keep the year", {false, u"0103"_s, enter, QDate(2026, 3, 1), u"Sun 01/03/2026"_s, movedOn});
        row("Backspace mends the shown date",
            {false, u"\b7"_s, enter, QDate(2027, 12, 4), u"Sat 04/12/2027"_s, movedOn});
        row("being typed", {false, u"1112"_s, 0, before, u"1112"_s, stayed});
        row("a letter is refused and said", {false, u"11x"_s, 0, before, u"11"_s, said});
        row("no such day: Enter stays and says", {false, u"31112026"_s, enter, before, u"31112026"_s, said});
        row("outside the range: said", {false, u"01011999"_s, enter, before, u"01011999"_s, said});
        row("Esc gives the date back", {false, u"3111"_s, esc, before, u"Fri 04/12/2026"_s, stayed});
        row("leaving with no date gives it back and says",
            {false, u"3111"_s, tab, before, u"Fri 04/12/2026"_s, u"a hint, moved on"_s});
    }
    void typing()
    {
        const auto& [clickFirst, keys, finish, date, shown, after] = fetchRow<TypingRow>();
        if (clickFirst) // into the middle of the month
            QTest::mouseClick(edit(), Qt::LeftButton, {}, QPoint(edit()->width() / 3, 5));
        QTest::keyClicks(QApplication::focusWidget(), keys);
        if (finish != 0)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(finish));
        QCOMPARE(m_box->date(), date);
        QCOMPARE(edit()->text(), shown);
        QCOMPARE(u"%1 hint, %2"_s.arg(m_box->shownHint().isEmpty() ? u"no"_s : u"a"_s,
                                      m_next->hasFocus() ? u"moved on"_s : u"stayed"_s),
                 after);
    }

    void calendarFromTheKeys_data()
    {
        const DataRows<CalendarRow> row;
        row("F4", {int(Qt::Key_F4), int(Qt::NoModifier)});
        row("Alt+Down", {int(Qt::Key_Down), int(Qt::AltModifier)});
    }
    void calendarFromTheKeys()
    {
        const auto& [key, modifiers] = fetchRow<CalendarRow>();
        QTest::keyClick(m_box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCalendarWidget* calendar = m_box->calendarWidget();
        QTRY_VERIFY(calendar->isVisible());
        QCOMPARE(calendar->selectedDate(), QDate(2026, 12, 4));
        // The calendar's own keys pick a day: a week on, then Enter.
        QTest::keyClick(calendar->focusWidget() ? calendar->focusWidget() : calendar, Qt::Key_Down);
        QTest::keyClick(calendar->focusWidget() ? calendar->focusWidget() : calendar, Qt::Key_Return);
        QTRY_VERIFY(!calendar->isVisible());
        QCOMPARE(m_box->date(), QDate(2026, 12, 11));
        // The arrows still step the date.
        QTest::keyClick(m_box, Qt::Key_Up);
        QVERIFY(m_box->date() > QDate(2026, 12, 11));
    }

    // In each interface language the box shows the weekday in it, the date in the office's style, reads its own
    // text back when a digit is mended, and its arrows still step the date.
    void inEachLanguage_data()
    {
        QTest::addColumn<QString>("code");
        for (const char* code : {"de", "nl", "fr", "it", "es"})
            QTest::newRow(code) << QString::fromLatin1(code);
    }
    void inEachLanguage()
    {
        QFETCH(QString, code);
        DateTimes::setNamesLanguage(code);
        const auto back = qScopeGuard([] { DateTimes::setNamesLanguage(u"en"_s); });
        auto* box = new DateBox(m_window);
        m_window->layout()->addWidget(box);
        box->setDateRange(QDate(2000, 1, 1), QDate(2099, 12, 31));
        box->setDate(QDate(2026, 12, 4));
        box->setFocus();
        auto* line = box->findChild<QLineEdit*>();
        QVERIFY2(line->text().endsWith(u" 04/12/2026"_s) && !line->text().startsWith(u"Fri"_s),
                 qPrintable(line->text()));
        QTest::keyClicks(box, u"\b7"_s);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(box->date(), QDate(2027, 12, 4));
        QVERIFY2(line->text().endsWith(u" 04/12/2027"_s), qPrintable(line->text()));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Up);
        QVERIFY(box->date() > QDate(2027, 12, 4));
    }
};

ZEM_TEST_SQLITE_ONLY(tst_DateBox)
#include "tst_DateBox.moc"
