#pragma once

#include "outputs/WebBookPage.h"

#include <QString>

struct Services;

/// Making the booking request page from the Web Booking menu and from the web booking wizard.
namespace WebBookMenu {

/// Fills the page and asks where to save it ("Save Web Book as..."); tells the user about every failure. True
/// when a file was written; a cancelled dialog is false, silently.
bool createPage(Services& services, const QString& action, const QString& email,
                const QString& templatePath = WebBookPage::TemplatePath);

/// "Create Web Booking Page...": the page from the stored web booking settings.
void createStoredPage(Services& services);

} // namespace WebBookMenu
