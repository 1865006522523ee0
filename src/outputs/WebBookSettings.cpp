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

QStringList WebBookSettings::providerNames()
{
    return {QStringLiteral("Response-o-Matic (default)"), QStringLiteral("Custom...")};
}

QString WebBookSettings::providerName() const
{
    return providerNames().value(providerIndex);
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
        return QStringLiteral("The web booking settings have been created.");
    if (!now)
        return QStringLiteral("The web booking settings have been removed.");
    QStringList lines;
    if (shown->email != now->email)
        lines << QStringLiteral("Booking email address: now %1, was %2").arg(quoted(now->email), quoted(shown->email));
    if (shown->providerIndex != now->providerIndex)
        lines << QStringLiteral("Email provider: now %1, was %2").arg(now->providerName(), shown->providerName());
    if (shown->customUrl != now->customUrl)
        lines
            << QStringLiteral("Custom provider: now %1, was %2").arg(quoted(now->customUrl), quoted(shown->customUrl));
    return lines.join(u'\n');
}
} // namespace

Loaded load(const QSqlDatabase& db)
{
    Loaded result;
    QSqlQuery q(db);
    if (!Sql::exec(q, selectFirst(db), {}, &result.error))
        return result;
    result.ok = true;
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

Saved save(const QSqlDatabase& db, const std::optional<WebBookSettings>& shown, const WebBookSettings& values)
{
    Saved result;
    // Taken at once, so nothing can change between the check and the update.
    Sql::Transaction tx(db, true);
    if (!tx.started()) {
        result.text = tx.error();
        return result;
    }
    const Loaded current = load(db);
    if (!current.ok) {
        result.text = current.error;
        return result;
    }
    if (current.row != shown) {
        result.outcome = Saved::ChangedMeanwhile;
        result.text = differences(shown, current.row);
        result.now = current.row;
        return result;
    }
    // No WHERE clause: every row carries the same settings.
    if (!Sql::exec(db,
                   QStringLiteral("UPDATE Settings SET WebBookingEmail = ?, WebBookingProviderIndex = ?, "
                                  "WebBookingProviderCustom = ?"),
                   {values.email, values.providerIndex, values.customUrl}, &result.text) ||
        !tx.commit(&result.text))
        return result;
    result.outcome = Saved::Stored;
    return result;
}

} // namespace WebBookStore
