#include "core/ui/ReadErrorLine.h"

ReadErrorLine::ReadErrorLine(QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("lblReadError"));
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setStyleSheet(QStringLiteral("color: #b00020; font-weight: bold;"));
    hide();
}

void ReadErrorLine::showError(const QString& reason)
{
    setText(reason.isEmpty() ? QString() : tr("The rows could not be read: %1").arg(reason));
    setVisible(!reason.isEmpty());
}
