#pragma once

#include <QString>

class IDesktop;

/// The help pages: HTML in the application directory's help folder, opened in the desktop's browser.
namespace modHelp {

/// The application directory + "/help".
QString HelpFolder();
/// Opens the contents page; says nothing when the pages or the browser are missing.
void ShowContents(IDesktop& desktop);
/// Opens the keyword index; says nothing when the pages or the browser are missing.
void ShowIndex(IDesktop& desktop);

} // namespace modHelp
