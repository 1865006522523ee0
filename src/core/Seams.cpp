#include "core/Seams.h"

#include "core/modFunctions.h"

QDateTime SystemClock::now() const
{
    const QDateTime local = QDateTime::currentDateTime();
    return modFunctions::wallTime(local.date(),
                                  QTime(local.time().hour(), local.time().minute(), local.time().second()));
}
