#pragma once

#include "core/Result.h"

#include <QColor>
#include <QImage>
#include <QWidget>

/// The program's own progress bar: the percentage centred in the control and a bar filling from the left that
/// shows the part of the text it covers inverted, so the text stays readable over the bar.
class ProgressBar final : public QWidget
{
    Q_OBJECT
public:
    explicit ProgressBar(QWidget* parent = nullptr);

    /// The error a limit check gives.
    static QString illegalPropertyValue() { return tr("Illegal property value"); }

    double min() const { return m_min; }
    double max() const { return m_max; }
    double value() const { return m_value; }
    /// Each setter refuses a value outside the limits (Min above Max, Max below Min, Value outside both) with
    /// Refused "Illegal property value" and changes nothing; the same value again changes nothing either.
    Status setMin(double value);
    Status setMax(double value);
    Status setValue(double value);

    QColor foreColor() const { return m_foreColor; }
    QColor backColor() const { return m_backColor; }
    void setForeColor(const QColor& color);
    void setBackColor(const QColor& color);
    QString textBefore() const { return m_textBefore; }
    QString textAfter() const { return m_textAfter; }
    void setTextBefore(const QString& text);
    void setTextAfter(const QString& text);

    /// Value over Max (0 when Max is 0): Min does not enter it.
    double fraction() const;
    /// textBefore + the fraction as "#0.00%" + textAfter.
    QString text() const;
    /// Draws the control again onto its picture.
    void redraw();
    /// The picture the control shows (Picture1): what a test reads the pixels of.
    const QImage& picture1() const { return m_picture; }

    QSize sizeHint() const override { return {240, 24}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    double m_min = 0;
    double m_max = 100;
    double m_value = 50;
    QColor m_foreColor;
    QColor m_backColor;
    QString m_textBefore;
    QString m_textAfter;
    QImage m_picture;
};
