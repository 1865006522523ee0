#include "GeneratedData.h"

#include "core/DataGenerator.h"
#include "core/Database.h"

#include <QDir>
#include <QFile>
#include <cstdio>

namespace BenchData {

QString GeneratedDatabase(int bookings, int years)
{
    const QString path = QDir::temp().filePath(QStringLiteral("zem-bench-%1-%2y.sqlite").arg(bookings).arg(years));
    if (QFile::exists(path))
        return path;
    const QString temp = path + QStringLiteral(".part");
    QFile::remove(temp);
    QString error;
    if (!Database::CreateDatabase(temp, &error))
        qFatal("%s", qPrintable(error));
    {
        const auto db = Database::Open(temp, QStringLiteral("generate"), 500, &error);
        DataGenerator::Sizes sizes;
        sizes.customers = 20000;
        sizes.owners = 200;
        sizes.berths = 2000;
        sizes.bookings = bookings;
        sizes.from = HistoryStart(years);
        sizes.until = HistoryEnd;
        std::fprintf(stderr, "generating %d bookings into %s ...\n", bookings, qPrintable(path));
        if (!db || !DataGenerator::Generate(*db, sizes, &error))
            qFatal("%s", qPrintable(error));
    }
    Database::Close(QStringLiteral("generate"));
    QFile::rename(temp, path);
    return path;
}

} // namespace BenchData
