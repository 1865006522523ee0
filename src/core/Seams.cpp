#include "core/Seams.h"

#include "core/DateTimes.h"

QDateTime SystemClock::now() const
{
    const QDateTime local = QDateTime::currentDateTime();
    return DateTimes::wallTime(local.date(), QTime(local.time().hour(), local.time().minute(), local.time().second()));
}
