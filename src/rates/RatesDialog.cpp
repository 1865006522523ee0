#include "rates/RatesDialog.h"
#include "core/ui/ChangedMeanwhile.h"

#include "core/DateTimes.h"
#include "core/InputParsing.h"
#include "core/Seams.h"
#include "staff/ApprovalDialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The rates grid's columns.
enum RateColumn
{
    For,
    PerMetre,
    Nightly,
    WeekendNight,
    Weekly,
    Monthly
};
// What a rates row is for: item data of its first cell.
constexpr int TypeRole = Qt::UserRole;
constexpr int BerthRole = Qt::UserRole + 1;

QTableWidgetItem* textItem(const QString& text, bool editable = true)
{
    auto* item = new QTableWidgetItem(text);
    if (!editable)
        item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}
QTableWidgetItem* checkItem(bool checked)
{
    auto* item = new QTableWidgetItem;
    item->setFlags((item->flags() | Qt::ItemIsUserCheckable) & ~Qt::ItemIsEditable);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    return item;
}
QString cellText(const QTableWidget* grid, int row, int column)
{
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text().trimmed() : QString();
}
bool cellChecked(const QTableWidget* grid, int row, int column)
{
    const QTableWidgetItem* item = grid->item(row, column);
    return item && item->checkState() == Qt::Checked;
}
QString amountText(const std::optional<Money>& amount)
{
    return amount ? amount->format() : QString();
}

QTableWidget* grid(QWidget* parent, const char* name, const QStringList& headers)
{
    auto* table = new QTableWidget(0, int(headers.size()), parent);
    table->setObjectName(QLatin1String(name));
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false); // Tab leaves the grid; the arrows move inside it
    table->horizontalHeader()->setStretchLastSection(true);
    // A heading never narrower than its text, in whatever language it is written.
    for (int column = 0; column < table->columnCount(); ++column)
        table->setColumnWidth(column,
                              std::max(table->columnWidth(column), table->horizontalHeader()->sectionSizeHint(column)));
    return table;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

RatesDialog::RatesDialog(Services& services, QWidget* parent) : QDialog(parent), m_services(services)
{
    setObjectName(QStringLiteral("frmRates"));
    setWindowTitle(tr("Rates"));

    grdSeasons =
        grid(this, "grdSeasons", {tr("Season"), tr("First night"), tr("Last night"), tr("Every year"), tr("Priority")});
    grdRates = grid(
        this, "grdRates",
        {tr("Berth type or berth"), tr("Per metre"), tr("Nightly"), tr("Weekend night"), tr("Weekly"), tr("Monthly")});
    grdTypes = grid(this, "grdTypes", {tr("Berth type"), tr("Minimum length (m)")});
    cboBerth = new QComboBox(this);
    cboBerth->setObjectName(QStringLiteral("cboBerth"));

    auto* seasonsLabel = new QLabel(tr("&Seasons (a night takes the highest priority that covers it; nights outside "
                                       "every season take the berth's daily charge):"),
                                    this);
    seasonsLabel->setBuddy(grdSeasons);
    seasonsLabel->setWordWrap(true);
    auto* ratesLabel = new QLabel(tr("Ra&tes in the chosen season (leave Nightly empty for no rate):"), this);
    ratesLabel->setBuddy(grdRates);
    auto* typesLabel = new QLabel(tr("Per-metre rates count at &least:"), this);
    typesLabel->setBuddy(grdTypes);

    QPushButton* cmdAddSeason = button(this, "cmdAddSeason", tr("&Add Season"));
    QPushButton* cmdRemoveSeason = button(this, "cmdRemoveSeason", tr("&Remove Season"));
    QPushButton* cmdAddBerthRate = button(this, "cmdAddBerthRate", tr("Add &Berth's Own Rate"));
    QPushButton* cmdRemoveBerthRate = button(this, "cmdRemoveBerthRate", tr("Remove Berth's O&wn Rate"));
    QPushButton* cmdOK = button(this, "cmdOK", tr("&OK"));
    QPushButton* cmdCancel = button(this, "cmdCancel", tr("&Cancel"));
    cmdOK->setDefault(true);
    connect(cmdAddSeason, &QPushButton::clicked, this, &RatesDialog::addSeason);
    connect(cmdRemoveSeason, &QPushButton::clicked, this, &RatesDialog::removeSeason);
    connect(cmdAddBerthRate, &QPushButton::clicked, this, &RatesDialog::addBerthRate);
    connect(cmdRemoveBerthRate, &QPushButton::clicked, this, &RatesDialog::removeBerthRate);
    connect(cmdOK, &QPushButton::clicked, this, &RatesDialog::save);
    connect(cmdCancel, &QPushButton::clicked, this, &RatesDialog::reject);
    connect(grdSeasons, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int previousRow, int) { seasonChosen(row, previousRow); });

    auto* seasonButtons = new QHBoxLayout;
    seasonButtons->addWidget(cmdAddSeason);
    seasonButtons->addWidget(cmdRemoveSeason);
    seasonButtons->addStretch(1);
    auto* rateButtons = new QHBoxLayout;
    rateButtons->addWidget(cboBerth, 1);
    rateButtons->addWidget(cmdAddBerthRate);
    rateButtons->addWidget(cmdRemoveBerthRate);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(seasonsLabel);
    layout->addWidget(grdSeasons, 2);
    layout->addLayout(seasonButtons);
    layout->addWidget(ratesLabel);
    layout->addWidget(grdRates, 3);
    layout->addLayout(rateButtons);
    layout->addWidget(typesLabel);
    layout->addWidget(grdTypes, 1);
    layout->addLayout(buttons);
    resize(760, 680);

    if (!load())
        for (QWidget* control : {static_cast<QWidget*>(grdSeasons), static_cast<QWidget*>(grdRates),
                                 static_cast<QWidget*>(grdTypes), static_cast<QWidget*>(cmdOK)})
            control->setEnabled(false);
}

void RatesDialog::display(Services& services, QWidget* parent)
{
    if (!Permission::askOrApprove(services, parent, Action::RatesAndTaxes))
        return;
    RatesDialog window(services, parent);
    window.exec();
}

bool RatesDialog::load()
{
    const QSqlDatabase db = m_services.db();
    auto table = RateStore::load(db);
    auto types = RateStore::berthTypes(db);
    auto berths = RateStore::berths(db);
    for (const Failure* failure :
         {table ? nullptr : &table.failure(), types ? nullptr : &types.failure(), berths ? nullptr : &berths.failure()})
        if (failure) {
            tell(*failure);
            return false;
        }
    m_loaded = m_edited = *table;
    m_types = *types;
    m_berths = *berths;
    for (const Sql::LookupItem& berth : std::as_const(m_berths))
        cboBerth->addItem(berth.text, berth.id);
    fillSeasons();
    fillTypes();
    return true;
}

void RatesDialog::fillSeasons()
{
    const QSignalBlocker quiet(grdSeasons);
    grdSeasons->setRowCount(0);
    for (const Pricing::Season& season : std::as_const(m_edited.seasons)) {
        const int row = grdSeasons->rowCount();
        grdSeasons->insertRow(row);
        auto* name = textItem(season.name);
        name->setData(Qt::UserRole, season.id);
        grdSeasons->setItem(row, 0, name);
        grdSeasons->setItem(row, 1, textItem(DateTimes::dateText(season.firstNight)));
        grdSeasons->setItem(row, 2, textItem(DateTimes::dateText(season.lastNight)));
        grdSeasons->setItem(row, 3, checkItem(season.yearly));
        grdSeasons->setItem(row, 4, textItem(QString::number(season.priority)));
    }
    grdSeasons->setCurrentCell(m_edited.seasons.isEmpty() ? -1 : 0, 0);
    showRatesOf(grdSeasons->currentRow());
}

void RatesDialog::fillTypes()
{
    grdTypes->setRowCount(0);
    for (const Sql::LookupItem& type : std::as_const(m_types)) {
        const int row = grdTypes->rowCount();
        grdTypes->insertRow(row);
        grdTypes->setItem(row, 0, textItem(type.text, false));
        const int cm = m_edited.minimumLengthCm.value(type.id);
        grdTypes->setItem(row, 1, textItem(cm > 0 ? QString::number(cm / 100.0, 'f', 2) : QString()));
    }
}

void RatesDialog::showRatesOf(int seasonRow)
{
    grdRates->setRowCount(0);
    const QTableWidgetItem* season = seasonRow >= 0 ? grdSeasons->item(seasonRow, 0) : nullptr;
    m_shownSeason = season ? season->data(Qt::UserRole).toLongLong() : 0;
    grdRates->setEnabled(season != nullptr);
    if (!season)
        return;
    const auto addRow = [this](const QString& label, int role, int id, const std::optional<Pricing::Rate>& rate) {
        const int row = grdRates->rowCount();
        grdRates->insertRow(row);
        auto* item = textItem(label, false);
        item->setData(role, id);
        grdRates->setItem(row, For, item);
        grdRates->setItem(row, PerMetre, checkItem(rate && rate->basis == Pricing::Basis::PerMetre));
        grdRates->setItem(row, Nightly, textItem(rate ? rate->nightly.format() : QString()));
        grdRates->setItem(row, WeekendNight, textItem(rate ? amountText(rate->weekendNight) : QString()));
        grdRates->setItem(row, Weekly, textItem(rate ? amountText(rate->weekly) : QString()));
        grdRates->setItem(row, Monthly, textItem(rate ? amountText(rate->monthly) : QString()));
    };
    for (const Sql::LookupItem& type : std::as_const(m_types)) {
        std::optional<Pricing::Rate> rate;
        for (const RateRow& r : std::as_const(m_edited.rates))
            if (r.seasonId == m_shownSeason && r.berthTypeId == type.id)
                rate = r.rate;
        addRow(type.text, TypeRole, type.id, rate);
    }
    for (const RateRow& r : std::as_const(m_edited.rates))
        if (r.seasonId == m_shownSeason && r.berthId) {
            QString name;
            for (const Sql::LookupItem& berth : std::as_const(m_berths))
                if (berth.id == *r.berthId)
                    name = berth.text;
            addRow(tr("Berth %1").arg(name), BerthRole, *r.berthId, r.rate);
        }
}

bool RatesDialog::refuseCell(QTableWidget* grid, int row, int column, const QString& text)
{
    m_services.messages.show(text, tr("Rates"), MsgIcon::Exclamation);
    grid->setFocus();
    grid->setCurrentCell(row, column);
    return false;
}

// The shown season's rates grid into m_edited; false, with the cell pointed out, where one is not an amount.
bool RatesDialog::storeShownRates()
{
    if (m_shownSeason == 0)
        return true;
    QList<RateRow> rows;
    for (int row = 0; row < grdRates->rowCount(); ++row) {
        std::optional<Money> amounts[4];
        bool any = false;
        for (int column = Nightly; column <= Monthly; ++column) {
            const QString text = cellText(grdRates, row, column);
            if (text.isEmpty())
                continue;
            const auto amount =
                InputChecks::readAmount(text, Pricing::RateCeiling, tr("\"%1\" is not an amount.").arg(text));
            if (!amount)
                return refuseCell(grdRates, row, column, amount.error());
            amounts[column - Nightly] = *amount;
            any = true;
        }
        const QTableWidgetItem* target = grdRates->item(row, For);
        const bool isBerth = target->data(BerthRole).isValid();
        if (!any && !isBerth)
            continue;
        if (!amounts[0])
            return refuseCell(grdRates, row, Nightly,
                              tr("Give %1 a nightly rate, or leave its other rates empty.").arg(target->text()));
        RateRow rate{m_shownSeason,
                     {},
                     {},
                     {cellChecked(grdRates, row, PerMetre) ? Pricing::Basis::PerMetre : Pricing::Basis::PerBerth,
                      *amounts[0], amounts[1], amounts[2], amounts[3]}};
        if (isBerth)
            rate.berthId = target->data(BerthRole).toInt();
        else
            rate.berthTypeId = target->data(TypeRole).toInt();
        rows << rate;
    }
    QList<RateRow> kept;
    for (const RateRow& r : std::as_const(m_edited.rates))
        if (r.seasonId != m_shownSeason)
            kept << r;
    m_edited.rates = kept + rows;
    return true;
}

// Everything the grids hold, as the table to save; nothing, with the cell pointed out, where one cannot be read.
std::optional<RateTable> RatesDialog::readGrids()
{
    if (!storeShownRates())
        return std::nullopt;
    RateTable table;
    for (int row = 0; row < grdSeasons->rowCount(); ++row) {
        Pricing::Season season;
        season.id = grdSeasons->item(row, 0)->data(Qt::UserRole).toLongLong();
        season.name = cellText(grdSeasons, row, 0);
        for (int column : {1, 2}) {
            const Result<QDate> date =
                DateTimes::readDate(cellText(grdSeasons, row, column), m_services.clock.now().date());
            if (!date) {
                refuseCell(grdSeasons, row, column, date.error());
                return std::nullopt;
            }
            (column == 1 ? season.firstNight : season.lastNight) = *date;
        }
        season.yearly = cellChecked(grdSeasons, row, 3);
        const auto priority = InputChecks::readWholeNumber(cellText(grdSeasons, row, 4));
        if (!priority || *priority < 0 || *priority > 999) {
            refuseCell(grdSeasons, row, 4, tr("The priority is a whole number from 0 to 999."));
            return std::nullopt;
        }
        season.priority = int(*priority);
        table.seasons << season;
    }
    for (const RateRow& rate : std::as_const(m_edited.rates))
        table.rates << rate;
    for (int row = 0; row < grdTypes->rowCount(); ++row) {
        const QString text = cellText(grdTypes, row, 1);
        if (text.isEmpty())
            continue;
        const auto metres = InputChecks::readNumber(text);
        if (!metres || *metres < 0 || *metres > 1000) {
            refuseCell(grdTypes, row, 1, tr("The minimum length is a number of metres from 0 to 1,000."));
            return std::nullopt;
        }
        if (const int cm = qRound(*metres * 100); cm > 0)
            table.minimumLengthCm.insert(m_types.at(row).id, cm);
    }
    return table;
}

void RatesDialog::seasonChosen(int row, int previousRow)
{
    if (row == previousRow)
        return;
    const QTableWidgetItem* chosen = row >= 0 ? grdSeasons->item(row, 0) : nullptr;
    if (chosen && chosen->data(Qt::UserRole).toLongLong() == m_shownSeason)
        return;
    if (!storeShownRates()) {
        // The typed rates stay where they are, with their season.
        const QSignalBlocker quiet(grdSeasons);
        grdSeasons->setCurrentCell(previousRow, 0);
        return;
    }
    showRatesOf(row);
}

void RatesDialog::addSeason()
{
    if (!storeShownRates())
        return;
    const qint64 id = m_nextNewSeason--;
    const bool first = m_loaded.seasons.isEmpty() && grdSeasons->rowCount() == 0;
    const int row = grdSeasons->rowCount();
    {
        const QSignalBlocker quiet(grdSeasons);
        grdSeasons->insertRow(row);
        auto* name = textItem(tr("New season"));
        name->setData(Qt::UserRole, id);
        grdSeasons->setItem(row, 0, name);
        const QDate today = m_services.clock.now().date();
        grdSeasons->setItem(row, 1, textItem(DateTimes::dateText(today)));
        grdSeasons->setItem(row, 2, textItem(DateTimes::dateText(today.addMonths(3).addDays(-1))));
        grdSeasons->setItem(row, 3, checkItem(false));
        grdSeasons->setItem(row, 4, textItem(QString::number(row + 1)));
    }
    // What the berth register holds for weeks and months is not lost when rates take over.
    if (first) {
        const auto charges = RateStore::registerCharges(m_services.db());
        if (!charges)
            tell(charges.failure());
        else if (!charges->isEmpty() &&
                 m_services.messages.show(tr("The berth register holds weekly or monthly charges for %1 berth(s). "
                                             "Make them those berths' own rates in the new season?")
                                              .arg(charges->size()),
                                          tr("Rates"), MsgIcon::Question, MsgButtons::YesNo) == MsgResult::Yes)
            for (const RateStore::RegisterCharges& c : *charges)
                m_edited.rates << RateRow{
                    id, {}, c.berthId, {Pricing::Basis::PerBerth, c.daily.value_or(Money()), {}, c.weekly, c.monthly}};
    }
    grdSeasons->setCurrentCell(row, 0);
    grdSeasons->setFocus();
    grdSeasons->editItem(grdSeasons->item(row, 0));
}

void RatesDialog::removeSeason()
{
    const int row = grdSeasons->currentRow();
    if (row < 0)
        return;
    const qint64 id = grdSeasons->item(row, 0)->data(Qt::UserRole).toLongLong();
    QList<RateRow> kept;
    for (const RateRow& r : std::as_const(m_edited.rates))
        if (r.seasonId != id)
            kept << r;
    m_edited.rates = kept;
    m_shownSeason = 0; // its rates go with it
    grdSeasons->removeRow(row);
    showRatesOf(grdSeasons->currentRow());
}

void RatesDialog::addBerthRate()
{
    if (m_shownSeason == 0 || cboBerth->currentIndex() < 0 || !storeShownRates())
        return;
    const int berthId = cboBerth->currentData().toInt();
    for (const RateRow& r : std::as_const(m_edited.rates))
        if (r.seasonId == m_shownSeason && r.berthId == berthId) {
            m_services.messages.show(
                tr("Berth %1 has its own rate in this season already.").arg(cboBerth->currentText()), tr("Rates"),
                MsgIcon::Exclamation);
            return;
        }
    m_edited.rates << RateRow{m_shownSeason, {}, berthId, {}};
    showRatesOf(grdSeasons->currentRow());
    grdRates->setFocus();
    grdRates->setCurrentCell(grdRates->rowCount() - 1, Nightly);
}

void RatesDialog::removeBerthRate()
{
    const int row = grdRates->currentRow();
    if (row < 0 || !grdRates->item(row, For)->data(BerthRole).isValid())
        return;
    grdRates->removeRow(row);
}

void RatesDialog::save()
{
    const auto table = readGrids();
    if (!table)
        return;
    std::optional<FieldChanges::Merge<RateTable>> merge;
    if (const Status saved = RateStore::save(m_services.db(), m_loaded, *table, m_types, m_berths, &merge); !saved) {
        if (!merge || merge->conflicts().isEmpty()) {
            tell(saved.failure());
            return;
        }
        // Both desks changed some seasons or rates: the person sees which and chooses; the rest of both is kept.
        const Meanwhile choice =
            askAboutChanges(m_services.messages, tr("Rates"), tr("rate table"), merge->conflicts());
        m_loaded = merge->theirs();
        m_edited = merge->chosen(choice == Meanwhile::KeepTheirs);
        fillSeasons();
        fillTypes();
        if (choice != Meanwhile::GoBack)
            save(); // merged again with whatever else was stored since
        return;
    }
    accept();
}

void RatesDialog::reject()
{
    const auto table = readGrids();
    if ((!table || *table != m_loaded) &&
        m_services.messages.show(tr("Close without saving the changes to the rates?"), tr("Rates"), MsgIcon::Question,
                                 MsgButtons::YesNo) != MsgResult::Yes)
        return;
    QDialog::reject();
}

void RatesDialog::tell(const Failure& failure)
{
    m_services.messages.show(failure.text, tr("Rates"),
                             failure.kind == FailureKind::Database ? MsgIcon::Critical : MsgIcon::Exclamation);
}
