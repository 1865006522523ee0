#pragma once

class QWidget;

/// Layout numbers are kept in twips (1440 to the inch); these turn them into pixels at the screen's logical DPI.
namespace Twips {
int toPixelsX(int twips, const QWidget* widget = nullptr);
int toPixelsY(int twips, const QWidget* widget = nullptr);
/// Pixels back to twips (rounded), for rules stated in twips such as "as many 400-twip rows as fit".
int fromPixelsY(int pixels, const QWidget* widget = nullptr);
} // namespace Twips
