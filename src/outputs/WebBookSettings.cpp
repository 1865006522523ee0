#include "outputs/WebBookSettings.h"

#include "core/Dialect.h"
#include "core/Registry.h"
#include "core/SqlHelpers.h"

#include <QSqlQuery>

QString WebBookSettings::actionUrl() const
{
    return providerIndex == CustomProvider ? customUrl : defaultEndpoint();
}

QString WebBookSettings::defaultEndpoint()
{
    const QString url = Registry::getRegistryValue(Settings::WebBookFormMailUrl).trimmed();
    return url.isEmpty() ? Settings::WebBookFormMailUrl.defaultValue : url;
}

namespace {
// By provider index.
const char* const ProviderNames[] = {QT_TRANSLATE_NOOP("WebBookSettings", "Response-o-Matic (default)"),
                                     QT_TRANSLATE_NOOP("WebBookSettings", "Custom...")};
} // namespace

QStringList WebBookSettings::providerNames()
{
    QStringList names;
    for (const char* name : ProviderNames)
        names << tr(name);
    return names;
}

QString WebBookSettings::providerName() const
{
    return providerNames().value(providerIndex);
}

QString WebBookSettings::providerLogName() const
{
    return providerIndex >= 0 && providerIndex < int(std::size(ProviderNames))
               ? QString::fromLatin1(ProviderNames[providerIndex])
               : QString();
}

namespace WebBookStore {
namespace {
// The first row stands for the table: the program keeps one, and writes every row alike.
QString selectFirst(const QSqlDatabase& db)
{
    return QStringLiteral("SELECT WebBookingEmail, WebBookingProviderIndex, WebBookingProviderCustom FROM Settings "
                          "ORDER BY %1 LIMIT 1")
        .arg(Dialect::of(db).insertOrder(QString()));
}

QString quoted(const QString& text)
{
    return u'\'' + text + u'\'';
}

QString differences(const std::optional<WebBookSettings>& shown, const std::optional<WebBookSettings>& now)
{
    if (!shown)
        return QCoreApplication::translate("WebBookStore", "The web booking settings have been created.");
    if (!now)
        return QCoreApplication::translate("WebBookStore", "The web booking settings have been removed.");
    QStringList lines;
    if (shown->email != now->email)
        lines << QCoreApplication::translate("WebBookStore", "Booking email address: now %1, was %2")
                     .arg(quoted(now->email), quoted(shown->email));
    if (shown->providerIndex != now->providerIndex)
        lines << QCoreApplication::translate("WebBookStore", "Email provider: now %1, was %2")
                     .arg(now->providerName(), shown->providerName());
    if (shown->customUrl != now->customUrl)
        lines << QCoreApplication::translate("WebBookStore", "Custom provider: now %1, was %2")
                     .arg(quoted(now->customUrl), quoted(shown->customUrl));
    return lines.join(u'\n');
}
} // namespace

Result<Stored> load(const QSqlDatabase& db)
{
    Stored result;
    QSqlQuery q(db);
    if (QString error; !Sql::exec(q, selectFirst(db), {}, &error))
        return databaseFailure(error);
    if (!q.next())
        return result;
    WebBookSettings row;
    row.email = q.value(0).toString();
    row.providerIndex = q.value(1).isNull() ? WebBookSettings::DefaultProvider : q.value(1).toInt();
    row.customUrl = q.value(2).toString();
    const QStringList columns = {QStringLiteral("WebBookingEmail"), QStringLiteral("WebBookingProviderIndex"),
                                 QStringLiteral("WebBookingProviderCustom")};
    for (int i = 0; i < columns.size(); ++i) {
        if (q.value(i).isNull())
            result.nullColumns << columns[i];
    }
    result.row = row;
    return result;
}

Status save(const QSqlDatabase& db, const std::optional<WebBookSettings>& shown, const WebBookSettings& values)
{
    // Taken at once, so nothing can change between the check and the update.
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    const auto current = load(db);
    if (!current)
        return current.failure();
    if (current->row != shown)
        return conflict(differences(shown, current->row));
    // No WHERE clause: every row carries the same settings.
    QString error;
    if (!Sql::exec(db,
                   QStringLiteral("UPDATE Settings SET WebBookingEmail = ?, WebBookingProviderIndex = ?, "
                                  "WebBookingProviderCustom = ?"),
                   {values.email, values.providerIndex, values.customUrl}, &error) ||
        !tx.commit(&error))
        return databaseFailure(error);
    return Done{};
}

} // namespace WebBookStore
