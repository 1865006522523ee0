#include "maintenance/ctlProgressBar.h"

#include <QEvent>
#include <QLocale>
#include <QPainter>
#include <algorithm>
#include <cmath>

ctlProgressBar::ctlProgressBar(QWidget* parent)
    : QWidget(parent), m_foreColor(palette().color(QPalette::Highlight)), m_backColor(palette().color(QPalette::Window))
{
    setObjectName(QStringLiteral("ctlProgressBar"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    Redraw();
}

namespace {
bool Fail(QString* error)
{
    if (error)
        *error = ctlProgressBar::IllegalPropertyValue();
    return false;
}
} // namespace

bool ctlProgressBar::SetMin(double value, QString* error)
{
    if (value > m_max || std::isnan(value))
        return Fail(error);
    if (value != m_min) {
        m_min = value;
        Redraw();
    }
    return true;
}

bool ctlProgressBar::SetMax(double value, QString* error)
{
    if (value < m_min || std::isnan(value))
        return Fail(error);
    if (value != m_max) {
        m_max = value;
        Redraw();
    }
    return true;
}

bool ctlProgressBar::SetValue(double value, QString* error)
{
    if (value < m_min || value > m_max || std::isnan(value))
        return Fail(error);
    if (value != m_value) {
        m_value = value;
        Redraw();
    }
    return true;
}

void ctlProgressBar::SetForeColor(const QColor& color)
{
    if (color != m_foreColor) {
        m_foreColor = color;
        Redraw();
    }
}

void ctlProgressBar::SetBackColor(const QColor& color)
{
    if (color != m_backColor) {
        m_backColor = color;
        Redraw();
    }
}

void ctlProgressBar::SetTextBefore(const QString& text)
{
    if (text != m_textBefore) {
        m_textBefore = text;
        Redraw();
    }
}

void ctlProgressBar::SetTextAfter(const QString& text)
{
    if (text != m_textAfter) {
        m_textAfter = text;
        Redraw();
    }
}

double ctlProgressBar::Fraction() const
{
    return m_max == 0 ? 0 : m_value / m_max;
}

QString ctlProgressBar::Text() const
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return m_textBefore + locale.toString(Fraction() * 100, 'f', 2) + u'%' + m_textAfter;
}

void ctlProgressBar::Redraw()
{
    const QSize area = contentsRect().size().expandedTo(QSize(1, 1));
    m_picture = QImage(area, QImage::Format_RGB32);
    QPainter painter(&m_picture);
    painter.fillRect(m_picture.rect(), m_backColor);
    painter.setFont(font());
    painter.setPen(m_foreColor);
    const QString text = Text();
    const QFontMetrics metrics(font());
    const int left = area.width() / 2 - metrics.horizontalAdvance(text) / 2;
    const int top = area.height() / 2 - metrics.height() / 2;
    painter.drawText(left, top + metrics.ascent(), text);
    const double fraction = std::clamp(Fraction(), 0.0, 1.0);
    if (fraction != 0) {
        // Not-XOR with black inverts every pixel under the bar: background and text alike.
        painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        painter.fillRect(QRect(0, 0, int(std::lround(fraction * area.width())), area.height()), Qt::black);
    }
    painter.end();
    update();
}

void ctlProgressBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), m_picture);
}

void ctlProgressBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Redraw();
}

void ctlProgressBar::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        Redraw();
}
