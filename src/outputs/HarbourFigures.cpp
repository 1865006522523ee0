#include "outputs/HarbourFigures.h"

#include "core/DateTimes.h"
#include "core/Money.h"
#include "meters/MeterStore.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace HarbourFigures {

using BookingFigures::Span;
using BookingFigures::Step;

namespace {

using DateTimes::dateText;
using DateTimes::weekdayDateText;

QString monthText(const QDate& month)
{
    return DateTimes::namesLocale().toString(month, QStringLiteral("MMM yyyy"));
}

QString spanText(const Span& span, Step step)
{
    switch (step) {
    case Step::Day:
        return weekdayDateText(span.first);
    case Step::Week:
        return dateText(span.first);
    case Step::Month:
        return monthText(span.first);
    }
    return {};
}

QString percentText(qint64 part, qint64 whole)
{
    if (whole <= 0)
        return QCoreApplication::translate("HarbourFigures", "no berths");
    return QLocale().toString(100.0 * double(part) / double(whole), 'f', 1) + u'%';
}

double percent(qint64 part, qint64 whole)
{
    return whole > 0 ? 100.0 * double(part) / double(whole) : 0;
}

QString numberText(qint64 n)
{
    return QLocale().toString(n);
}

// A share for the file: a percentage to one decimal, nothing without berths.
QVariant percentValue(qint64 part, qint64 whole)
{
    return whole > 0 ? QVariant(std::round(percent(part, whole) * 10) / 10) : QVariant();
}

using CsvExport::ValueKind;

// The file's columns: the step's first and last day, then the given ones.
CsvExport::Table fileOf(const QStringList& columns, const QList<ValueKind>& kinds)
{
    return {QStringList{QStringLiteral("First"), QStringLiteral("Last")} + columns,
            QList<ValueKind>{ValueKind::DateTime, ValueKind::DateTime} + kinds,
            {}};
}

// A month's step within the period: its ends cut at the period's.
QVariantList monthEnds(const QDate& month, const Request& request)
{
    return {std::max(month, request.first), std::min(month.addMonths(1).addDays(-1), request.last)};
}

QString periodHeading(const Request& request)
{
    const QString steps[] = {QCoreApplication::translate("HarbourFigures", "by day"),
                             QCoreApplication::translate("HarbourFigures", "by week"),
                             QCoreApplication::translate("HarbourFigures", "by month")};
    QString heading =
        QCoreApplication::translate("HarbourFigures", "%1 to %2").arg(dateText(request.first), dateText(request.last));
    if (request.kind == Kind::Occupancy)
        heading += QStringLiteral(", ") + steps[int(request.step)];
    else if (request.kind == Kind::MeterUse)
        heading += QStringLiteral(", ") + QCoreApplication::translate("HarbourFigures", "by month read");
    else if (request.kind != Kind::BusiestBerths)
        heading += QStringLiteral(", ") + QCoreApplication::translate("HarbourFigures", "by month of arrival");
    return heading;
}

Result<Figure> occupancy(const QSqlDatabase& db, const Request& request)
{
    const QList<Span> spans = BookingFigures::steps(request.first, request.last, request.step);
    const auto types = BookingFigures::berthTypes(db);
    const auto active = BookingFigures::activeBerths(db);
    if (!types || !active)
        return types ? active.failure() : types.failure();
    const auto sold = BookingFigures::nightsSold(db, spans);
    if (!sold)
        return sold.failure();

    // The types that have active berths, by name; a berth without a type is listed as such.
    QList<int> typeIds = active->keys();
    const auto typeName = [&](int id) {
        return id == 0 ? QCoreApplication::translate("HarbourFigures", "No type")
                       : types->value(id, QCoreApplication::translate("HarbourFigures", "Type %1").arg(id));
    };
    std::sort(typeIds.begin(), typeIds.end(), [&](int a, int b) { return typeName(a) < typeName(b); });
    qint64 activeTotal = 0;
    for (int n : *active)
        activeTotal += n;

    Figure figure;
    figure.title = QCoreApplication::translate("HarbourFigures", "Occupancy");
    figure.heading =
        periodHeading(request) + QStringLiteral(". ") +
        QCoreApplication::translate("HarbourFigures",
                                    "Nights sold on the berths active now, of the nights they had; %1 berths active.")
            .arg(numberText(activeTotal));
    figure.unit = QStringLiteral("%");
    figure.columns = {QCoreApplication::translate("HarbourFigures", "Period"),
                      QCoreApplication::translate("HarbourFigures", "Nights sold"),
                      QCoreApplication::translate("HarbourFigures", "Nights available"),
                      QCoreApplication::translate("HarbourFigures", "All berths")};
    Series all{QCoreApplication::translate("HarbourFigures", "All berths"), {}};
    QList<Series> byType;
    for (int id : typeIds) {
        figure.columns << typeName(id);
        byType.append({typeName(id), {}});
    }
    figure.file = fileOf({QStringLiteral("NightsSold"), QStringLiteral("NightsAvailable"), QStringLiteral("AllBerths")},
                         {ValueKind::Plain, ValueKind::Plain, ValueKind::Plain});
    if (activeTotal > 0)
        for (int id : typeIds) {
            figure.file.columns << typeName(id);
            figure.file.kinds << ValueKind::Plain;
        }
    for (int i = 0; i < spans.size(); ++i) {
        const QString label = spanText(spans[i], request.step);
        figure.categories << label;
        qint64 soldAll = 0;
        for (qint64 n : sold->at(i))
            soldAll += n;
        const qint64 available = activeTotal * spans[i].days();
        all.values << percent(soldAll, available);
        QStringList row{label, numberText(soldAll), numberText(available), percentText(soldAll, available)};
        QVariantList fileRow{spans[i].first, spans[i].last, soldAll, available, percentValue(soldAll, available)};
        for (int t = 0; t < typeIds.size(); ++t) {
            const qint64 typeAvailable = qint64(active->value(typeIds[t])) * spans[i].days();
            const qint64 typeSold = sold->at(i).value(typeIds[t]);
            byType[t].values << percent(typeSold, typeAvailable);
            row << percentText(typeSold, typeAvailable);
            if (activeTotal > 0)
                fileRow << percentValue(typeSold, typeAvailable);
        }
        figure.rows << row;
        figure.file.rows << fileRow;
    }
    if (activeTotal == 0) {
        figure.emptyReason = QCoreApplication::translate(
            "HarbourFigures", "No berths are active, so there is no occupancy to show (no berths).");
        figure.columns = figure.columns.mid(0, 4);
        for (QStringList& row : figure.rows)
            row = row.mid(0, 4);
        return figure;
    }
    figure.bars << all;
    if (typeIds.size() > 1)
        figure.lines = byType;
    return figure;
}

Result<Figure> revenue(const QSqlDatabase& db, const Request& request)
{
    const auto months = BookingFigures::revenueByMonth(db, request.first, request.last);
    if (!months)
        return months.failure();
    Figure figure;
    figure.title = QCoreApplication::translate("HarbourFigures", "Revenue by month");
    figure.heading =
        periodHeading(request) + QStringLiteral(". ") +
        QCoreApplication::translate("HarbourFigures", "The agreed prices of the bookings, cancelled ones left out.");
    figure.unit = Money::currencySymbol();
    figure.stacked = true;
    figure.columns = {QCoreApplication::translate("HarbourFigures", "Month"),
                      QCoreApplication::translate("HarbourFigures", "Bookings"),
                      QCoreApplication::translate("HarbourFigures", "Hire"),
                      QCoreApplication::translate("HarbourFigures", "Other charges"),
                      QCoreApplication::translate("HarbourFigures", "Tax"),
                      QCoreApplication::translate("HarbourFigures", "Total")};
    Series hire{QCoreApplication::translate("HarbourFigures", "Hire"), {}},
        other{QCoreApplication::translate("HarbourFigures", "Other charges"), {}},
        tax{QCoreApplication::translate("HarbourFigures", "Tax"), {}};
    figure.file = fileOf({QStringLiteral("Bookings"), QStringLiteral("Hire"), QStringLiteral("OtherCharges"),
                          QStringLiteral("Tax"), QStringLiteral("Total")},
                         {ValueKind::Plain, ValueKind::Money, ValueKind::Money, ValueKind::Money, ValueKind::Money});
    int bookings = 0;
    Money sum[4];
    for (const auto& m : *months) {
        figure.categories << monthText(m.month);
        // Whole pounds are enough for a bar's height; the table gives the exact amounts.
        hire.values << double(m.hire.units()) / Money::Scale;
        other.values << double(m.otherCharges.units()) / Money::Scale;
        tax.values << double(m.tax.units()) / Money::Scale;
        const Money total = m.hire + m.otherCharges + m.tax;
        figure.rows << QStringList{monthText(m.month),     numberText(m.bookings),
                                   m.hire.formatGrouped(), m.otherCharges.formatGrouped(),
                                   m.tax.formatGrouped(),  total.formatGrouped()};
        figure.file.rows << monthEnds(m.month, request) + QVariantList{m.bookings, m.hire.toDb(), m.otherCharges.toDb(),
                                                                       m.tax.toDb(), total.toDb()};
        bookings += m.bookings;
        sum[0] = sum[0] + m.hire;
        sum[1] = sum[1] + m.otherCharges;
        sum[2] = sum[2] + m.tax;
        sum[3] = sum[3] + total;
    }
    figure.rows << QStringList{QCoreApplication::translate("HarbourFigures", "Total"),
                               numberText(bookings),
                               sum[0].formatGrouped(),
                               sum[1].formatGrouped(),
                               sum[2].formatGrouped(),
                               sum[3].formatGrouped()};
    figure.bars = {hire, other, tax};
    if (bookings == 0)
        figure.emptyReason = QCoreApplication::translate("HarbourFigures", "No booking arrives in this period.");
    return figure;
}

Result<Figure> meterUse(const QSqlDatabase& db, const Request& request)
{
    Figure figure;
    figure.title = QCoreApplication::translate("HarbourFigures", "Meter use by month");
    figure.heading = periodHeading(request);
    figure.unit = QCoreApplication::translate("HarbourFigures", "units");
    const Meters::Kind kinds[] = {Meters::Kind::Electricity, Meters::Kind::Water};
    figure.columns = {QCoreApplication::translate("HarbourFigures", "Month")};
    QList<ValueKind> fileKinds;
    QStringList fileColumns;
    QList<QHash<QString, qint64>> byMonth;
    for (const Meters::Kind kind : kinds) {
        const auto use = MeterStore::useByMonth(db, kind, request.first, request.last);
        if (!use)
            return use.failure();
        QHash<QString, qint64> months;
        for (const MeterStore::MonthUse& u : *use)
            months[u.month] += u.use;
        byMonth << months;
        figure.columns << QCoreApplication::translate("HarbourFigures", "%1 (%2)")
                              .arg(Meters::kindText(kind), Meters::defaultUnit(kind));
        figure.bars << Series{Meters::kindText(kind), {}};
        fileColumns << (kind == Meters::Kind::Electricity ? QStringLiteral("Electricity") : QStringLiteral("Water"));
        fileKinds << ValueKind::Plain;
    }
    figure.file = fileOf(fileColumns, fileKinds);
    qint64 any = 0;
    for (QDate month(request.first.year(), request.first.month(), 1); month <= request.last;
         month = month.addMonths(1)) {
        const QString key = month.toString(QStringLiteral("yyyy-MM"));
        figure.categories << monthText(month);
        QStringList row{monthText(month)};
        QVariantList fileRow = monthEnds(month, request);
        for (qsizetype k = 0; k < byMonth.size(); ++k) {
            const qint64 use = byMonth[k].value(key);
            any += use;
            figure.bars[k].values << double(use) / Meters::PerUnit;
            // Figures are written with a decimal point and thousands commas, as amounts are, in every language.
            row << Meters::valueText(use, QLocale(QLocale::English, QLocale::UnitedKingdom));
            fileRow << Meters::valueText(use, QLocale::c());
        }
        figure.rows << row;
        figure.file.rows << fileRow;
    }
    if (any == 0)
        figure.emptyReason = QCoreApplication::translate("HarbourFigures", "No meter counted any use in this period.");
    return figure;
}

Result<Figure> stays(const QSqlDatabase& db, const Request& request)
{
    const auto months = BookingFigures::staysByMonth(db, request.first, request.last);
    if (!months)
        return months.failure();
    Figure figure;
    figure.title = QCoreApplication::translate("HarbourFigures", "Length of stay and lead time");
    figure.heading =
        periodHeading(request) + QStringLiteral(". ") +
        QCoreApplication::translate("HarbourFigures", "Lead time: the days from taking the booking to the arrival.");
    figure.unit = QCoreApplication::translate("HarbourFigures", "days");
    figure.columns = {QCoreApplication::translate("HarbourFigures", "Month"),
                      QCoreApplication::translate("HarbourFigures", "Bookings"),
                      QCoreApplication::translate("HarbourFigures", "Average stay (nights)"),
                      QCoreApplication::translate("HarbourFigures", "Average lead time (days)")};
    Series stay{QCoreApplication::translate("HarbourFigures", "Average stay (nights)"), {}},
        lead{QCoreApplication::translate("HarbourFigures", "Average lead time (days)"), {}};
    figure.file = fileOf({QStringLiteral("Bookings"), QStringLiteral("AverageStay"), QStringLiteral("AverageLeadTime")},
                         {ValueKind::Plain, ValueKind::Plain, ValueKind::Plain});
    int bookings = 0;
    const auto oneDecimal = [](double v) { return QLocale().toString(v, 'f', 1); };
    const auto fileDecimal = [](bool any, double v) { return any ? QVariant(std::round(v * 10) / 10) : QVariant(); };
    for (const auto& m : *months) {
        figure.categories << monthText(m.month);
        stay.values << m.averageStay();
        lead.values << m.averageLead();
        figure.rows << QStringList{monthText(m.month), numberText(m.bookings),
                                   m.bookings ? oneDecimal(m.averageStay()) : QString(),
                                   m.withLead ? oneDecimal(m.averageLead()) : QString()};
        figure.file.rows << monthEnds(m.month, request) + QVariantList{m.bookings,
                                                                       fileDecimal(m.bookings, m.averageStay()),
                                                                       fileDecimal(m.withLead, m.averageLead())};
        bookings += m.bookings;
    }
    figure.bars = {stay, lead};
    if (bookings == 0)
        figure.emptyReason = QCoreApplication::translate("HarbourFigures", "No booking arrives in this period.");
    return figure;
}

Result<Figure> busiest(const QSqlDatabase& db, const Request& request)
{
    const auto berths = BookingFigures::busiestBerths(db, request.first, request.last, BusiestCount);
    if (!berths)
        return berths.failure();
    const qint64 days = request.first.daysTo(request.last) + 1;
    Figure figure;
    figure.title = QCoreApplication::translate("HarbourFigures", "The busiest berths");
    figure.heading =
        periodHeading(request) + QStringLiteral(". ") +
        QCoreApplication::translate("HarbourFigures", "The %1 berths with the most nights sold.").arg(BusiestCount);
    figure.unit = QCoreApplication::translate("HarbourFigures", "nights");
    figure.horizontal = true;
    figure.columns = {QCoreApplication::translate("HarbourFigures", "Berth"),
                      QCoreApplication::translate("HarbourFigures", "Type"),
                      QCoreApplication::translate("HarbourFigures", "Nights sold"),
                      QCoreApplication::translate("HarbourFigures", "Occupancy")};
    Series nights{QCoreApplication::translate("HarbourFigures", "Nights sold"), {}};
    // Drawn from the bottom up, so the busiest stands at the top.
    for (auto it = berths->crbegin(); it != berths->crend(); ++it) {
        figure.categories << it->name;
        nights.values << double(it->nights);
    }
    figure.file = fileOf(
        {QStringLiteral("Berth"), QStringLiteral("Type"), QStringLiteral("NightsSold"), QStringLiteral("Occupancy")},
        {ValueKind::Plain, ValueKind::Plain, ValueKind::Plain, ValueKind::Plain});
    for (const auto& b : *berths) {
        figure.rows << QStringList{b.name, b.type, numberText(b.nights), percentText(b.nights, days)};
        figure.file.rows << QVariantList{request.first, request.last, b.name,
                                         b.type,        b.nights,     percentValue(b.nights, days)};
    }
    figure.bars = {nights};
    if (berths->isEmpty())
        figure.emptyReason = QCoreApplication::translate("HarbourFigures", "No night is sold in this period.");
    return figure;
}

} // namespace

QString periodProblem(const Request& request)
{
    if (!request.first.isValid() || !request.last.isValid())
        return QCoreApplication::translate("HarbourFigures", "Enter the first and the last day of the period.");
    if (request.last < request.first)
        return QCoreApplication::translate("HarbourFigures", "The period ends before it starts.");
    if (request.first.addYears(MaximumYears) <= request.last)
        return QCoreApplication::translate("HarbourFigures", "A period of more than %1 years cannot be shown.")
            .arg(MaximumYears);
    if (request.kind == Kind::Occupancy) {
        const auto steps = BookingFigures::steps(request.first, request.last, request.step).size();
        if (steps > MaximumSteps)
            return QCoreApplication::translate(
                       "HarbourFigures",
                       "The chart would have %1 bars, more than %2: choose weeks or months for a period this long.")
                .arg(steps)
                .arg(MaximumSteps);
    }
    return {};
}

Result<Figure> build(const QSqlDatabase& db, const Request& request)
{
    if (const QString problem = periodProblem(request); !problem.isEmpty())
        return refused(problem);
    switch (request.kind) {
    case Kind::Occupancy:
        return occupancy(db, request);
    case Kind::Revenue:
        return revenue(db, request);
    case Kind::Stays:
        return stays(db, request);
    case Kind::BusiestBerths:
        return busiest(db, request);
    case Kind::MeterUse:
        return meterUse(db, request);
    }
    return refused(QCoreApplication::translate("HarbourFigures", "No such figure."));
}

Result<Figure> fortnight(const QSqlDatabase& db, const QDate& today)
{
    const QList<Span> days = BookingFigures::steps(today, today.addDays(13), Step::Day);
    const auto active = BookingFigures::activeBerths(db);
    const auto sold = active ? BookingFigures::nightsSold(db, days) : active.failure();
    if (!sold)
        return sold.failure();
    qint64 activeTotal = 0;
    for (int n : *active)
        activeTotal += n;
    Figure figure;
    figure.title = QCoreApplication::translate("HarbourFigures", "The next 14 nights");
    figure.heading = QCoreApplication::translate("HarbourFigures", "Berths taken for the night, of %1 active")
                         .arg(numberText(activeTotal));
    figure.unit = QCoreApplication::translate("HarbourFigures", "berths");
    figure.columns = {QCoreApplication::translate("HarbourFigures", "Night"),
                      QCoreApplication::translate("HarbourFigures", "Berths taken"),
                      QCoreApplication::translate("HarbourFigures", "Occupancy")};
    Series taken{QCoreApplication::translate("HarbourFigures", "Berths taken"), {}};
    for (int i = 0; i < days.size(); ++i) {
        qint64 n = 0;
        for (qint64 t : sold->at(i))
            n += t;
        const QString label = DateTimes::namesLocale().toString(days[i].first, QStringLiteral("ddd d"));
        figure.categories << label;
        taken.values << double(n);
        figure.rows << QStringList{label, numberText(n), percentText(n, activeTotal)};
    }
    figure.bars = {taken};
    if (activeTotal == 0)
        figure.emptyReason = QCoreApplication::translate("HarbourFigures", "No berths are active (no berths).");
    return figure;
}

Doc::Document document(const Figure& figure, const QImage& chart)
{
    Doc::Document doc;
    doc.title = figure.title;
    doc.orientation = QPageLayout::Landscape;
    doc.pageFooter << Doc::text(QCoreApplication::translate("HarbourFigures", "%1: page %p of %P").arg(figure.title),
                                {8, false, false, Qt::AlignRight});
    Doc::Record head;
    head << Doc::text(figure.title, {16, true, false, Qt::AlignLeft, 4});
    head << Doc::text(figure.heading, {10, false, false, Qt::AlignLeft, 8});
    if (!figure.emptyReason.isEmpty())
        head << Doc::text(figure.emptyReason, {11, false, true, Qt::AlignLeft, 8});
    else if (!chart.isNull())
        head << Doc::picture(chart, 300, Qt::AlignHCenter) << Doc::space(8);
    doc.body << head;

    const auto cells = [&](const QStringList& texts) {
        QList<Doc::Cell> row;
        for (int i = 0; i < texts.size(); ++i)
            row.append({texts[i], i == 0 ? 1.6 : 1.0, i == 0 ? Qt::AlignLeft : Qt::AlignRight});
        return row;
    };
    doc.body << Doc::Record{Doc::row(cells(figure.columns), {9, true}), Doc::rule(0.5)};
    for (const QStringList& row : figure.rows)
        doc.body << Doc::Record{Doc::row(cells(row), {9})};
    return doc;
}

QStringList lineTexts(const BookingFigures::Line& line, const QDateTime& when, bool withDate)
{
    const QString time = when.time().toString(QStringLiteral("HH:mm"));
    return {withDate ? weekdayDateText(when.date()) + u' ' + time : time, line.customer,
            line.berths.join(QStringLiteral(", ")), line.boat, line.balance.format()};
}

} // namespace HarbourFigures
