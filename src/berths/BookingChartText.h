#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QStaticText>
#include <QString>

class QPainter;
class QRect;

/// The booking chart's texts laid out once in one font: the same day numbers, weekdays, names and labels come back
/// at every scroll and every frame of a drag, and laying them out again each time is most of a frame's work.
class BookingChartText final
{
public:
    /// The font the texts are drawn in; a new one forgets what was laid out in the old.
    void setFont(const QFont& font);

    /// Draws text in rect as QPainter::drawText would (one line).
    void draw(QPainter& p, const QRect& rect, Qt::Alignment align, const QString& text);
    /// How wide text is drawn.
    double width(const QString& text);
    /// text elided to width.
    QString elided(const QString& text, int width);

private:
    const QStaticText& laidOut(const QString& text);

    QFont m_font;
    QFontMetrics m_metrics{m_font};
    QHash<QString, QStaticText> m_laidOut;
    QHash<QString, QString> m_elided;
};
