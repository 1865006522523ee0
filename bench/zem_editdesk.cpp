// One desk editing the same records as another, for the edit drill (bench/edit-drill.sh): each round loads a record
// through the store call its editor window uses, waits a few milliseconds, writes a token of its own (desk and
// round) into one or two fields and saves through the store, as the window's Save does. The berth table editor,
// whose check and write are the window's own, is driven through its window (offscreen).
//   zem_editdesk create DATABASE ROUNDS        a fresh database with the records every editor works on
//   zem_editdesk run DATABASE DESK EDITOR ROUNDS LOG [START]
//                                              ROUNDS rounds of one editor from START (milliseconds since 1970, so
//                                              that both desks begin together); LOG gets one line per round:
//                                              "RECORD READ-A READ-B OUTCOME WRITTEN" (OUTCOME saved, conflict,
//                                              refused, busy or error)
//   zem_editdesk check DATABASE EDITOR LOG...  the rounds against each other and the stored record: saves based on
//                                              a state another save had already replaced, failed saves that were
//                                              written, rows with one field of a save and not the other
//   zem_editdesk editors                       the editors' names
// DATABASE is a file path or a postgresql:// address.
#include "BenchData.h"
#include "berths/BerthNotes.h"
#include "berths/BerthTableEditor.h"
#include "bookings/BerthBlocks.h"
#include "bookings/BookingStore.h"
#include "bookings/Ledger.h"
#include "core/Database.h"
#include "core/DateTimes.h"
#include "core/Dialect.h"
#include "core/SqlHelpers.h"
#include "people/Boats.h"
#include "people/PeopleRecords.h"
#include "rates/RateStore.h"
#include "shell/CompanyStore.h"
#include "waiting/WaitingList.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QHash>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QTextStream>
#include <QThread>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>

namespace {

constexpr int BusyTimeoutMs = 500; // as a desk's own connection waits for a busy file
const QString Connection = QStringLiteral("editdesk");
const QString Initial = QStringLiteral("init");
// The records the single-record editors work on, as create makes them.
constexpr int CustomerId = 1, OwnerId = 1, BoatId = 1, BlockBerth = 4, NotesBerthA = 1, NotesBerthB = 2;
// The berth of the table editor: the last, so the editor's Last button shows it.
constexpr int TableBerth = 5;
// The edited booking, the ledger's, and the bookings of the cancel race: one per round, from this ID on.
constexpr int EditedBooking = 1, LedgerBooking = 2, FirstCancelBooking = 3;
const QDateTime BlockStart = DateTimes::wallTime(QDate(2030, 3, 1), QTime(0, 0));

class NoEvents final : public IEventLog
{
public:
    void log(int, const QString&) override {}
};

/// A token's number, for the fields that hold numbers (a rate, a length, minutes of a block).
int codeOf(const QString& token)
{
    return token == Initial ? 0 : token.mid(1).toInt();
}
QString tokenOf(int code)
{
    return code == 0 ? Initial : QStringLiteral("T%1").arg(code);
}

/// What one round read and what its save was told.
struct Read
{
    int record = 0;
    QString a, b; // the tokens read from the two fields (b empty for an editor with one)
};

/// One editor: how its window loads the record and saves it, through the stores.
struct Editor
{
    /// Loads the record of round (most editors have one record; the cancel race one per round).
    std::function<Result<Read>(const QSqlDatabase&, int round)> load;
    /// Saves token over what load read.
    std::function<Status(const QSqlDatabase&, const QString& token)> save;
    /// The record as stored at the end.
    std::function<Result<Read>(const QSqlDatabase&, int record)> stored;
};

template <typename T> Result<Read> readFrom(const Result<T>& loaded, const std::function<Read(const T&)>& tokens)
{
    if (!loaded)
        return loaded.failure();
    return tokens(*loaded);
}

std::map<QString, Editor> editors()
{
    std::map<QString, Editor> all;
    {
        // The berth table editor's window: Refresh and Last show the berth; its name and notes are typed over and
        // Update saves. A question about another desk's change is answered "back to editing", and counts as the
        // conflict it reports.
        struct Desk final : public IMessageBox
        {
            MsgResult show(const QString& text, const QString&, MsgIcon, MsgButtons buttons) override
            {
                asked = buttons == MsgButtons::YesNoCancel;
                said = text;
                return asked ? MsgResult::Cancel : MsgResult::Ok;
            }
            bool asked = false;
            QString said;
            BenchData::FixedFile files;
            BenchData::NoDesktop desktop;
            SystemClock clock;
            NoEvents events;
            Services services{*this, files, desktop, clock, events, Connection};
            std::unique_ptr<BerthTableEditor> window;
            QLineEdit* box(int field) const
            {
                return window->findChild<QLineEdit*>(QStringLiteral("txtFields%1").arg(field));
            }
            void press(const char* button) const
            {
                window->findChild<QAbstractButton*>(QLatin1String(button))->click();
            }
        };
        auto desk = std::make_shared<Desk>();
        all[QStringLiteral("berth-table")] = {
            [desk](const QSqlDatabase&, int) -> Result<Read> {
                if (!desk->window)
                    desk->window = std::make_unique<BerthTableEditor>(desk->services);
                desk->said.clear();
                desk->press("cmdRefresh");
                desk->press("cmdLast");
                if (!desk->said.isEmpty())
                    return databaseFailure(desk->said);
                return Read{desk->box(BerthTableEditor::FieldID)->text().toInt(),
                            desk->box(BerthTableEditor::FieldName)->text(),
                            desk->box(BerthTableEditor::FieldNotes)->text()};
            },
            [desk](const QSqlDatabase&, const QString& token) -> Status {
                desk->box(BerthTableEditor::FieldName)->setText(token);
                desk->box(BerthTableEditor::FieldNotes)->setText(token);
                desk->asked = false;
                desk->said.clear();
                desk->press("cmdUpdate");
                if (desk->asked)
                    return conflict(desk->said);
                if (!desk->said.isEmpty())
                    return databaseFailure(desk->said);
                return Done{};
            },
            [](const QSqlDatabase& db, int) -> Result<Read> {
                const auto row = Sql::scalar(db, QStringLiteral("SELECT Name || ' ' || Notes FROM Berth WHERE ID = ?"),
                                             {TableBerth});
                if (!row)
                    return databaseFailure(QStringLiteral("the berth could not be read"));
                const QStringList fields = row->toString().split(u' ');
                return Read{TableBerth, fields.value(0), fields.value(1)};
            }};
    }
    {
        auto seen = std::make_shared<CustomerRecord>();
        const auto tokens = [](const CustomerRecord& r) { return Read{CustomerId, r.name, r.notes}; };
        all[QStringLiteral("customer")] = {[seen, tokens](const QSqlDatabase& db, int) -> Result<Read> {
                                               auto loaded = CustomerStore::load(db, CustomerId);
                                               if (loaded)
                                                   *seen = *loaded;
                                               return readFrom<CustomerRecord>(loaded, tokens);
                                           },
                                           [seen](const QSqlDatabase& db, const QString& token) {
                                               CustomerRecord mine = *seen;
                                               mine.name = mine.notes = token;
                                               return CustomerStore::modify(db, CustomerId, *seen, mine);
                                           },
                                           [tokens](const QSqlDatabase& db, int) {
                                               return readFrom<CustomerRecord>(CustomerStore::load(db, CustomerId),
                                                                               tokens);
                                           }};
    }
    {
        auto seen = std::make_shared<OwnerRecord>();
        const auto tokens = [](const OwnerRecord& r) { return Read{OwnerId, r.name, r.notes}; };
        all[QStringLiteral("owner")] = {[seen, tokens](const QSqlDatabase& db, int) -> Result<Read> {
                                            auto loaded = OwnerStore::load(db, OwnerId);
                                            if (loaded)
                                                *seen = *loaded;
                                            return readFrom<OwnerRecord>(loaded, tokens);
                                        },
                                        [seen](const QSqlDatabase& db, const QString& token) {
                                            OwnerRecord mine = *seen;
                                            mine.name = mine.notes = token;
                                            return OwnerStore::modify(db, OwnerId, *seen, mine);
                                        },
                                        [tokens](const QSqlDatabase& db, int) {
                                            return readFrom<OwnerRecord>(OwnerStore::load(db, OwnerId), tokens);
                                        }};
    }
    {
        auto seen = std::make_shared<BoatRecord>();
        const auto tokens = [](const BoatRecord& r) { return Read{BoatId, r.name, r.notes}; };
        all[QStringLiteral("boat")] = {
            [seen, tokens](const QSqlDatabase& db, int) -> Result<Read> {
                auto loaded = Boats::load(db, BoatId);
                if (loaded)
                    *seen = *loaded;
                return readFrom<BoatRecord>(loaded, tokens);
            },
            [seen](const QSqlDatabase& db, const QString& token) {
                BoatRecord mine = *seen;
                mine.name = mine.notes = token;
                return Boats::modify(db, *seen, mine);
            },
            [tokens](const QSqlDatabase& db, int) { return readFrom<BoatRecord>(Boats::load(db, BoatId), tokens); }};
    }
    {
        // The entry's notes and its least length (the token's number, in centimetres).
        auto seen = std::make_shared<WaitingEntry>();
        const auto loadEntry = [](const QSqlDatabase& db) -> Result<WaitingEntry> {
            const auto lines = WaitingList::lines(db);
            if (!lines)
                return lines.failure();
            for (const WaitingLine& line : *lines)
                if (line.entry.notes.startsWith(u'T') || line.entry.notes == Initial)
                    return line.entry;
            return conflict(QStringLiteral("no waiting entry"));
        };
        const auto tokens = [](const WaitingEntry& e) {
            return Read{e.id, e.notes, e.minLengthCm == 100 ? Initial : tokenOf(e.minLengthCm.value_or(-1))};
        };
        all[QStringLiteral("waiting")] = {
            [seen, tokens, loadEntry](const QSqlDatabase& db, int) -> Result<Read> {
                auto loaded = loadEntry(db);
                if (loaded)
                    *seen = *loaded;
                return readFrom<WaitingEntry>(loaded, tokens);
            },
            [seen](const QSqlDatabase& db, const QString& token) {
                WaitingEntry mine = *seen;
                mine.notes = token;
                mine.minLengthCm = codeOf(token);
                return WaitingList::modify(db, *seen, mine, QDate::currentDate());
            },
            [tokens, loadEntry](const QSqlDatabase& db, int) { return readFrom<WaitingEntry>(loadEntry(db), tokens); }};
    }
    {
        // The notes of two berths, saved together by one visit of the berth notes window.
        auto visit = std::make_shared<std::unique_ptr<BerthNotes>>();
        const auto read = [](const QSqlDatabase& db, std::unique_ptr<BerthNotes>& notes) -> Result<Read> {
            notes = std::make_unique<BerthNotes>(db);
            if (const Status loaded = notes->load(); !loaded)
                return loaded.failure();
            return Read{NotesBerthA, notes->notes(NotesBerthA), notes->notes(NotesBerthB)};
        };
        all[QStringLiteral("berth-notes")] = {[visit, read](const QSqlDatabase& db, int) { return read(db, *visit); },
                                              [visit](const QSqlDatabase&, const QString& token) {
                                                  (*visit)->setNotes(NotesBerthA, token);
                                                  (*visit)->setNotes(NotesBerthB, token);
                                                  return (*visit)->save();
                                              },
                                              [read](const QSqlDatabase& db, int) {
                                                  std::unique_ptr<BerthNotes> notes;
                                                  return read(db, notes);
                                              }};
    }
    {
        // The trading name and the receipt footer of company row 1, as the window's model shows them.
        struct Visit
        {
            std::unique_ptr<CompanyStore> store;
            CompanyStore::Rows rows;
        };
        auto visit = std::make_shared<Visit>();
        constexpr int TradingName = 1, Footer = 9; // in the values after the key
        const auto readRows = [](const QSqlDatabase& db) -> Result<CompanyStore::Rows> {
            QSqlQuery q(db);
            QString error;
            if (!Sql::exec(q, QStringLiteral("SELECT * FROM Company"), {}, &error))
                return databaseFailure(error);
            CompanyStore::Rows rows;
            while (q.next()) {
                QStringList values;
                for (size_t i = 1; i < std::size(CompanyStore::Fields); ++i)
                    values << q.record().value(QString::fromUtf16(CompanyStore::Fields[i].column)).toString();
                rows[q.record().value(QStringLiteral("CompanyID")).toInt()] = values;
            }
            return rows;
        };
        const auto tokens = [](const CompanyStore::Rows& rows) {
            const QStringList values = rows.count(1) && rows.at(1) ? *rows.at(1) : QStringList();
            return Read{1, values.value(TradingName), values.value(Footer)};
        };
        all[QStringLiteral("company")] = {[visit, readRows, tokens](const QSqlDatabase& db, int) -> Result<Read> {
                                              auto rows = readRows(db);
                                              if (!rows)
                                                  return rows.failure();
                                              visit->rows = *rows;
                                              visit->store = std::make_unique<CompanyStore>(db);
                                              visit->store->seeDetails(*rows);
                                              return tokens(*rows);
                                          },
                                          [visit](const QSqlDatabase&, const QString& token) {
                                              CompanyStore::Contents mine{visit->rows, {}, {}};
                                              if (mine.details.count(1) && mine.details[1]) {
                                                  (*mine.details[1])[TradingName] = token;
                                                  (*mine.details[1])[Footer] = token;
                                              }
                                              return visit->store->save(mine);
                                          },
                                          [readRows, tokens](const QSqlDatabase& db, int) -> Result<Read> {
                                              auto rows = readRows(db);
                                              if (!rows)
                                                  return rows.failure();
                                              return tokens(*rows);
                                          }};
    }
    {
        // An existing booking's notes and guest confirmation number, saved by the booking window's Confirm.
        auto seen = std::make_shared<BookingRecord>();
        const auto tokens = [](const BookingRecord& b) { return Read{b.id, b.notes, b.guestConfirmationNumber}; };
        all[QStringLiteral("booking")] = {[seen, tokens](const QSqlDatabase& db, int) -> Result<Read> {
                                              auto loaded = BookingStore::loadBooking(db, EditedBooking);
                                              if (loaded)
                                                  *seen = *loaded;
                                              return readFrom<BookingRecord>(loaded, tokens);
                                          },
                                          [seen](const QSqlDatabase& db, const QString& token) -> Status {
                                              BookingRecord mine = *seen;
                                              mine.notes = mine.guestConfirmationNumber = token;
                                              const auto saved = BookingStore::saveBooking(db, mine);
                                              if (!saved)
                                                  return saved.failure();
                                              return Done{};
                                          },
                                          [tokens](const QSqlDatabase& db, int) {
                                              return readFrom<BookingRecord>(
                                                  BookingStore::loadBooking(db, EditedBooking), tokens);
                                          }};
    }
    {
        // One booking a round with money paid: desk 1 cancels it (the money refunded), desk 2 changes its notes,
        // each over the booking as loaded. A cancelled booking reads as "cancelled".
        struct Visit
        {
            BookingRecord seen;
            bool cancels = false;
        };
        auto visit = std::make_shared<Visit>();
        const auto tokens = [](const BookingRecord& b) {
            return Read{b.id, b.cancelled ? QStringLiteral("cancelled") : b.notes, {}};
        };
        all[QStringLiteral("booking-cancel")] = {
            [visit, tokens](const QSqlDatabase& db, int round) -> Result<Read> {
                auto loaded = BookingStore::loadBooking(db, FirstCancelBooking + round - 1);
                if (loaded)
                    visit->seen = *loaded;
                return readFrom<BookingRecord>(loaded, tokens);
            },
            [visit](const QSqlDatabase& db, const QString& token) -> Status {
                if (token.endsWith(QStringLiteral("-cancel"))) {
                    const auto paid = BookingStore::cancelBooking(db, visit->seen.id, visit->seen.storedStamp,
                                                                  BookingStore::MoneyKept::Refunded,
                                                                  QDateTime::currentDateTime(), Ledger::deskName());
                    return paid ? Status(Done{}) : Status(paid.failure());
                }
                BookingRecord mine = visit->seen;
                mine.notes = token;
                const auto saved = BookingStore::saveBooking(db, mine);
                return saved ? Status(Done{}) : Status(saved.failure());
            },
            [tokens](const QSqlDatabase& db, int record) {
                return readFrom<BookingRecord>(BookingStore::loadBooking(db, record), tokens);
            }};
    }
    {
        // The nightly rates of berths 1 and 2 in the one season, the token's number in pence, saved as one table.
        auto seen = std::make_shared<RateTable>();
        const auto tokens = [](const RateTable& t) {
            QString a, b;
            for (const RateRow& r : t.rates) {
                const QString token = tokenOf(int(r.rate.nightly.units() / 100) - 1000);
                (r.berthId == 1 ? a : b) = token;
            }
            return Read{1, a, b};
        };
        all[QStringLiteral("rates")] = {
            [seen, tokens](const QSqlDatabase& db, int) -> Result<Read> {
                auto loaded = RateStore::load(db);
                if (loaded)
                    *seen = *loaded;
                return readFrom<RateTable>(loaded, tokens);
            },
            [seen](const QSqlDatabase& db, const QString& token) {
                RateTable mine = *seen;
                for (RateRow& r : mine.rates)
                    r.rate.nightly = Money::fromPence(1000 + codeOf(token));
                return RateStore::save(db, *seen, mine);
            },
            [tokens](const QSqlDatabase& db, int) { return readFrom<RateTable>(RateStore::load(db), tokens); }};
    }
    {
        // The block's reason and its end (the token's number in minutes after a day).
        auto seen = std::make_shared<BerthBlocks::Block>();
        const auto loadBlock = [](const QSqlDatabase& db) -> Result<BerthBlocks::Block> {
            const auto id = Sql::scalar(db, QStringLiteral("SELECT MIN(ID) FROM BerthBlock"));
            const auto block = BerthBlocks::load(db, id.value_or(QVariant(0)).toInt());
            if (!block)
                return block.failure();
            if (!*block)
                return conflict(QStringLiteral("no block"));
            return **block;
        };
        const auto tokens = [](const BerthBlocks::Block& b) {
            return Read{b.id, b.reason, tokenOf(int(b.from.secsTo(b.to) / 60) - 24 * 60)};
        };
        all[QStringLiteral("block")] = {[seen, tokens, loadBlock](const QSqlDatabase& db, int) -> Result<Read> {
                                            auto loaded = loadBlock(db);
                                            if (loaded)
                                                *seen = *loaded;
                                            return readFrom<BerthBlocks::Block>(loaded, tokens);
                                        },
                                        [seen](const QSqlDatabase& db, const QString& token) -> Status {
                                            BerthBlocks::Block mine = *seen;
                                            mine.reason = token;
                                            mine.to = mine.from.addSecs(60 * (24 * 60 + codeOf(token)));
                                            const auto saved = BerthBlocks::save(db, mine, {}, *seen);
                                            return saved ? Status(Done{}) : Status(saved.failure());
                                        },
                                        [tokens, loadBlock](const QSqlDatabase& db, int) {
                                            return readFrom<BerthBlocks::Block>(loadBlock(db), tokens);
                                        }};
    }
    return all;
}

// --- the ledger: a correction that takes all that was paid, raced by both desks ---------------------------------

struct Counts
{
    int rounds = 0, saved = 0, conflicts = 0, refused = 0, busy = 0, errors = 0;
};

bool isBusy(const QString& error)
{
    return error.contains(QStringLiteral("database is locked"));
}

const char* outcomeOf(const Status& status, Counts& counts)
{
    if (status) {
        ++counts.saved;
        return "saved";
    }
    if (status.kind() == FailureKind::Conflict) {
        ++counts.conflicts;
        return "conflict";
    }
    if (status.kind() == FailureKind::Refused) {
        ++counts.refused;
        return "refused";
    }
    if (isBusy(status.error())) {
        ++counts.busy;
        return "busy";
    }
    ++counts.errors;
    return "error";
}

/// Saves, and as a person would press Save again, tries twice more while the file is busy.
Status retried(const std::function<Status()>& save)
{
    Status status = save();
    for (int attempt = 1; attempt < 3 && !status && isBusy(status.error()); ++attempt)
        status = save();
    return status;
}

int runLedger(const QSqlDatabase& db, const QString& desk, int rounds, QTextStream& log, QRandomGenerator& random)
{
    // Each round reads what was paid; when money is paid the correction takes it all back, else a payment brings
    // it to the round's amount. Two corrections over the same amount paid would take it below nothing.
    Counts counts;
    for (int round = 1; round <= rounds; ++round) {
        ++counts.rounds;
        auto held = Ledger::account(db, LedgerBooking);
        for (int attempt = 1; attempt < 3 && !held && isBusy(held.error()); ++attempt)
            held = Ledger::account(db, LedgerBooking);
        if (!held) {
            log << "0 - - " << outcomeOf(held.failure(), counts) << " - " << held.error().simplified() << Qt::endl;
            continue;
        }
        QThread::msleep(random.bounded(1, 8));
        Ledger::Entry entry;
        if (held->paid > Money()) {
            entry.kind = Ledger::Kind::Correction;
            entry.amount = Money() - held->paid;
        } else {
            entry.kind = Ledger::Kind::Payment;
            entry.amount = Money::fromPence(100 * random.bounded(1, 50));
        }
        entry.note = QStringLiteral("%1-%2").arg(desk).arg(round);
        const Status status = retried([&] {
            const auto paid = Ledger::record(db, LedgerBooking, entry, QDateTime::currentDateTime(), desk);
            return paid ? Status(Done{}) : Status(paid.failure());
        });
        log << LedgerBooking << ' ' << held->paid.units() << " - " << outcomeOf(status, counts) << ' ' << entry.note
            << ' ' << status.error().simplified() << Qt::endl;
        QThread::msleep(random.bounded(0, 3));
    }
    std::printf("%s ledger rounds %d saved %d conflicts %d refused %d busy %d errors %d\n", qPrintable(desk),
                counts.rounds, counts.saved, counts.conflicts, counts.refused, counts.busy, counts.errors);
    return 0;
}

int run(const QString& data, const QString& desk, const QString& editorName, int rounds, const QString& logPath,
        qint64 start)
{
    QFile logFile(logPath);
    if (!logFile.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        std::fprintf(stderr, "%s: cannot write %s\n", qPrintable(desk), qPrintable(logPath));
        return 1;
    }
    QTextStream log(&logFile);
    const int deskNumber = desk.right(1).toInt();
    QRandomGenerator random(qHash(desk) ^ quint32(QCoreApplication::applicationPid()));
    auto opened = Database::open(data, Connection, BusyTimeoutMs);
    if (!opened) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(desk), qPrintable(opened.error()));
        return 1;
    }
    const QSqlDatabase db = *opened;
    if (const qint64 wait = start - QDateTime::currentMSecsSinceEpoch(); wait > 0)
        QThread::msleep(wait);
    if (editorName == QStringLiteral("ledger"))
        return runLedger(db, desk, rounds, log, random);
    const auto all = editors();
    const auto found = all.find(editorName);
    if (found == all.end()) {
        std::fprintf(stderr, "no editor %s\n", qPrintable(editorName));
        return 2;
    }
    const Editor& editor = found->second;
    Counts counts;
    for (int round = 1; round <= rounds; ++round) {
        ++counts.rounds;
        // A file busy at another desk's commit is read again, as a person would open the window again.
        auto read = editor.load(db, round);
        for (int attempt = 1; attempt < 3 && !read && isBusy(read.error()); ++attempt)
            read = editor.load(db, round);
        if (!read) {
            // Record 0: nothing was read, so nothing was saved.
            log << "0 - - " << outcomeOf(read.failure(), counts) << " - " << read.error().simplified() << Qt::endl;
            continue;
        }
        QThread::msleep(random.bounded(1, 8));
        QString token = tokenOf(deskNumber * 1000 + round);
        if (editorName == QStringLiteral("booking-cancel") && deskNumber == 1)
            token += QStringLiteral("-cancel");
        const Status status = retried([&] { return editor.save(db, token); });
        log << read->record << ' ' << (read->a.isEmpty() ? QStringLiteral("-") : read->a) << ' '
            << (read->b.isEmpty() ? QStringLiteral("-") : read->b) << ' ' << outcomeOf(status, counts) << ' ' << token;
        if (!status)
            log << ' ' << status.error().simplified();
        log << Qt::endl;
        QThread::msleep(random.bounded(0, 3));
    }
    std::printf("%s %s rounds %d saved %d conflicts %d refused %d busy %d errors %d\n", qPrintable(desk),
                qPrintable(editorName), counts.rounds, counts.saved, counts.conflicts, counts.refused, counts.busy,
                counts.errors);
    return 0;
}

// --- create ------------------------------------------------------------------------------------------------------

int create(const QString& data, int rounds)
{
    if (const Status made = Database::createDatabase(data); !made) {
        std::fprintf(stderr, "%s\n", qPrintable(made.error()));
        return 1;
    }
    int failures = 0;
    {
        auto opened = Database::open(data, Connection, 5000);
        if (!opened) {
            std::fprintf(stderr, "%s\n", qPrintable(opened.error()));
            return 1;
        }
        const QSqlDatabase db = *opened;
        const auto must = [&](const Status& status, const char* what) {
            if (!status) {
                std::fprintf(stderr, "%s: %s\n", what, qPrintable(status.error()));
                ++failures;
            }
        };
        const auto exec = [&](const QString& sql, const QVariantList& binds = {}) {
            QString error;
            must(Sql::exec(db, sql, binds, &error) ? Status(Done{}) : Status(databaseFailure(error)), "insert");
        };
        for (int i = 1; i <= 4; ++i)
            exec(QStringLiteral("INSERT INTO Berth (ID, Name, Length, Width, HasPower, Active, Notes) "
                                "VALUES (?, ?, 12, 4, 1, 1, ?)"),
                 {i, QStringLiteral("P%1").arg(i), Initial});
        exec(QStringLiteral("INSERT INTO Berth (ID, Name, Length, Width, HasPower, Active, Notes) "
                            "VALUES (?, ?, 12, 4, 1, 1, ?)"),
             {TableBerth, Initial, Initial});
        CustomerRecord customer;
        customer.name = customer.notes = Initial;
        must(CustomerStore::add(db, customer).ok() ? Status(Done{}) : Status(refused(QStringLiteral("customer"))),
             "customer");
        OwnerRecord owner;
        owner.name = owner.notes = Initial;
        must(OwnerStore::add(db, owner).ok() ? Status(Done{}) : Status(refused(QStringLiteral("owner"))), "owner");
        BoatRecord boat;
        boat.customerId = CustomerId;
        boat.name = boat.notes = Initial;
        must(Boats::add(db, boat).ok() ? Status(Done{}) : Status(refused(QStringLiteral("boat"))), "boat");
        WaitingEntry entry;
        entry.customerId = CustomerId;
        entry.from = QDate::currentDate().addDays(60);
        entry.to = entry.from.addDays(7);
        entry.minLengthCm = 100;
        entry.notes = Initial;
        const auto waiting = WaitingList::add(db, entry, QDateTime::currentDateTime());
        must(waiting ? Status(Done{}) : Status(waiting.failure()), "waiting entry");
        BerthBlocks::Block block;
        block.berthId = BlockBerth;
        block.from = BlockStart;
        block.to = BlockStart.addDays(1);
        block.reason = Initial;
        const auto blocked = BerthBlocks::save(db, block, {});
        must(blocked ? Status(Done{}) : Status(blocked.failure()), "block");
        exec(QStringLiteral("UPDATE Company SET \"Trading Name\" = ?, \"Receipt Footer\" = ? WHERE CompanyID = 1"),
             {Initial, Initial});
        RateTable rates;
        Pricing::Season season;
        season.id = -1;
        season.name = QStringLiteral("Summer");
        season.firstNight = QDate(2031, 6, 1);
        season.lastNight = QDate(2031, 8, 31);
        rates.seasons = {season};
        for (int berth : {1, 2}) {
            RateRow row;
            row.seasonId = -1;
            row.berthId = berth;
            row.rate.nightly = Money::fromPence(1000);
            rates.rates << row;
        }
        must(RateStore::save(db, RateTable(), rates), "rates");
        // The edited booking, the ledger's, and one booking a round for the cancel race, each on berth 3 at a time
        // of its own, the cancel race's with a payment on their ledger.
        const auto book = [&](int id, int day, bool paid) {
            BookingRecord b;
            b.customerId = CustomerId;
            b.fromDate = DateTimes::wallTime(QDate(2029, 1, 1).addDays(day), QTime(14, 0));
            b.toDate = b.fromDate.addSecs(3600 * 20);
            b.notes = b.guestConfirmationNumber = Initial;
            b.berthIds = {3};
            b.berthNames = {QStringLiteral("P3")};
            b.totalPayable = Money::fromPence(10000);
            const auto saved = BookingStore::saveBooking(db, b);
            must(saved ? Status(Done{}) : Status(saved.failure()), "booking");
            // A new database numbers its bookings from 1, in the order they are saved: the IDs the editors name.
            must(saved && saved->id == id ? Status(Done{}) : Status(refused(QStringLiteral("another ID"))),
                 "booking ID");
            if (paid) {
                Ledger::Entry pay;
                pay.amount = Money::fromPence(5000);
                const auto recorded =
                    Ledger::record(db, id, pay, QDateTime::currentDateTime(), QStringLiteral("setup"));
                must(recorded ? Status(Done{}) : Status(recorded.failure()), "payment");
            }
        };
        book(EditedBooking, 0, false);
        book(LedgerBooking, 1, true);
        for (int round = 1; round <= rounds; ++round)
            book(FirstCancelBooking + round - 1, 1 + round, true);
    }
    Database::close(Connection);
    return failures == 0 ? 0 : 1;
}

// --- check -------------------------------------------------------------------------------------------------------

struct Line
{
    int record = 0;
    QString a, b, outcome, written;
};

std::optional<QList<Line>> readLogs(const QStringList& paths)
{
    QList<Line> lines;
    for (const QString& path : paths) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
            return std::nullopt;
        }
        while (!file.atEnd()) {
            const QStringList w = QString::fromUtf8(file.readLine()).trimmed().split(u' ');
            if (w.size() >= 5)
                lines << Line{w[0].toInt(), w[1], w[2], w[3], w[4]};
        }
    }
    return lines;
}

int checkLedger(const QSqlDatabase& db, const QList<Line>& lines)
{
    // The lines in the order they were added: the amount paid may never fall below nothing, and what the booking
    // shows as paid is their sum. Every save a desk was told of is a line, and no other desk's line is there.
    QSqlQuery q(db);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT Amount, Note FROM Payment WHERE BookingID = ? ORDER BY ID"),
                   {LedgerBooking}, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    Money running;
    int belowNothing = 0;
    QSet<QString> stored;
    while (q.next()) {
        running = running + Money::fromDb(q.value(0));
        if (running < Money())
            ++belowNothing;
        stored.insert(q.value(1).toString());
    }
    const auto account = Ledger::account(db, LedgerBooking);
    const bool sumHolds = account && account->paid == running;
    int savedMissing = 0, failedWritten = 0, saved = 0, lostRaces = 0, busy = 0, errors = 0;
    for (const Line& line : lines) {
        if (line.record == 0) {
            (line.outcome == QStringLiteral("busy") ? busy : errors) += 1;
            continue;
        }
        const bool there = stored.contains(line.written);
        if (line.outcome == QStringLiteral("saved")) {
            ++saved;
            savedMissing += there ? 0 : 1;
        } else if (there) {
            ++failedWritten;
        } else if (line.outcome == QStringLiteral("refused")) {
            ++lostRaces;
        } else if (line.outcome == QStringLiteral("busy")) {
            ++busy;
        } else {
            ++errors;
        }
    }
    std::printf("ledger rounds %lld saved %d lines %lld refused %d busy %d errors %d below-nothing %d sum-holds %s "
                "saved-missing %d failed-but-written %d\n",
                qlonglong(lines.size()), saved, qlonglong(stored.size()) - 1, lostRaces, busy, errors, belowNothing,
                sumHolds ? "yes" : "NO", savedMissing, failedWritten);
    return belowNothing + savedMissing + failedWritten + errors + (sumHolds ? 0 : 1) == 0 ? 0 : 3;
}

int check(const QString& data, const QString& editorName, const QStringList& logs)
{
    const auto lines = readLogs(logs);
    if (!lines)
        return 1;
    auto opened = Database::open(data, Connection, 5000);
    if (!opened) {
        std::fprintf(stderr, "%s\n", qPrintable(opened.error()));
        return 1;
    }
    const QSqlDatabase db = *opened;
    if (editorName == QStringLiteral("ledger"))
        return checkLedger(db, *lines);
    const auto all = editors();
    const Editor& editor = all.at(editorName);
    // Per record: the saves that went through form one chain from the first state, each over the one before. A save
    // over a state another save had already replaced is a silent overwrite; so is one over a state no save made.
    std::map<int, QList<Line>> byRecord;
    for (const Line& line : *lines)
        byRecord[line.record].append(line);
    int saved = 0, conflicts = 0, refusals = 0, busy = 0, errors = 0, silent = 0, halfSaved = 0, failedWritten = 0,
        lostRaces = 0, unraced = 0, endWrong = 0;
    const bool twoFields = editorName != QStringLiteral("booking-cancel");
    for (const auto& [record, rounds] : byRecord) {
        if (record == 0) {
            // Loads that failed: nothing was saved over them.
            for (const Line& line : rounds)
                (line.outcome == QStringLiteral("busy") ? busy : errors) += 1;
            continue;
        }
        QHash<QString, int> savedOver; // the state read -> saves that went through over it
        QSet<QString> made{Initial};   // the states a save that went through made
        for (const Line& line : rounds) {
            if (twoFields && line.a != line.b)
                ++halfSaved; // a load that found one field of a save without the other
            if (line.outcome == QStringLiteral("saved")) {
                ++saved;
                savedOver[line.a] += 1;
                made.insert(line.written.endsWith(QStringLiteral("-cancel")) ? QStringLiteral("cancelled")
                                                                             : line.written);
            }
        }
        for (auto it = savedOver.cbegin(); it != savedOver.cend(); ++it)
            silent += (it.value() - 1) + (made.contains(it.key()) ? 0 : it.value());
        const auto stored = editor.stored(db, record);
        if (!stored) {
            std::fprintf(stderr, "record %d: %s\n", record, qPrintable(stored.error()));
            return 1;
        }
        if (twoFields && stored->a != stored->b)
            ++halfSaved;
        // The record ends as the last save left it: a state that made, and that no save went on from.
        if (!made.contains(stored->a) || (savedOver.contains(stored->a) && stored->a != Initial))
            ++endWrong;
        for (const Line& line : rounds) {
            if (line.outcome == QStringLiteral("saved"))
                continue;
            const QString state =
                line.written.endsWith(QStringLiteral("-cancel")) ? QStringLiteral("cancelled") : line.written;
            if (line.outcome != QStringLiteral("busy") && line.outcome != QStringLiteral("error") &&
                (stored->a == state || savedOver.contains(state)))
                ++failedWritten; // told it failed, yet what it wrote is there
            if (line.outcome == QStringLiteral("conflict") || line.outcome == QStringLiteral("refused")) {
                (line.outcome == QStringLiteral("conflict") ? conflicts : refusals) += 1;
                // A lost race: another save went through over the state this one read.
                (savedOver.contains(line.a) ? lostRaces : unraced) += 1;
            } else if (line.outcome == QStringLiteral("busy")) {
                ++busy;
            } else {
                ++errors;
            }
        }
    }
    std::printf("%s rounds %lld saved %d conflicts %d refused %d busy %d errors %d lost-races %d unraced-refusals %d "
                "silent-overwrites %d half-saved %d failed-but-written %d end-wrong %d\n",
                qPrintable(editorName), qlonglong(lines->size()), saved, conflicts, refusals, busy, errors, lostRaces,
                unraced, silent, halfSaved, failedWritten, endWrong);
    Database::close(Connection);
    return silent + halfSaved + failedWritten + endWrong + errors == 0 ? 0 : 3;
}

} // namespace

int main(int argc, char** argv)
{
    // The table editor is a window: it is shown nowhere.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 3 && args[0] == QStringLiteral("create") && args[2].toInt() > 0)
        return create(args[1], args[2].toInt());
    if ((args.size() == 6 || args.size() == 7) && args[0] == QStringLiteral("run") && args[4].toInt() > 0)
        return run(args[1], args[2], args[3], args[4].toInt(), args[5], args.value(6).toLongLong());
    if (args.size() >= 4 && args[0] == QStringLiteral("check"))
        return check(args[1], args[2], args.mid(3));
    if (args.size() == 1 && args[0] == QStringLiteral("editors")) {
        for (const auto& [name, editor] : editors())
            std::printf("%s\n", qPrintable(name));
        std::printf("ledger\n");
        return 0;
    }
    std::fprintf(stderr, "usage: zem_editdesk create DATABASE ROUNDS | run DATABASE DESK EDITOR ROUNDS LOG [START] | "
                         "check DATABASE EDITOR LOG... | editors\n");
    return 2;
}
