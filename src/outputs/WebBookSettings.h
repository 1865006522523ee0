#pragma once

#include "core/Result.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <optional>

/// The web booking choices kept in the one-row Settings table: where requests are mailed and through which
/// form-mail service.
struct WebBookSettings
{
    Q_DECLARE_TR_FUNCTIONS(WebBookSettings)

public:
    enum Provider
    {
        DefaultProvider = 0,
        CustomProvider = 1
    };

    QString email;
    int providerIndex = DefaultProvider;
    QString customUrl;

    bool operator==(const WebBookSettings&) const = default;

    /// The address the page's form posts to: the custom service when chosen, else the default endpoint.
    QString actionUrl() const;
    /// The default endpoint: a settings value, so a moved service needs no new program.
    static QString defaultEndpoint();
    /// The provider list's texts, by index.
    static QStringList providerNames();
    QString providerName() const;
    /// The provider's name in the program's own words, whatever the language shown: for the event log.
    QString providerLogName() const;
};

/// Reads and stores the web booking columns of Settings. A missing row is a normal state (an empty table).
namespace WebBookStore {

/// The stored row as read.
struct Stored
{
    std::optional<WebBookSettings> row; // nothing when the table has no row
    /// Columns that hold Null, by name; the page cannot be made from such a row.
    QStringList nullColumns;
};

Result<Stored> load(const QSqlDatabase& db);

/// Sets the three columns on every row of Settings in one transaction, after checking that the stored values
/// are still the ones the user was shown (shown: nothing when the table had no row). A Conflict, naming the
/// changes found, when they are not: nothing is written.
Status save(const QSqlDatabase& db, const std::optional<WebBookSettings>& shown, const WebBookSettings& values);

} // namespace WebBookStore
