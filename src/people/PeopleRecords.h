#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <optional>

/// The Mode a record dialog is opened with.
namespace RecordMode {
inline constexpr int Add = 1;
inline constexpr int Edit = 2;
} // namespace RecordMode

/// One customer as the customer dialog edits it: every text as typed, empty for a Null column.
struct CustomerRecord
{
    QString name;
    QString houseName;
    QString street;
    QString area;
    QString town;
    QString postCode;
    QString telNo;
    QString mobileNo;
    QString emailAddress;
    QString notes;
    bool clubMember = false;
    QString membershipNo;
};

/// One owner of berths as the owner dialog edits it (owners have no phone, club flag or membership number).
struct OwnerRecord
{
    QString name;
    QString houseName;
    QString street;
    QString area;
    QString town;
    QString postCode;
    QString mobileNo;
    QString emailAddress;
    QString notes;
};

/// Reads and writes customers. Every text is bound exactly as typed (an empty box stores an empty text, never
/// Null); each change is one transaction, so a failure leaves the table as it was and reports why in *error.
namespace CustomerStore {
/// The row with this ID; nothing when it does not exist or cannot be read.
std::optional<CustomerRecord> Load(const QSqlDatabase& db, int id, QString* error = nullptr);
/// Inserts a new customer; the ID the database gave it, or nothing.
std::optional<int> Add(const QSqlDatabase& db, const CustomerRecord& record, QString* error = nullptr);
/// Overwrites every column of the customer with this ID; false when it failed or the row is gone.
bool Modify(const QSqlDatabase& db, int id, const CustomerRecord& record, QString* error = nullptr);
} // namespace CustomerStore

/// The same for owners.
namespace OwnerStore {
std::optional<OwnerRecord> Load(const QSqlDatabase& db, int id, QString* error = nullptr);
std::optional<int> Add(const QSqlDatabase& db, const OwnerRecord& record, QString* error = nullptr);
bool Modify(const QSqlDatabase& db, int id, const OwnerRecord& record, QString* error = nullptr);
} // namespace OwnerStore

/// The details texts written to the event log for customers and owners.
namespace PeopleEvents {
/// After an add or a change: Name: 'name' HouseName: 'house', the texts as typed.
QString SavedDetails(const QString& name, const QString& houseName);
/// After a delete from a list: Name: name, HouseName: house; a Null value contributes nothing.
QString DeletedDetails(const QVariant& name, const QVariant& houseName);
} // namespace PeopleEvents
