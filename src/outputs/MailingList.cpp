#include "outputs/MailingList.h"

#include "core/SqlHelpers.h"

#include <QSaveFile>
#include <QSqlQuery>

namespace MailingList {

Result<QString> addressLine(const QSqlDatabase& db)
{
    QSqlQuery q(db);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT EmailAddress FROM Customer WHERE EmailAddress IS NOT NULL AND "
                                  "EmailAddress <> '' ORDER BY ID"),
                   {}, &error))
        return databaseFailure(error);
    QStringList addresses;
    while (q.next())
        addresses << q.value(0).toString();
    return addresses.join(QStringLiteral(", "));
}

Status write(const QString& path, const QString& line)
{
    QSaveFile file(path);
    const QByteArray bytes = (line + QStringLiteral("\r\n")).toUtf8();
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return Done{};
    return fileFailure(file.errorString());
}

} // namespace MailingList
