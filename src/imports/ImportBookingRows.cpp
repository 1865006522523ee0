// The checker's rows of bookings: matched to the customers, boats and berths on record, checked against what holds
// each berth (read once, with the rows before), and written many at a time.
#include "imports/ImportRows.h"

#include "bookings/BookingStore.h"
#include "core/InputParsing.h"

#include <QCoreApplication>

namespace ImportRun {

Result<BoatRecord> Rows::boat(int boatId)
{
    if (const auto known = m_boats.constFind(boatId); known != m_boats.constEnd())
        return *known;
    const auto loaded = Boats::load(m_db, boatId);
    if (!loaded)
        return loaded.failure();
    m_boats.insert(boatId, *loaded);
    return *loaded;
}

std::optional<int> Rows::customerByKey(const QString& key) const
{
    if (const auto byRef = m_people.customerByRef.constFind(key); byRef != m_people.customerByRef.constEnd())
        return *byRef;
    if (const auto byMail = m_people.customerByEmail.constFind(key.toLower());
        byMail != m_people.customerByEmail.constEnd())
        return *byMail;
    return std::nullopt;
}

std::optional<BerthImport::KnownBerth> Rows::berthByKey(const QString& key) const
{
    if (const auto byRef = m_berths.byRef.constFind(key); byRef != m_berths.byRef.constEnd())
        return *byRef;
    if (const auto byName = m_berths.byName.constFind(BerthImport::nameKey(key)); byName != m_berths.byName.constEnd())
        return *byName;
    return std::nullopt;
}

std::optional<Rows::Holder> Rows::holderOf(Row& row, const QString& ref)
{
    const QString customerKey = cell(QStringLiteral("customer"));
    const QString berthKey = cell(QStringLiteral("berth"));
    row.what = ref.isEmpty() ? customerKey + QStringLiteral(" / ") + berthKey : ref;
    const std::optional<int> customerId = customerByKey(customerKey);
    if (!customerId) {
        row = refusedRow(
            row, QCoreApplication::translate("ImportRun", "No customer has the reference \"%1\".").arg(customerKey));
        return std::nullopt;
    }
    const std::optional<BerthImport::KnownBerth> berth = berthByKey(berthKey);
    if (!berth) {
        row = refusedRow(row, QCoreApplication::translate("ImportRun", "The berth \"%1\" is unknown.").arg(berthKey));
        return std::nullopt;
    }
    return Holder{*customerId, *berth};
}

Result<Row> Rows::booking(Row row)
{
    const QString ref = cell(QStringLiteral("ref"));
    const std::optional<Holder> holder = holderOf(row, ref);
    if (!holder)
        return row;
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
        if (known->customerId != holder->customerId)
            return refusedRow(
                row,
                QCoreApplication::translate("ImportRun", "The boat \"%1\" is another customer's.").arg(registration));
        boatId = known->id;
        const auto boatRecord = boat(*boatId);
        if (!boatRecord)
            return boatRecord.failure();
        const QList<BerthFit::Measure> misfits = BerthFit::misfits(*boatRecord, holder->berth.size);
        if (!misfits.isEmpty()) {
            QStringList names;
            for (const BerthFit::Measure measure : misfits)
                names.append(BerthFit::measureName(measure));
            return refusedRow(row, QCoreApplication::translate("ImportRun", "The boat is too big for berth %1 (%2).")
                                       .arg(holder->berth.name, names.join(QStringLiteral(", "))));
        }
    }
    const Result<Row> unique = duplicateInFile(row, {ref.isEmpty() ? QString() : QStringLiteral("k:ref:") + ref},
                                               {QCoreApplication::translate("ImportRun", "old reference")});
    if (!unique || unique->verdict == Verdict::Refused)
        return unique;

    BookingRecord record;
    record.customerId = holder->customerId;
    record.boatId = boatId;
    record.fromDate = DateTimes::wallTime(*arrival, StayTime);
    record.toDate = DateTimes::wallTime(*departure, StayTime);
    record.notes = cell(QStringLiteral("notes"));
    record.noAdults = adults->value_or(-1);
    record.noKids = -1;
    // The price is kept as the old records agreed it: no rate table works it out again.
    record.costOfHire = *total;
    record.totalPayable = *total;
    record.taxRate = 0;
    record.berthIds = {holder->berth.id};
    record.berthNames = {holder->berth.name};
    record.savedAt = m_now;
    if (!ref.isEmpty() && m_bookings.contains(ref)) {
        if (m_options.duplicates == OnDuplicate::Skip) {
            row.verdict = Verdict::Duplicate;
            row.reason = QCoreApplication::translate("ImportRun", "On record (same old reference): skipped.");
            return row;
        }
        return updateBooking(row, m_bookings.value(ref), record);
    }
    if (const QString fault = m_writer.fault(record); !fault.isEmpty())
        return refusedRow(row, fault);
    switch (m_writer.clashOn(holder->berth.id, record.fromDate, record.toDate)) {
    case BookingBulkWriter::Clash::Blocked:
        return refusedRow(
            row,
            QCoreApplication::translate("ImportRun", "Berth %1 is blocked over these dates.").arg(holder->berth.name));
    case BookingBulkWriter::Clash::Booked:
        return refusedRow(
            row,
            QCoreApplication::translate("ImportRun", "Berth %1 is booked over these dates.").arg(holder->berth.name));
    case BookingBulkWriter::Clash::Claimed:
        return refusedRow(
            row, QCoreApplication::translate("ImportRun", "Another row of the file books berth %1 over these dates.")
                     .arg(holder->berth.name));
    case BookingBulkWriter::Clash::None:
        break;
    }
    if (!m_write) {
        m_writer.claim(record);
        return row;
    }
    record.bookedBy = QCoreApplication::translate("ImportRun", "Import");
    // Another row of the file with this reference was refused above as a duplicate within the file.
    if (const Status added = m_writer.add(record, ref); !added)
        return added.failure();
    return row;
}

Result<Row> Rows::updateBooking(Row row, int bookingId, BookingRecord mine)
{
    row.verdict = Verdict::Duplicate;
    row.reason = QCoreApplication::translate("ImportRun", "On record (same old reference): updated.");
    const auto stored = BookingStore::loadBooking(m_db, bookingId);
    if (const auto stop = fatal(stored, row))
        return *stop;
    if (row.verdict == Verdict::Refused)
        return row;
    if (stored->cancelled)
        return refusedRow(row, QCoreApplication::translate("ImportRun", "The booking on record is cancelled."));
    // What the file has replaces what is on record; the rest (who booked it, its payments, its terms) is kept.
    BookingRecord record = *stored;
    record.customerId = mine.customerId;
    if (mine.boatId)
        record.boatId = mine.boatId;
    record.fromDate = mine.fromDate;
    record.toDate = mine.toDate;
    if (!mine.notes.isEmpty())
        record.notes = mine.notes;
    if (mine.noAdults >= 0)
        record.noAdults = mine.noAdults;
    record.berthIds = mine.berthIds;
    record.berthNames = mine.berthNames;
    if (record.totalPayable != mine.totalPayable) {
        // A price changed in the old records is the price agreed: its lines no longer add up to it.
        record.charges.clear();
        record.costOfHire = mine.totalPayable;
        record.otherCharges = Money();
        record.vat = Money();
        record.totalPayable = mine.totalPayable;
    }
    record.savedAt = m_now;
    // The rules of the one-booking save: in range, and neither the stay as stored nor as changed in a closed month.
    for (const auto& [arrives, departs] :
         {std::pair{stored->fromDate, stored->toDate}, {record.fromDate, record.toDate}}) {
        BookingRecord checked = record;
        checked.fromDate = arrives;
        checked.toDate = departs;
        if (const QString fault = m_writer.fault(checked); !fault.isEmpty())
            return refusedRow(row, fault);
    }
    const int berthId = record.berthIds.value(0);
    switch (m_writer.clashOn(berthId, record.fromDate, record.toDate, bookingId)) {
    case BookingBulkWriter::Clash::Blocked:
        return refusedRow(row, QCoreApplication::translate("ImportRun", "Berth %1 is blocked over these dates.")
                                   .arg(record.berthNames.value(0)));
    case BookingBulkWriter::Clash::Booked:
    case BookingBulkWriter::Clash::Claimed:
        return refusedRow(row, QCoreApplication::translate("ImportRun", "Berth %1 is booked over these dates.")
                                   .arg(record.berthNames.value(0)));
    case BookingBulkWriter::Clash::None:
        break;
    }
    if (m_write) {
        const auto saved = BookingStore::saveBooking(m_db, record);
        if (const auto stop = fatal(saved, row))
            return *stop;
        if (row.verdict == Verdict::Refused)
            return row;
        ++m_updated;
    }
    m_writer.claim(record, stored->berthIds);
    return row;
}

} // namespace ImportRun
