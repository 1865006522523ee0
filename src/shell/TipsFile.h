#pragma once

#include "core/Result.h"

#include <QString>
#include <QStringList>

/// The tips of the day: TipOfTheDay.txt in the application directory, one tip per line, numbered from 0, and
/// the number of the next one in the setting "Next Tip".
namespace TipsFile {

/// The application directory + "/TipOfTheDay.txt".
QString path();

/// Every line of the file in order (UTF-8, CR LF or LF); a File failure when it cannot be read.
Result<QStringList> readTips(const QString& path);

/// The tip "Next Tip" names, with "Next Tip" moved on (after the last tip the first comes again). A File failure
/// when the file cannot be read, Refused when it is empty or the stored number is not one of its tips; "Next Tip"
/// is then untouched.
Result<QString> takeNextTip(const QString& path = path());

/// "Show Tip at Startup" read as a number is 0 (text that is not a number counts as 0, the default).
bool showAtStartup();
/// Stores "0" (show) or "1" (do not show).
void setShowAtStartup(bool show);

} // namespace TipsFile
