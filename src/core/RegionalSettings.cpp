#include "core/RegionalSettings.h"

#include "core/InstallPaths.h"
#include "core/Languages.h"
#include "core/Money.h"
#include "core/Registry.h"

#include <QLocale>

namespace {
QTime timeSetting(const Setting& setting)
{
    const QTime stored = RegionalSettings::parseTime(Registry::getRegistryValue(setting));
    return stored.isValid() ? stored : RegionalSettings::parseTime(setting.defaultValue);
}
} // namespace

RegionalSettings RegionalSettings::load()
{
    RegionalSettings values;
    values.postCodeIndex = Registry::getRegistryNumber(Settings::PostCode) == 0 ? 0 : 1;
    const QString symbol = Registry::getRegistryValue(Settings::CurrencySymbol);
    values.currencySymbol = symbol == Settings::CurrencySymbol.defaultValue ? systemCurrencySymbol() : symbol;
    values.checkInTime = timeSetting(Settings::CheckInTime);
    values.checkOutTime = timeSetting(Settings::CheckoutTime);
    values.officeClosingTime = timeSetting(Settings::OfficeClosingTime);
    values.showAdultsAndKids = Registry::getRegistryNumber(Settings::ShowAdultsAndKids) != 0;
    values.lengthUnit =
        Registry::getRegistryNumber(Settings::LengthUnit) == 1 ? Lengths::Unit::Feet : Lengths::Unit::Metres;
    const auto style = DateTimes::styleOfPattern(Registry::getRegistryValue(Settings::DateStyle).trimmed());
    values.dateStyle = style                       ? *style
                       : values.postCodeIndex == 1 ? DateTimes::DateStyle::MonthDayYear
                                                   : DateTimes::DateStyle::DayMonthYear;
    values.language = Languages::interfaceChoice(Registry::getRegistryValue(Settings::Language)).code;
    return values;
}

void RegionalSettings::save() const
{
    Registry::setRegistryValue(Settings::PostCode, QString::number(postCodeIndex == 0 ? 0 : 1));
    Registry::setRegistryValue(Settings::CurrencySymbol, currencySymbol);
    Registry::setRegistryValue(Settings::CheckInTime, timeText(checkInTime));
    Registry::setRegistryValue(Settings::CheckoutTime, timeText(checkOutTime));
    Registry::setRegistryValue(Settings::OfficeClosingTime, timeText(officeClosingTime));
    Registry::setRegistryValue(Settings::ShowAdultsAndKids,
                               showAdultsAndKids ? QStringLiteral("1") : QStringLiteral("0"));
    Registry::setRegistryValue(Settings::LengthUnit,
                               lengthUnit == Lengths::Unit::Feet ? QStringLiteral("1") : QStringLiteral("0"));
    Registry::setRegistryValue(Settings::DateStyle, DateTimes::stylePattern(dateStyle));
    if (Languages::known(language))
        Registry::setRegistryValue(Settings::Language, language);
    Registry::setRegistryValue(Settings::Traces, InstallPaths::defaultTracesFolder());
}

QString RegionalSettings::eventDescription() const
{
    return QStringLiteral("Postcode: %1, Currency Symbol: %2, Check in time: %3, Check out time: %4")
        .arg(QString::number(postCodeIndex == 0 ? 0 : 1), currencySymbol, timeText(checkInTime),
             timeText(checkOutTime));
}

void RegionalSettings::apply() const
{
    Money::setCurrencySymbol(shownCurrencySymbol());
    Lengths::setShownUnit(lengthUnit);
    DateTimes::setDateStyle(dateStyle);
}

QString RegionalSettings::shownCurrencySymbol() const
{
    const QString noSymbol = Settings::CurrencySymbol.defaultValue;
    QString symbol = currencySymbol.trimmed();
    if (symbol.isEmpty() || symbol == noSymbol)
        symbol = systemCurrencySymbol();
    return symbol == noSymbol ? QStringLiteral("£") : symbol;
}

QString RegionalSettings::systemCurrencySymbol()
{
    const QString symbol = QLocale::system().currencySymbol();
    return symbol.isEmpty() ? QStringLiteral("0") : symbol;
}

QTime RegionalSettings::parseTime(const QString& text)
{
    const QString trimmed = text.trimmed();
    for (const QString& format :
         {QStringLiteral("HH:mm:ss"), QStringLiteral("H:mm:ss"), QStringLiteral("HH:mm"), QStringLiteral("H:mm")}) {
        const QTime time = QTime::fromString(trimmed, format);
        if (time.isValid())
            return time;
    }
    const QLocale system = QLocale::system();
    for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat}) {
        const QTime time = system.toTime(trimmed, format);
        if (time.isValid())
            return time;
    }
    return {};
}

QString RegionalSettings::timeText(const QTime& time)
{
    return time.toString(QStringLiteral("HH:mm:ss"));
}
