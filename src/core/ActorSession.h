#pragma once

#include "core/Result.h"

#include <QSqlDatabase>

/// Tells each connection who acts at this desk, for the triggers that record who changed a booking: on a file the
/// SQL functions zem_actor() and zem_desk(), answered from Actor; on a server the session settings zem.actor and
/// zem.desk, which the server's own zem_actor() and zem_desk() read, set again on every connection this thread holds
/// whenever someone signs in or out.
namespace ActorSession {

/// Called once for every connection as it opens, before anything is written through it.
Status attach(const QSqlDatabase& db);

} // namespace ActorSession
