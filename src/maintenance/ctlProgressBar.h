#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

/// The program's own progress bar: the percentage centred in the control and a bar filling from the left that
/// shows the part of the text it covers inverted, so the text stays readable over the bar.
class ctlProgressBar final : public QWidget
{
    Q_OBJECT
public:
    explicit ctlProgressBar(QWidget* parent = nullptr);

    /// The error a limit check gives.
    static QString IllegalPropertyValue() { return QStringLiteral("Illegal property value"); }

    double Min() const { return m_min; }
    double Max() const { return m_max; }
    double Value() const { return m_value; }
    /// Each setter refuses a value outside the limits (Min above Max, Max below Min, Value outside both) with
    /// "Illegal property value" in *error and changes nothing; the same value again changes nothing either.
    bool SetMin(double value, QString* error = nullptr);
    bool SetMax(double value, QString* error = nullptr);
    bool SetValue(double value, QString* error = nullptr);

    QColor ForeColor() const { return m_foreColor; }
    QColor BackColor() const { return m_backColor; }
    void SetForeColor(const QColor& color);
    void SetBackColor(const QColor& color);
    QString TextBefore() const { return m_textBefore; }
    QString TextAfter() const { return m_textAfter; }
    void SetTextBefore(const QString& text);
    void SetTextAfter(const QString& text);

    /// Value over Max (0 when Max is 0): Min does not enter it.
    double Fraction() const;
    /// TextBefore + the fraction as "#0.00%" + TextAfter.
    QString Text() const;
    /// Draws the control again onto its picture.
    void Redraw();
    /// The picture the control shows (Picture1): what a test reads the pixels of.
    const QImage& Picture1() const { return m_picture; }

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
