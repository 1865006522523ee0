#pragma once

// What the test files share: the installation fixture, the shared main, Qt Test, the widgets the tests look up,
// and small helpers to drive windows by their control names.
#include "common/TestInstall.h"
#include "common/TestMain.h"
#include "core/Registry.h"
#include "core/modEventLog.h"
#include "core/modFunctions.h"
#include "core/ui/ChildWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

/// The base of a test class whose cases each need a fresh installation: made before Seed(), dropped after
/// TearDown().
class InstallTest : public QObject
{
    Q_OBJECT
public:
    explicit InstallTest(bool withDatabase = true) : m_withDatabase(withDatabase) {}

protected:
    /// Adds the rows every case of the class starts from.
    virtual void Seed() {}
    /// Closes what a case keeps open, while its installation still exists.
    virtual void TearDown() {}

    std::unique_ptr<TestInstall> m_install;

private slots:
    void init()
    {
        m_install = std::make_unique<TestInstall>(m_withDatabase);
        Seed();
    }
    void cleanup()
    {
        TearDown();
        m_install.reset();
    }

private:
    bool m_withDatabase;
};

/// The main window's part that child windows use: it keeps the windows shown and counts refresh requests.
class TestHost final : public IWindowHost
{
public:
    ~TestHost() override { qDeleteAll(shown); }
    void ShowChild(ChildWindow* window) override
    {
        if (!shown.contains(window))
            shown << window;
    }
    ChildWindow* FindChild(const QString& name) override
    {
        const auto it = std::find_if(shown.cbegin(), shown.cend(), [&](auto* w) { return w->objectName() == name; });
        return it == shown.cend() ? nullptr : *it;
    }
    void RefreshActiveChild() override { ++refreshes; }
    QWidget* DialogParent() override { return nullptr; }
    void ReleaseChildData() override
    {
        for (ChildWindow* window : std::as_const(shown))
            window->ReleaseData();
        ++releases;
    }
    void ReloadChildData() override
    {
        for (ChildWindow* window : std::as_const(shown))
            window->Activated();
        ++reloads;
    }

    QList<ChildWindow*> shown;
    int refreshes = 0;
    int releases = 0;
    int reloads = 0;
};

/// A control of window by its name; the run stops when it is missing.
template <typename T = QLineEdit> T* Control(const QObject& window, QAnyStringView name)
{
    auto* control = window.findChild<T*>(name.toString());
    if (!control)
        qFatal("no control %s", qPrintable(name.toString()));
    return control;
}

/// Shows a window and waits until it has the focus, so leaving a box is a real focus change.
inline bool ShowActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

inline void Click(const QObject& window, QAnyStringView button)
{
    QTest::mouseClick(Control<QAbstractButton>(window, button), Qt::LeftButton);
}

/// Types text key by key; letters outside ASCII arrive as key events carrying their text, as an input method
/// delivers them.
inline void TypeKeys(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

/// Replaces what a one-line or multi-line box holds by typing text over it.
inline void Type(QWidget* box, const QString& text)
{
    QMetaObject::invokeMethod(box, "selectAll");
    QTest::keyClick(box, Qt::Key_Delete);
    TypeKeys(box, text);
}
inline void Type(const QObject& window, QAnyStringView box, const QString& text)
{
    Type(Control<QWidget>(window, box), text);
}

/// Acts on the modal dialog the next exec() shows; a dialog the action left open is rejected, so no test hangs.
inline void OnNextModal(std::function<void(QDialog*)> act)
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

/// One event log entry as the log file holds it.
inline QString Entry(const TestInstall& install, int code, const QString& details)
{
    return u'[' + modFunctions::GeneralDateText(install.clock.now) + u"]\r\n["_s + modEventLog::EventText(code) +
           u"]\r\n"_s + details + u"\r\n\r\n"_s;
}
