#include "core/DataGenerator.h"

#include "core/Money.h"
#include "core/SqlHelpers.h"
#include "core/modFunctions.h"

#include <QRandomGenerator>
#include <QSqlQuery>
#include <QStringList>
#include <functional>
#include <vector>

namespace DataGenerator {
namespace {

const QStringList FirstNames = {
    QStringLiteral("James"),  QStringLiteral("Mary"),   QStringLiteral("Oliver"),  QStringLiteral("Amelia"),
    QStringLiteral("George"), QStringLiteral("Isla"),   QStringLiteral("Harry"),   QStringLiteral("Ava"),
    QStringLiteral("Jack"),   QStringLiteral("Emily"),  QStringLiteral("Thomas"),  QStringLiteral("Sophie"),
    QStringLiteral("William"), QStringLiteral("Grace"), QStringLiteral("Rhys"),    QStringLiteral("Niamh"),
    QStringLiteral("Callum"), QStringLiteral("Eilidh"), QStringLiteral("Dafydd"),  QStringLiteral("Siobhan"),
    QStringLiteral("Peter"),  QStringLiteral("Helen"),  QStringLiteral("Richard"), QStringLiteral("Margaret"),
    QStringLiteral("Zoë"),    QStringLiteral("José"),   QStringLiteral("Anne-Marie"), QStringLiteral("Łukasz")};
const QStringList Surnames = {
    QStringLiteral("Smith"),    QStringLiteral("Jones"),   QStringLiteral("Taylor"),   QStringLiteral("Brown"),
    QStringLiteral("Williams"), QStringLiteral("Wilson"),  QStringLiteral("Johnson"),  QStringLiteral("Davies"),
    QStringLiteral("Robinson"), QStringLiteral("Wright"),  QStringLiteral("Thompson"), QStringLiteral("Evans"),
    QStringLiteral("Walker"),   QStringLiteral("White"),   QStringLiteral("Roberts"),  QStringLiteral("Green"),
    QStringLiteral("Hall"),     QStringLiteral("Wood"),    QStringLiteral("Jackson"),  QStringLiteral("Clarke"),
    QStringLiteral("O'Neill"),  QStringLiteral("McAllister"), QStringLiteral("Pritchard"), QStringLiteral("Fitzgerald"),
    QStringLiteral("Ng"),       QStringLiteral("Kowalski"), QStringLiteral("Smythe"),  QStringLiteral("Penhaligon")};
const QStringList Streets = {
    QStringLiteral("Harbour Road"), QStringLiteral("Quay Street"), QStringLiteral("Church Lane"),
    QStringLiteral("High Street"),  QStringLiteral("Marine Parade"), QStringLiteral("Mill Lane"),
    QStringLiteral("Station Road"), QStringLiteral("The Strand"),  QStringLiteral("Victoria Road"),
    QStringLiteral("Anchor Way"),   QStringLiteral("Ferry Road"),  QStringLiteral("Castle Hill")};
const QStringList Areas = {QString(), QString(), QStringLiteral("Old Town"), QStringLiteral("Westbourne"),
                           QStringLiteral("St Mary's"), QStringLiteral("Northfield"), QStringLiteral("Seaview")};
struct Town
{
    const char* name;
    const char* postcode;
};
const Town Towns[] = {{"London", "SW1"},  {"Southampton", "SO14"}, {"Plymouth", "PL1"}, {"Falmouth", "TR11"},
                      {"Brighton", "BN1"}, {"Bristol", "BS1"},     {"Cardiff", "CF10"},  {"Swansea", "SA1"},
                      {"Oban", "PA34"},    {"Whitby", "YO21"},     {"Lymington", "SO41"}, {"Poole", "BH15"},
                      {"Leeds", "LS1"},    {"Manchester", "M1"},   {"Birmingham", "B1"}, {"Norwich", "NR1"}};
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
    int Below(int n) { return n <= 1 ? 0 : static_cast<int>(m_gen.bounded(static_cast<quint32>(n))); }
    int Between(int low, int high) { return low + Below(high - low + 1); }
    bool Chance(int percent) { return Below(100) < percent; }
    const QString& Pick(const QStringList& list) { return list.at(Below(static_cast<int>(list.size()))); }

private:
    QRandomGenerator m_gen;
};

struct Person
{
    QString name, house, street, area, town, postcode, tel, mobile, email;
};

Person MakePerson(Random& r)
{
    Person p;
    const QString first = r.Pick(FirstNames);
    const QString last = r.Pick(Surnames);
    p.name = first + u' ' + last;
    p.house = r.Chance(30) ? r.Pick(HouseNames) : QString::number(r.Between(1, 240));
    p.street = r.Pick(Streets);
    p.area = r.Pick(Areas);
    const Town& town = Towns[r.Below(static_cast<int>(std::size(Towns)))];
    p.town = QString::fromLatin1(town.name);
    p.postcode = QStringLiteral("%1 %2%3%4")
                     .arg(QString::fromLatin1(town.postcode))
                     .arg(r.Between(1, 9))
                     .arg(QChar(u'A' + r.Below(26)))
                     .arg(QChar(u'A' + r.Below(26)));
    p.tel = QStringLiteral("01%1 %2").arg(r.Between(100, 999)).arg(r.Between(100000, 999999));
    p.mobile = QStringLiteral("07%1 %2").arg(r.Between(100, 999)).arg(r.Between(100000, 999999));
    if (!r.Chance(15)) {
        QString local = (first + u'.' + last).toLower();
        local.remove(u'\'');
        p.email = local + QString::number(r.Below(100)) + u'@' + r.Pick(Domains);
    }
    return p;
}

bool InsertCustomers(const QSqlDatabase& db, int count, Random& r, QString* error)
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
        const Person p = MakePerson(r);
        const bool club = r.Chance(25);
        QString notes;
        if (r.Chance(10))
            notes = QStringLiteral("Prefers a berth near the slipway.\nCall before arrival.");
        for (const QVariant& v : QVariantList{p.name, p.house, p.street, p.area, p.town, p.postcode, p.tel, p.mobile,
                                              p.email, notes, club ? 1 : 0,
                                              club ? QStringLiteral("M%1").arg(10000 + i) : QString()})
            q.addBindValue(v);
        if (!q.exec()) {
            if (error)
                *error = QStringLiteral("Cannot add generated customers.");
            return false;
        }
    }
    return true;
}

bool InsertOwners(const QSqlDatabase& db, int count, Random& r, QString* error)
{
    for (int i = 0; i < count; ++i) {
        const Person p = MakePerson(r);
        if (!Sql::Exec(db,
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

bool InsertBerths(const QSqlDatabase& db, const Sizes& sizes, Random& r, std::vector<BerthRow>& berths,
                  QString* error)
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
        const int type = pontoon % 3 == 2 ? r.Between(6, 8) : r.Between(1, 3);
        const double length = r.Between(12, 40) / 2.0;
        const double width = r.Between(5, 12) / 2.0;
        const bool owned = sizes.owners > 0 && r.Chance(25);
        const qint64 daily = Money::FromPence(r.Between(3, 16) * 250).Units();
        berths.push_back({daily});
        QString notes;
        if (r.Chance(10))
            notes = QStringLiteral("Shallow at low water.");
        for (const QVariant& v :
             QVariantList{i + 1, name, length, width, type, owned ? QVariant(r.Between(1, sizes.owners)) : Sql::NullInt(),
                          r.Chance(60) ? 1 : 0, notes, daily, daily * 6, daily * 22, r.Chance(92) ? 1 : 0})
            q.addBindValue(v);
        if (!q.exec()) {
            if (error)
                *error = QStringLiteral("Cannot add generated berths.");
            return false;
        }
    }
    return true;
}

bool InsertBookings(const QSqlDatabase& db, const Sizes& sizes, Random& r, const std::vector<BerthRow>& berths,
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

    // Each berth's calendar is cut into equal slots; a stay lies inside its slot, so no two stays of a berth
    // overlap. A two-berth booking takes the neighbouring berth's slot as well.
    const qint64 days = qMax<qint64>(1, sizes.from.daysTo(sizes.until));
    const int slotsPerBerth = qMax(1, static_cast<int>((qint64(sizes.bookings) * 11 / 10 + berthCount - 1) / berthCount));
    const double slotDays = double(days) / slotsPerBerth;
    int written = 0;
    std::vector<int> takenInSlot(berthCount, -1);
    for (int slot = 0; slot < slotsPerBerth && written < sizes.bookings; ++slot) {
        const QDate slotStart = sizes.from.addDays(static_cast<qint64>(slot * slotDays));
        const int slotLength = qMax(1, static_cast<int>(sizes.from.addDays(static_cast<qint64>((slot + 1) * slotDays))
                                                            .toJulianDay() - slotStart.toJulianDay()));
        for (int b = 0; b < berthCount && written < sizes.bookings; ++b) {
            if (takenInSlot[b] == slot)
                continue;
            // A stay of whole nights inside the slot: arrive at 09:00 or later, leave by 14:00.
            const int nights = slotLength <= 1 ? 0 : r.Between(1, qMin(14, slotLength - 1));
            const int offset = slotLength - nights <= 1 ? 0 : r.Below(slotLength - nights);
            const QDate arrival = slotStart.addDays(offset);
            QDateTime from = modFunctions::WallTime(arrival, QTime(9, 0).addSecs(1800 * r.Below(6)));
            QDateTime to = nights == 0 ? from.addSecs(1800 * r.Between(2, 8))
                                       : modFunctions::WallTime(arrival.addDays(nights), QTime(14, 0).addSecs(-1800 * r.Below(4)));
            std::vector<int> held{b};
            if (b + 1 < berthCount && takenInSlot[b + 1] != slot && r.Chance(10)) {
                held.push_back(b + 1);
                takenInSlot[b + 1] = slot;
            }
            Money hire;
            for (int h : held)
                hire += Money::FromUnits(berths[h].daily) * qMax(1, nights);
            const Money other = r.Chance(30) ? Money::FromPence(r.Between(1, 20) * 250) : Money();
            const Money vat = (hire + other).MulRatio(175, 1000);
            const Money total = hire + other + vat;
            const int paid = r.Below(10);
            const Money payed = paid < 7 ? total : paid < 9 ? total.MulRatio(1, 4) : Money();
            const int id = ++written;
            const QDateTime created = modFunctions::WallTime(arrival.addDays(-r.Between(0, 90)), QTime(10, 0).addSecs(60 * r.Below(480)));
            const bool club = r.Chance(25);
            for (const QVariant& v : QVariantList{
                     id, r.Between(1, sizes.customers), modFunctions::DbDateTime(from), modFunctions::DbDateTime(to),
                     modFunctions::DbDateTime(created), r.Pick(Staff), r.Chance(10) ? QStringLiteral("Late arrival") : QString(),
                     r.Between(1, 4), r.Between(0, 3), hire.ToDb(), other.ToDb(), vat.ToDb(), total.ToDb(), payed.ToDb(),
                     paid < 9 ? QVariant(r.Between(1, 5)) : Sql::NullInt(), id, QString(),
                     r.Chance(50) ? QStringLiteral("16A") : QString(), club ? 1 : 0})
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
    }
    return true;
}


} // namespace

Sizes DemoSizes(const QDate& today)
{
    Sizes sizes;
    sizes.from = today.addMonths(-6);
    sizes.until = today.addMonths(6);
    return sizes;
}

bool GenerateCustomers(const QSqlDatabase& db, int count, quint32 seed, QString* error)
{
    Random r(seed);
    return Sql::InTransaction(db, error, [&] { return InsertCustomers(db, count, r, error); });
}

bool Generate(const QSqlDatabase& db, const Sizes& sizes, QString* error)
{
    Random r(sizes.seed);
    std::vector<BerthRow> berths;
    berths.reserve(static_cast<size_t>(qMax(0, sizes.berths)));
    return Sql::InTransaction(db, error, [&] {
        return InsertCustomers(db, sizes.customers, r, error) && InsertOwners(db, sizes.owners, r, error) &&
               InsertBerths(db, sizes, r, berths, error) && InsertBookings(db, sizes, r, berths, error);
    });
}

} // namespace DataGenerator
