#pragma once

// The window side of the test support: the host child windows are shown in, and small helpers to drive windows
// by their control names.
#include "common/InstallFixture.h"
#include "core/ui/ChildWindow.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTableWidget>
#include <QTimeEdit>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>
#include <memory>

/// The main window's part that child windows use: it keeps the windows shown and counts refresh requests.
class TestHost final : public IWindowHost
{
public:
    ~TestHost() override { qDeleteAll(shown); }
    void showChild(ChildWindow* window) override
    {
        if (!shown.contains(window))
            shown << window;
    }
    ChildWindow* findWindow(const QString& name) override
    {
        const auto it = std::find_if(shown.cbegin(), shown.cend(), [&](auto* w) { return w->objectName() == name; });
        return it == shown.cend() ? nullptr : *it;
    }
    void refreshActiveChild() override { ++refreshes; }
    QWidget* dialogParent() override { return nullptr; }
    void releaseChildData() override
    {
        for (ChildWindow* window : std::as_const(shown))
            window->releaseData();
        ++releases;
    }
    void reloadChildData() override
    {
        for (ChildWindow* window : std::as_const(shown))
            window->activated();
        ++reloads;
    }

    QList<ChildWindow*> shown;
    int refreshes = 0;
    int releases = 0;
    int reloads = 0;
};

/// A control of window by its name; the run stops when it is missing.
template <typename T = QLineEdit> T* control(const QObject& window, QAnyStringView name)
{
    auto* control = window.findChild<T*>(name.toString());
    if (!control)
        qFatal("no control %s", qPrintable(name.toString()));
    return control;
}

/// Shows a window and waits until it has the focus, so leaving a box is a real focus change.
inline bool showActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

inline void click(const QObject& window, QAnyStringView button)
{
    QTest::mouseClick(control<QAbstractButton>(window, button), Qt::LeftButton);
}
/// Clicks a window's button: whether that closed the window.
inline bool clickCloses(const QWidget& window, QAnyStringView button)
{
    click(window, button);
    return !window.isVisible();
}

/// Chooses the entry of a combo box that reads text.
inline void choose(const QObject& window, QAnyStringView combo, const QString& text)
{
    auto* box = control<QComboBox>(window, combo);
    box->setCurrentIndex(box->findText(text));
}

/// The texts of window's named controls (a label's, a box's, a button's), joined by '|'.
inline QString texts(const QObject& window, std::initializer_list<const char*> names)
{
    QStringList texts;
    for (const char* name : names) {
        const QObject* shown = control<QObject>(window, name);
        texts << shown->property(shown->inherits("QPlainTextEdit") ? "plainText" : "text").toString();
    }
    return texts.join(u'|');
}

/// One column of a model as it is shown, row by row.
inline QStringList columnTexts(const QAbstractItemModel& model, int column)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.index(row, column).data().toString();
    return texts;
}
inline QStringList itemTexts(const QListWidget& list)
{
    QStringList texts;
    for (int row = 0; row < list.count(); ++row)
        texts << list.item(row)->text();
    return texts;
}
/// A row of a table widget, its cells joined by '|'.
inline QString rowText(const QTableWidget& grid, int row)
{
    QStringList cells;
    for (int column = 0; column < grid.columnCount(); ++column)
        cells << grid.item(row, column)->text();
    return cells.join(u'|');
}

/// Presses Enter presses times from the focused control: the controls it moved to, a box's unnamed inner line
/// edit by its owner's name.
inline QStringList enterVisits(int presses)
{
    QStringList visited;
    while (presses-- > 0) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        const QWidget* focus = QApplication::focusWidget();
        visited << (focus->objectName().isEmpty() ? focus->parentWidget()->objectName() : focus->objectName());
    }
    return visited;
}

/// Types text key by key; letters outside ASCII arrive as key events carrying their text, as an input method
/// delivers them.
inline void typeKeys(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

/// Replaces what a one-line or multi-line box holds by typing text over it.
inline void type(QWidget* box, const QString& text)
{
    QMetaObject::invokeMethod(box, "selectAll");
    QTest::keyClick(box, Qt::Key_Delete);
    typeKeys(box, text);
}
inline void type(const QObject& window, QAnyStringView box, const QString& text)
{
    type(control<QWidget>(window, box), text);
}

/// Acts on the modal dialog the next exec() shows; a dialog the action left open is rejected, so no test hangs.
inline void onNextModal(std::function<void(QDialog*)> act)
{
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        act(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

/// The same for a dialog that comes after other work that runs the event loop (the start-up): waits up to five
/// seconds for a modal dialog to show, then acts on it.
inline void onModalOnceShown(std::function<void(QDialog*)> act)
{
    auto* poll = new QTimer;
    poll->setInterval(10);
    auto tries = std::make_shared<int>(500);
    QObject::connect(poll, &QTimer::timeout, [poll, tries, act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog && --*tries > 0)
            return;
        poll->stop();
        poll->deleteLater();
        if (!dialog)
            return;
        act(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    poll->start();
}

/// Adds up the regions a widget is asked to paint, for a test of what a change repaints.
class PaintRecorder final : public QObject
{
public:
    PaintRecorder(QWidget* widget, QRegion& painted) : m_painted(painted) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            m_painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }

private:
    QRegion& m_painted;
};
