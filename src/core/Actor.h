#pragma once

#include <QString>
#include <functional>

// Who is acting at this desk: the signed-in user once there is one, else the operating system's user. Every row
// that records who did something (a ledger line, a check-in, a booking's change) takes its text from here, so a
// sign-in changes them all at once.
namespace Actor {

struct Who
{
    int userId = 0;  // the signed-in user's row, 0 when nobody has signed in
    QString user;    // the name shown and stored ("Anna Berg"), or the operating system's user
    QString role;    // the signed-in user's role, empty when nobody has signed in
    QString machine; // the computer's name
};

/// The one acting now.
Who current();
/// Called by the sign-in (and by a switch of user); the machine is filled in here.
void signIn(int userId, const QString& user, const QString& role);
/// Back to the operating system's user, as before any sign-in.
void signOut();
/// "user@machine", the text stored in the Desk columns.
QString label();
/// Calls listener after every sign-in and sign-out, on the thread that made it (the server sessions are told who
/// acts now through it).
void onChange(std::function<void()> listener);

} // namespace Actor
