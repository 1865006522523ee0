#include "core/ui/InputChecks.h"

#include "core/Seams.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPointer>

namespace InputChecks {
namespace {

const char* const SkipProperty = "zemSkipInputChecks";
const QString WatcherName = QStringLiteral("zemInputCheck");

// Set while a refused box takes the focus back, so the control it comes from is not checked in turn.
bool g_refocusing = false;

/// The check of one box, living as the box's child.
class Watcher final : public QObject
{
public:
    Watcher(QLineEdit* box, Kind kind, QString title, IMessageBox& messages)
        : QObject(box), m_box(box), m_kind(kind), m_title(std::move(title)), m_messages(messages)
    {
        setObjectName(WatcherName);
        box->installEventFilter(this);
        QObject::connect(box, &QLineEdit::textChanged, this, [this] { m_refusedText.reset(); });
    }

    /// Refuses the box's text now unless it passes; silent when this text was just refused.
    bool checkNow()
    {
        if (isValid(m_box->text(), m_kind))
            return true;
        if (m_refusedText != m_box->text())
            refuse();
        takeFocusBack();
        return false;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_box || event->type() != QEvent::FocusOut || g_refocusing || m_refusalQueued)
            return false;
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            return false;
        if (isValid(m_box->text(), m_kind))
            return false;
        m_refusedText.reset(); // leaving the box again is refused again
        // The message waits until the focus change (and the click that caused it) is over.
        m_refusalQueued = true;
        QMetaObject::invokeMethod(
            this, [this] { refuseAfterLeaving(); }, Qt::QueuedConnection);
        return false;
    }

private:
    void refuseAfterLeaving()
    {
        m_refusalQueued = false;
        QWidget* window = m_box->window();
        QWidget* now = QApplication::focusWidget();
        if (!window->isVisible() || isValid(m_box->text(), m_kind) || m_refusedText == m_box->text())
            return; // closed, corrected, or already refused by a button that checked first
        if (now && (now->window() != window || now->property(SkipProperty).toBool()))
            return;
        refuse();
        takeFocusBack();
    }

    void refuse()
    {
        m_refusedText = m_box->text();
        m_messages.show(refusal(m_box->text(), m_kind), m_title, MsgIcon::Exclamation, MsgButtons::Ok);
    }

    void takeFocusBack()
    {
        g_refocusing = true;
        m_box->setFocus(Qt::OtherFocusReason);
        g_refocusing = false;
    }

    QLineEdit* m_box;
    Kind m_kind;
    QString m_title;
    IMessageBox& m_messages;
    std::optional<QString> m_refusedText;
    bool m_refusalQueued = false;
};

} // namespace

void watch(QLineEdit* box, Kind kind, const QString& title, IMessageBox& messages)
{
    new Watcher(box, kind, title, messages);
}

void skipChecks(QWidget* control)
{
    control->setProperty(SkipProperty, true);
}

bool checkAll(const QList<QLineEdit*>& boxes)
{
    for (QLineEdit* box : boxes) {
        auto* watcher = dynamic_cast<Watcher*>(box->findChild<QObject*>(WatcherName, Qt::FindDirectChildrenOnly));
        if (watcher && !watcher->checkNow())
            return false;
    }
    return true;
}

} // namespace InputChecks
