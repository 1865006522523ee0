#pragma once

class QFrame;
class QLabel;
class QString;
class QWidget;

/// What the two calendar windows share in their look: a frame holding everything, with a large bold caption, that
/// follows the window's size above a least size.
namespace CalendarLayout {

struct Frame
{
    QFrame* frame;
    QLabel* caption;
};

/// The frame (objectName frameName) inside window, and its caption label lblCaption.
Frame makeFrame(QWidget* window, const QString& frameName, const QString& caption);

/// The frame becomes 340 twips narrower than a window at least 6990 twips wide and 540 twips shorter than one at
/// least 3890 twips high; below those sizes it keeps its width or height.
void fitFrame(const QWidget* window, QFrame* frame);

} // namespace CalendarLayout
