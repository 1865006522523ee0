#include "outputs/MailingList.h"

#include "core/SqlHelpers.h"

#include <QSaveFile>
#include <QSqlQuery>

namespace MailingList {

std::optional<QString> addressLine(const QSqlDatabase& db, QString* error)
{
    QSqlQuery q(db);
    if (!Sql::exec(q,
                   QStringLiteral("SELECT EmailAddress FROM Customer WHERE EmailAddress IS NOT NULL AND "
                                  "EmailAddress <> '' ORDER BY ID"),
                   {}, error))
        return std::nullopt;
    QStringList addresses;
    while (q.next())
        addresses << q.value(0).toString();
    return addresses.join(QStringLiteral(", "));
}

bool write(const QString& path, const QString& line, QString* error)
{
    QSaveFile file(path);
    const QByteArray bytes = (line + QStringLiteral("\r\n")).toUtf8();
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

} // namespace MailingList
