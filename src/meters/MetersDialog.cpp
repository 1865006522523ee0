#include "meters/MetersDialog.h"

#include "core/Actor.h"
#include "core/DateTimes.h"
#include "core/EventLog.h"
#include "core/MessageLog.h"
#include "core/Seams.h"
#include "core/ui/DocumentRenderer.h"
#include "meters/MeterImport.h"
#include "meters/MeterWalk.h"
#include "staff/ApprovalDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QTableWidget* table(QWidget* parent, const QString& name, const QStringList& headers)
{
    auto* t = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    t->setObjectName(name);
    t->setHorizontalHeaderLabels(headers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

void fillRow(QTableWidget* t, int row, const QStringList& cells)
{
    for (int c = 0; c < cells.size(); ++c)
        t->setItem(row, c, new QTableWidgetItem(cells.at(c)));
}

/// A small form dialog with OK and Cancel: check runs on OK and keeps it open while it says no.
class FormDialog final : public QDialog
{
public:
    FormDialog(const QString& title, QWidget* parent) : QDialog(parent), form(new QFormLayout)
    {
        setWindowTitle(title);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
        connect(buttons, &QDialogButtonBox::accepted, this, [this] {
            if (!check || check())
                QDialog::accept();
        });
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(form);
        layout->addWidget(buttons);
    }
    template <typename W> W* add(const QString& label, W* widget, const QString& name)
    {
        widget->setObjectName(name);
        form->addRow(label, widget);
        return widget;
    }
    QFormLayout* form;
    std::function<bool()> check;
};

} // namespace

MetersDialog::MetersDialog(Services& services, QWidget* parent)
    : QDialog(parent), m_services(services),
      m_meters(table(this, QStringLiteral("tblMeters"),
                     {tr("Berth"), tr("Kind"), tr("Serial"), tr("Unit"), tr("Digits"), tr("Fitted"), tr("Removed")})),
      m_readings(table(this, QStringLiteral("tblReadings"),
                       {tr("Read at"), tr("Reading"), tr("Use"), tr("Marks"), tr("Who"), tr("Note")}))
{
    setObjectName(QStringLiteral("frmMeters"));
    setWindowTitle(tr("Meters"));
    const auto button = [this](const QString& text, const QString& name, void (MetersDialog::*slot)()) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    auto* lblMeters = new QLabel(tr("&Meters:"), this);
    lblMeters->setBuddy(m_meters);
    auto* lblReadings = new QLabel(tr("R&eadings of the chosen meter:"), this);
    lblReadings->setBuddy(m_readings);
    auto* side = new QVBoxLayout;
    auto* cmdAdd = new QPushButton(tr("&Add Meter..."), this);
    cmdAdd->setObjectName(QStringLiteral("cmdAddMeter"));
    connect(cmdAdd, &QPushButton::clicked, this, [this] { editMeter(true); });
    side->addWidget(cmdAdd);
    auto* cmdEdit = new QPushButton(tr("E&dit Meter..."), this);
    cmdEdit->setObjectName(QStringLiteral("cmdEditMeter"));
    connect(cmdEdit, &QPushButton::clicked, this, [this] { editMeter(false); });
    side->addWidget(cmdEdit);
    side->addWidget(button(tr("S&wap Meter..."), QStringLiteral("cmdSwapMeter"), &MetersDialog::swapMeter));
    side->addSpacing(12);
    side->addWidget(button(tr("Add &Reading..."), QStringLiteral("cmdAddReading"), &MetersDialog::addReading));
    side->addWidget(
        button(tr("C&orrect Reading..."), QStringLiteral("cmdCorrectReading"), &MetersDialog::correctReading));
    side->addSpacing(12);
    side->addWidget(button(tr("&Tariffs..."), QStringLiteral("cmdTariffs"), &MetersDialog::editTariffs));
    side->addWidget(button(tr("&Print Walk List..."), QStringLiteral("cmdPrintWalk"), &MetersDialog::printWalk));
    side->addWidget(
        button(tr("&Import Readings..."), QStringLiteral("cmdImportReadings"), &MetersDialog::importReadings));
    side->addStretch(1);
    auto* cmdClose = new QPushButton(tr("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    side->addWidget(cmdClose);
    auto* lists = new QVBoxLayout;
    lists->addWidget(lblMeters);
    lists->addWidget(m_meters, 3);
    lists->addWidget(lblReadings);
    lists->addWidget(m_readings, 2);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(side);
    connect(m_meters, &QTableWidget::itemSelectionChanged, this, &MetersDialog::showReadings);
    resize(860, 560);
    reload();
}

void MetersDialog::display(Services& services, QWidget* parent)
{
    MetersDialog dialog(services, parent);
    dialog.exec();
}

bool MetersDialog::told(const Failure& failure)
{
    if (failure.kind == FailureKind::Cancelled)
        return false;
    if (failure.kind == FailureKind::Database)
        MessageLog::logError(QStringLiteral("Meters: %1").arg(failure.text));
    m_services.messages.show(failure.text, windowTitle(),
                             failure.kind == FailureKind::Database ? MsgIcon::Critical : MsgIcon::Exclamation,
                             MsgButtons::Ok);
    return false;
}

void MetersDialog::reload()
{
    const std::optional<Meters::Meter> was = chosen();
    const auto list = MeterStore::meters(m_services.db());
    if (!list) {
        told(list.failure());
        return;
    }
    m_list = *list;
    m_meters->setRowCount(static_cast<int>(m_list.size()));
    for (int i = 0; i < m_list.size(); ++i) {
        const Meters::Meter& m = m_list.at(i);
        fillRow(m_meters, i,
                {m.berth, Meters::kindText(m.kind), m.serial, m.unit, QString::number(m.digits),
                 DateTimes::dateText(m.fitted), m.removed.isValid() ? DateTimes::dateText(m.removed) : QString()});
        if (was && was->id == m.id)
            m_meters->selectRow(i);
    }
    if (!was && !m_list.isEmpty())
        m_meters->selectRow(0);
    showReadings();
}

std::optional<Meters::Meter> MetersDialog::chosen() const
{
    const int row = m_meters->currentRow();
    if (row < 0 || row >= m_list.size() || m_meters->selectedItems().isEmpty())
        return std::nullopt;
    return m_list.at(row);
}

void MetersDialog::showReadings()
{
    m_readings->setRowCount(0);
    m_shown.clear();
    const auto m = chosen();
    if (!m)
        return;
    const auto readings = MeterStore::readings(m_services.db(), m->id);
    if (!readings) {
        told(readings.failure());
        return;
    }
    m_shown = *readings;
    m_readings->setRowCount(static_cast<int>(m_shown.size()));
    for (int i = 0; i < m_shown.size(); ++i) {
        const Meters::Reading& r = m_shown.at(i);
        QStringList marks;
        if (r.rolledOver)
            marks << tr("rolled over");
        if (r.flagged)
            marks << tr("over three times usual");
        if (r.corrected)
            marks << tr("corrected from %1").arg(Meters::valueText(r.firstValue));
        const QString use =
            i == 0 ? QString()
                   : Meters::valueText(Meters::useBetween(m_shown.at(i - 1).value, r.value, r.rolledOver, m->digits));
        fillRow(m_readings, i,
                {DateTimes::dateTimeText(r.readAt), Meters::valueText(r.value), use, marks.join(QStringLiteral(", ")),
                 r.desk, r.note});
    }
    m_readings->scrollToBottom();
}

void MetersDialog::editMeter(bool fresh)
{
    Meters::Meter m;
    if (!fresh) {
        const auto c = chosen();
        if (!c)
            return;
        m = *c;
    } else {
        m.fitted = m_services.clock.now().date();
        m.unit = Meters::defaultUnit(m.kind);
    }
    const auto berths = MeterStore::berthChoices(m_services.db());
    if (!berths) {
        told(berths.failure());
        return;
    }
    FormDialog form(fresh ? tr("Add Meter") : tr("Edit Meter"), this);
    auto* serial = form.add(tr("&Serial number:"), new QLineEdit(m.serial, &form), QStringLiteral("txtSerial"));
    auto* kind = form.add(tr("&Kind:"), new QComboBox(&form), QStringLiteral("cboKind"));
    kind->addItem(Meters::kindText(Meters::Kind::Electricity), int(Meters::Kind::Electricity));
    kind->addItem(Meters::kindText(Meters::Kind::Water), int(Meters::Kind::Water));
    kind->setCurrentIndex(m.kind == Meters::Kind::Water ? 1 : 0);
    auto* unit = form.add(tr("&Unit:"), new QLineEdit(m.unit, &form), QStringLiteral("txtUnit"));
    connect(kind, &QComboBox::currentIndexChanged, &form, [kind, unit] {
        unit->setText(Meters::defaultUnit(static_cast<Meters::Kind>(kind->currentData().toInt())));
    });
    auto* digits = form.add(tr("&Digits:"), new QSpinBox(&form), QStringLiteral("spnDigits"));
    digits->setRange(Meters::MinDigits, Meters::MaxDigits);
    digits->setValue(m.digits);
    auto* berth = form.add(tr("&Berth:"), new QComboBox(&form), QStringLiteral("cboBerth"));
    berth->addItem(tr("(none)"), 0);
    for (const auto& [id, name] : *berths)
        berth->addItem(name, id);
    berth->setCurrentIndex(std::max(0, berth->findData(m.berthId.value_or(0))));
    auto* fitted = form.add(tr("&Fitted:"), new QDateEdit(m.fitted, &form), QStringLiteral("dtpFitted"));
    fitted->setDisplayFormat(DateTimes::dateFormat());
    auto* isRemoved = form.add(tr("&Removed:"), new QCheckBox(&form), QStringLiteral("chkRemoved"));
    isRemoved->setChecked(m.removed.isValid());
    auto* removed = form.add(tr("Removed &on:"), new QDateEdit(m.removed.isValid() ? m.removed : m.fitted, &form),
                             QStringLiteral("dtpRemoved"));
    removed->setDisplayFormat(DateTimes::dateFormat());
    auto* notes = form.add(tr("&Notes:"), new QLineEdit(m.notes, &form), QStringLiteral("txtNotes"));
    form.check = [&] {
        m.serial = serial->text();
        m.kind = static_cast<Meters::Kind>(kind->currentData().toInt());
        m.unit = unit->text();
        m.digits = digits->value();
        const int b = berth->currentData().toInt();
        m.berthId = b > 0 ? std::optional<int>(b) : std::nullopt;
        m.fitted = fitted->date();
        m.removed = isRemoved->isChecked() ? removed->date() : QDate();
        m.notes = notes->text();
        const auto saved = MeterStore::saveMeter(m_services.db(), m);
        if (!saved)
            return told(saved.failure());
        m_services.events.log(EventLog::MeterModified, QStringLiteral("Meter %1 saved").arg(m.serial));
        return true;
    };
    if (form.exec() == QDialog::Accepted)
        reload();
}

void MetersDialog::swapMeter()
{
    const auto old = chosen();
    if (!old)
        return;
    FormDialog form(tr("Swap Meter %1").arg(old->serial), this);
    auto* when =
        form.add(tr("&Swapped at:"), new QDateTimeEdit(m_services.clock.now(), &form), QStringLiteral("dtpWhen"));
    when->setDisplayFormat(DateTimes::dateTimeFormat());
    auto* closing =
        form.add(tr("&Closing reading of %1:").arg(old->serial), new QLineEdit(&form), QStringLiteral("txtClosing"));
    auto* serial = form.add(tr("&New meter's serial:"), new QLineEdit(&form), QStringLiteral("txtSerial"));
    auto* digits = form.add(tr("&Digits:"), new QSpinBox(&form), QStringLiteral("spnDigits"));
    digits->setRange(Meters::MinDigits, Meters::MaxDigits);
    digits->setValue(old->digits);
    auto* opening =
        form.add(tr("&Opening reading:"), new QLineEdit(QStringLiteral("0"), &form), QStringLiteral("txtOpening"));
    form.check = [&] {
        const auto close = Meters::readValue(closing->text(), old->digits);
        if (!close)
            return told(close.failure());
        const auto open = Meters::readValue(opening->text(), digits->value());
        if (!open)
            return told(open.failure());
        Meters::Meter fresh = *old;
        fresh.serial = serial->text();
        fresh.digits = digits->value();
        fresh.removed = {};
        const QDateTime at = DateTimes::wallTime(when->date(), when->time());
        const auto id = MeterStore::swap(m_services.db(), old->id, {old->id, at, *close, false, {}}, fresh, *open,
                                         m_services.clock.now(), Actor::label());
        if (!id)
            return told(id.failure());
        m_services.events.log(EventLog::MeterModified,
                              QStringLiteral("Meter %1 swapped for %2").arg(old->serial, fresh.serial));
        return true;
    };
    if (form.exec() == QDialog::Accepted)
        reload();
}

void MetersDialog::addReading()
{
    const auto m = chosen();
    if (!m)
        return;
    FormDialog form(tr("Reading of %1").arg(m->serial), this);
    auto* when = form.add(tr("&Read at:"), new QDateTimeEdit(m_services.clock.now(), &form), QStringLiteral("dtpWhen"));
    when->setDisplayFormat(DateTimes::dateTimeFormat());
    auto* value = form.add(tr("R&eading (%1):").arg(m->unit), new QLineEdit(&form), QStringLiteral("txtReading"));
    auto* note = form.add(tr("&Note:"), new QLineEdit(&form), QStringLiteral("txtNote"));
    value->setFocus();
    form.check = [&] {
        const auto read = Meters::readValue(value->text(), m->digits);
        if (!read)
            return told(read.failure());
        MeterStore::NewReading r{m->id, DateTimes::wallTime(when->date(), when->time()), *read, false, note->text()};
        const QString desk = Actor::label();
        auto added = MeterStore::addReading(m_services.db(), r, m_services.clock.now(), desk);
        if (!added && !m_shown.isEmpty() && *read < m_shown.last().value) {
            if (m_services.messages.show(
                    tr("%1 is below the last reading (%2).\n\nYes: the meter rolled over and started again from zero. "
                       "No: go back and correct the reading.")
                        .arg(Meters::valueText(*read), Meters::valueText(m_shown.last().value)),
                    windowTitle(), MsgIcon::Question, MsgButtons::YesNo) != MsgResult::Yes)
                return false;
            r.rolledOver = true;
            added = MeterStore::addReading(m_services.db(), r, m_services.clock.now(), desk);
        }
        if (!added)
            return told(added.failure());
        m_services.events.log(EventLog::MeterReadingAdded,
                              QStringLiteral("Meter %1: %2").arg(m->serial, Meters::valueText(*read, QLocale::c())));
        if (added->flagged)
            m_services.messages.show(tr("The use since the last reading is more than three times the berth's usual: "
                                        "the reading is kept and marked."),
                                     windowTitle(), MsgIcon::Information, MsgButtons::Ok);
        return true;
    };
    if (form.exec() == QDialog::Accepted)
        showReadings();
}

void MetersDialog::correctReading()
{
    const auto m = chosen();
    const int row = m_readings->currentRow();
    if (!m || row < 0 || row >= m_shown.size())
        return;
    const Meters::Reading r = m_shown.at(row);
    FormDialog form(tr("Correct the reading of %1").arg(DateTimes::dateTimeText(r.readAt)), this);
    auto* value = form.add(tr("&Reading (%1):").arg(m->unit), new QLineEdit(Meters::valueText(r.value), &form),
                           QStringLiteral("txtReading"));
    auto* rolled = form.add(tr("Rolled &over:"), new QCheckBox(&form), QStringLiteral("chkRolledOver"));
    rolled->setChecked(r.rolledOver);
    auto* note = form.add(tr("&Why:"), new QLineEdit(&form), QStringLiteral("txtNote"));
    form.check = [&] {
        const auto read = Meters::readValue(value->text(), m->digits);
        if (!read)
            return told(read.failure());
        const auto fixed = MeterStore::correct(m_services.db(), r.id, *read, rolled->isChecked(), note->text(),
                                               m_services.clock.now(), Actor::label());
        if (!fixed)
            return told(fixed.failure());
        m_services.events.log(EventLog::MeterReadingAdded,
                              QStringLiteral("Meter %1: reading of %2 corrected from %3 to %4")
                                  .arg(m->serial, r.readAt.toString(QStringLiteral("dd.MM.yyyy HH:mm")),
                                       Meters::valueText(r.value, QLocale::c()),
                                       Meters::valueText(*read, QLocale::c())));
        return true;
    };
    if (form.exec() == QDialog::Accepted)
        showReadings();
}

void MetersDialog::editTariffs()
{
    // Tariffs are prices, kept with the rates and taxes.
    if (!Permission::askOrApprove(m_services, this, Action::RatesAndTaxes))
        return;
    const auto stored = MeterStore::tariffs(m_services.db());
    if (!stored) {
        told(stored.failure());
        return;
    }
    FormDialog form(tr("Meter Tariffs"), this);
    form.form->addRow(new QLabel(tr("One tariff a line, in force from its date until the next of its kind. Bands: "
                                    "\"10 at 0.10; 30 at 0.20\", the first units of a bill at those prices."),
                                 &form));
    auto* grid = table(&form, QStringLiteral("tblTariffs"),
                       {tr("Kind"), tr("From"), tr("Per unit"), tr("Per day"), tr("Bands")});
    grid->setEditTriggers(QAbstractItemView::AllEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    form.form->addRow(grid);
    const auto addRow = [grid](const QStringList& cells) {
        const int row = grid->rowCount();
        grid->insertRow(row);
        fillRow(grid, row, cells);
    };
    for (const Meters::Tariff& t : *stored)
        addRow({Meters::kindText(t.kind), DateTimes::dateText(t.from), t.unitPrice.plainText(), t.standing.plainText(),
                Meters::bandsText(t.bands)});
    auto* cmdAdd = new QPushButton(tr("&Add a Line"), &form);
    cmdAdd->setObjectName(QStringLiteral("cmdAddTariff"));
    auto* cmdRemove = new QPushButton(tr("&Remove the Line"), &form);
    cmdRemove->setObjectName(QStringLiteral("cmdRemoveTariff"));
    connect(cmdAdd, &QPushButton::clicked, &form, [&] {
        addRow({Meters::kindText(Meters::Kind::Electricity), DateTimes::dateText(m_services.clock.now().date()),
                QStringLiteral("0.00"), QStringLiteral("0.00"), QString()});
        grid->setCurrentCell(grid->rowCount() - 1, 2);
    });
    connect(cmdRemove, &QPushButton::clicked, &form, [grid] {
        if (grid->currentRow() >= 0)
            grid->removeRow(grid->currentRow());
    });
    auto* rowButtons = new QHBoxLayout;
    rowButtons->addWidget(cmdAdd);
    rowButtons->addWidget(cmdRemove);
    rowButtons->addStretch(1);
    form.form->addRow(rowButtons);
    form.resize(720, 420);
    form.check = [&] {
        QList<Meters::Tariff> list;
        for (int row = 0; row < grid->rowCount(); ++row) {
            const auto cell = [&](int c) {
                return grid->item(row, c) ? grid->item(row, c)->text().trimmed() : QString();
            };
            Meters::Tariff t;
            t.kind = cell(0).compare(Meters::kindText(Meters::Kind::Water), Qt::CaseInsensitive) == 0
                         ? Meters::Kind::Water
                         : Meters::Kind::Electricity;
            const auto from = DateTimes::readDate(cell(1), m_services.clock.now().date());
            const auto unit = Money::parse(cell(2));
            const auto standing = Money::parse(cell(3));
            const auto bands = Meters::readBands(cell(4));
            if (!from || !unit || !standing || !bands) {
                grid->setCurrentCell(row, !from ? 1 : !unit ? 2 : !standing ? 3 : 4);
                return told(refused(tr("Line %1: %2")
                                        .arg(row + 1)
                                        .arg(!from    ? from.error()
                                             : !bands ? bands.error()
                                                      : tr("type a price in pounds and pence, as 0.32."))));
            }
            t.from = *from;
            t.unitPrice = *unit;
            t.standing = *standing;
            t.bands = *bands;
            list << t;
        }
        if (const Status saved = MeterStore::saveTariffs(m_services.db(), list); !saved)
            return told(saved.failure());
        m_services.events.log(EventLog::MeterTariffsModified, QStringLiteral("%1 tariff(s)").arg(list.size()));
        return true;
    };
    form.exec();
}

void MetersDialog::printWalk()
{
    const auto lines = MeterStore::walk(m_services.db(), m_services.clock.now().date());
    if (!lines) {
        told(lines.failure());
        return;
    }
    DocumentRenderer::preview(MeterWalk::document(*lines, m_services.clock.now()), this, &m_services,
                              QStringLiteral("Meter Walk.pdf"));
}

void MetersDialog::importReadings()
{
    FileRequest request;
    request.title = tr("Import Readings");
    request.filter = tr("CSV Files (*.csv *.txt);;All Files (*)");
    const QString path = m_services.files.choose(request);
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        told(fileFailure(tr("%1 could not be read: %2").arg(path, file.errorString())));
        return;
    }
    const QDateTime now = m_services.clock.now();
    const auto rows = MeterImport::dryRun(m_services.db(), file, now);
    if (!rows) {
        told(rows.failure());
        return;
    }
    QStringList lines;
    int saved = 0;
    for (const MeterImport::Row& r : *rows) {
        saved += r.saved() ? 1 : 0;
        lines << tr("Line %1: %2 %3 %4: %5%6")
                     .arg(r.line)
                     .arg(r.serial, r.when, r.value, MeterImport::fateText(r.fate),
                          r.why.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(r.why));
    }
    if (lines.size() > 40)
        lines = lines.mid(0, 40) << tr("... and %1 more.").arg(rows->size() - 40);
    if (saved == 0) {
        told(refused(tr("No reading in the file can be added:\n%1").arg(lines.join(u'\n'))));
        return;
    }
    if (m_services.messages.show(tr("%1 of %2 readings can be added:\n%3\n\nYes adds those %1 now; No adds nothing.")
                                     .arg(saved)
                                     .arg(rows->size())
                                     .arg(lines.join(u'\n')),
                                 windowTitle(), MsgIcon::Question, MsgButtons::YesNo) != MsgResult::Yes)
        return;
    const auto added = MeterImport::import(m_services.db(), *rows, now, Actor::label());
    if (!added) {
        told(added.failure());
        return;
    }
    m_services.events.log(EventLog::MeterReadingsImported,
                          QStringLiteral("%1 reading(s) from %2").arg(*added).arg(path));
    reload();
}
