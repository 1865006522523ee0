#pragma once

#include <QString>

class IDesktop;

/// The help pages: HTML in the application directory's help folder, opened in the desktop's browser.
namespace HelpPages {

/// The application directory + "/help".
QString helpFolder();
/// Opens the contents page; says nothing when the pages or the browser are missing.
void showContents(IDesktop& desktop);
/// Opens the keyword index; says nothing when the pages or the browser are missing.
void showIndex(IDesktop& desktop);

} // namespace HelpPages
