#pragma once

class QWidget;

/// Layout numbers are kept in twips (1440 to the inch); these turn them into pixels at the screen's logical DPI.
namespace Twips {
int ToPixelsX(int twips, const QWidget* widget = nullptr);
int ToPixelsY(int twips, const QWidget* widget = nullptr);
} // namespace Twips
