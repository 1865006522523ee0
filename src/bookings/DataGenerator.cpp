#include "bookings/DataGenerator.h"

#include "core/DateTimes.h"
#include "core/Money.h"
#include "core/SearchText.h"
#include "core/SqlHelpers.h"
#include "rates/Pricing.h"

#include <QRandomGenerator>
#include <QSqlQuery>
#include <QStringList>
#include <functional>
#include <queue>
#include <vector>

namespace DataGenerator {
namespace {

const QStringList FirstNames = {
    QStringLiteral("James"),   QStringLiteral("Mary"),   QStringLiteral("Oliver"),     QStringLiteral("Amelia"),
    QStringLiteral("George"),  QStringLiteral("Isla"),   QStringLiteral("Harry"),      QStringLiteral("Ava"),
    QStringLiteral("Jack"),    QStringLiteral("Emily"),  QStringLiteral("Thomas"),     QStringLiteral("Sophie"),
    QStringLiteral("William"), QStringLiteral("Grace"),  QStringLiteral("Rhys"),       QStringLiteral("Niamh"),
    QStringLiteral("Callum"),  QStringLiteral("Eilidh"), QStringLiteral("Dafydd"),     QStringLiteral("Siobhan"),
    QStringLiteral("Peter"),   QStringLiteral("Helen"),  QStringLiteral("Richard"),    QStringLiteral("Margaret"),
    QStringLiteral("Zoë"),     QStringLiteral("José"),   QStringLiteral("Anne-Marie"), QStringLiteral("Łukasz")};
const QStringList Surnames = {QStringLiteral("Smith"),      QStringLiteral("Jones"),     QStringLiteral("Taylor"),
                              QStringLiteral("Brown"),      QStringLiteral("Williams"),  QStringLiteral("Wilson"),
                              QStringLiteral("Johnson"),    QStringLiteral("Davies"),    QStringLiteral("Robinson"),
                              QStringLiteral("Wright"),     QStringLiteral("Thompson"),  QStringLiteral("Evans"),
                              QStringLiteral("Walker"),     QStringLiteral("White"),     QStringLiteral("Roberts"),
                              QStringLiteral("Green"),      QStringLiteral("Hall"),      QStringLiteral("Wood"),
                              QStringLiteral("Jackson"),    QStringLiteral("Clarke"),    QStringLiteral("O'Neill"),
                              QStringLiteral("McAllister"), QStringLiteral("Pritchard"), QStringLiteral("Fitzgerald"),
                              QStringLiteral("Ng"),         QStringLiteral("Kowalski"),  QStringLiteral("Smythe"),
                              QStringLiteral("Penhaligon")};
const QStringList Streets = {
    QStringLiteral("Harbour Road"), QStringLiteral("Quay Street"),   QStringLiteral("Church Lane"),
    QStringLiteral("High Street"),  QStringLiteral("Marine Parade"), QStringLiteral("Mill Lane"),
    QStringLiteral("Station Road"), QStringLiteral("The Strand"),    QStringLiteral("Victoria Road"),
    QStringLiteral("Anchor Way"),   QStringLiteral("Ferry Road"),    QStringLiteral("Castle Hill")};
const QStringList Areas = {QString(),
                           QString(),
                           QStringLiteral("Old Town"),
                           QStringLiteral("Westbourne"),
                           QStringLiteral("St Mary's"),
                           QStringLiteral("Northfield"),
                           QStringLiteral("Seaview")};
struct Town
{
    const char* name;
    const char* postcode;
};
const Town Towns[] = {{"London", "SW1"},   {"Southampton", "SO14"}, {"Plymouth", "PL1"},   {"Falmouth", "TR11"},
                      {"Brighton", "BN1"}, {"Bristol", "BS1"},      {"Cardiff", "CF10"},   {"Swansea", "SA1"},
                      {"Oban", "PA34"},    {"Whitby", "YO21"},      {"Lymington", "SO41"}, {"Poole", "BH15"},
                      {"Leeds", "LS1"},    {"Manchester", "M1"},    {"Birmingham", "B1"},  {"Norwich", "NR1"}};
const QStringList HouseNames = {QStringLiteral("Rose Cottage"), QStringLiteral("The Old Forge"),
                                QStringLiteral("Seaview"), QStringLiteral("Flat 2"), QStringLiteral("Mariners")};
const QStringList Domains = {QStringLiteral("example.co.uk"), QStringLiteral("mail.example.com"),
                             QStringLiteral("post.example.org")};
const QStringList Staff = {QStringLiteral("Sue"), QStringLiteral("Dave"), QStringLiteral("Karen"),
                           QStringLiteral("Tom"), QStringLiteral("Web")};

class Random
{
public:
    explicit Random(quint32 seed) : m_gen(seed) {}
    int below(int n) { return n <= 1 ? 0 : static_cast<int>(m_gen.bounded(static_cast<quint32>(n))); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool chance(int percent) { return below(100) < percent; }
    const QString& pick(const QStringList& list) { return list.at(below(static_cast<int>(list.size()))); }

private:
    QRandomGenerator m_gen;
};

struct Person
{
    QString name, house, street, area, town, postcode, tel, mobile, email;
};

Person makePerson(Random& r)
{
    Person p;
    const QString first = r.pick(FirstNames);
    const QString last = r.pick(Surnames);
    p.name = first + u' ' + last;
    p.house = r.chance(30) ? r.pick(HouseNames) : QString::number(r.between(1, 240));
    p.street = r.pick(Streets);
    p.area = r.pick(Areas);
    const Town& town = Towns[r.below(static_cast<int>(std::size(Towns)))];
    p.town = QString::fromLatin1(town.name);
    p.postcode = QStringLiteral("%1 %2%3%4")
                     .arg(QString::fromLatin1(town.postcode))
                     .arg(r.between(1, 9))
                     .arg(QChar(u'A' + r.below(26)))
                     .arg(QChar(u'A' + r.below(26)));
    p.tel = QStringLiteral("01%1 %2").arg(r.between(100, 999)).arg(r.between(100000, 999999));
    p.mobile = QStringLiteral("07%1 %2").arg(r.between(100, 999)).arg(r.between(100000, 999999));
    if (!r.chance(15)) {
        QString local = (first + u'.' + last).toLower();
        local.remove(u'\'');
        p.email = local + QString::number(r.below(100)) + u'@' + r.pick(Domains);
    }
    return p;
}

bool insertCustomers(const QSqlDatabase& db, int count, Random& r, QString* error)
{
    QSqlQuery q(db);
    if (!q.prepare(QStringLiteral("INSERT INTO Customer (Name, HouseName, Street, Area, Town, PostCode, TelNo, "
                                  "MobileNo, EmailAddress, Notes, ClubMember, MembershipNo) "
                                  "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"))) {
        if (error)
            *error = QStringLiteral("Cannot prepare the customer insert.");
        return false;
    }
    for (int i = 0; i < count; ++i) {
        const Person p = makePerson(r);
        const bool club = r.chance(25);
        QString notes;
        if (r.chance(10))
            notes = QStringLiteral("Prefers a berth near the slipway.\nCall before arrival.");
        for (const QVariant& v :
             QVariantList{p.name, p.house, p.street, p.area, p.town, p.postcode, p.tel, p.mobile, p.email, notes,
                          club ? 1 : 0, club ? QStringLiteral("M%1").arg(10000 + i) : QString()})
            q.addBindValue(v);
        if (!q.exec()) {
            if (error)
                *error = QStringLiteral("Cannot add generated customers.");
            return false;
        }
    }
    // The search words, as the customer dialog writes them.
    const Status words = SearchText::rewriteCustomers(db);
    if (!words && error)
        *error = words.error();
    return words.ok();
}

bool insertOwners(const QSqlDatabase& db, int count, Random& r, QString* error)
{
    for (int i = 0; i < count; ++i) {
        const Person p = makePerson(r);
        if (!Sql::exec(db,
                       QStringLiteral("INSERT INTO Owner (Name, HouseName, Street, Area, Town, PostCode, MobileNo, "
                                      "EmailAddress, Notes) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                       {p.name, p.house, p.street, p.area, p.town, p.postcode, p.mobile, p.email, QString()}, error))
            return false;
    }
    return true;
}

struct BerthRow
{
    qint64 daily = 0; // Money units
};

bool insertBerths(const QSqlDatabase& db, const Sizes& sizes, Random& r, std::vector<BerthRow>& berths, QString* error)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO Berth (ID, Name, Length, Width, TypeID, OwnerID, HasPower, Notes, "
                             "DailyHireCharge, WeeklyHireCharge, MonthlyHireCharge, Active) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    const int perPontoon = sizes.berths <= 60 ? 10 : 80;
    for (int i = 0; i < sizes.berths; ++i) {
        const int pontoon = i / perPontoon;
        QString name = QString(QChar(u'A' + pontoon % 26)) + QString::number(i % perPontoon + 1);
        if (pontoon >= 26)
            name.prepend(QString(QChar(u'A' + pontoon / 26 - 1)));
        const int type = pontoon % 3 == 2 ? r.between(6, 8) : r.between(1, 3);
        const double length = r.between(12, 40) / 2.0;
        const double width = r.between(5, 12) / 2.0;
        const bool owned = sizes.owners > 0 && r.chance(25);
        const qint64 daily = Money::fromPence(r.between(3, 16) * 250).units();
        berths.push_back({daily});
        QString notes;
        if (r.chance(10))
            notes = QStringLiteral("Shallow at low water.");
        for (const QVariant& v : QVariantList{
                 i + 1, name, length, width, type, owned ? QVariant(r.between(1, sizes.owners)) : Sql::nullInt(),
                 r.chance(60) ? 1 : 0, notes, daily, daily * 6, daily * 22, r.chance(92) ? 1 : 0})
            q.addBindValue(v);
        if (!q.exec()) {
            if (error)
                *error = QStringLiteral("Cannot add generated berths.");
            return false;
        }
    }
    return true;
}

// One booking as the generator makes it: its berths and its period.
struct Stay
{
    QDateTime from;
    QDateTime to;
    int nights = 0;
};

// The next stay of a berth that is free from `free` on: a gap, then whole nights from an afternoon arrival to a
// morning departure (now and then a visit of a few hours). Gaps average meanGapDays, so the harbour is as full as
// the sizes ask.
Stay nextStay(Random& r, const QDateTime& free, double meanGapDays, int maxNights)
{
    const int gapDays = r.below(qMax(1, int(2 * meanGapDays * 48 + 1))) / 48;
    const QDate day = free.date().addDays(gapDays);
    Stay stay;
    if (r.chance(5)) {
        stay.from = DateTimes::wallTime(day, QTime(9, 0).addSecs(1800 * r.below(12)));
        stay.to = stay.from.addSecs(1800 * r.between(2, 8));
    } else {
        stay.nights = r.between(1, maxNights);
        stay.from = DateTimes::wallTime(day, QTime(12, 0).addSecs(1800 * r.below(12)));
        stay.to = DateTimes::wallTime(day.addDays(stay.nights), QTime(9, 0).addSecs(1800 * r.below(6)));
    }
    if (stay.from < free) { // an arrival the same day as the last departure comes after it
        const qint64 shift = free.secsTo(stay.from);
        stay.from = stay.from.addSecs(-shift);
        stay.to = stay.to.addSecs(-shift);
    }
    return stay;
}

bool insertBookings(const QSqlDatabase& db, const Sizes& sizes, Random& r, const std::vector<BerthRow>& berths,
                    QString* error)
{
    const int berthCount = static_cast<int>(berths.size());
    if (berthCount == 0 || sizes.bookings <= 0 || sizes.customers <= 0)
        return true;
    QSqlQuery booking(db);
    booking.prepare(QStringLiteral(
        "INSERT INTO Booking (ID, CustomerID, FromDate, ToDate, Created, BookedBy, Notes, NoAdults, NoKids, "
        "CostOfHire, OtherCharges, VAT, TotalPayable, AmountPayed, PaymentMethodID, BerthConfirmationNumber, "
        "GuestConfirmationNumber, PowerRequirements, ClubMember) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
        "?, ?, ?, ?, ?)"));
    QSqlQuery link(db);
    link.prepare(QStringLiteral("INSERT INTO BookingBerth (BookingID, BerthID) VALUES (?, ?)"));

    // Every berth runs through its own sequence of stays and gaps, the one free soonest taking the next booking,
    // so bookings are numbered roughly in date order and no two stays of a berth overlap. The gaps are sized so
    // that the bookings fill the period from..until; a two-berth booking takes the neighbour when it is free too.
    // The last month is left as slack for the random lengths, so that every booking asked for fits.
    const qint64 days = qMax<qint64>(1, sizes.from.daysTo(sizes.until) - 30);
    const double cycleDays = double(days) * berthCount / sizes.bookings;
    const int maxNights = qBound(1, int(cycleDays * 0.6 * 2 - 1), 12);
    const double meanGapDays = qMax(0.0, cycleDays - (maxNights + 1) / 2.0);
    const QDateTime until = DateTimes::wallTime(sizes.until);
    std::vector<QDateTime> freeFrom(size_t(berthCount), DateTimes::wallTime(sizes.from));
    using Next = std::pair<QDateTime, int>;
    std::priority_queue<Next, std::vector<Next>, std::greater<Next>> queue;
    for (int b = 0; b < berthCount; ++b)
        queue.push({freeFrom[size_t(b)], b});
    int written = 0;
    while (!queue.empty() && written < sizes.bookings) {
        const auto [when, b] = queue.top();
        queue.pop();
        if (when != freeFrom[size_t(b)])
            continue; // taken meanwhile as a neighbour: its entry with the later time is queued
        const Stay stay = nextStay(r, when, meanGapDays, maxNights);
        if (stay.to > until)
            continue;
        std::vector<int> held{b};
        if (b + 1 < berthCount && freeFrom[size_t(b + 1)] <= stay.from && r.chance(10))
            held.push_back(b + 1);
        for (int h : held) {
            freeFrom[size_t(h)] = stay.to;
            queue.push({stay.to, h});
        }

        Money hire;
        for (int h : held)
            hire += Money::fromUnits(berths[size_t(h)].daily) * qMax(1, stay.nights);
        const Money other = r.chance(30) ? Money::fromPence(r.between(1, 20) * 250) : Money();
        // Priced as the wizard prices: the tax to the penny, the total its parts' sum; a part payment is a quarter
        // in whole pence.
        const Pricing::Charges charges = Pricing::charges(hire, other, Pricing::DeliveredTax);
        const Money vat = charges.tax;
        const Money total = charges.total;
        const int paid = r.below(10);
        const Money payed = paid < 7 ? total : paid < 9 ? total.ratioToPenny(1, 4) : Money();
        const int id = ++written;
        const QDateTime created =
            DateTimes::wallTime(stay.from.date().addDays(-r.between(0, 90)), QTime(10, 0).addSecs(60 * r.below(480)));
        const bool club = r.chance(25);
        for (const QVariant& v :
             QVariantList{id, r.between(1, sizes.customers), DateTimes::dbDateTime(stay.from),
                          DateTimes::dbDateTime(stay.to), DateTimes::dbDateTime(created), r.pick(Staff),
                          r.chance(10) ? QStringLiteral("Late arrival") : QString(), r.between(1, 4), r.between(0, 3),
                          hire.toDb(), other.toDb(), vat.toDb(), total.toDb(), payed.toDb(),
                          paid < 9 ? QVariant(r.between(1, 5)) : Sql::nullInt(), id, QString(),
                          r.chance(50) ? QStringLiteral("16A") : QString(), club ? 1 : 0})
            booking.addBindValue(v);
        if (!booking.exec()) {
            if (error)
                *error = QStringLiteral("Cannot add generated bookings.");
            return false;
        }
        for (int h : held) {
            link.addBindValue(id);
            link.addBindValue(h + 1);
            if (!link.exec()) {
                if (error)
                    *error = QStringLiteral("Cannot add generated booking berths.");
                return false;
            }
        }
    }
    // What each booking shows as paid is its ledger's line, taken when it was booked, as the wizard records it.
    if (!Sql::exec(db,
                   QStringLiteral("INSERT INTO Payment (BookingID, PaidAt, Kind, PaymentMethodID, Amount, Reference, "
                                  "Desk, Note) SELECT ID, Created, 2, PaymentMethodID, AmountPayed, '', 'generated', "
                                  "'' FROM Booking WHERE AmountPayed <> 0 AND ID <= ? ORDER BY ID"),
                   {written})) {
        if (error)
            *error = QStringLiteral("Cannot add the generated payments.");
        return false;
    }
    return true;
}

} // namespace

Sizes busyHarbour(int berths, int bookings, const QDate& from)
{
    Sizes sizes;
    sizes.customers = 20000;
    sizes.owners = 200;
    sizes.berths = berths;
    sizes.bookings = bookings;
    sizes.from = from;
    // A berth turns over about every 16.75 days (stays of 1 to 12 nights, gaps of up to three weeks): in any week
    // about seven berths in ten are taken at some time, as in the busy season of a full harbour.
    sizes.until = from.addDays(qint64(16.75 * bookings / qMax(1, berths)) + 30);
    return sizes;
}

Sizes demoSizes(const QDate& today)
{
    Sizes sizes;
    sizes.from = today.addMonths(-6);
    sizes.until = today.addMonths(6);
    return sizes;
}

Status generateCustomers(const QSqlDatabase& db, int count, quint32 seed)
{
    Random r(seed);
    QString error;
    if (!Sql::inTransaction(db, &error, [&] { return insertCustomers(db, count, r, &error); }))
        return databaseFailure(error);
    return Done{};
}

Status generate(const QSqlDatabase& db, const Sizes& sizes)
{
    QString text;
    QString* error = &text;
    Random r(sizes.seed);
    std::vector<BerthRow> berths;
    berths.reserve(static_cast<size_t>(qMax(0, sizes.berths)));
    if (!Sql::inTransaction(db, error, [&] {
            return insertCustomers(db, sizes.customers, r, error) && insertOwners(db, sizes.owners, r, error) &&
                   insertBerths(db, sizes, r, berths, error) && insertBookings(db, sizes, r, berths, error);
        }))
        return databaseFailure(text);
    return Done{};
}

} // namespace DataGenerator
