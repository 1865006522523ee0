#pragma once

#include "common/TestInstall.h"
#include "core/modEventLog.h"
#include "core/modFunctions.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <functional>

namespace PeopleTest {

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

/// Types text into widget key by key; letters outside ASCII arrive as key events carrying their text, as an
/// input method delivers them.
inline void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

/// One event log entry as the log file holds it.
inline QString Entry(const TestInstall& install, int code, const QString& details)
{
    return u'[' + modFunctions::GeneralDateText(install.clock.now) + QStringLiteral("]\r\n[") +
           modEventLog::EventText(code) + QStringLiteral("]\r\n") + details + QStringLiteral("\r\n\r\n");
}

} // namespace PeopleTest
