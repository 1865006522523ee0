#include "berths/CalendarLayout.h"

#include "core/ui/Twips.h"

#include <QFrame>
#include <QLabel>

namespace CalendarLayout {

Frame makeFrame(QWidget* window, const QString& frameName, const QString& caption)
{
    auto* frame = new QFrame(window);
    frame->setObjectName(frameName);
    frame->setFrameShape(QFrame::StyledPanel);
    auto* label = new QLabel(caption, frame);
    label->setObjectName(QStringLiteral("lblCaption"));
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 1.6);
    font.setBold(true);
    label->setFont(font);
    return {frame, label};
}

void fitFrame(const QWidget* window, QFrame* frame)
{
    auto x = [window](int twips) { return Twips::toPixelsX(twips, window); };
    auto y = [window](int twips) { return Twips::toPixelsY(twips, window); };
    QRect geometry = frame->geometry();
    if (geometry.isEmpty())
        geometry = QRect(x(120), y(120), x(6990 - 340), y(3890 - 540));
    if (window->width() >= x(6990))
        geometry.setWidth(window->width() - x(340));
    if (window->height() >= y(3890))
        geometry.setHeight(window->height() - y(540));
    frame->setGeometry(geometry);
}

} // namespace CalendarLayout
