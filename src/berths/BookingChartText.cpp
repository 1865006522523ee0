#include "berths/BookingChartText.h"

#include <QPainter>

namespace {
// A long session's texts are laid out again when they come back rather than kept without end.
constexpr qsizetype MostKept = 8192;
} // namespace

void BookingChartText::setFont(const QFont& font)
{
    if (font == m_font)
        return;
    m_font = font;
    m_metrics = QFontMetrics(font);
    m_laidOut.clear();
    m_elided.clear();
}

const QStaticText& BookingChartText::laidOut(const QString& text)
{
    auto it = m_laidOut.find(text);
    if (it == m_laidOut.end()) {
        if (m_laidOut.size() > MostKept)
            m_laidOut.clear();
        QStaticText line(text);
        line.setTextFormat(Qt::PlainText);
        line.prepare(QTransform(), m_font);
        it = m_laidOut.insert(text, line);
    }
    return *it;
}

double BookingChartText::width(const QString& text)
{
    return laidOut(text).size().width();
}

QString BookingChartText::elided(const QString& text, int width)
{
    const QString key = text + QChar(0x1f) + QString::number(width);
    auto it = m_elided.find(key);
    if (it == m_elided.end()) {
        if (m_elided.size() > MostKept)
            m_elided.clear();
        it = m_elided.insert(key, m_metrics.elidedText(text, Qt::ElideRight, width));
    }
    return *it;
}

void BookingChartText::draw(QPainter& p, const QRect& rect, Qt::Alignment align, const QString& text)
{
    if (text.isEmpty())
        return;
    const QStaticText& line = laidOut(text);
    const QSizeF size = line.size();
    const double x = align & Qt::AlignLeft    ? rect.left()
                     : align & Qt::AlignRight ? rect.right() + 1 - size.width()
                                              : rect.left() + (rect.width() - size.width()) / 2;
    p.drawStaticText(QPointF(x, rect.top() + (rect.height() - size.height()) / 2), line);
}
