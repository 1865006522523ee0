#pragma once

#include <QString>

struct Services;

/// Starts a new message to address in the user's mail program (busy cursor meanwhile), and says so under title
/// when none could be started.
void sendEmail(Services& services, const QString& address, const QString& title);
