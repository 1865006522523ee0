#pragma once

class QWidget;

/// Layout numbers are kept in twips (1440 to the inch); these turn them into pixels at the screen's logical DPI.
namespace Twips {
int ToPixelsX(int twips, const QWidget* widget = nullptr);
int ToPixelsY(int twips, const QWidget* widget = nullptr);
/// Pixels back to twips (rounded), for rules stated in twips such as "as many 400-twip rows as fit".
int FromPixelsY(int pixels, const QWidget* widget = nullptr);
} // namespace Twips
