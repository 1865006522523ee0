#include "berths/BerthEntry.h"

#include "berths/BerthRemoval.h"
#include "core/Seams.h"
#include "core/SqlHelpers.h"
#include "core/ui/InputChecks.h"
#include "core/ui/Twips.h"
#include "staff/ApprovalDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
template <typename T> T* named(T* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

void fillCombo(QComboBox* combo, const QList<Sql::LookupItem>& items)
{
    combo->clear();
    for (const Sql::LookupItem& item : items)
        combo->addItem(item.text, item.id);
    combo->setCurrentIndex(-1);
}

std::optional<int> chosenId(const QComboBox* combo)
{
    if (combo->currentIndex() < 0)
        return std::nullopt;
    return combo->currentData().toInt();
}
} // namespace

BerthEntry::BerthEntry(Services& services, BerthChangeSet& changes, BerthListStyle style, QWidget* parent)
    : QWidget(parent), m_services(services), m_changes(changes), m_style(style)
{
    // Created in the order Tab and Enter walk through them.
    m_txtName = named(new QLineEdit(this), QStringLiteral("txtName"));
    m_txtLength = named(new QLineEdit(this), QStringLiteral("txtLength"));
    m_txtWidth = named(new QLineEdit(this), QStringLiteral("txtWidth"));
    m_txtMaxDraft = named(new QLineEdit(this), QStringLiteral("txtMaxDraft"));
    m_chkTakesMultihulls = named(new QCheckBox(tr("Takes &multihulls"), this), QStringLiteral("chkTakesMultihulls"));
    m_chkTakesMultihulls->setChecked(true);
    m_cboBerthType = named(new QComboBox(this), QStringLiteral("cboBerthType"));
    m_chkOwner = named(new QCheckBox(tr("Owner:"), this), QStringLiteral("chkOwner"));
    m_cboOwner = named(new QComboBox(this), QStringLiteral("cboOwner"));
    m_chkHasPower = named(new QCheckBox(tr("Power:"), this), QStringLiteral("chkHasPower"));
    m_txtDailyHireCharge = named(new QLineEdit(this), QStringLiteral("txtDailyHireCharge"));
    m_txtWeeklyHireCharge = named(new QLineEdit(this), QStringLiteral("txtWeeklyHireCharge"));
    m_txtMonthlyHireCharge = named(new QLineEdit(this), QStringLiteral("txtMonthlyHireCharge"));
    m_txtNotes = named(new QPlainTextEdit(this), QStringLiteral("txtNotes"));
    m_txtNotes->setTabChangesFocus(true);
    m_cmdAdd = named(new QPushButton(tr("&Add"), this), QStringLiteral("cmdAdd"));
    m_cmdRemove = named(new QPushButton(tr("&Remove"), this), QStringLiteral("cmdRemove"));
    m_lstBerth = named(new QListWidget(this), QStringLiteral("lstBerth"));
    m_lstBerth->setSelectionMode(QAbstractItemView::SingleSelection);
    for (QPushButton* button : {m_cmdAdd, m_cmdRemove})
        button->setAutoDefault(false);

    const QList<std::pair<QLineEdit*, QString>> numberBoxes = {
        {m_txtLength, BerthTitles::length()},           {m_txtWidth, BerthTitles::width()},
        {m_txtMaxDraft, BerthTitles::maxDraft()},       {m_txtDailyHireCharge, BerthTitles::daily()},
        {m_txtWeeklyHireCharge, BerthTitles::weekly()}, {m_txtMonthlyHireCharge, BerthTitles::monthly()}};
    for (const auto& [box, title] : numberBoxes) {
        const bool money = box != m_txtLength && box != m_txtWidth && box != m_txtMaxDraft;
        InputChecks::watch(box, money ? InputChecks::Kind::Money : InputChecks::Kind::Number, title, services.messages);
    }

    auto* fields = new QFormLayout;
    fields->addRow(tr("Berth:"), m_txtName);
    fields->addRow(tr("Length:"), m_txtLength);
    fields->addRow(tr("Width:"), m_txtWidth);
    fields->addRow(tr("Max. draft:"), m_txtMaxDraft);
    fields->addRow(m_chkTakesMultihulls);
    fields->addRow(tr("Type:"), m_cboBerthType);
    fields->addRow(m_chkOwner, m_cboOwner);
    fields->addRow(m_chkHasPower);
    auto* charges = new QGroupBox(tr("Hire charges"), this);
    auto* chargeRows = new QFormLayout(charges);
    chargeRows->addRow(tr("Daily:"), m_txtDailyHireCharge);
    chargeRows->addRow(tr("Weekly:"), m_txtWeeklyHireCharge);
    chargeRows->addRow(tr("Monthly:"), m_txtMonthlyHireCharge);
    fields->addRow(charges);
    fields->addRow(tr("Notes:"), m_txtNotes);
    m_txtNotes->setMaximumHeight(Twips::toPixelsY(900, this));

    m_buttonRow = new QHBoxLayout;
    m_buttonRow->addWidget(m_cmdAdd);
    m_buttonRow->addWidget(m_cmdRemove);
    m_buttonRow->addStretch();

    auto* list = new QVBoxLayout;
    list->addWidget(new QLabel(tr("Available berths:"), this));
    list->addWidget(m_lstBerth);
    list->addLayout(m_buttonRow);
    m_lstBerth->setMinimumWidth(Twips::toPixelsX(3600, this));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(fields, 1);
    layout->addLayout(list, 1);

    m_cboOwner->setEnabled(false);
    connect(m_chkOwner, &QCheckBox::toggled, m_cboOwner, &QWidget::setEnabled);
    connect(m_cmdAdd, &QPushButton::clicked, this, &BerthEntry::add);
    connect(m_cmdRemove, &QPushButton::clicked, this, &BerthEntry::remove);
    connect(m_lstBerth, &QListWidget::itemSelectionChanged, this, &BerthEntry::selectionChanged);
}

bool BerthEntry::load()
{
    QString error;
    const auto types = Sql::readLookup(m_changes.database(), berthTypeLookupSql(), &error);
    const auto owners =
        types ? Sql::readLookup(m_changes.database(), ownerLookupSql(m_changes.database()), &error) : std::nullopt;
    const Status stored = owners ? m_changes.reload() : databaseFailure(error);
    if (!stored) {
        showDatabaseError(tr("The berths could not be read."), stored.error());
        return false;
    }
    fillCombo(m_cboBerthType, *types);
    fillCombo(m_cboOwner, *owners);
    showRows();
    return true;
}

void BerthEntry::requery()
{
    if (const Status stored = m_changes.reload(); !stored)
        showDatabaseError(tr("The berths could not be read again."), stored.error());
    showRows();
}

void BerthEntry::showRows()
{
    const std::optional<int> selected = selectedId();
    // Rebuilding the list is not a selection by the user.
    const QSignalBlocker blocker(m_lstBerth);
    m_lstBerth->clear();
    for (const BerthRow& row : m_changes.rows(m_style)) {
        auto* item = new QListWidgetItem(berthListText(row, m_style), m_lstBerth);
        item->setData(Qt::UserRole, row.id);
        if (selected == row.id) {
            m_lstBerth->setCurrentItem(item);
            item->setSelected(true);
        }
    }
}

std::optional<int> BerthEntry::selectedId() const
{
    const QList<QListWidgetItem*> items = m_lstBerth->selectedItems();
    if (items.isEmpty())
        return std::nullopt;
    return items.first()->data(Qt::UserRole).toInt();
}

void BerthEntry::showDatabaseError(const QString& what, const QString& error) const
{
    m_services.messages.show(what + QStringLiteral("\n\n") + error, window()->windowTitle(), MsgIcon::Critical,
                             MsgButtons::Ok);
}

BerthInput BerthEntry::input() const
{
    BerthInput input;
    input.name = m_txtName->text();
    input.length = m_txtLength->text();
    input.width = m_txtWidth->text();
    input.maxDraft = m_txtMaxDraft->text();
    input.takesMultihulls = m_chkTakesMultihulls->isChecked();
    input.typeId = chosenId(m_cboBerthType);
    input.ownerTicked = m_chkOwner->isChecked();
    input.ownerId = chosenId(m_cboOwner);
    input.hasPower = m_chkHasPower->isChecked();
    input.notes = m_txtNotes->toPlainText();
    input.dailyHireCharge = m_txtDailyHireCharge->text();
    input.weeklyHireCharge = m_txtWeeklyHireCharge->text();
    input.monthlyHireCharge = m_txtMonthlyHireCharge->text();
    return input;
}

void BerthEntry::focus(BerthRefusal::Field field)
{
    using Field = BerthRefusal::Field;
    QWidget* target = nullptr;
    switch (field) {
    case Field::Name:
        target = m_txtName;
        break;
    case Field::Owner:
        target = m_cboOwner;
        break;
    case Field::Type:
        target = m_cboBerthType;
        break;
    case Field::Length:
        target = m_txtLength;
        break;
    case Field::Width:
        target = m_txtWidth;
        break;
    case Field::MaxDraft:
        target = m_txtMaxDraft;
        break;
    case Field::DailyHireCharge:
        target = m_txtDailyHireCharge;
        break;
    case Field::WeeklyHireCharge:
        target = m_txtWeeklyHireCharge;
        break;
    case Field::MonthlyHireCharge:
        target = m_txtMonthlyHireCharge;
        break;
    }
    target->setFocus();
}

void BerthEntry::add()
{
    if (!InputChecks::checkAll({m_txtLength, m_txtWidth, m_txtMaxDraft, m_txtDailyHireCharge, m_txtWeeklyHireCharge,
                                m_txtMonthlyHireCharge}))
        return;
    const auto result = readNewBerth(input());
    if (const auto* refusal = std::get_if<BerthRefusal>(&result)) {
        m_services.messages.show(refusal->text, refusal->title, MsgIcon::Exclamation, MsgButtons::Ok);
        focus(refusal->field);
        return;
    }
    m_changes.add(std::get<BerthFields>(result));
    requery();
    clearAfterAdd();
}

void BerthEntry::clearAfterAdd()
{
    // Notes, the owner box and the power box keep their state for the next berth.
    for (QLineEdit* box : {m_txtName, m_txtLength, m_txtWidth, m_txtMaxDraft, m_txtDailyHireCharge,
                           m_txtWeeklyHireCharge, m_txtMonthlyHireCharge})
        box->clear();
    m_cboBerthType->setCurrentIndex(-1);
    m_cboOwner->setCurrentIndex(-1);
}

void BerthEntry::remove()
{
    const std::optional<int> id = selectedId();
    if (!id)
        return;
    const std::optional<BerthRow> row = m_changes.find(*id);
    if (!row || !Permission::askOrApprove(m_services, this, Action::DeleteRecords))
        return;
    const Result<Removal::Question> question = BerthRemoval::askRemove(m_changes.database(), *id);
    if (!question) {
        showDatabaseError(tr("The berth's bookings could not be counted."), question.error());
        return;
    }
    if (m_services.messages.show(question->text, Removal::Title, MsgIcon::None, MsgButtons::YesNo) != MsgResult::Yes)
        return;
    // The event names the berth as the list does, in the program's own words.
    m_changes.remove(*id, berthLogText(*row, m_style), question->dependents);
    requery();
}
