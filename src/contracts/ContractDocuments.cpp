#include "contracts/ContractDocuments.h"

#include "bookings/KeyChunks.h"
#include "core/DateTimes.h"
#include "core/SqlHelpers.h"
#include "core/ui/PdfPages.h"
#include "mail/MailTemplates.h"
#include "mail/Outbox.h"
#include "meters/MeterInvoice.h"

#include <QCoreApplication>
#include <QSet>

namespace ContractDocuments {
namespace {

const Doc::Style Line{.spaceAfter = 0};
const Doc::Style Bold{.bold = true, .spaceAfter = 4};
constexpr double LabelWidth = 150;

QString textOf(const QVariant& value)
{
    return value.isNull() ? QString() : value.toString();
}

Doc::Block amountRow(const QString& label, const Money& amount)
{
    return Doc::row({{label, 2}, {amount.formatGrouped(), 1, Qt::AlignRight}, {QString(), 2}}, Line);
}

// What is let, to whom and for how long.
Doc::Record particulars(const Papers& p)
{
    const DocumentWords& w = p.words;
    const ContractRecord& c = p.contract;
    Doc::Record record;
    if (c.id > 0)
        record << Doc::field(w.translate("ContractDocuments", "Contract No:"), QString::number(c.id), LabelWidth, Line);
    record << Doc::field(w.translate("ContractDocuments", "Berth(s):"), c.berths.join(QStringLiteral(", ")), LabelWidth,
                         Line);
    if (!c.boat.isEmpty())
        record << Doc::field(w.translate("ContractDocuments", "Boat:"), c.boat, LabelWidth, Line);
    if (!c.term.isEmpty())
        record << Doc::field(w.translate("ContractDocuments", "Term:"), c.term, LabelWidth, Line);
    record << Doc::field(w.translate("ContractDocuments", "First day:"), DateTimes::dateText(c.firstDay), LabelWidth,
                         Line)
           << Doc::field(w.translate("ContractDocuments", "Last day:"), DateTimes::dateText(c.lastDay), LabelWidth,
                         Line);
    record.last().style.spaceAfter = 6;
    return record;
}

Doc::Record price(const ContractRecord& c, const DocumentWords& w)
{
    return {Doc::text(w.translate("ContractDocuments", "Price"), Bold),
            amountRow(w.translate("ContractDocuments", "Price before tax:"), c.hire),
            amountRow(w.translate("ContractDocuments", "Tax:"), c.tax),
            amountRow(w.translate("ContractDocuments", "Total:"), c.total)};
}

Doc::Record plan(const ContractRecord& c, const DocumentWords& w)
{
    Doc::Record record{Doc::text(w.translate("ContractDocuments", "Payable in instalments"), Bold)};
    for (const ContractPlan::Instalment& i : c.plan)
        record << Doc::row(
            {{w.translate("ContractDocuments", "%1. due %2").arg(i.number).arg(DateTimes::dateText(i.due)), 2},
             {i.amount.formatGrouped(), 1, Qt::AlignRight},
             {i.invoiceNumber ? w.translate("ContractDocuments", "invoice %1").arg(*i.invoiceNumber) : QString(), 2}},
            Line);
    record.last().style.spaceAfter = 6;
    return record;
}

Doc::Document opened(const Papers& p, const QString& title)
{
    const DocumentWords& w = p.words;
    Doc::Document doc;
    doc.title = title;
    doc.body << BookingDocuments::letterheadOf(p.company, title, w) << BookingDocuments::addressOf(p.holder);
    doc.body << Doc::Record{
        Doc::field(w.translate("ContractDocuments", "Date:"), DateTimes::dateText(p.date), LabelWidth, Line)};
    return doc;
}

} // namespace

Result<BookingDocuments::Company> company(const QSqlDatabase& db)
{
    QSqlQuery q(db);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT \"Company Name\", Street, Area, Town, County, Postcode, \"Telephone No\", "
                                  "\"VAT No\", \"Receipt Footer\", ContractTerms FROM Company ORDER BY CompanyID"),
                   {}, &error))
        return databaseFailure(error);
    BookingDocuments::Company c;
    if (q.next())
        c = {textOf(q.value(0)), textOf(q.value(1)), textOf(q.value(2)), textOf(q.value(3)), textOf(q.value(4)),
             textOf(q.value(5)), textOf(q.value(6)), textOf(q.value(7)), textOf(q.value(8)), textOf(q.value(9))};
    return c;
}

Result<BookingDocuments::Customer> holder(const QSqlDatabase& db, int customerId)
{
    QSqlQuery q(db);
    QString error;
    if (!Sql::exec(
            q,
            QStringLiteral("SELECT Name, HouseName, Street, Area, Town, PostCode, EmailAddress, Language FROM Customer "
                           "WHERE ID = ?"),
            {customerId}, &error))
        return databaseFailure(error);
    BookingDocuments::Customer c;
    if (q.next()) {
        c.name = textOf(q.value(0));
        c.houseName = textOf(q.value(1));
        c.street = textOf(q.value(2));
        c.area = textOf(q.value(3));
        c.town = textOf(q.value(4));
        c.postcode = textOf(q.value(5));
        c.emailAddress = textOf(q.value(6));
        c.language = textOf(q.value(7));
    }
    return c;
}

Result<Papers> load(const QSqlDatabase& db, int contractId, const QDate& today)
{
    Papers p;
    const auto contract = ContractStore::load(db, contractId);
    if (!contract)
        return contract.failure();
    p.contract = *contract;
    const auto office = company(db);
    if (!office)
        return office.failure();
    p.company = *office;
    const auto addressee = holder(db, contract->customerId);
    if (!addressee)
        return addressee.failure();
    p.holder = *addressee;
    const auto language = DocumentLanguage::office(db);
    if (!language)
        return language.failure();
    p.words = DocumentLanguage::wordsFor(addressee->language, *language);
    p.date = today;
    p.renews = contract->renewedFrom;
    auto metered = MeterStore::contractCharges(db, contractId);
    if (!metered)
        return metered.failure();
    p.meterCharges = std::move(*metered);
    return p;
}

Doc::Document contract(const Papers& p)
{
    const DocumentWords& w = p.words;
    Doc::Document doc = opened(p, w.translate("ContractDocuments", "CONTRACT"));
    doc.body << Doc::Record{Doc::text(
        w.translate("ContractDocuments", "%1 lets to %2 the berth(s) below for the days below, on the office's "
                                         "terms that follow.")
            .arg(p.company.name.simplified(), p.holder.name.simplified()),
        {.spaceAfter = 6})};
    doc.body << particulars(p) << price(p.contract, p.words) << plan(p.contract, p.words);
    if (!p.contract.notes.trimmed().isEmpty())
        doc.body << BookingDocuments::paragraphsOf(w.translate("ContractDocuments", "Notes:"), p.contract.notes,
                                                   LabelWidth);
    if (!p.company.terms.trimmed().isEmpty()) {
        doc.body << Doc::Record{Doc::text(w.translate("ContractDocuments", "Terms"), Bold)};
        doc.body << BookingDocuments::paragraphsOf(QString(), p.company.terms, 0);
    }
    doc.body << Doc::Record{
        Doc::space(18),
        Doc::text(w.translate("ContractDocuments", "For the holder"), Bold),
        Doc::text(BookingDocuments::signatureLine(w), Line),
        Doc::space(18),
        Doc::text(w.translate("ContractDocuments", "For %1").arg(p.company.name.simplified()), Bold),
        Doc::text(BookingDocuments::signatureLine(w), Line)};
    return doc;
}

Doc::Document renewalLetter(const Papers& p)
{
    const DocumentWords& w = p.words;
    Doc::Document doc = opened(p, w.translate("ContractDocuments", "CONTRACT RENEWAL"));
    const ContractRecord& c = p.contract;
    doc.body << Doc::Record{
        Doc::text(w.translate("ContractDocuments", "Dear %1,").arg(p.holder.name.simplified()), {.spaceAfter = 6}),
        Doc::text(
            w.translate("ContractDocuments",
                        "Your contract %1 for %2 comes to its end. We are pleased to renew it from %3 to %4 at %5, "
                        "payable as below.")
                .arg(p.renews)
                .arg(c.berths.join(QStringLiteral(", ")), DateTimes::dateText(c.firstDay),
                     DateTimes::dateText(c.lastDay), c.total.formatGrouped()),
            {.spaceAfter = 6})};
    doc.body << particulars(p) << price(c, p.words) << plan(c, p.words);
    doc.body << Doc::Record{Doc::text(w.translate("ContractDocuments", "Yours sincerely,"), {.spaceAfter = 18}),
                            Doc::text(p.company.name.simplified(), Line)};
    return doc;
}

Doc::Document instalmentInvoice(const Papers& p, const ContractPlan::Instalment& i)
{
    const DocumentWords& w = p.words;
    Doc::Document doc = opened(p, w.translate("ContractDocuments", "INVOICE"));
    const ContractRecord& c = p.contract;
    doc.body << Doc::Record{
        Doc::field(w.translate("ContractDocuments", "Invoice No:"),
                   i.invoiceNumber ? QString::number(*i.invoiceNumber) : w.translate("ContractDocuments", "not issued"),
                   LabelWidth, Line),
        Doc::field(w.translate("ContractDocuments", "Instalment:"),
                   w.translate("ContractDocuments", "%1 of %2, due %3")
                       .arg(i.number)
                       .arg(c.plan.size())
                       .arg(DateTimes::dateText(i.due)),
                   LabelWidth, {.spaceAfter = 6})};
    doc.body << particulars(p);
    QList<MeterStore::Charge> metered;
    for (const MeterStore::Charge& charge : p.meterCharges)
        if (charge.instalment == i.number)
            metered << charge;
    if (!metered.isEmpty()) {
        Money net;
        Money tax;
        for (const MeterStore::Charge& charge : metered) {
            net += charge.amount;
            tax += charge.tax;
        }
        Doc::Record meters{Doc::text(w.translate("ContractDocuments", "Meters"), Bold)};
        meters << MeterInvoice::rows(metered, w) << amountRow(w.translate("ContractDocuments", "Before tax:"), net)
               << amountRow(w.translate("ContractDocuments", "Tax:"), tax)
               << amountRow(w.translate("ContractDocuments", "Total:"), net + tax);
        meters.last().style.spaceAfter = 6;
        doc.body << meters;
    }
    doc.body << Doc::Record{Doc::text(w.translate("ContractDocuments", "Amount"), Bold),
                            amountRow(w.translate("ContractDocuments", "This instalment:"), i.amount),
                            amountRow(w.translate("ContractDocuments", "Contract total:"), c.total),
                            amountRow(w.translate("ContractDocuments", "Paid so far:"), c.paid),
                            amountRow(w.translate("ContractDocuments", "Balance of the contract:"), c.balance())};
    return doc;
}

Status keep(const QSqlDatabase& db, int contractId, const QString& kind, const QByteArray& pdf, const QDateTime& now)
{
    QString error;
    if (!Sql::exec(db,
                   QStringLiteral("INSERT INTO ContractLetter (ContractID, Kind, Created, Desk, Pdf) VALUES (?, ?, ?, "
                                  "?, ?)"),
                   {contractId, kind, DateTimes::dbDateTime(now), Ledger::deskName(), pdf}, &error))
        return databaseFailure(error);
    return Done{};
}

Result<QByteArray> kept(const QSqlDatabase& db, int contractId, const QString& kind)
{
    const auto letters = keptEach(db, {contractId}, kind);
    if (!letters)
        return letters.failure();
    return letters->value(contractId);
}

Result<QHash<int, QByteArray>> keptEach(const QSqlDatabase& db, const QList<int>& contractIds, const QString& kind)
{
    QHash<int, QByteArray> found;
    // A run's letters by run: the contracts and their pages in its PDF.
    QHash<qint64, QList<std::pair<int, PdfPages::Part>>> inRuns;
    QString error;
    for (const KeyChunk& chunk : keyChunks(std::vector<int>(contractIds.cbegin(), contractIds.cend()))) {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!Sql::exec(q,
                       QStringLiteral("SELECT ContractID, Pdf, RunID, FirstPage, PageCount, Title FROM ContractLetter "
                                      "WHERE Kind = ? AND ContractID IN (%1) ORDER BY ID DESC")
                           .arg(chunk.marks),
                       QVariantList{kind} + chunk.binds, &error))
            return databaseFailure(error);
        QSet<int> seen;
        while (q.next()) {
            const int contractId = q.value(0).toInt();
            if (seen.contains(contractId))
                continue; // an older one
            seen.insert(contractId);
            if (q.value(2).isNull())
                found.insert(contractId, q.value(1).toByteArray());
            else
                inRuns[q.value(2).toLongLong()].append(
                    {contractId, PdfPages::Part{q.value(3).toInt(), q.value(4).toInt(), textOf(q.value(5))}});
        }
        if (q.lastError().isValid())
            return databaseFailure(q.lastError().text());
    }
    for (auto run = inRuns.cbegin(); run != inRuns.cend(); ++run) {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!Sql::exec(q, QStringLiteral("SELECT Pdf FROM ContractLetterRun WHERE ID = ?"), {run.key()}, &error))
            return databaseFailure(error);
        if (!q.next())
            return conflict(
                QCoreApplication::translate("ContractDocuments", "The renewal letter of contract %1 is no longer kept.")
                    .arg(run->first().first));
        QList<PdfPages::Part> parts;
        for (const auto& letter : *run)
            parts << letter.second;
        const auto cut = PdfPages::split(q.value(0).toByteArray(), parts);
        if (!cut)
            return cut.failure();
        for (qsizetype i = 0; i < run->size(); ++i)
            found.insert(run->at(i).first, cut->at(i));
    }
    return found;
}

Result<Queued> queueRenewalLetters(const QSqlDatabase& db, const QList<int>& contractIds, const QDateTime& now)
{
    const auto office = company(db);
    if (!office)
        return office.failure();
    const auto letters = keptEach(db, contractIds, RenewalLetterKind);
    if (!letters)
        return letters.failure();
    Queued result;
    QList<Outbox::Item> items;
    for (const int id : contractIds) {
        const auto contract = ContractStore::load(db, id);
        if (!contract)
            return contract.failure();
        const auto to = holder(db, contract->customerId);
        if (!to)
            return to.failure();
        const QByteArray pdf = letters->value(id);
        if (to->emailAddress.trimmed().isEmpty() || pdf.isEmpty()) {
            result.left << id;
            continue;
        }
        const auto wording = MailTemplates::loadFor(db, Outbox::Kinds::RenewalLetter, to->language);
        if (!wording)
            return wording.failure();
        Outbox::Item item;
        item.customerId = contract->customerId;
        item.kind = Outbox::Kinds::RenewalLetter;
        item.toName = to->name.simplified();
        item.toAddress = to->emailAddress.trimmed();
        const MailTemplates::Template mail =
            MailTemplates::fill(*wording, {{QStringLiteral("CustomerName"), to->name.simplified()},
                                           {QStringLiteral("Berths"), contract->berths.join(QStringLiteral(", "))},
                                           {QStringLiteral("Arrival"), DateTimes::dateText(contract->firstDay)},
                                           {QStringLiteral("Departure"), DateTimes::dateText(contract->lastDay)},
                                           {QStringLiteral("Total"), contract->total.formatGrouped()},
                                           {QStringLiteral("Company"), office->name.simplified()},
                                           {QStringLiteral("CompanyPhone"), office->telephone.simplified()}});
        item.subject = mail.subject;
        item.body = mail.body;
        item.attachmentName = QStringLiteral("Contract Renewal %1.pdf").arg(id);
        item.attachment = pdf;
        items << item;
    }
    if (!items.isEmpty()) {
        const auto ids = Outbox::queue(db, items, now, Ledger::deskName());
        if (!ids)
            return ids.failure();
        result.queued = int(ids->size());
    }
    return result;
}

Result<QString> terms(const QSqlDatabase& db)
{
    QString error;
    const auto stored =
        Sql::scalar(db, QStringLiteral("SELECT ContractTerms FROM Company ORDER BY CompanyID"), {}, &error);
    if (!stored)
        return databaseFailure(error);
    return textOf(*stored);
}

Status saveTerms(const QSqlDatabase& db, const QString& loaded, const QString& mine,
                 std::optional<FieldChanges::Merge<QString>>* merge)
{
    if (mine.size() > MaxTermsLength)
        return refused(
            QCoreApplication::translate("ContractDocuments", "The contract terms run to at most %1 characters.")
                .arg(MaxTermsLength));
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    const auto theirs = terms(db);
    if (!theirs)
        return theirs.failure();
    FieldChanges::Merge<QString> merging(loaded, *theirs, mine);
    merging.field(
        QCoreApplication::translate("ContractDocuments", "Contract terms:"), [](const QString& t) { return t; },
        [](QString& into, const QString& from) { into = from; }, [](const QString& t) { return t; });
    const auto written = FieldChanges::toWrite(merging, merge);
    if (!written)
        return written.failure();
    QString error;
    if (!Sql::exec(db,
                   QStringLiteral("UPDATE Company SET ContractTerms = ? WHERE CompanyID = (SELECT MIN(CompanyID) FROM "
                                  "Company)"),
                   {*written}, &error) ||
        !tx.commit(&error))
        return databaseFailure(error);
    return Done{};
}

} // namespace ContractDocuments
