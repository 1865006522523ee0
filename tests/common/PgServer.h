#pragma once

#include <QString>

/// A private PostgreSQL server for one test process: its own cluster in a temporary folder under /tmp, reached
/// only through a Unix socket in that folder (no TCP), stopped and removed when the process exits. Every case
/// gets a fresh database copied from a template that already holds btree_gist.
namespace PgServer {
/// Starts the server the first time (later calls return at once); false with the reason in error.
bool start(QString* error);
/// A new empty database copied from the template, as a libpq URI
/// (postgresql://postgres@/zem_case_<n>?host=<socket folder>&port=<port>); "" with the reason in error.
QString newDatabase(QString* error);
/// Drops a database newDatabase made, closing whatever is still connected to it; failures are ignored.
void dropDatabase(const QString& uri);
/// Stops the server at once and removes its folder; also runs by itself at exit.
void stop();
/// The folder with initdb, pg_ctl, pg_dump and pg_restore ("" when no server is installed).
QString binDir();
/// Where the server listens, for connecting without a URI ("" / 0 before Start).
QString socketDir();
int port();
} // namespace PgServer
