#include "people/PeopleWidgets.h"

#include "core/Seams.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(Qt::PointingHandCursor);
    setStyleSheet(QStringLiteral("color: palette(link);"));
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

namespace PeopleWidgets {

QLineEdit* AddTextBox(QGridLayout* layout, int row, const QString& name, const QString& caption, int maxLength,
                      int column)
{
    auto* parent = layout->parentWidget();
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    if (maxLength > 0)
        box->setMaxLength(maxLength);
    auto* label = new QLabel(caption, parent);
    label->setBuddy(box);
    layout->addWidget(label, row, column);
    layout->addWidget(box, row, column + 1);
    return box;
}

void SetText(QLineEdit* box, const QString& text, int maxLength)
{
    if (maxLength > 0)
        box->setMaxLength(qMax<qsizetype>(maxLength, text.size()));
    box->setText(text);
}

void SendEmail(Services& services, const QString& address, const QString& title)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    // The address goes over as typed; an empty one opens a message without a recipient.
    const bool opened = services.desktop.Open(QUrl(QStringLiteral("mailto:") + address));
    QGuiApplication::restoreOverrideCursor();
    if (!opened)
        services.messages.Show(QStringLiteral("No e-mail program could be started for this address."), title,
                               MsgIcon::Exclamation);
}

} // namespace PeopleWidgets
