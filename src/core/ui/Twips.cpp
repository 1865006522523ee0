#include "core/ui/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace Twips {
namespace {
int convert(int twips, double dpi)
{
    return static_cast<int>(twips * dpi / 1440.0 + (twips >= 0 ? 0.5 : -0.5));
}

double dpi(const QWidget* widget, bool horizontal)
{
    if (widget)
        return horizontal ? widget->logicalDpiX() : widget->logicalDpiY();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 96.0;
    return horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY();
}
} // namespace

int toPixelsX(int twips, const QWidget* widget)
{
    return convert(twips, dpi(widget, true));
}
int toPixelsY(int twips, const QWidget* widget)
{
    return convert(twips, dpi(widget, false));
}
int fromPixelsY(int pixels, const QWidget* widget)
{
    return static_cast<int>(pixels * 1440.0 / dpi(widget, false) + (pixels >= 0 ? 0.5 : -0.5));
}
} // namespace Twips
