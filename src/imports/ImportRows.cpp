#include "imports/ImportRows.h"

#include "berths/BerthImport.h"
#include "bookings/BookingImport.h"
#include "bookings/Ledger.h"
#include "core/DocumentLanguage.h"
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
    if (m_options.kind == Kind::Bookings)
        return m_writer.prepare(m_write ? m_batchId : 0);
    if (m_options.kind == Kind::Contracts)
        return prepareContracts();
    if (m_write && m_options.kind == Kind::CustomersWithBoats)
        m_peopleWriter = std::make_unique<PeopleBulkWriter>(m_db, m_batchId);
    return Done{};
}

Status Rows::finish()
{
    if (!m_write)
        return Done{};
    for (auto added = m_added.cbegin(); added != m_added.cend(); ++added)
        if (const Status tagged = ImportTags::tag(m_db, added.key(), added.value(), m_batchId); !tagged)
            return tagged;
    if (m_options.kind == Kind::Bookings)
        return m_writer.finish();
    if (m_peopleWriter)
        return m_peopleWriter->finish();
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
    case Kind::Contracts:
        checked = contract(row);
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
    // "de", "German", "Deutsch": a language we do not speak refuses the row, rather than letters going out in
    // another language than the old system's.
    const QString language = cell(QStringLiteral("language"));
    const std::optional<QString> code = DocumentLanguage::parse(language);
    if (!code)
        return refusedRow(row,
                          QCoreApplication::translate("ImportRun", "\"%1\" is not a language documents are written in.")
                              .arg(language));
    record.language = *code;
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
                 {u"notes", &CustomerRecord::notes},
                 {u"language", &CustomerRecord::language}})
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
    const auto id = m_peopleWriter->addCustomer(record, ref);
    if (!id)
        return id.failure();
    if (!ref.isEmpty())
        m_people.customerByRef.insert(ref, *id);
    if (!email.isEmpty())
        m_people.customerByEmail.insert(email.toLower(), *id);
    return boat ? addBoat(row, *boat, *id, boatRef, regKey) : Result<Row>(row);
}

Result<Row> Rows::addBoat(Row row, BoatRecord boat, int customerId, const QString& boatRef, const QString& regKey)
{
    boat.customerId = customerId;
    const auto id = m_peopleWriter->addBoat(boat, boatRef);
    if (!id)
        return id.failure(); // checked above: any failure here is the database's
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
    m_added[QStringLiteral("Berth")].append({*id, ref});
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
