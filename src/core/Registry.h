#pragma once

#include <QString>
#include <vector>

class QSettings;

/// The installation settings: text values under one key ("Software\Zem Software\Zem Harbour").
/// On Windows they live in the registry (machine-wide, or per user where that cannot be written); elsewhere in
/// "Zem Harbour.ini" in the installation root. ZEMHARBOUR_SETTINGS names another INI file on every platform.
namespace Registry {

inline constexpr auto KeyPath = "Software\\Zem Software\\Zem Harbour";

/// Reads a value; a missing, unreadable or non-text value gives the default, silently.
QString GetRegistryValue(const QString& valueName, const QString& defaultValue = {});
/// Stores a text value, creating the key (or file) when needed. Reports nothing.
void SetRegistryValue(const QString& valueName, const QString& value);
/// The settings file or registry path in use (shown in messages, used by tests).
QString StoreLocation();

/// The first of stores that holds valueName as text gives it (an INI value with a comma is read as the text on
/// its line, not as a list); none gives the default. The settings are read so: the per-user store, then the
/// machine-wide one.
QString ReadFirst(const std::vector<const QSettings*>& stores, const QString& valueName,
                  const QString& defaultValue = {});

/// A value read as a whole number; text that is not a number gives the fallback.
int GetRegistryNumber(const QString& valueName, const QString& defaultValue, int fallback);

} // namespace Registry

/// The values kept under the key, with their defaults, so no caller spells a default twice.
namespace Settings {
inline const QString Data = QStringLiteral("data");
inline const QString Traces = QStringLiteral("traces");
inline const QString ShowTipAtStartup = QStringLiteral("Show Tip at Startup");
inline const QString NextTip = QStringLiteral("Next Tip");
inline const QString PostCode = QStringLiteral("PostCode");
inline const QString CurrencySymbol = QStringLiteral("CurrencySymbol");
inline const QString CheckInTime = QStringLiteral("CheckInTime");
inline const QString CheckoutTime = QStringLiteral("CheckoutTime");
inline const QString ShowAdultsAndKids = QStringLiteral("Show No. of Adults and Kids");
inline const QString ConfigWelcome = QStringLiteral("Configuration Welcome Screen");
inline const QString WebBookWelcome = QStringLiteral("Web Bookings Configuration Welcome Screen");
inline const QString MailListWelcome = QStringLiteral("Mail list Welcome Screen");
inline const QString SupportUrl = QStringLiteral("Support URL");

/// The old platform's default texts for "data" and "traces"; a value equal to one of them means "the default".
inline const QString LegacyDataDefault = QStringLiteral("c:\\Zemc\\data\\DB.mdb");
inline const QString LegacyTracesDefault = QStringLiteral("c:\\Zemc\\traces\\");

/// The database file: "data", or root/data/DB.sqlite.
QString DatabasePath();
/// The traces folder with a trailing '/': "traces", or root/traces/.
QString TracesFolder();
} // namespace Settings
