#include "maintenance/ProgressBar.h"

#include <QEvent>
#include <QLocale>
#include <QPainter>
#include <algorithm>
#include <cmath>

ProgressBar::ProgressBar(QWidget* parent)
    : QWidget(parent), m_foreColor(palette().color(QPalette::Highlight)), m_backColor(palette().color(QPalette::Window))
{
    setObjectName(QStringLiteral("ctlProgressBar"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    redraw();
}

Status ProgressBar::setMin(double value)
{
    if (value > m_max || std::isnan(value))
        return refused(illegalPropertyValue());
    if (value != m_min) {
        m_min = value;
        redraw();
    }
    return Done{};
}

Status ProgressBar::setMax(double value)
{
    if (value < m_min || std::isnan(value))
        return refused(illegalPropertyValue());
    if (value != m_max) {
        m_max = value;
        redraw();
    }
    return Done{};
}

Status ProgressBar::setValue(double value)
{
    if (value < m_min || value > m_max || std::isnan(value))
        return refused(illegalPropertyValue());
    if (value != m_value) {
        m_value = value;
        redraw();
    }
    return Done{};
}

void ProgressBar::setForeColor(const QColor& color)
{
    if (color != m_foreColor) {
        m_foreColor = color;
        redraw();
    }
}

void ProgressBar::setBackColor(const QColor& color)
{
    if (color != m_backColor) {
        m_backColor = color;
        redraw();
    }
}

void ProgressBar::setTextBefore(const QString& text)
{
    if (text != m_textBefore) {
        m_textBefore = text;
        redraw();
    }
}

void ProgressBar::setTextAfter(const QString& text)
{
    if (text != m_textAfter) {
        m_textAfter = text;
        redraw();
    }
}

double ProgressBar::fraction() const
{
    return m_max == 0 ? 0 : m_value / m_max;
}

QString ProgressBar::text() const
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return m_textBefore + locale.toString(fraction() * 100, 'f', 2) + u'%' + m_textAfter;
}

void ProgressBar::redraw()
{
    const QSize area = contentsRect().size().expandedTo(QSize(1, 1));
    m_picture = QImage(area, QImage::Format_RGB32);
    QPainter painter(&m_picture);
    painter.fillRect(m_picture.rect(), m_backColor);
    painter.setFont(font());
    painter.setPen(m_foreColor);
    const QString caption = text();
    const QFontMetrics metrics(font());
    const int left = area.width() / 2 - metrics.horizontalAdvance(caption) / 2;
    const int top = area.height() / 2 - metrics.height() / 2;
    painter.drawText(left, top + metrics.ascent(), caption);
    const double done = std::clamp(fraction(), 0.0, 1.0);
    if (done != 0) {
        // Not-XOR with black inverts every pixel under the bar: background and text alike.
        painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        painter.fillRect(QRect(0, 0, int(std::lround(done * area.width())), area.height()), Qt::black);
    }
    painter.end();
    update();
}

void ProgressBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), m_picture);
}

void ProgressBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    redraw();
}

void ProgressBar::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        redraw();
}
