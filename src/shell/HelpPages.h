#pragma once

#include "core/Result.h"

#include <QString>

class IDesktop;

/// The help pages: HTML in the application directory's help folder, opened in the desktop's browser.
namespace HelpPages {

/// The application directory + "/help".
QString helpFolder();
/// The page (with its section, "bookings.html#add") that tells about the window of that objectName; the contents
/// page for a window no page tells about.
QString pageFor(const QString& windowName);
/// Opens page ("bookings.html#add") in the desktop's browser; a File failure saying so when the page is missing or
/// the desktop cannot open it.
Status open(IDesktop& desktop, const QString& page);
/// Opens a web address (the support site); a File failure saying so when the desktop cannot open it.
Status openAddress(IDesktop& desktop, const QString& address);

} // namespace HelpPages
