#pragma once

#include "core/DocumentLanguage.h"
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

/// One page of the booking request in one language: the file it is written to and its text.
struct LanguagePage
{
    QString language; // "de"
    QString fileName; // "booking_de.html": beside the English page, whose name the office chose
    QString html;
};

/// The file of a language's page beside the English one at englishName: englishName itself for English,
/// "booking_de.html" for German beside "booking.html".
QString fileNameOf(const QString& englishName, const QString& language);

/// The filled English page in another language: its texts and those of the availability part, the month names and
/// the page's lang, a hidden field "language" telling the office which the request came from, and links to the
/// other pages (languages: every page's, in order). The form's fields and values stay as they are.
QString translated(const QString& englishPage, const DocumentWords& words, const QString& englishName,
                   const QStringList& languages);

/// Every page: English, then each language whose translation can be read (the others are left out: the office
/// would publish a page in English under another language's name). Refused as page() is.
Result<QList<LanguagePage>> pages(const QString& action, const QString& email, int firstYear,
                                  const QString& englishName, const QString& templatePath = TemplatePath);

/// The stored web booking settings a page is made from. Refused, with the text to show, when they cannot be
/// read, there is no row, or a value the page needs is missing.
Result<WebBookSettings> storedSettings(const QSqlDatabase& db);

/// The save dialog for the page ("Save Web Book as...").
FileRequest saveRequest();

/// Writes the page through QSaveFile: the previous file stays when it fails (a File failure, with the text to
/// show).
Status save(const QString& path, const QString& page);
/// Writes each page into folder, each through save(); stops at the first that fails.
Status saveAll(const QString& folder, const QList<LanguagePage>& pages);

} // namespace WebBookPage
