#include "bookings/DocumentsMenu.h"

#include "bookings/BookingDocuments.h"
#include "bookings/CreditNotes.h"
#include "core/Seams.h"
#include "core/Texts.h"
#include "core/ui/DocumentRenderer.h"

#include <QCoreApplication>
#include <QMenu>

namespace DocumentsMenu {
namespace {
bool send(Services& services, const Doc::Document& document, const QString& pdfName, Outlet outlet, QWidget* parent)
{
    switch (outlet) {
    case Outlet::Print:
        return DocumentRenderer::printNow(document, services, pdfName);
    case Outlet::Preview:
        DocumentRenderer::preview(document, parent, &services, pdfName);
        return true;
    case Outlet::Pdf:
        return DocumentRenderer::saveAsPdf(document, services, pdfName);
    }
    return false;
}

std::optional<BookingDocuments::PrintData> read(Services& services, int bookingId, const QString& title)
{
    auto data = BookingDocuments::loadBooking(services.db(), bookingId, services.clock.now().date());
    if (data)
        return std::move(*data);
    services.messages.show(
        data.kind() == FailureKind::Database
            ? QCoreApplication::translate("DocumentsMenu", "The booking could not be read: %1").arg(data.error())
            : data.error(),
        title, MsgIcon::Exclamation);
    return std::nullopt;
}
} // namespace

bool confirmation(Services& services, int bookingId, Outlet outlet, QWidget* parent)
{
    const QString title = QCoreApplication::translate("DocumentsMenu", "Booking Confirmation");
    const auto data = read(services, bookingId, title);
    if (data && data->cancelled) {
        services.messages.show(
            QCoreApplication::translate("DocumentsMenu", "The booking has been cancelled: it cannot be confirmed."),
            title, MsgIcon::Exclamation);
        return false;
    }
    return data && send(services, BookingDocuments::confirmation(*data),
                        QStringLiteral("Booking Confirmation %1.pdf").arg(bookingId), outlet, parent);
}

bool creditNote(Services& services, const CreditNotes::Note& note, Outlet outlet, QWidget* parent)
{
    const auto data = read(services, note.bookingId, QCoreApplication::translate("DocumentsMenu", "Credit Note"));
    return data && send(services, BookingDocuments::creditNote(*data, note),
                        QStringLiteral("Credit Note %1.pdf").arg(note.number), outlet, parent);
}

void addOutlets(QMenu* menu, const QString& namePrefix, const std::function<void(Outlet)>& run)
{
    const std::pair<QString, Outlet> outlets[] = {
        {QCoreApplication::translate("DocumentsMenu", "&Print"), Outlet::Print},
        {QCoreApplication::translate("DocumentsMenu", "Pre&view..."), Outlet::Preview},
        {QCoreApplication::translate("DocumentsMenu", "Save as P&DF..."), Outlet::Pdf}};
    const char* names[] = {"Print", "Preview", "Pdf"};
    int i = 0;
    for (const auto& [caption, outlet] : outlets) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(namePrefix + QLatin1String(names[i++]));
        QObject::connect(action, &QAction::triggered, menu, [run, outlet] { run(outlet); });
    }
}

QMenu* confirmationMenu(Services& services, const std::function<int()>& bookingId, QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("mnuConfirmation"));
    addOutlets(menu, QStringLiteral("mnuConfirmation"), [&services, bookingId, parent](Outlet outlet) {
        const int id = bookingId();
        if (id <= 0) {
            services.messages.show(
                QCoreApplication::translate("DocumentsMenu", "Choose a booking in one of the lists first."),
                QCoreApplication::translate("DocumentsMenu", "Booking Confirmation"), MsgIcon::Information);
            return;
        }
        confirmation(services, id, outlet, parent);
    });
    return menu;
}

} // namespace DocumentsMenu
