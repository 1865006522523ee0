#include "outputs/WebBookSettings.h"

#include "core/Dialect.h"
#include "core/Registry.h"
#include "core/SqlHelpers.h"

#include <QSqlQuery>

QString WebBookSettings::ActionUrl() const
{
    return providerIndex == CustomProvider ? customUrl : DefaultEndpoint();
}

QString WebBookSettings::DefaultEndpoint()
{
    const QString url = Registry::GetRegistryValue(Settings::WebBookFormMailUrl).trimmed();
    return url.isEmpty() ? Settings::WebBookFormMailUrl.defaultValue : url;
}

QStringList WebBookSettings::ProviderNames()
{
    return {QStringLiteral("Response-o-Matic (default)"), QStringLiteral("Custom...")};
}

QString WebBookSettings::ProviderName() const
{
    return ProviderNames().value(providerIndex);
}

namespace WebBookStore {
namespace {
// The first row stands for the table: the program keeps one, and writes every row alike.
QString SelectFirst(const QSqlDatabase& db)
{
    return QStringLiteral("SELECT WebBookingEmail, WebBookingProviderIndex, WebBookingProviderCustom FROM Settings "
                          "ORDER BY %1 LIMIT 1")
        .arg(Dialect::Of(db).InsertOrder(QString()));
}

QString Quoted(const QString& text)
{
    return u'\'' + text + u'\'';
}

QString Differences(const std::optional<WebBookSettings>& shown, const std::optional<WebBookSettings>& now)
{
    if (!shown)
        return QStringLiteral("The web booking settings have been created.");
    if (!now)
        return QStringLiteral("The web booking settings have been removed.");
    QStringList lines;
    if (shown->email != now->email)
        lines << QStringLiteral("Booking email address: now %1, was %2").arg(Quoted(now->email), Quoted(shown->email));
    if (shown->providerIndex != now->providerIndex)
        lines << QStringLiteral("Email provider: now %1, was %2").arg(now->ProviderName(), shown->ProviderName());
    if (shown->customUrl != now->customUrl)
        lines
            << QStringLiteral("Custom provider: now %1, was %2").arg(Quoted(now->customUrl), Quoted(shown->customUrl));
    return lines.join(u'\n');
}
} // namespace

Loaded Load(const QSqlDatabase& db)
{
    Loaded result;
    QSqlQuery q(db);
    if (!Sql::Exec(q, SelectFirst(db), {}, &result.error))
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

Saved Save(const QSqlDatabase& db, const std::optional<WebBookSettings>& shown, const WebBookSettings& values)
{
    Saved result;
    // Taken at once, so nothing can change between the check and the update.
    Sql::Transaction tx(db, true);
    if (!tx.Started()) {
        result.text = tx.Error();
        return result;
    }
    const Loaded current = Load(db);
    if (!current.ok) {
        result.text = current.error;
        return result;
    }
    if (current.row != shown) {
        result.outcome = Saved::ChangedMeanwhile;
        result.text = Differences(shown, current.row);
        result.now = current.row;
        return result;
    }
    // No WHERE clause: every row carries the same settings.
    if (!Sql::Exec(db,
                   QStringLiteral("UPDATE Settings SET WebBookingEmail = ?, WebBookingProviderIndex = ?, "
                                  "WebBookingProviderCustom = ?"),
                   {values.email, values.providerIndex, values.customUrl}, &result.text) ||
        !tx.Commit(&result.text))
        return result;
    result.outcome = Saved::Stored;
    return result;
}

} // namespace WebBookStore
