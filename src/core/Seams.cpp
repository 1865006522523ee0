#include "core/Seams.h"

#include "core/modFunctions.h"

QDateTime SystemClock::Now() const
{
    const QDateTime local = QDateTime::currentDateTime();
    return modFunctions::WallTime(local.date(),
                                  QTime(local.time().hour(), local.time().minute(), local.time().second()));
}
