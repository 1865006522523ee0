#include "imports/ImportWizard.h"

#include "core/DateTimes.h"
#include "core/EventLog.h"
#include "core/MessageLog.h"
#include "core/Seams.h"
#include "outputs/CsvExport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {
enum Page
{
    FilePage,
    MappingPage,
    VerdictPage
};
constexpr int ProgressSteps = 1000;

QPushButton* button(const QString& caption, const QString& name, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QTableWidget* list(const QString& name, const QStringList& columns, QWidget* parent)
{
    auto* table = new QTableWidget(0, int(columns.size()), parent);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(columns);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    QHeaderView* header = table->horizontalHeader();
    header->setStretchLastSection(true);
    // Each column at least as wide as its heading: a longer translation widens it, and the list scrolls sideways.
    for (int c = 0; c < header->count(); ++c)
        header->resizeSection(c, std::max(header->defaultSectionSize(), header->sectionSizeHint(c)));
    return table;
}

QLabel* buddyLabel(const QString& caption, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setBuddy(buddy);
    return label;
}
} // namespace

ImportWizard::ImportWizard(Services& services, Backup backup, QWidget* parent)
    : QDialog(parent), m_services(services), m_backup(std::move(backup))
{
    setObjectName(QStringLiteral("frmImport"));
    setWindowTitle(tr("Import"));
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(filePage());
    m_pages->addWidget(mappingPage());
    m_pages->addWidget(verdictPage());

    m_cmdBack = button(tr("&Back"), QStringLiteral("cmdBack"), this);
    m_cmdNext = button(tr("&Next"), QStringLiteral("cmdNext"), this);
    m_cmdClose = button(tr("Close"), QStringLiteral("cmdClose"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdBack);
    buttons->addWidget(m_cmdNext);
    buttons->addWidget(m_cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages, 1);
    layout->addLayout(buttons);
    connect(m_cmdBack, &QPushButton::clicked, this, &ImportWizard::back);
    connect(m_cmdNext, &QPushButton::clicked, this, &ImportWizard::next);
    connect(m_cmdClose, &QPushButton::clicked, this, &ImportWizard::reject);
    resize(900, 600);
    fillBatches();
    showPage(FilePage);
}

QWidget* ImportWizard::filePage()
{
    auto* page = new QWidget(m_pages);
    page->setObjectName(QStringLiteral("fraFile"));
    m_cboKind = new QComboBox(page);
    m_cboKind->setObjectName(QStringLiteral("cboKind"));
    for (const ImportFields::Kind kind : ImportFields::Kinds)
        m_cboKind->addItem(ImportFields::kindName(kind), int(kind));
    m_txtFile = new QLineEdit(page);
    m_txtFile->setObjectName(QStringLiteral("txtFile"));
    auto* cmdBrowse = button(tr("B&rowse..."), QStringLiteral("cmdBrowse"), page);
    m_cboEncoding = new QComboBox(page);
    m_cboEncoding->setObjectName(QStringLiteral("cboEncoding"));
    m_cboEncoding->addItem(tr("UTF-8"), int(CsvRead::Encoding::Utf8));
    m_cboEncoding->addItem(tr("Windows-1252 (Western European)"), int(CsvRead::Encoding::Windows1252));
    m_cboDelimiter = new QComboBox(page);
    m_cboDelimiter->setObjectName(QStringLiteral("cboDelimiter"));
    m_cboDelimiter->addItem(tr("Comma (,)"), int(u','));
    m_cboDelimiter->addItem(tr("Semicolon (;)"), int(u';'));
    m_cboDelimiter->addItem(tr("Tab"), int(u'\t'));
    m_chkHeadings = new QCheckBox(tr("The first row holds &headings"), page);
    m_chkHeadings->setObjectName(QStringLiteral("chkHeadings"));
    m_chkHeadings->setChecked(true);
    m_lstBatches = list(QStringLiteral("lstBatches"),
                        {tr("Imported"), tr("Kind"), tr("File"), tr("Added"), tr("Updated"), tr("Skipped"),
                         tr("Refused"), tr("By"), tr("Undone")},
                        page);
    m_cmdUndo = button(tr("&Undo this import"), QStringLiteral("cmdUndo"), page);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_txtFile, 1);
    fileRow->addWidget(cmdBrowse);
    auto* form = new QFormLayout;
    form->addRow(buddyLabel(tr("&Kind of records:"), m_cboKind, page), m_cboKind);
    form->addRow(buddyLabel(tr("&File:"), m_txtFile, page), fileRow);
    form->addRow(buddyLabel(tr("&Encoding:"), m_cboEncoding, page), m_cboEncoding);
    form->addRow(buddyLabel(tr("&Delimiter:"), m_cboDelimiter, page), m_cboDelimiter);
    form->addRow(QString(), m_chkHeadings);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(form);
    layout->addWidget(buddyLabel(tr("&Past imports:"), m_lstBatches, page));
    layout->addWidget(m_lstBatches, 1);
    auto* undoRow = new QHBoxLayout;
    undoRow->addStretch();
    undoRow->addWidget(m_cmdUndo);
    layout->addLayout(undoRow);

    connect(cmdBrowse, &QPushButton::clicked, this, &ImportWizard::chooseFile);
    connect(m_txtFile, &QLineEdit::editingFinished, this, &ImportWizard::readFormat);
    connect(m_cmdUndo, &QPushButton::clicked, this, &ImportWizard::undoBatch);
    return page;
}

QWidget* ImportWizard::mappingPage()
{
    auto* page = new QWidget(m_pages);
    page->setObjectName(QStringLiteral("fraMapping"));
    m_grdMapping = list(QStringLiteral("grdMapping"), {tr("Field"), tr("Column of the file")}, page);
    m_grdMapping->setSelectionMode(QAbstractItemView::NoSelection);
    m_cboDates = new QComboBox(page);
    m_cboDates->setObjectName(QStringLiteral("cboDates"));
    for (const DateTimes::DateStyle style : ImportFields::DateStyles)
        m_cboDates->addItem(ImportFields::dateStyleExample(style), int(style));
    if (const int shown = m_cboDates->findData(int(DateTimes::dateStyle())); shown >= 0)
        m_cboDates->setCurrentIndex(shown);
    m_cboAmounts = new QComboBox(page);
    m_cboAmounts->setObjectName(QStringLiteral("cboAmounts"));
    for (const auto style : {ImportFields::AmountStyle::PointDecimal, ImportFields::AmountStyle::CommaDecimal})
        m_cboAmounts->addItem(ImportFields::amountStyleExample(style), int(style));
    m_optSkip = new QRadioButton(tr("&Skip rows already on record"), page);
    m_optSkip->setObjectName(QStringLiteral("optSkip"));
    m_optSkip->setChecked(true);
    m_optUpdate = new QRadioButton(tr("&Update rows already on record from the file"), page);
    m_optUpdate->setObjectName(QStringLiteral("optUpdate"));
    m_cboMappings = new QComboBox(page);
    m_cboMappings->setObjectName(QStringLiteral("cboMappings"));
    m_cboMappings->setEditable(true);
    auto* cmdLoad = button(tr("&Load"), QStringLiteral("cmdLoadMapping"), page);
    auto* cmdSave = button(tr("Sa&ve"), QStringLiteral("cmdSaveMapping"), page);

    auto* saved = new QHBoxLayout;
    saved->addWidget(m_cboMappings, 1);
    saved->addWidget(cmdLoad);
    saved->addWidget(cmdSave);
    auto* form = new QFormLayout;
    form->addRow(buddyLabel(tr("Saved &mappings:"), m_cboMappings, page), saved);
    form->addRow(buddyLabel(tr("&Dates written as:"), m_cboDates, page), m_cboDates);
    form->addRow(buddyLabel(tr("&Amounts written as:"), m_cboAmounts, page), m_cboAmounts);
    form->addRow(tr("Rows already on record:"), m_optSkip);
    form->addRow(QString(), m_optUpdate);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(buddyLabel(tr("&Columns (fields marked * are needed):"), m_grdMapping, page));
    layout->addWidget(m_grdMapping, 1);
    layout->addLayout(form);
    connect(cmdLoad, &QPushButton::clicked, this, &ImportWizard::loadMapping);
    connect(cmdSave, &QPushButton::clicked, this, &ImportWizard::saveMapping);
    return page;
}

QWidget* ImportWizard::verdictPage()
{
    auto* page = new QWidget(m_pages);
    page->setObjectName(QStringLiteral("fraVerdicts"));
    m_lblCounts = new QLabel(page);
    m_lblCounts->setObjectName(QStringLiteral("lblCounts"));
    m_lstVerdicts = list(QStringLiteral("lstVerdicts"), ImportRun::listColumns(), page);
    auto* cmdSaveList = button(tr("&Save list..."), QStringLiteral("cmdSaveList"), page);
    m_progress = new QProgressBar(page);
    m_progress->setObjectName(QStringLiteral("prgImport"));
    m_progress->setRange(0, ProgressSteps);
    m_cmdImport = button(tr("&Import"), QStringLiteral("cmdImport"), page);
    m_cmdStop = button(tr("S&top"), QStringLiteral("cmdStop"), page);
    m_cmdStop->setEnabled(false);

    auto* actions = new QHBoxLayout;
    actions->addWidget(cmdSaveList);
    actions->addWidget(m_progress, 1);
    actions->addWidget(m_cmdImport);
    actions->addWidget(m_cmdStop);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_lblCounts);
    layout->addWidget(buddyLabel(tr("&Verdicts (nothing has been written yet):"), m_lstVerdicts, page));
    layout->addWidget(m_lstVerdicts, 1);
    layout->addLayout(actions);
    connect(cmdSaveList, &QPushButton::clicked, this, &ImportWizard::saveList);
    connect(m_cmdImport, &QPushButton::clicked, this, &ImportWizard::runImport);
    connect(m_cmdStop, &QPushButton::clicked, this, [this] { m_cancelled = true; });
    return page;
}

void ImportWizard::showPage(int page)
{
    m_pages->setCurrentIndex(page);
    m_cmdBack->setVisible(page != FilePage);
    m_cmdNext->setVisible(page != VerdictPage);
    const QStringList captions{tr("Import: the file"), tr("Import: the columns"), tr("Import: the dry run")};
    setWindowTitle(captions.value(page));
}

void ImportWizard::next()
{
    if (m_pages->currentIndex() == FilePage) {
        if (m_txtFile->text().trimmed().isEmpty()) {
            m_services.messages.show(tr("Please choose the file to import."), windowTitle(), MsgIcon::Exclamation);
            m_txtFile->setFocus();
            return;
        }
        const ImportRun::Source source = options().source;
        const auto headings = ImportRun::headings(source);
        if (!headings) {
            tell(headings.failure());
            return;
        }
        m_headings = *headings;
        fillMapping();
        showPage(MappingPage);
        return;
    }
    // The required fields are checked before a row is read.
    const QStringList missing = ImportFields::unmappedRequired(options().kind, options().mapping);
    if (!missing.isEmpty()) {
        m_services.messages.show(tr("Please choose a column for: %1.").arg(missing.join(QStringLiteral(", "))),
                                 windowTitle(), MsgIcon::Exclamation);
        return;
    }
    showPage(VerdictPage);
    runDryRun();
}

void ImportWizard::back()
{
    if (!m_working)
        showPage(m_pages->currentIndex() - 1);
}

void ImportWizard::reject()
{
    if (m_working) {
        m_cancelled = true;
        return;
    }
    QDialog::reject();
}

void ImportWizard::chooseFile()
{
    FileRequest request;
    request.title = tr("Choose the file to import");
    request.folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    request.filter = tr("CSV Files (*.csv *.txt);;All Files (*)");
    const QString path = m_services.files.choose(request);
    if (path.isEmpty())
        return;
    m_txtFile->setText(path);
    readFormat();
}

void ImportWizard::readFormat()
{
    QFile file(m_txtFile->text().trimmed());
    if (!file.open(QIODevice::ReadOnly))
        return; // told when Next reads it
    const CsvRead::Format format = CsvRead::detect(file);
    m_cboEncoding->setCurrentIndex(m_cboEncoding->findData(int(format.encoding)));
    m_cboDelimiter->setCurrentIndex(m_cboDelimiter->findData(int(format.delimiter)));
}

void ImportWizard::fillMapping()
{
    const ImportFields::Kind kind = options().kind;
    const ImportFields::Mapping proposed = ImportFields::proposed(kind, m_headings);
    const QList<ImportFields::Field> fields = ImportFields::fields(kind);
    m_grdMapping->setRowCount(int(fields.size()));
    for (int row = 0; row < fields.size(); ++row) {
        const ImportFields::Field& field = fields.at(row);
        auto* caption = new QTableWidgetItem(field.required ? field.caption + QStringLiteral(" *") : field.caption);
        caption->setData(Qt::UserRole, field.key);
        m_grdMapping->setItem(row, 0, caption);
        auto* column = new QComboBox(m_grdMapping);
        column->setObjectName(QStringLiteral("cboColumn_") + field.key);
        column->addItem(tr("(none)"), -1);
        for (int i = 0; i < m_headings.size(); ++i)
            column->addItem(m_headings.at(i), i);
        column->setCurrentIndex(column->findData(proposed.value(field.key, -1)));
        m_grdMapping->setCellWidget(row, 1, column);
    }
    m_grdMapping->resizeColumnToContents(0);
    m_cboMappings->clear();
    if (const auto names = ImportFields::Saved::names(m_services.db(), kind))
        m_cboMappings->addItems(*names);
    m_cboMappings->setCurrentText(QString());
}

void ImportWizard::loadMapping()
{
    const auto mapping =
        ImportFields::Saved::load(m_services.db(), options().kind, m_cboMappings->currentText(), m_headings);
    if (!mapping) {
        tell(mapping.failure());
        return;
    }
    for (int row = 0; row < m_grdMapping->rowCount(); ++row) {
        auto* column = qobject_cast<QComboBox*>(m_grdMapping->cellWidget(row, 1));
        column->setCurrentIndex(
            column->findData(mapping->value(m_grdMapping->item(row, 0)->data(Qt::UserRole).toString(), -1)));
    }
}

void ImportWizard::saveMapping()
{
    const Status saved = ImportFields::Saved::save(m_services.db(), options().kind, m_cboMappings->currentText(),
                                                   options().mapping, m_headings);
    if (!saved) {
        tell(saved.failure());
        return;
    }
    const QString name = m_cboMappings->currentText().trimmed();
    if (m_cboMappings->findText(name) < 0)
        m_cboMappings->addItem(name);
}

ImportRun::Options ImportWizard::options() const
{
    ImportRun::Options options;
    options.kind = ImportFields::Kind(m_cboKind->currentData().toInt());
    options.source.path = m_txtFile->text().trimmed();
    options.source.format.encoding = CsvRead::Encoding(m_cboEncoding->currentData().toInt());
    options.source.format.delimiter = char16_t(m_cboDelimiter->currentData().toInt());
    options.source.headings = m_chkHeadings->isChecked();
    for (int row = 0; row < m_grdMapping->rowCount(); ++row)
        if (const auto* column = qobject_cast<QComboBox*>(m_grdMapping->cellWidget(row, 1));
            column && column->currentData().toInt() >= 0)
            options.mapping.insert(m_grdMapping->item(row, 0)->data(Qt::UserRole).toString(),
                                   column->currentData().toInt());
    options.dates = DateTimes::DateStyle(m_cboDates->currentData().toInt());
    options.amounts = ImportFields::AmountStyle(m_cboAmounts->currentData().toInt());
    options.duplicates = m_optUpdate->isChecked() ? ImportRun::OnDuplicate::Update : ImportRun::OnDuplicate::Skip;
    return options;
}

bool ImportWizard::progress(qint64 done, qint64 total)
{
    m_progress->setValue(total > 0 ? int(done * ProgressSteps / total) : 0);
    // The work runs in slices between which the window answers, Stop included.
    QApplication::processEvents();
    return !m_cancelled;
}

void ImportWizard::runDryRun()
{
    m_working = true;
    m_cancelled = false;
    m_cmdImport->setEnabled(false);
    m_cmdBack->setEnabled(false);
    m_cmdStop->setEnabled(true);
    m_lstVerdicts->setRowCount(0);
    m_lblCounts->setText(tr("Reading the file..."));
    const auto outcome = ImportRun::dryRun(m_services.db(), options(),
                                           [this](qint64 done, qint64 total) { return progress(done, total); });
    m_working = false;
    m_cmdStop->setEnabled(false);
    m_cmdBack->setEnabled(true);
    if (!outcome) {
        m_outcome = {};
        m_lblCounts->setText(outcome.kind() == FailureKind::Cancelled ? tr("The dry run was stopped.")
                                                                      : outcome.error());
        if (outcome.kind() != FailureKind::Cancelled)
            tell(outcome.failure());
        return;
    }
    m_outcome = *outcome;
    m_lblCounts->setText(tr("%1 rows to add, %2 already on record, %3 refused.")
                             .arg(m_outcome.accepted)
                             .arg(m_outcome.duplicates)
                             .arg(m_outcome.refused));
    // The refused rows first: they are what the office will want to put right.
    QList<ImportRun::Row> rows = m_outcome.rows;
    std::stable_sort(rows.begin(), rows.end(),
                     [](const ImportRun::Row& a, const ImportRun::Row& b) { return int(a.verdict) > int(b.verdict); });
    m_lstVerdicts->setUpdatesEnabled(false);
    m_lstVerdicts->setRowCount(int(rows.size()));
    for (int i = 0; i < rows.size(); ++i) {
        const ImportRun::Row& row = rows.at(i);
        const QStringList cells{QString::number(row.line), ImportRun::verdictText(row.verdict), row.what, row.reason};
        for (int c = 0; c < cells.size(); ++c)
            m_lstVerdicts->setItem(i, c, new QTableWidgetItem(cells.at(c)));
    }
    m_lstVerdicts->setUpdatesEnabled(true);
    m_cmdImport->setEnabled(m_outcome.accepted > 0 ||
                            (m_outcome.duplicates > 0 && options().duplicates == ImportRun::OnDuplicate::Update));
}

void ImportWizard::runImport()
{
    const auto archive = m_backup ? m_backup() : Result<QString>(QString());
    if (!archive) {
        if (archive.kind() != FailureKind::Cancelled)
            m_services.messages.show(
                tr("The backup before the import failed, so nothing was imported.\n\n%1").arg(archive.error()),
                windowTitle(), MsgIcon::Critical);
        return;
    }
    m_working = true;
    m_cancelled = false;
    m_cmdImport->setEnabled(false);
    m_cmdBack->setEnabled(false);
    m_cmdClose->setEnabled(false);
    m_cmdStop->setEnabled(true);
    const ImportRun::Options chosen = options();
    const auto outcome = ImportRun::import(m_services.db(), chosen, m_services.clock.now(),
                                           [this](qint64 done, qint64 total) { return progress(done, total); });
    m_working = false;
    m_cmdStop->setEnabled(false);
    m_cmdBack->setEnabled(true);
    m_cmdClose->setEnabled(true);
    if (!outcome) {
        m_cmdImport->setEnabled(true);
        m_progress->setValue(0);
        if (outcome.kind() == FailureKind::Cancelled)
            m_services.messages.show(tr("The import was stopped: nothing was imported."), windowTitle(),
                                     MsgIcon::Information);
        else
            tell(outcome.failure());
        return;
    }
    const QString counts = tr("%1 rows added, %2 already on record, %3 refused.")
                               .arg(outcome->accepted)
                               .arg(outcome->duplicates)
                               .arg(outcome->refused);
    m_services.events.log(EventLog::DataImported, QStringLiteral("%1: %2 %3")
                                                      .arg(ImportFields::kindName(chosen.kind),
                                                           QFileInfo(chosen.source.path).fileName(), counts));
    fillBatches();
    m_services.messages.show(tr("The file has been imported: %1\n\nA backup of the database as it was is in %2.")
                                 .arg(counts, archive->isEmpty() ? tr("(none)") : *archive),
                             windowTitle(), MsgIcon::Information);
}

void ImportWizard::saveList()
{
    if (m_outcome.rows.isEmpty()) {
        m_services.messages.show(CsvExport::noData(), windowTitle(), MsgIcon::Information);
        return;
    }
    FileRequest request;
    request.title = tr("Save the dry run's list");
    request.folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    request.proposedName = QFileInfo(m_txtFile->text()).completeBaseName() + tr(" - dry run.csv");
    request.filter = tr("CSV Files (*.csv)");
    request.defaultSuffix = QStringLiteral("csv");
    request.save = true;
    const QString path = m_services.files.choose(request);
    if (path.isEmpty())
        return;
    CsvExport::Table table;
    table.columns = ImportRun::listColumns();
    table.kinds = {CsvExport::ValueKind::Plain, CsvExport::ValueKind::Plain, CsvExport::ValueKind::Plain,
                   CsvExport::ValueKind::Plain};
    table.rows = ImportRun::listRows(m_outcome);
    if (const Status written = CsvExport::writeFile(table, CsvExport::withCsvExtension(path)); !written)
        tell(written.failure());
}

void ImportWizard::fillBatches()
{
    const auto batches = ImportRun::batches(m_services.db());
    m_lstBatches->setRowCount(0);
    if (!batches) {
        MessageLog::logError(batches.error());
        return;
    }
    m_lstBatches->setRowCount(int(batches->size()));
    for (int i = 0; i < batches->size(); ++i) {
        const ImportRun::Batch& batch = batches->at(i);
        const QStringList cells{DateTimes::dateTimeText(batch.importedAt),
                                ImportFields::kindName(batch.kind),
                                batch.fileName,
                                QString::number(batch.added),
                                QString::number(batch.updated),
                                QString::number(batch.skipped),
                                QString::number(batch.refused),
                                batch.desk,
                                DateTimes::dateTimeText(batch.undoneAt)};
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells.at(c));
            item->setData(Qt::UserRole, batch.id);
            m_lstBatches->setItem(i, c, item);
        }
    }
    if (!batches->isEmpty())
        m_lstBatches->selectRow(0);
    m_cmdUndo->setEnabled(!batches->isEmpty());
}

void ImportWizard::undoBatch()
{
    const QTableWidgetItem* chosen = m_lstBatches->item(m_lstBatches->currentRow(), 0);
    if (!chosen)
        return;
    const int batchId = chosen->data(Qt::UserRole).toInt();
    const QString file = m_lstBatches->item(m_lstBatches->currentRow(), 2)->text();
    if (m_services.messages.show(tr("Remove everything the import of %1 added?").arg(file), tr("Undo this import"),
                                 MsgIcon::Question, MsgButtons::YesNo) != MsgResult::Yes)
        return;
    const Status undone = ImportRun::undo(m_services.db(), batchId, m_services.clock.now());
    if (!undone) {
        tell(undone.failure());
        return;
    }
    m_services.events.log(EventLog::ImportUndone, file);
    fillBatches();
    m_services.messages.show(tr("The import of %1 has been undone.").arg(file), tr("Undo this import"),
                             MsgIcon::Information);
}

void ImportWizard::tell(const Failure& failure)
{
    if (failure.kind == FailureKind::Cancelled)
        return;
    if (failure.kind == FailureKind::Database || failure.kind == FailureKind::File)
        MessageLog::logError(failure.text);
    m_services.messages.show(failure.text, windowTitle(),
                             failure.kind == FailureKind::Refused ? MsgIcon::Exclamation : MsgIcon::Critical);
}
