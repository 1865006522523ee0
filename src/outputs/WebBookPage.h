#pragma once

#include "core/Result.h"
#include "core/Seams.h"

#include <QSqlDatabase>
#include <QString>

struct WebBookSettings;

/// The booking request page for the harbour's web site: a template kept in the program, filled with the form's
/// action address, the booking e-mail address and the years a guest can choose. What the user is asked and told
/// is the web booking menu's (WebBookMenu).
namespace WebBookPage {

inline const QString TemplatePath = QStringLiteral(":/outputs/WebBook.html");

/// The page: action and email HTML-escaped into the template's placeholders, the year lists holding firstYear
/// and the two years after it. "Invalid HTML resource" (refused) when the template is missing or has no year
/// lists to fill.
Result<QString> page(const QString& action, const QString& email, int firstYear,
                     const QString& templatePath = TemplatePath);

/// The stored web booking settings a page is made from. Refused, with the text to show, when they cannot be
/// read, there is no row, or a value the page needs is missing.
Result<WebBookSettings> storedSettings(const QSqlDatabase& db);

/// The save dialog for the page ("Save Web Book as...").
FileRequest saveRequest();

/// Writes the page through QSaveFile: the previous file stays when it fails (a File failure, with the text to
/// show).
Status save(const QString& path, const QString& page);

} // namespace WebBookPage
