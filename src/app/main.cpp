#include "bookings/DataGenerator.h"
#include "calendars/CalendarDesk.h"
#include "core/Database.h"
#include "core/Dialect.h"
#include "core/EventLog.h"
#include "core/FileSecurity.h"
#include "core/Registry.h"
#include "core/Seams.h"
#include "core/ui/Mnemonics.h"
#include "core/ui/QtSeams.h"
#include "mail/OutboxSender.h"
#include "requests/RequestDesk.h"
#include "shell/MainWindow.h"
#include "shell/Startup.h"

#include <QApplication>
#include <QFile>
#include <QTextStream>

namespace {
int createDatabaseCommand(const QStringList& args)
{
    const qsizetype at = args.indexOf(QStringLiteral("--create-database"));
    QTextStream err(stderr);
    if (at + 1 >= args.size()) {
        err << "usage: zemharbour --create-database FILE|postgresql://USER@HOST[:PORT]/DATABASE [--demo]\n";
        return 2;
    }
    const QString path = args.at(at + 1);
    if (const Status made = Database::createDatabase(path); !made) {
        err << "zemharbour: cannot create the database: " << made.error() << '\n';
        return 1;
    }
    if (args.contains(QStringLiteral("--demo"))) {
        // The connection's handle goes before the connection is closed.
        const Status filled = [&]() -> Status {
            const auto db = Database::open(path, QStringLiteral("demo"));
            if (!db)
                return db.failure();
            return DataGenerator::generate(*db, DataGenerator::demoSizes(SystemClock().now().date()));
        }();
        Database::close(QStringLiteral("demo"));
        if (!filled) {
            // A file is ours to take away again; a server database is left for its administrator to drop.
            if (!Dialect::isServerAddress(path))
                QFile::remove(path);
            err << "zemharbour: cannot fill the demonstration database: " << filled.error() << '\n';
            return 1;
        }
    }
    return 0;
}

// Opens the database as a start would (making the user's empty one on the first start from a system-wide
// installation), says where it is and ends: a check an installer or a packager can run without a window.
int checkDatabaseCommand()
{
    const Status opened = Startup::openDatabase();
    Database::close(Database::sharedConnectionName());
    if (!opened) {
        QTextStream(stderr) << "zemharbour: DB Connection Error: " << opened.error() << '\n';
        return 1;
    }
    QTextStream(stdout) << Settings::databasePath() << '\n';
    return 0;
}
} // namespace

int main(int argc, char* argv[])
{
    // Customers' names, addresses and payments are in every file the program writes.
    FileSecurity::ownerOnlyFromNowOn();
    const QStringList args = [&] {
        QStringList list;
        for (int i = 0; i < argc; ++i)
            list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    if (args.contains(QStringLiteral("--create-database"))) {
        QCoreApplication app(argc, argv);
        return createDatabaseCommand(args);
    }

    if (args.contains(QStringLiteral("--check-database"))) {
        QCoreApplication app(argc, argv);
        return checkDatabaseCommand();
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zem Harbour"));
    QApplication::setOrganizationName(QStringLiteral("Zem Software"));
    Mnemonics::install(app);
    // Before the splash, the first window.
    Startup::installLanguage();

    QtMessageBox messages;
    QtFileDialog files;
    QtDesktop desktop;
    SystemClock clock;
    QtPrinter printer;
    EventLogFile events(clock);
    Services services{messages, files, desktop, clock, events, Database::sharedConnectionName(), &printer};

    const auto window = Startup::main(services);
    if (!window)
        return 1;
    // The outbox goes out in the background on a connection of its own, while the program runs.
    OutboxSender sender(Database::addressOf(Database::sharedConnectionName()), QStringLiteral("Outbox sender"),
                        OutboxSender::configured(), [&clock] { return clock.now(); });
    OutboxSender::setRunning(&sender);
    sender.start();
    // The availability calendars and the feeds of other sites, likewise.
    CalendarDesk calendars(Database::addressOf(Database::sharedConnectionName()), QStringLiteral("Calendars"),
                           CalendarDesk::configured(), [&clock] { return clock.now(); });
    CalendarDesk::setRunning(&calendars);
    QObject::connect(&calendars, &CalendarDesk::logged, &app,
                     [&events](int code, const QString& description) { events.log(code, description); });
    calendars.start();
    // Booking requests read from the mailbox at the gateway desk, and holds released when they run out.
    RequestDesk requests(Database::addressOf(Database::sharedConnectionName()), QStringLiteral("Requests"),
                         RequestDesk::configured(), [&clock] { return clock.now(); });
    RequestDesk::setRunning(&requests);
    QObject::connect(&requests, &RequestDesk::logged, &app,
                     [&events](int code, const QString& description) { events.log(code, description); });
    requests.start();
    return app.exec();
}
