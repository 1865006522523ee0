#pragma once

#include <QString>
#include <optional>

struct Services;

/// The booking request page for the harbour's web site: a template kept in the program, filled with the form's
/// action address, the booking e-mail address and the years a guest can choose, then saved where the user says.
namespace WebBookPage {

inline const QString TemplatePath = QStringLiteral(":/outputs/WebBook.html");

/// The template's text; nothing when the resource is missing.
std::optional<QString> Template(const QString& path = TemplatePath);

/// The page: action and email HTML-escaped into the placeholders, the year lists holding firstYear and the two
/// years after it. Nothing when the template has no year lists to fill.
std::optional<QString> fill(const QString& pageTemplate, const QString& action, const QString& email, int firstYear);

/// Fills the page and asks where to save it ("Save Web Book as..."); tells the user about every failure. True
/// when a file was written; a cancelled dialog is false, silently.
bool generate(Services& services, const QString& action, const QString& email,
              const QString& templatePath = TemplatePath);

/// "Create Web Booking Page...": the page from the stored web booking settings.
void createWebBookingPage(Services& services);

} // namespace WebBookPage
