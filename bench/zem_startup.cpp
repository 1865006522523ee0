// The program's start-up up to its main window, timed, for bench/startup-language.sh:
//   zem_startup make FILE BOOKINGS   the busy harbour (2,000 berths) with BOOKINGS bookings into FILE
//   zem_startup FILE                 starts as the program does on FILE: the language the settings name (the
//                                    settings file ZEMHARBOUR_SETTINGS names), the database, the regional
//                                    settings, the main window shown; prints the milliseconds it took and the
//                                    language in use. No splash and no sign-in: they wait for a person.
#include "BenchData.h"
#include "core/Database.h"
#include "core/EventLog.h"
#include "core/RegionalSettings.h"
#include "core/ui/Mnemonics.h"
#include "core/ui/QtSeams.h"
#include "shell/MainWindow.h"
#include "shell/RegionalSettingsDialog.h"
#include "shell/Startup.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <cstdio>

int main(int argc, char* argv[])
{
    QElapsedTimer clock;
    clock.start();
    const QStringList args = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i)
            list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    if (args.size() == 3 && args[0] == u"make") {
        QCoreApplication app(argc, argv);
        QFile::remove(args[1]);
        if (const Status made = Database::createDatabase(args[1]); !made)
            qFatal("%s", qPrintable(made.error()));
        const Status filled = [&]() -> Status {
            const auto db = Database::open(args[1], QStringLiteral("make"));
            if (!db)
                return db.failure();
            return DataGenerator::generate(*db, BenchData::sizes(args[2].toInt()));
        }();
        Database::close(QStringLiteral("make"));
        if (!filled)
            qFatal("%s", qPrintable(filled.error()));
        return 0;
    }
    const bool shots = args.size() == 3 && args[1] == u"shots";
    if (args.size() != 1 && !shots) {
        std::fprintf(stderr, "usage: zem_startup make FILE BOOKINGS | zem_startup FILE [shots FOLDER]\n");
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zem Harbour"));
    QApplication::setOrganizationName(QStringLiteral("Zem Software"));
    Mnemonics::install(app);
    const QString language = Startup::installLanguage();
    if (const auto db = Database::open(args[0], Database::sharedConnectionName()); !db)
        qFatal("%s", qPrintable(db.error()));
    QtMessageBox messages;
    QtFileDialog files;
    QtDesktop desktop;
    SystemClock systemClock;
    QtPrinter printer;
    EventLogFile events(systemClock);
    Services services{messages, files, desktop, systemClock, events, Database::sharedConnectionName(), &printer};
    RegionalSettings::load().apply();
    {
        MainWindow window(services);
        window.resize(1280, 800);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qFatal("the main window never showed");
        std::printf("%s %lld\n", qPrintable(language), static_cast<long long>(clock.elapsed()));
        if (shots) {
            const QString stem = args[2] + u'/' + language;
            window.menuItem(QStringLiteral("mnuBookingsChart"))->trigger();
            QTest::qWait(500);
            if (!window.grab().save(stem + QStringLiteral("-chart.png")))
                qFatal("cannot write %s-chart.png", qPrintable(stem));
            RegionalSettingsDialog regional(services, &window);
            regional.show();
            QTest::qWait(200);
            if (!regional.grab().save(stem + QStringLiteral("-regional.png")))
                qFatal("cannot write %s-regional.png", qPrintable(stem));
        }
    }
    Database::close(Database::sharedConnectionName());
    return 0;
}
