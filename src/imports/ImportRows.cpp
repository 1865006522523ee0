#include "imports/ImportRows.h"

#include "berths/BerthImport.h"
#include "bookings/BerthAvailability.h"
#include "bookings/BerthBlocks.h"
#include "bookings/BookingImport.h"
#include "bookings/BookingStore.h"
#include "bookings/Ledger.h"
#include "core/ImportTags.h"
#include "core/InputParsing.h"
#include "core/SqlHelpers.h"
#include "people/PeopleImport.h"
#include "people/PeopleRecords.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>

namespace ImportRun {
namespace {
// Arrivals and departures in a file are days: a stay holds its berth from noon to noon, so back-to-back stays meet.
const QTime StayTime(12, 0);
} // namespace

Status Rows::prepare()
{
    auto people = PeopleImport::known(m_db);
    if (!people)
        return people.failure();
    m_people = std::move(*people);
    auto berths = BerthImport::known(m_db);
    if (!berths)
        return berths.failure();
    m_berths = std::move(*berths);
    auto bookings = BookingImport::byOldRef(m_db);
    if (!bookings)
        return bookings.failure();
    m_bookings = std::move(*bookings);
    const auto next = BookingStore::nextConfirmationNumber(m_db);
    if (!next)
        return next.failure();
    m_nextConfirmation = *next;
    return Done{};
}

/// The row's verdict (written, in an import); a failure only when the database fails.
Result<Row> Rows::check(const QStringList& record, qint64 line, qsizetype columns)
{
    m_record = &record;
    Row row{line, Verdict::Accepted, {}, {}};
    if (record.size() != columns) {
        row.verdict = Verdict::Refused;
        row.reason = QCoreApplication::translate("ImportRun", "The row has %1 columns where the headings have %2.")
                         .arg(record.size())
                         .arg(columns);
        return row;
    }
    Result<Row> checked = row;
    switch (m_options.kind) {
    case Kind::CustomersWithBoats:
        checked = customer(row);
        break;
    case Kind::Berths:
        checked = berth(row);
        break;
    case Kind::Bookings:
        checked = booking(row);
        break;
    case Kind::OpeningBalances:
        checked = balance(row);
        break;
    }
    return checked;
}

QString Rows::cell(const QString& key) const
{
    const int column = m_options.mapping.value(key, -1);
    return column < 0 ? QString() : m_record->value(column).trimmed();
}

Row Rows::refusedRow(Row row, const QString& reason)
{
    row.verdict = Verdict::Refused;
    row.reason = reason;
    return row;
}

// A key another row of the file already had: that row's line.
std::optional<qint64> Rows::seenBefore(const QString& key, qint64 line)
{
    if (key.isEmpty())
        return std::nullopt;
    const auto at = m_seen.constFind(key);
    if (at != m_seen.constEnd())
        return *at;
    m_seen.insert(key, line);
    return std::nullopt;
}

Result<Row> Rows::duplicateInFile(Row row, const QStringList& keys, const QStringList& names)
{
    for (qsizetype i = 0; i < keys.size(); ++i)
        if (const auto earlier = seenBefore(keys.at(i), row.line))
            return refusedRow(row, QCoreApplication::translate("ImportRun", "Line %1 of the file has the same %2.")
                                       .arg(*earlier)
                                       .arg(names.at(i)));
    return row;
}

Result<Row> Rows::customer(Row row)
{
    const QString ref = cell(QStringLiteral("ref"));
    const QString name = cell(QStringLiteral("name"));
    const QString email = cell(QStringLiteral("email"));
    const QString registration = cell(QStringLiteral("registration"));
    const QString boatRef = cell(QStringLiteral("boatRef"));
    const QString regKey = PeopleImport::registrationKey(registration);
    row.what = ref.isEmpty() ? name : ref + QStringLiteral(" ") + name;
    if (name.isEmpty())
        return refusedRow(row, QCoreApplication::translate("ImportRun", "The name is empty."));
    if (!email.isEmpty() && !email.contains(u'@'))
        return refusedRow(row, QCoreApplication::translate("ImportRun", "\"%1\" is not an e-mail address.").arg(email));
    CustomerRecord record;
    record.name = name;
    record.houseName = cell(QStringLiteral("houseName"));
    record.street = cell(QStringLiteral("street"));
    record.area = cell(QStringLiteral("area"));
    record.town = cell(QStringLiteral("town"));
    record.postCode = cell(QStringLiteral("postCode"));
    record.telNo = cell(QStringLiteral("telNo"));
    record.mobileNo = cell(QStringLiteral("mobileNo"));
    record.emailAddress = email;
    record.notes = cell(QStringLiteral("notes"));
    for (const auto& field : PeopleFields::Customer)
        if (field.maxLength > 0 && (record.*field.member).size() > field.maxLength)
            return refusedRow(row, QCoreApplication::translate("ImportRun", "%1 is longer than %2 characters.")
                                       .arg(field.captionText().chopped(1))
                                       .arg(field.maxLength));

    std::optional<BoatRecord> boat;
    const QString boatName = cell(QStringLiteral("boatName"));
    if (!boatName.isEmpty() || !registration.isEmpty() || !boatRef.isEmpty()) {
        BoatRecord b;
        b.name = boatName.isEmpty() ? registration : boatName;
        b.registration = registration;
        const std::pair<const char16_t*, std::optional<int> BoatRecord::*> sizes[] = {
            {u"length", &BoatRecord::lengthCm}, {u"beam", &BoatRecord::beamCm}, {u"draft", &BoatRecord::draftCm}};
        for (const auto& [key, member] : sizes) {
            const auto metres = m_cells.metres(cell(QString::fromUtf16(key)));
            if (!metres)
                return refusedRow(row, metres.error());
            if (*metres)
                b.*member = qRound(**metres * 100);
        }
        if (const Status fit = Boats::check(b); !fit)
            return refusedRow(row, fit.error());
        boat = b;
    }
    const Result<Row> unique =
        duplicateInFile(row,
                        {ref.isEmpty() ? QString() : QStringLiteral("c:ref:") + ref,
                         email.isEmpty() ? QString() : QStringLiteral("c:mail:") + email.toLower(),
                         regKey.isEmpty() ? QString() : QStringLiteral("c:reg:") + regKey},
                        {QCoreApplication::translate("ImportRun", "old reference"),
                         QCoreApplication::translate("ImportRun", "e-mail address"),
                         QCoreApplication::translate("ImportRun", "boat registration")});
    if (!unique || unique->verdict == Verdict::Refused)
        return unique;

    // On record already: by the old reference, else the e-mail address, else the boat's registration.
    std::optional<int> existing;
    QString matchedBy;
    if (!ref.isEmpty() && m_people.customerByRef.contains(ref)) {
        existing = m_people.customerByRef.value(ref);
        matchedBy = QCoreApplication::translate("ImportRun", "old reference");
    } else if (!email.isEmpty() && m_people.customerByEmail.contains(email.toLower())) {
        existing = m_people.customerByEmail.value(email.toLower());
        matchedBy = QCoreApplication::translate("ImportRun", "e-mail address");
    } else if (!regKey.isEmpty() && m_people.boatByRegistration.contains(regKey)) {
        existing = m_people.boatByRegistration.value(regKey).customerId;
        matchedBy = QCoreApplication::translate("ImportRun", "boat registration");
    }
    if (existing) {
        row.verdict = Verdict::Duplicate;
        const bool update = m_options.duplicates == OnDuplicate::Update;
        row.reason = (update ? QCoreApplication::translate("ImportRun", "On record (same %1): updated.")
                             : QCoreApplication::translate("ImportRun", "On record (same %1): skipped."))
                         .arg(matchedBy);
        if (!m_write || !update)
            return row;
        const auto loaded = CustomerStore::load(m_db, *existing);
        if (const auto stop = fatal(loaded, row))
            return *stop;
        if (row.verdict == Verdict::Refused)
            return row;
        CustomerRecord mine = *loaded;
        // Only what the file has replaces what is on record.
        for (const auto& [key, member] : std::initializer_list<std::pair<const char16_t*, QString CustomerRecord::*>>{
                 {u"houseName", &CustomerRecord::houseName},
                 {u"street", &CustomerRecord::street},
                 {u"area", &CustomerRecord::area},
                 {u"town", &CustomerRecord::town},
                 {u"postCode", &CustomerRecord::postCode},
                 {u"telNo", &CustomerRecord::telNo},
                 {u"mobileNo", &CustomerRecord::mobileNo},
                 {u"email", &CustomerRecord::emailAddress},
                 {u"notes", &CustomerRecord::notes}})
            if (!(record.*member).isEmpty())
                mine.*member = record.*member;
        mine.name = record.name;
        const Status saved = CustomerStore::modify(m_db, *existing, *loaded, mine);
        if (const auto stop = fatal(saved, row))
            return *stop;
        if (row.verdict == Verdict::Refused)
            return row;
        ++m_updated;
        if (boat && (regKey.isEmpty() || !m_people.boatByRegistration.contains(regKey)) &&
            (boatRef.isEmpty() || !m_people.boatByRef.contains(boatRef)))
            return addBoat(row, *boat, *existing, boatRef, regKey);
        return row;
    }
    if (!m_write)
        return row;
    const auto id = CustomerStore::add(m_db, record);
    if (const auto stop = fatal(id, row))
        return *stop;
    if (row.verdict == Verdict::Refused)
        return row;
    if (const Status tagged = ImportTags::tag(m_db, QStringLiteral("Customer"), *id, ref, m_batchId); !tagged)
        return tagged.failure();
    if (!ref.isEmpty())
        m_people.customerByRef.insert(ref, *id);
    if (!email.isEmpty())
        m_people.customerByEmail.insert(email.toLower(), *id);
    return boat ? addBoat(row, *boat, *id, boatRef, regKey) : Result<Row>(row);
}

Result<Row> Rows::addBoat(Row row, BoatRecord boat, int customerId, const QString& boatRef, const QString& regKey)
{
    boat.customerId = customerId;
    const auto id = Boats::add(m_db, boat);
    if (!id)
        return id.failure(); // checked above: any failure here is the database's
    if (const Status tagged = ImportTags::tag(m_db, QStringLiteral("Boat"), *id, boatRef, m_batchId); !tagged)
        return tagged.failure();
    const PeopleImport::KnownBoat known{*id, customerId};
    if (!regKey.isEmpty())
        m_people.boatByRegistration.insert(regKey, known);
    if (!boatRef.isEmpty())
        m_people.boatByRef.insert(boatRef, known);
    return row;
}

Result<Row> Rows::berth(Row row)
{
    const QString ref = cell(QStringLiteral("ref"));
    BerthImport::Berth berth;
    berth.name = cell(QStringLiteral("name"));
    berth.type = cell(QStringLiteral("type"));
    row.what = ref.isEmpty() ? berth.name : ref + QStringLiteral(" ") + berth.name;
    if (berth.name.isEmpty())
        return refusedRow(row, QCoreApplication::translate("ImportRun", "The berth's name is empty."));
    const std::pair<const char16_t*, std::optional<double> BerthImport::Berth::*> sizes[] = {
        {u"length", &BerthImport::Berth::length},
        {u"width", &BerthImport::Berth::width},
        {u"draft", &BerthImport::Berth::maxDraft}};
    for (const auto& [key, member] : sizes) {
        const auto metres = m_cells.metres(cell(QString::fromUtf16(key)));
        if (!metres)
            return refusedRow(row, metres.error());
        berth.*member = *metres;
    }
    const auto power = m_cells.yesNo(cell(QStringLiteral("power")));
    if (!power)
        return refusedRow(row, power.error());
    berth.hasPower = *power;
    if (const QString daily = cell(QStringLiteral("daily")); !daily.isEmpty()) {
        const auto amount = m_cells.amount(daily, InputChecks::ChargeCeiling);
        if (!amount)
            return refusedRow(row, amount.error());
        berth.dailyHireCharge = *amount;
    }
    const QString nameKey = BerthImport::nameKey(berth.name);
    const Result<Row> unique = duplicateInFile(
        row, {ref.isEmpty() ? QString() : QStringLiteral("b:ref:") + ref, QStringLiteral("b:name:") + nameKey},
        {QCoreApplication::translate("ImportRun", "old reference"),
         QCoreApplication::translate("ImportRun", "berth name")});
    if (!unique || unique->verdict == Verdict::Refused)
        return unique;
    std::optional<BerthImport::KnownBerth> existing;
    if (!ref.isEmpty() && m_berths.byRef.contains(ref))
        existing = m_berths.byRef.value(ref);
    else if (m_berths.byName.contains(nameKey))
        existing = m_berths.byName.value(nameKey);
    if (existing) {
        const bool update = m_options.duplicates == OnDuplicate::Update;
        row.verdict = Verdict::Duplicate;
        row.reason = update ? QCoreApplication::translate("ImportRun", "On record: updated.")
                            : QCoreApplication::translate("ImportRun", "On record: skipped.");
        if (m_write && update) {
            if (const Status saved = BerthImport::update(m_db, existing->id, berth); !saved)
                return saved.failure();
            ++m_updated;
        }
        return row;
    }
    if (!m_write)
        return row;
    const auto id = BerthImport::add(m_db, berth);
    if (!id)
        return id.failure();
    if (const Status tagged = ImportTags::tag(m_db, QStringLiteral("Berth"), *id, ref, m_batchId); !tagged)
        return tagged.failure();
    return row;
}

Result<Row> Rows::booking(Row row)
{
    const QString ref = cell(QStringLiteral("ref"));
    const QString customerKey = cell(QStringLiteral("customer"));
    const QString berthKey = cell(QStringLiteral("berth"));
    row.what = ref.isEmpty() ? customerKey + QStringLiteral(" / ") + berthKey : ref;
    std::optional<int> customerId;
    if (m_people.customerByRef.contains(customerKey))
        customerId = m_people.customerByRef.value(customerKey);
    else if (m_people.customerByEmail.contains(customerKey.toLower()))
        customerId = m_people.customerByEmail.value(customerKey.toLower());
    if (!customerId)
        return refusedRow(
            row, QCoreApplication::translate("ImportRun", "No customer has the reference \"%1\".").arg(customerKey));
    std::optional<BerthImport::KnownBerth> berth;
    if (m_berths.byRef.contains(berthKey))
        berth = m_berths.byRef.value(berthKey);
    else if (m_berths.byName.contains(BerthImport::nameKey(berthKey)))
        berth = m_berths.byName.value(BerthImport::nameKey(berthKey));
    if (!berth)
        return refusedRow(row, QCoreApplication::translate("ImportRun", "The berth \"%1\" is unknown.").arg(berthKey));
    const auto arrival = m_cells.date(cell(QStringLiteral("arrival")));
    if (!arrival)
        return refusedRow(row, arrival.error());
    const auto departure = m_cells.date(cell(QStringLiteral("departure")));
    if (!departure)
        return refusedRow(row, departure.error());
    if (*departure <= *arrival)
        return refusedRow(row, QCoreApplication::translate("ImportRun", "The departure is not after the arrival."));
    const auto total = m_cells.amount(cell(QStringLiteral("total")), InputChecks::ChargeCeiling);
    if (!total)
        return refusedRow(row, total.error());
    const auto adults = m_cells.count(cell(QStringLiteral("adults")), int(InputChecks::MaxCount));
    if (!adults)
        return refusedRow(row, adults.error());

    std::optional<int> boatId;
    if (const QString registration = cell(QStringLiteral("registration")); !registration.isEmpty()) {
        const QString key = PeopleImport::registrationKey(registration);
        const auto known = m_people.boatByRegistration.constFind(key);
        if (known == m_people.boatByRegistration.constEnd())
            return refusedRow(
                row,
                QCoreApplication::translate("ImportRun", "No boat has the registration \"%1\".").arg(registration));
        if (known->customerId != *customerId)
            return refusedRow(
                row,
                QCoreApplication::translate("ImportRun", "The boat \"%1\" is another customer's.").arg(registration));
        boatId = known->id;
        const auto boat = Boats::load(m_db, *boatId);
        if (!boat)
            return boat.failure();
        const QList<BerthFit::Measure> misfits = BerthFit::misfits(*boat, berth->size);
        if (!misfits.isEmpty()) {
            QStringList names;
            for (const BerthFit::Measure measure : misfits)
                names.append(BerthFit::measureName(measure));
            return refusedRow(row, QCoreApplication::translate("ImportRun", "The boat is too big for berth %1 (%2).")
                                       .arg(berth->name, names.join(QStringLiteral(", "))));
        }
    }
    const Result<Row> unique = duplicateInFile(row, {ref.isEmpty() ? QString() : QStringLiteral("k:ref:") + ref},
                                               {QCoreApplication::translate("ImportRun", "old reference")});
    if (!unique || unique->verdict == Verdict::Refused)
        return unique;
    if (!ref.isEmpty() && m_bookings.contains(ref)) {
        row.verdict = Verdict::Duplicate;
        row.reason = QCoreApplication::translate(
            "ImportRun", "On record: skipped (an imported booking is changed in the booking window).");
        return row;
    }

    // Over another booking or a block, on record or earlier in the file.
    const QDateTime from = DateTimes::wallTime(*arrival, StayTime);
    const QDateTime to = DateTimes::wallTime(*departure, StayTime);
    QList<std::pair<QDateTime, QDateTime>>& claimed = m_claimed[berth->id];
    for (const auto& [start, end] : std::as_const(claimed))
        if (start < to && from < end)
            return refusedRow(row, QCoreApplication::translate(
                                       "ImportRun", "Another row of the file books berth %1 over these dates.")
                                       .arg(berth->name));
    const auto blocked = BerthBlocks::blockedOver(m_db, {berth->id}, from, to, 0);
    if (!blocked)
        return blocked.failure();
    if (!blocked->isEmpty())
        return refusedRow(
            row, QCoreApplication::translate("ImportRun", "Berth %1 is blocked over these dates.").arg(berth->name));
    const auto held = BerthAvailability::heldStretches(m_db, {berth->id}, from, to);
    if (!held)
        return held.failure();
    if (!BerthAvailability::freeOver(*held, berth->id, from, to))
        return refusedRow(
            row, QCoreApplication::translate("ImportRun", "Berth %1 is booked over these dates.").arg(berth->name));
    if (!m_write) {
        claimed.append({from, to});
        return row;
    }
    BookingRecord record;
    record.customerId = *customerId;
    record.boatId = boatId;
    record.fromDate = from;
    record.toDate = to;
    record.bookedBy = QCoreApplication::translate("ImportRun", "Import");
    record.notes = cell(QStringLiteral("notes"));
    record.noAdults = adults->value_or(-1);
    record.noKids = -1;
    // The price is kept as the old records agreed it: no rate table works it out again.
    record.costOfHire = *total;
    record.totalPayable = *total;
    record.taxRate = 0;
    record.berthIds = {berth->id};
    record.berthNames = {berth->name};
    record.berthConfirmationNumber = m_nextConfirmation++;
    record.confirmationNumberProposed = true;
    record.savedAt = m_now;
    const auto saved = BookingStore::saveBooking(m_db, record);
    if (const auto stop = fatal(saved, row))
        return *stop;
    if (row.verdict == Verdict::Refused)
        return row;
    if (const Status tagged = ImportTags::tag(m_db, QStringLiteral("Booking"), saved->id, ref, m_batchId); !tagged)
        return tagged.failure();
    claimed.append({from, to});
    if (!ref.isEmpty())
        m_bookings.insert(ref, saved->id);
    return row;
}

Result<Row> Rows::balance(Row row)
{
    const QString ref = cell(QStringLiteral("booking"));
    row.what = ref;
    const auto booking = m_bookings.constFind(ref);
    if (ref.isEmpty() || booking == m_bookings.constEnd())
        return refusedRow(row,
                          QCoreApplication::translate("ImportRun", "No booking has the reference \"%1\".").arg(ref));
    const auto amount = m_cells.amount(cell(QStringLiteral("amount")), Ledger::lineCeiling());
    if (!amount)
        return refusedRow(row, amount.error());
    QDate day = m_now.date();
    if (const QString date = cell(QStringLiteral("date")); !date.isEmpty()) {
        const auto read = m_cells.date(date);
        if (!read)
            return refusedRow(row, read.error());
        day = *read;
    }
    // What was paid is a payment; a negative balance brought over (money given back) a correction.
    const Ledger::Entry entry{*amount < Money() ? Ledger::Kind::Correction : Ledger::Kind::Payment, std::nullopt,
                              *amount, BookingImport::openingBalanceReference(),
                              QCoreApplication::translate("ImportRun", "Import %1").arg(m_batchId)};
    if (*amount == Money())
        return refusedRow(row, QCoreApplication::translate("ImportRun", "The amount is nothing."));
    if (const QString fault = Ledger::entryFault(entry); !fault.isEmpty())
        return refusedRow(row, fault);
    const Result<Row> unique = duplicateInFile(row, {QStringLiteral("p:") + QString::number(*booking)},
                                               {QCoreApplication::translate("ImportRun", "booking reference")});
    if (!unique || unique->verdict == Verdict::Refused)
        return unique;
    const auto already = BookingImport::hasOpeningBalance(m_db, *booking);
    if (!already)
        return already.failure();
    if (*already) {
        row.verdict = Verdict::Duplicate;
        row.reason = QCoreApplication::translate(
            "ImportRun", "The booking has its opening balance already: skipped (a ledger line is put right with "
                         "a correction).");
        return row;
    }
    const auto account = Ledger::account(m_db, *booking);
    if (!account)
        return account.failure();
    if (account->cancelled)
        return refusedRow(row, QCoreApplication::translate("ImportRun", "The booking is cancelled."));
    if (!m_write)
        return row;
    const auto recorded =
        Ledger::addLine(m_db, *booking, entry, DateTimes::wallTime(day, StayTime), Ledger::deskName());
    if (const auto stop = fatal(recorded, row))
        return *stop;
    return row;
}

} // namespace ImportRun
