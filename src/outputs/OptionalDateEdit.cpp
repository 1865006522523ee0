#include "outputs/OptionalDateEdit.h"

#include "core/DateTimes.h"
#include "core/ui/DateBox.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>

OptionalDateEdit::OptionalDateEdit(const QString& objectName, QWidget* parent)
    : QWidget(parent), m_check(new QCheckBox(this)), m_date(new DateBox(this))
{
    setObjectName(objectName);
    m_check->setObjectName(objectName + QStringLiteral("Check"));
    m_date->setObjectName(objectName + QStringLiteral("Date"));
    // A sane range: nothing before the first bookings could have been taken, nothing beyond a lifetime ahead.
    m_date->setDateRange(QDate(1990, 1, 1), QDate(2099, 12, 31));
    m_date->setEnabled(false);
    connect(m_check, &QCheckBox::toggled, m_date, &QWidget::setEnabled);
    setFocusProxy(m_date);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_check);
    layout->addWidget(m_date, 1);
}

std::optional<QDateTime> OptionalDateEdit::value() const
{
    if (!m_check->isChecked())
        return std::nullopt;
    return DateTimes::wallTime(m_date->date(), m_time);
}

void OptionalDateEdit::setValue(const QDateTime& when)
{
    setEmpty(when);
    setChecked(true);
}

void OptionalDateEdit::setEmpty(const QDateTime& when)
{
    m_date->setDate(when.date());
    m_time = when.time();
    setChecked(false);
}

void OptionalDateEdit::setChecked(bool checked)
{
    m_check->setChecked(checked);
}
