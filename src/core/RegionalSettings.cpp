#include "core/RegionalSettings.h"

#include "core/InstallPaths.h"
#include "core/Registry.h"

#include <QLocale>

namespace {
QTime TimeSetting(const Setting& setting)
{
    const QTime stored = RegionalSettings::ParseTime(Registry::GetRegistryValue(setting));
    return stored.isValid() ? stored : RegionalSettings::ParseTime(setting.defaultValue);
}
} // namespace

RegionalSettings RegionalSettings::Load()
{
    RegionalSettings values;
    values.postCodeIndex = Registry::GetRegistryNumber(Settings::PostCode, 0) == 0 ? 0 : 1;
    const QString symbol = Registry::GetRegistryValue(Settings::CurrencySymbol);
    values.currencySymbol = symbol == Settings::CurrencySymbol.defaultValue ? SystemCurrencySymbol() : symbol;
    values.checkInTime = TimeSetting(Settings::CheckInTime);
    values.checkOutTime = TimeSetting(Settings::CheckoutTime);
    values.showAdultsAndKids = Registry::GetRegistryNumber(Settings::ShowAdultsAndKids, 1) != 0;
    return values;
}

void RegionalSettings::Save() const
{
    Registry::SetRegistryValue(Settings::PostCode, QString::number(postCodeIndex == 0 ? 0 : 1));
    Registry::SetRegistryValue(Settings::CurrencySymbol, currencySymbol);
    Registry::SetRegistryValue(Settings::CheckInTime, TimeText(checkInTime));
    Registry::SetRegistryValue(Settings::CheckoutTime, TimeText(checkOutTime));
    Registry::SetRegistryValue(Settings::ShowAdultsAndKids,
                               showAdultsAndKids ? QStringLiteral("1") : QStringLiteral("0"));
    Registry::SetRegistryValue(Settings::Traces, InstallPaths::DefaultTracesFolder());
}

QString RegionalSettings::EventDescription() const
{
    return QStringLiteral("Postcode: %1, Currency Symbol: %2, Check in time: %3, Check out time: %4")
        .arg(QString::number(postCodeIndex == 0 ? 0 : 1), currencySymbol, TimeText(checkInTime),
             TimeText(checkOutTime));
}

QString RegionalSettings::SystemCurrencySymbol()
{
    const QString symbol = QLocale::system().currencySymbol();
    return symbol.isEmpty() ? QStringLiteral("0") : symbol;
}

QTime RegionalSettings::ParseTime(const QString& text)
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

QString RegionalSettings::TimeText(const QTime& time)
{
    return time.toString(QStringLiteral("HH:mm:ss"));
}
