#include "berths/BerthInput.h"

#include "core/Dialect.h"
#include "core/InputParsing.h"

#include <QCoreApplication>

namespace BerthTitles {
QString add()
{
    return QCoreApplication::translate("BerthTitles", "Add berth");
}
QString length()
{
    return QCoreApplication::translate("BerthTitles", "Berth length");
}
QString width()
{
    return QCoreApplication::translate("BerthTitles", "Berth width");
}
QString daily()
{
    return QCoreApplication::translate("BerthTitles", "Daily Hire Charge");
}
QString weekly()
{
    return QCoreApplication::translate("BerthTitles", "Weekly Hire Charge");
}
QString monthly()
{
    return QCoreApplication::translate("BerthTitles", "Monthly Hire Charge");
}
QString maxDraft()
{
    return QCoreApplication::translate("BerthTitles", "Maximum draft");
}
} // namespace BerthTitles

QString berthTypeLookupSql()
{
    return QStringLiteral("SELECT ID, Type FROM BerthType ORDER BY ID");
}
QString ownerLookupSql(const QSqlDatabase& db)
{
    return QStringLiteral("SELECT ID, Name FROM Owner ORDER BY %1 NULLS FIRST, ID")
        .arg(Dialect::of(db).noCase(QStringLiteral("Name")));
}

std::variant<BerthFields, BerthRefusal> readNewBerth(const BerthInput& input, const QLocale& locale)
{
    using Field = BerthRefusal::Field;
    BerthFields fields;

    // An empty box leaves its column empty; anything else must be read whole.
    const auto number = [&](const QString& text, std::optional<double>& out) {
        if (text.isEmpty())
            return true;
        out = InputChecks::readNumber(text, locale);
        return out.has_value();
    };
    const auto money = [&](const QString& text, std::optional<Money>& out) {
        if (text.isEmpty())
            return true;
        out = InputChecks::readMoney(text, locale);
        return out.has_value();
    };
    const auto refuse = [](Field field, const QString& title) {
        return BerthRefusal{field, InputChecks::invalidNumberText(), title};
    };
    // An amount with more than pence, or past the limit, is told that rule rather than "not a number".
    const auto refuseAmount = [&](Field field, const QString& text, const QString& title) {
        return BerthRefusal{field, InputChecks::refusal(text, InputChecks::Kind::Money, locale), title};
    };
    if (!number(input.length, fields.length))
        return refuse(Field::Length, BerthTitles::length());
    if (!number(input.width, fields.width))
        return refuse(Field::Width, BerthTitles::width());
    if (!number(input.maxDraft, fields.maxDraft))
        return refuse(Field::MaxDraft, BerthTitles::maxDraft());
    if (!money(input.dailyHireCharge, fields.dailyHireCharge))
        return refuseAmount(Field::DailyHireCharge, input.dailyHireCharge, BerthTitles::daily());
    if (!money(input.weeklyHireCharge, fields.weeklyHireCharge))
        return refuseAmount(Field::WeeklyHireCharge, input.weeklyHireCharge, BerthTitles::weekly());
    if (!money(input.monthlyHireCharge, fields.monthlyHireCharge))
        return refuseAmount(Field::MonthlyHireCharge, input.monthlyHireCharge, BerthTitles::monthly());

    fields.name = input.name.trimmed();
    if (fields.name.isEmpty())
        return BerthRefusal{Field::Name,
                            QCoreApplication::translate("BerthInput", "No berth name has been entered. Please enter "
                                                                      "a berth name (or number) to continue."),
                            BerthTitles::add()};
    if (input.ownerTicked && !input.ownerId)
        return BerthRefusal{Field::Owner,
                            QCoreApplication::translate("BerthInput", "Please select owner from the list"),
                            BerthTitles::add()};
    if (!input.typeId)
        return BerthRefusal{Field::Type,
                            QCoreApplication::translate("BerthInput", "Please select berth type from the list"),
                            BerthTitles::add()};

    fields.typeId = *input.typeId;
    if (input.ownerTicked)
        fields.ownerId = input.ownerId;
    fields.hasPower = input.hasPower;
    fields.takesMultihulls = input.takesMultihulls;
    fields.notes = input.notes;
    return fields;
}
