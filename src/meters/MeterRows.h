#pragma once

#include "meters/MeterStore.h"

// The row readers MeterStore's files share; not for use outside src/meters.
namespace MeterStore {

/// The meters that where (a clause after the join, with its binds) selects.
Result<QList<Meters::Meter>> readMetersWhere(const QSqlDatabase& db, const QString& where, const QVariantList& binds);
/// The first readings, each as it stands, that where (starting "AND ...") selects.
Result<QList<Meters::Reading>> readReadingsWhere(const QSqlDatabase& db, const QString& where,
                                                 const QVariantList& binds);

} // namespace MeterStore
