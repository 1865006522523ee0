#pragma once

#include <QString>
#include <vector>

class QSettings;

/// The installation settings: text values under one key ("Software\Zem Software\Zem Harbour").
/// On Windows they live in the registry (machine-wide, or per user where that cannot be written); elsewhere in
/// "Zem Harbour.ini" in the installation root (or in the user's configuration folder where the root cannot be
/// written). ZEMHARBOUR_SETTINGS names another INI file on every platform.

/// A value kept under the key, with the text a read gives when it is missing or unreadable. The names and their
/// defaults are listed once, in Settings below; a Setting converts to its name, so the name-based calls below
/// still take one.
struct Setting
{
    QString name;
    QString defaultValue;

    operator const QString&() const { return name; }
};

namespace Registry {

inline constexpr auto KeyPath = "Software\\Zem Software\\Zem Harbour";

/// Reads a value; a missing, unreadable or non-text value gives the default, silently.
QString getRegistryValue(const QString& valueName, const QString& defaultValue = {});
/// Reads a setting; missing or unreadable, it gives the setting's default.
QString getRegistryValue(const Setting& setting);
/// Stores a text value, creating the key (or file) when needed. Reports nothing.
void setRegistryValue(const QString& valueName, const QString& value);
/// The settings file or registry path in use (shown in messages, used by tests).
QString storeLocation();

/// The first of stores that holds valueName as text gives it (an INI value with a comma is read as the text on
/// its line, not as a list); none gives the default. The settings are read so: the per-user store, then the
/// machine-wide one.
QString readFirst(const std::vector<const QSettings*>& stores, const QString& valueName,
                  const QString& defaultValue = {});

/// A setting read as a whole number: its default when missing or not a number.
int getRegistryNumber(const Setting& setting);
/// Whether a value is stored for the setting at all (the configuration wizard chooses nothing without one).
bool isStored(const Setting& setting);

} // namespace Registry

/// Every value kept under the key, with its default: the one table of names and defaults.
namespace Settings {
/// The old platform's default texts for "data" and "traces"; a value equal to one of them means "the default".
inline const QString LegacyDataDefault = QStringLiteral("c:\\Zemc\\data\\DB.mdb");
inline const QString LegacyTracesDefault = QStringLiteral("c:\\Zemc\\traces\\");

inline const Setting Data{QStringLiteral("data"), LegacyDataDefault};
inline const Setting Traces{QStringLiteral("traces"), LegacyTracesDefault};
inline const Setting ShowTipAtStartup{QStringLiteral("Show Tip at Startup"), QStringLiteral("0")};
inline const Setting NextTip{QStringLiteral("Next Tip"), QStringLiteral("0")};
inline const Setting PostCode{QStringLiteral("PostCode"), QStringLiteral("0")};
inline const Setting CurrencySymbol{QStringLiteral("CurrencySymbol"), QStringLiteral("0")};
inline const Setting CheckInTime{QStringLiteral("CheckInTime"), QStringLiteral("09:00")};
inline const Setting CheckoutTime{QStringLiteral("CheckoutTime"), QStringLiteral("14:00")};
// The pattern of the date style (DateTimes::stylePattern); empty: the one of the office's country.
inline const Setting DateStyle{QStringLiteral("Date Style"), {}};
/// The interface's language ("de"; Languages::all()), applied at the next start; empty: the machine's.
inline const Setting Language{QStringLiteral("Language"), {}};
/// Boat sizes shown and typed in metres ("0") or feet ("1").
inline const Setting LengthUnit{QStringLiteral("LengthUnit"), QStringLiteral("0")};
inline const Setting ShowAdultsAndKids{QStringLiteral("Show No. of Adults and Kids"), QStringLiteral("1")};
inline const Setting ConfigWelcome{QStringLiteral("Configuration Welcome Screen"), QStringLiteral("0")};
inline const Setting WebBookWelcome{QStringLiteral("Web Bookings Configuration Welcome Screen"), QStringLiteral("0")};
inline const Setting MailListWelcome{QStringLiteral("Mail list Welcome Screen"), QStringLiteral("0")};
/// The default provider's form-mail address that a booking page posts to; a setting, so a moved service needs no
/// new program.
inline const Setting WebBookFormMailUrl{QStringLiteral("Web Booking Form Mail URL"),
                                        QStringLiteral("https://www.response-o-matic.com/cgi-bin/rom.pl")};
inline const Setting SupportUrl{QStringLiteral("Support URL"), QStringLiteral("https://www.zemharbour.co.uk/support")};
inline const Setting MainWindowGeometry{QStringLiteral("Main Window Geometry"), {}};
inline const Setting MainWindowState{QStringLiteral("Main Window State"), {}};
inline const Setting ShowTodayAtStartup{QStringLiteral("Show Today at Startup"), QStringLiteral("0")};
/// From this time of day the Today window proposes the day's no-shows on its own.
inline const Setting OfficeClosingTime{QStringLiteral("Office Closing Time"), QStringLiteral("18:00")};
/// Minutes without a key or a click before the program locks for the PIN or password of its user; 0 never locks.
inline const Setting IdleLockMinutes{QStringLiteral("Idle Lock Minutes"), QStringLiteral("15")};
/// The folder this desk writes the availability calendars (.ics) into; empty: this desk writes none.
inline const Setting CalendarPublishFolder{QStringLiteral("Calendar Publish Folder"), {}};
/// "1": this desk is the gateway, the one that reads the calendar feeds of other sites.
inline const Setting CalendarGateway{QStringLiteral("Calendar Gateway"), QStringLiteral("0")};
/// How often the gateway reads the feeds, in minutes, and how often the published calendars are brought up to date,
/// in seconds (a calendar is written again only when it changed).
inline const Setting CalendarReadMinutes{QStringLiteral("Calendar Read Minutes"), QStringLiteral("15")};
inline const Setting CalendarPublishSeconds{QStringLiteral("Calendar Publish Seconds"), QStringLiteral("60")};

/// The database file: "data", or data/DB.sqlite in the installation's data folder.
QString databasePath();
/// The traces folder with a trailing '/': "traces", or traces/ in the installation's data folder.
QString tracesFolder();

/// Where a file dialog of one purpose (its title) starts: the folder last chosen in it while that still exists,
/// else proposed. The file chosen there is remembered for the next time.
QString startFolder(const QString& purpose, const QString& proposed);
void rememberFolder(const QString& purpose, const QString& chosenFile);

/// The size the window with this objectName had when it last closed ("900x640"); empty: the window's own.
Setting windowSize(const QString& objectName);
} // namespace Settings
