#include "rates/TermsDialog.h"

#include "core/DateTimes.h"
#include "core/Seams.h"
#include "core/ui/SmallDialog.h"
#include "rates/RateStore.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {
enum TermColumn
{
    TermName,
    TermFirst,
    TermLast,
    TermYearly
};
enum PriceColumn
{
    PriceTerm,
    PriceType,
    PriceBasis,
    PriceAmount,
    PriceFrom
};

QPushButton* button(const QString& caption, const char* name, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

QString cell(const QTableWidget* grid, int row, int column)
{
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text().trimmed() : QString();
}

void put(QTableWidget* grid, int row, int column, const QString& text, qint64 id = 0)
{
    auto* item = new QTableWidgetItem(text);
    item->setData(Qt::UserRole, id);
    grid->setItem(row, column, item);
}

QComboBox* combo(QTableWidget* grid, int row, int column)
{
    return qobject_cast<QComboBox*>(grid->cellWidget(row, column));
}
} // namespace

TermsDialog::TermsDialog(Services& services, QWidget* parent) : QDialog(parent), m_services(services)
{
    setObjectName(QStringLiteral("frmTerms"));
    setWindowTitle(tr("Terms and prices"));
    setModal(true);
    grdTerms = new QTableWidget(0, 4, this);
    grdTerms->setObjectName(QStringLiteral("grdTerms"));
    grdTerms->setHorizontalHeaderLabels({tr("Term"), tr("First day"), tr("Last day"), tr("Every year")});
    grdPrices = new QTableWidget(0, 5, this);
    grdPrices->setObjectName(QStringLiteral("grdPrices"));
    grdPrices->setHorizontalHeaderLabels({tr("Term"), tr("Berth type"), tr("Basis"), tr("Price"), tr("From")});
    for (QTableWidget* grid : {grdTerms, grdPrices}) {
        grid->horizontalHeader()->setStretchLastSection(true);
        grid->setTabKeyNavigation(false);
    }
    auto* termsLabel = new QLabel(tr("T&erms:"), this);
    termsLabel->setBuddy(grdTerms);
    auto* pricesLabel = new QLabel(tr("&Prices:"), this);
    pricesLabel->setBuddy(grdPrices);
    auto* cmdAddTerm = button(tr("&Add term"), "cmdAddTerm", this);
    auto* cmdRemoveTerm = button(tr("&Remove term"), "cmdRemoveTerm", this);
    auto* cmdAddPrice = button(tr("A&dd price"), "cmdAddPrice", this);
    auto* cmdRemovePrice = button(tr("Re&move price"), "cmdRemovePrice", this);
    auto* buttons = SmallDialog::foot(this, {{tr("&Save"), QStringLiteral("cmdSave"), QDialogButtonBox::AcceptRole},
                                             {tr("&Cancel"), QStringLiteral("cmdCancel")}});
    auto* termButtons = new QHBoxLayout;
    termButtons->addWidget(cmdAddTerm);
    termButtons->addWidget(cmdRemoveTerm);
    termButtons->addStretch();
    auto* priceButtons = new QHBoxLayout;
    priceButtons->addWidget(cmdAddPrice);
    priceButtons->addWidget(cmdRemovePrice);
    priceButtons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(termsLabel);
    layout->addWidget(grdTerms);
    layout->addLayout(termButtons);
    layout->addWidget(pricesLabel);
    layout->addWidget(grdPrices);
    layout->addLayout(priceButtons);
    layout->addWidget(buttons);
    connect(cmdAddTerm, &QPushButton::clicked, this, &TermsDialog::addTerm);
    connect(cmdRemoveTerm, &QPushButton::clicked, this, [this] { removeRow(grdTerms); });
    connect(cmdAddPrice, &QPushButton::clicked, this, &TermsDialog::addPrice);
    connect(cmdRemovePrice, &QPushButton::clicked, this, [this] { removeRow(grdPrices); });
    connect(buttons, &QDialogButtonBox::accepted, this, &TermsDialog::save);
    resize(720, 520);
}

Status TermsDialog::load()
{
    const auto table = TermRates::load(m_services.db());
    if (!table)
        return table.failure();
    const auto types = RateStore::berthTypes(m_services.db());
    if (!types)
        return types.failure();
    m_loaded = *table;
    m_types = *types;
    for (const TermPricing::Term& t : std::as_const(m_loaded.terms)) {
        addTerm();
        const int row = grdTerms->rowCount() - 1;
        put(grdTerms, row, TermName, t.name, t.id);
        put(grdTerms, row, TermFirst, DateTimes::dateText(t.firstNight));
        put(grdTerms, row, TermLast, DateTimes::dateText(t.lastNight));
        combo(grdTerms, row, TermYearly)->setCurrentIndex(t.yearly ? 1 : 0);
    }
    for (const TermPricing::TermRate& r : std::as_const(m_loaded.rates)) {
        // A berth's own price is kept as it is; this list shows and edits the types' prices.
        if (r.berthId)
            continue;
        addPrice();
        const int row = grdPrices->rowCount() - 1;
        const auto term = std::find_if(m_loaded.terms.cbegin(), m_loaded.terms.cend(),
                                       [&](const TermPricing::Term& t) { return t.id == r.termId; });
        put(grdPrices, row, PriceTerm, term == m_loaded.terms.cend() ? QString() : term->name);
        combo(grdPrices, row, PriceType)->setCurrentIndex(combo(grdPrices, row, PriceType)->findData(*r.berthTypeId));
        combo(grdPrices, row, PriceBasis)->setCurrentIndex(r.basis == Pricing::Basis::PerMetre ? 1 : 0);
        put(grdPrices, row, PriceAmount, r.price.format());
        put(grdPrices, row, PriceFrom, DateTimes::dateText(r.from));
    }
    return Done{};
}

void TermsDialog::addTerm()
{
    const int row = grdTerms->rowCount();
    grdTerms->insertRow(row);
    put(grdTerms, row, TermName, QString(), m_nextNew--);
    auto* yearly = new QComboBox(grdTerms);
    yearly->addItems({tr("No"), tr("Yes")});
    grdTerms->setCellWidget(row, TermYearly, yearly);
    grdTerms->setCurrentCell(row, TermName);
}

void TermsDialog::addPrice()
{
    const int row = grdPrices->rowCount();
    grdPrices->insertRow(row);
    auto* types = new QComboBox(grdPrices);
    for (const Sql::LookupItem& t : std::as_const(m_types))
        types->addItem(t.text, t.id);
    grdPrices->setCellWidget(row, PriceType, types);
    auto* basis = new QComboBox(grdPrices);
    basis->addItems({tr("Per berth"), tr("Per metre")});
    grdPrices->setCellWidget(row, PriceBasis, basis);
    put(grdPrices, row, PriceFrom, DateTimes::dateText(m_services.clock.now().date()));
    grdPrices->setCurrentCell(row, PriceTerm);
}

void TermsDialog::removeRow(QTableWidget* grid)
{
    if (grid->currentRow() >= 0)
        grid->removeRow(grid->currentRow());
}

bool TermsDialog::refuse(QTableWidget* grid, int row, int column, const QString& text)
{
    m_services.messages.show(tr("Row %1: %2").arg(row + 1).arg(text), windowTitle(), MsgIcon::Exclamation);
    grid->setCurrentCell(row, column);
    grid->setFocus();
    return false;
}

std::optional<TermTable> TermsDialog::readGrids()
{
    TermTable table;
    const QDate today = m_services.clock.now().date();
    for (int row = 0; row < grdTerms->rowCount(); ++row) {
        TermPricing::Term t;
        t.id = grdTerms->item(row, TermName) ? grdTerms->item(row, TermName)->data(Qt::UserRole).toLongLong() : 0;
        t.name = cell(grdTerms, row, TermName);
        const auto first = DateTimes::readDate(cell(grdTerms, row, TermFirst), today);
        const auto last = DateTimes::readDate(cell(grdTerms, row, TermLast), today);
        if (!first || !last) {
            refuse(grdTerms, row, first ? TermLast : TermFirst, first ? last.error() : first.error());
            return std::nullopt;
        }
        t.firstNight = *first;
        t.lastNight = *last;
        t.yearly = combo(grdTerms, row, TermYearly)->currentIndex() == 1;
        if (const Status checked = TermPricing::checkTerm(t); !checked) {
            refuse(grdTerms, row, TermName, checked.error());
            return std::nullopt;
        }
        table.terms << t;
    }
    for (int row = 0; row < grdPrices->rowCount(); ++row) {
        TermPricing::TermRate r;
        const QString term = cell(grdPrices, row, PriceTerm);
        const auto named = std::find_if(table.terms.cbegin(), table.terms.cend(),
                                        [&](const TermPricing::Term& t) { return t.name == term; });
        if (named == table.terms.cend()) {
            refuse(grdPrices, row, PriceTerm, tr("type the name of a term in the list above."));
            return std::nullopt;
        }
        r.termId = named->id;
        if (combo(grdPrices, row, PriceType)->currentIndex() >= 0)
            r.berthTypeId = combo(grdPrices, row, PriceType)->currentData().toInt();
        r.basis = combo(grdPrices, row, PriceBasis)->currentIndex() == 1 ? Pricing::Basis::PerMetre
                                                                         : Pricing::Basis::PerBerth;
        const std::optional<Money> price = Money::parse(cell(grdPrices, row, PriceAmount));
        if (!price) {
            refuse(grdPrices, row, PriceAmount, tr("type the term's price, such as 1200.00."));
            return std::nullopt;
        }
        r.price = *price;
        const auto from = DateTimes::readDate(cell(grdPrices, row, PriceFrom), today);
        if (!from) {
            refuse(grdPrices, row, PriceFrom, from.error());
            return std::nullopt;
        }
        r.from = *from;
        if (const Status checked = TermPricing::checkRate(r); !checked) {
            refuse(grdPrices, row, PriceAmount, checked.error());
            return std::nullopt;
        }
        table.rates << r;
    }
    // A berth's own prices, not shown here, are kept while their term is.
    for (const TermPricing::TermRate& r : std::as_const(m_loaded.rates))
        if (r.berthId && std::any_of(table.terms.cbegin(), table.terms.cend(),
                                     [&](const TermPricing::Term& t) { return t.id == r.termId; }))
            table.rates << r;
    return table;
}

void TermsDialog::save()
{
    const auto edited = readGrids();
    if (!edited)
        return;
    const Status saved = TermRates::save(m_services.db(), m_loaded, *edited);
    if (!saved) {
        // Everything typed stays, to correct or to copy before reading the other desk's terms.
        m_services.messages.show(saved.error(), windowTitle(),
                                 saved.kind() == FailureKind::Database ? MsgIcon::Critical : MsgIcon::Exclamation);
        return;
    }
    accept();
}
