#pragma once

#include <functional>

struct Services;
class QMenu;
class QString;
class QWidget;
namespace CreditNotes {
struct Note;
}

/// The booking confirmation and the credit notes on their way out (printer, preview, PDF file), offered from the
/// summary, the wizard and Today. They are read straight from the booking: printing one writes nothing, so two
/// desks may print the same booking at once.
namespace DocumentsMenu {

enum class Outlet
{
    Print,
    Preview,
    Pdf
};

/// Booking bookingId's confirmation as stored now, to the outlet. The user is told when it cannot be read; false
/// then, or when nothing was printed or saved.
bool confirmation(Services& services, int bookingId, Outlet outlet, QWidget* parent);

/// A credit note as issued, with its booking as stored now, to the outlet.
bool creditNote(Services& services, const CreditNotes::Note& note, Outlet outlet, QWidget* parent);

/// Adds "&Print", "Pre&view..." and "Save as P&DF..." to menu, named namePrefix + "Print", "Preview", "Pdf".
void addOutlets(QMenu* menu, const QString& namePrefix, const std::function<void(Outlet)>& run);

/// A menu of the confirmation's three outlets for the booking bookingId() gives when one is chosen (0: none
/// chosen, the user is told to choose one).
QMenu* confirmationMenu(Services& services, const std::function<int()>& bookingId, QWidget* parent);

} // namespace DocumentsMenu
