#pragma once

#include "core/FieldChanges.h"
#include "core/RecordMode.h"
#include "core/Removal.h"
#include "core/Result.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <optional>

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
    QString language; // what the office writes to them in ("de"); empty: the office's own
    bool operator==(const CustomerRecord&) const = default;
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
    bool operator==(const OwnerRecord&) const = default;
};

/// One one-line text of a person: where the record keeps it, the column that stores it, the box that edits (and
/// searches) it, the box's caption and its longest text (0: no limit).
template <typename Record> struct PersonField
{
    QString Record::*member;
    const char16_t* column;
    const char16_t* box;
    const char* caption; // the source text; captionText() gives it in the user's language
    int maxLength;

    QString captionText() const { return QCoreApplication::translate("PeopleFields", caption); }
};

/// The field table of each kind of person, in the order of the dialog's boxes (the tab order). The stores, the
/// record dialogs and the customer search are all built from these; the notes (and the customer's club flag)
/// come after them.
namespace PeopleFields {
inline constexpr int TextLimit = 100;
inline constexpr int MembershipNoLimit = 50;

// The fields both kinds have, written once.
template <typename R>
inline constexpr PersonField<R> Name{&R::name, u"Name", u"txtName", QT_TRANSLATE_NOOP("PeopleFields", "Name:"),
                                     TextLimit};
template <typename R>
inline constexpr PersonField<R> HouseName{&R::houseName, u"HouseName", u"txtHouseName",
                                          QT_TRANSLATE_NOOP("PeopleFields", "House Name:"), TextLimit};
template <typename R>
inline constexpr PersonField<R> Street{&R::street, u"Street", u"txtStreet",
                                       QT_TRANSLATE_NOOP("PeopleFields", "Street:"), TextLimit};
template <typename R>
inline constexpr PersonField<R> Area{&R::area, u"Area", u"txtArea", QT_TRANSLATE_NOOP("PeopleFields", "Area:"),
                                     TextLimit};
template <typename R>
inline constexpr PersonField<R> Town{&R::town, u"Town", u"txtTown", QT_TRANSLATE_NOOP("PeopleFields", "Town:"),
                                     TextLimit};
template <typename R>
inline constexpr PersonField<R> PostCode{&R::postCode, u"PostCode", u"txtPostCode",
                                         QT_TRANSLATE_NOOP("PeopleFields", "Post Code:"), 0};
template <typename R>
inline constexpr PersonField<R> MobileNo{&R::mobileNo, u"MobileNo", u"txtMobileNo",
                                         QT_TRANSLATE_NOOP("PeopleFields", "Mobile Phone:"), TextLimit};
template <typename R>
inline constexpr PersonField<R> Email{&R::emailAddress, u"EmailAddress", u"txtEmail",
                                      QT_TRANSLATE_NOOP("PeopleFields", "Email Address:"), TextLimit};

using C = CustomerRecord;
inline constexpr PersonField<C> Customer[] = {
    Name<C>,
    HouseName<C>,
    Street<C>,
    Area<C>,
    Town<C>,
    PostCode<C>,
    {&C::telNo, u"TelNo", u"txtTelNo", QT_TRANSLATE_NOOP("PeopleFields", "Phone:"), TextLimit},
    MobileNo<C>,
    Email<C>,
    {&C::membershipNo, u"MembershipNo", u"txtMembershipNo", QT_TRANSLATE_NOOP("PeopleFields", "Membership No:"),
     MembershipNoLimit}};

using O = OwnerRecord;
inline constexpr PersonField<O> Owner[] = {Name<O>, HouseName<O>, Street<O>,   Area<O>,
                                           Town<O>, PostCode<O>,  MobileNo<O>, Email<O>};
} // namespace PeopleFields

/// Reads, writes and deletes customers. Every text is bound exactly as typed (an empty box stores an empty text,
/// never Null); each change is one transaction, so a failure leaves the table as it was. A row that is not there
/// (deleted at another desk) is a Conflict.
namespace CustomerStore {
Result<CustomerRecord> load(const QSqlDatabase& db, int id);
/// Inserts a new customer; the ID the database gave it.
Result<int> add(const QSqlDatabase& db, const CustomerRecord& record);
/// The columns add() writes, and the record's values for them in that order (for many rows written at once).
QStringList columns();
QVariantList columnValues(const CustomerRecord& record);
/// Saves mine over the customer with this ID, merged inside the save's transaction with what another desk stored
/// since seen (as load gave it when the editing began): both desks' changes are kept. A Conflict, with nothing saved,
/// when both changed a field differently (merge then lists them) or the row was deleted (merge then stays empty).
/// merge receives what was merged, saved or not.
Status modify(const QSqlDatabase& db, int id, const CustomerRecord& seen, const CustomerRecord& mine,
              std::optional<FieldChanges::Merge<CustomerRecord>>* merge = nullptr);
/// The merge of seen, theirs and mine, field by field in the dialog's order.
FieldChanges::Merge<CustomerRecord> merged(const CustomerRecord& seen, const CustomerRecord& theirs,
                                           const CustomerRecord& mine);
/// The question before deleting the customer with their bookings (counted by the bookings folder, which owns
/// them); Refused without a text for no customer.
Result<Removal::Question> askRemove(const QSqlDatabase& db, int id, const Removal::Dependents& bookings);
/// Deletes the customer and their bookings, unless bookings were made since the question counted asked.
Status remove(const QSqlDatabase& db, int id, int asked, const Removal::Dependents& bookings);
} // namespace CustomerStore

/// The same for owners; an owner's berths (owned by the berths folder) go with them, their bookings stay.
namespace OwnerStore {
Result<OwnerRecord> load(const QSqlDatabase& db, int id);
Result<int> add(const QSqlDatabase& db, const OwnerRecord& record);
Status modify(const QSqlDatabase& db, int id, const OwnerRecord& seen, const OwnerRecord& mine,
              std::optional<FieldChanges::Merge<OwnerRecord>>* merge = nullptr);
FieldChanges::Merge<OwnerRecord> merged(const OwnerRecord& seen, const OwnerRecord& theirs, const OwnerRecord& mine);
Result<Removal::Question> askRemove(const QSqlDatabase& db, int id, const Removal::Dependents& berths);
Status remove(const QSqlDatabase& db, int id, int asked, const Removal::Dependents& berths);
} // namespace OwnerStore

/// The details texts written to the event log for customers and owners.
namespace PeopleEvents {
/// After an add or a change: Name: 'name' HouseName: 'house', the texts as typed.
QString savedDetails(const QString& name, const QString& houseName);
/// After a delete from a list: Name: name, HouseName: house; a Null value contributes nothing.
QString deletedDetails(const QVariant& name, const QVariant& houseName);
} // namespace PeopleEvents
