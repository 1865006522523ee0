#pragma once

#include <QDateTime>
#include <QWidget>
#include <optional>

class QCheckBox;
class QDateEdit;

/// A date picker that can be left empty: a check box switches it on and off. It keeps the time of day it was
/// filled with, which the report periods use, while showing only the date.
class OptionalDateEdit final : public QWidget
{
    Q_OBJECT
public:
    explicit OptionalDateEdit(const QString& objectName, QWidget* parent = nullptr);

    /// The chosen date at the kept time of day; nothing while the picker is switched off.
    std::optional<QDateTime> value() const;
    /// Fills the picker (switched on) with when's date and keeps its time of day.
    void setValue(const QDateTime& when);
    /// Shows when's date and keeps its time, but leaves the picker switched off.
    void setEmpty(const QDateTime& when);
    void setChecked(bool checked);

private:
    QCheckBox* m_check;
    QDateEdit* m_date;
    QTime m_time;
};
