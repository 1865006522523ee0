#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <optional>

/// The web booking choices kept in the one-row Settings table: where requests are mailed and through which
/// form-mail service.
struct WebBookSettings
{
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
};

/// Reads and stores the web booking columns of Settings. A missing row is a normal state (an empty table).
namespace WebBookStore {

struct Loaded
{
    bool ok = false; // false: the table could not be read (error says why)
    QString error;
    std::optional<WebBookSettings> row; // nothing when the table has no row
    /// Columns that hold Null, by name; the page cannot be made from such a row.
    QStringList nullColumns;
};

Loaded load(const QSqlDatabase& db);

struct Saved
{
    enum Outcome
    {
        Stored,
        ChangedMeanwhile, // the stored values are no longer those shown: nothing written
        Failed
    } outcome = Failed;
    QString text;                       // the changes found, or the database error
    std::optional<WebBookSettings> now; // the stored values found (ChangedMeanwhile)
};

/// Sets the three columns on every row of Settings in one transaction, after checking that the stored values
/// are still the ones the user was shown (shown: nothing when the table had no row).
Saved save(const QSqlDatabase& db, const std::optional<WebBookSettings>& shown, const WebBookSettings& values);

} // namespace WebBookStore
