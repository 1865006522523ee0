#pragma once

class QWidget;
struct Services;

/// Arrive, Depart and their undo as Today, the summary and the booking chart carry them out: the questions first
/// (an early or late arrival, money still owed at departure), then the change through CheckIn, the event logged
/// and any refusal told. Each returns whether the booking's stay changed, so the caller reads it again.
namespace CheckInMenu {

/// Checks the guest in now.
bool arrive(Services& services, QWidget* parent, int bookingId);
/// Checks the guest out now; with money still owed, offers to take it first (the payment dialog), to depart
/// anyway, or to go back.
bool depart(Services& services, QWidget* parent, int bookingId);
/// Undoes a mistaken arrival, departure or no-show, after asking.
bool putBack(Services& services, QWidget* parent, int bookingId);
/// The day's no-shows, proposed for the person to confirm in a list; never marked without that. Unless askedFor,
/// nothing is said when there are none (the proposal at closing time).
bool confirmNoShows(Services& services, QWidget* parent, bool askedFor = true);

} // namespace CheckInMenu
