#include "shell/CompanyDialog.h"
#include "core/ui/ChangedMeanwhile.h"

#include "contracts/ContractTermsPanel.h"
#include "contracts/HolderShareDialog.h"
#include "core/InputParsing.h"
#include "core/Seams.h"
#include "core/ui/DataControl.h"
#include "core/ui/FocusNextControl.h"
#include "rates/Pricing.h"
#include "shell/CompanyMailPanel.h"
#include "shell/DocumentLanguageDialog.h"
#include "staff/ApprovalDialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDataWidgetMapper>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlTableModel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
constexpr auto& Fields = CompanyStore::Fields;
constexpr int TermsField = 11;
} // namespace

CompanyDialog::CompanyDialog(Services& services, QWidget* parent) : QDialog(parent), m_services(services)
{
    setObjectName(QStringLiteral("fmCompany"));
    setWindowTitle(tr("Setup Company Information"));

    m_data = new DataControl(this, QStringLiteral("picRecordBar"), QStringLiteral("datPrimaryRS"));
    connect(m_data, &DataControl::moveRequested, this, &CompanyDialog::moveTo);
    auto* form = new QFormLayout;
    for (int i = 0; i < static_cast<int>(std::size(Fields)); ++i) {
        QWidget* box = nullptr;
        if (i == TermsField) {
            auto* terms = new QPlainTextEdit(this);
            terms->setTabChangesFocus(true);
            box = terms;
        } else {
            box = new QLineEdit(this);
        }
        box->setObjectName(QStringLiteral("txtFields%1").arg(i));
        m_txtFields.append(box);
        if (!Fields[i].label) {
            // The key stays as it is: the documents and bookings refer to this company by it.
            box->hide();
            continue;
        }
        if (i == TermsField) {
            auto* note = new QLabel(tr("Copy  and paste or type your reservation terms and conditions "
                                       "below. These will appear on the booking form."),
                                    this);
            note->setObjectName(QStringLiteral("lblTermsNote"));
            note->setWordWrap(true);
            form->addRow(note);
            form->addRow(tr(Fields[i].label), box);
        } else {
            form->addRow(tr(Fields[i].label), box);
        }
    }

    m_fraTaxes = new QGroupBox(tr("Taxes"), this);
    m_fraTaxes->setObjectName(QStringLiteral("fraTaxes"));
    m_grdTaxes = new QTableWidget(0, 3, m_fraTaxes);
    m_grdTaxes->setObjectName(QStringLiteral("grdTaxes"));
    m_grdTaxes->setHorizontalHeaderLabels({tr("Name"), tr("Rate %"), tr("From")});
    m_grdTaxes->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_grdTaxes->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grdTaxes->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* cmdAddTax = new QPushButton(tr("&Add"), m_fraTaxes);
    cmdAddTax->setObjectName(QStringLiteral("cmdAddTax"));
    auto* cmdRemoveTax = new QPushButton(tr("Remo&ve"), m_fraTaxes);
    cmdRemoveTax->setObjectName(QStringLiteral("cmdRemoveTax"));
    for (QPushButton* button : {cmdAddTax, cmdRemoveTax})
        button->setAutoDefault(false);
    connect(cmdAddTax, &QPushButton::clicked, this, [this] {
        addTaxRow(QString(), QString(), Pricing::taxDateText(m_services.clock.now().date()));
        const int row = m_grdTaxes->rowCount() - 1;
        m_grdTaxes->setFocus();
        m_grdTaxes->setCurrentCell(row, 0);
        m_grdTaxes->editItem(m_grdTaxes->item(row, 0));
    });
    connect(cmdRemoveTax, &QPushButton::clicked, this, &CompanyDialog::removeTaxRow);
    auto* taxButtons = new QVBoxLayout;
    taxButtons->addWidget(cmdAddTax);
    taxButtons->addWidget(cmdRemoveTax);
    taxButtons->addStretch(1);
    auto* taxLayout = new QHBoxLayout(m_fraTaxes);
    taxLayout->addWidget(m_grdTaxes, 1);
    taxLayout->addLayout(taxButtons);

    // When a booking's money falls due: a deposit at booking and the balance some days before arrival.
    m_fraPayments = new QGroupBox(tr("Deposits and due dates"), this);
    m_fraPayments->setObjectName(QStringLiteral("fraPayments"));
    m_cboDeposit = new QComboBox(m_fraPayments);
    m_cboDeposit->setObjectName(QStringLiteral("cboDeposit"));
    m_cboDeposit->addItems({tr("No deposit"), tr("A fixed amount"), tr("A percentage of the total")});
    const auto paymentBox = [this](const char* name) {
        auto* box = new QLineEdit(m_fraPayments);
        box->setObjectName(QLatin1String(name));
        box->setAlignment(Qt::AlignRight);
        return box;
    };
    m_txtDepositAmount = paymentBox("txtDepositAmount");
    m_txtDepositPercent = paymentBox("txtDepositPercent");
    m_txtDepositMinimum = paymentBox("txtDepositMinimum");
    m_txtBalanceDays = paymentBox("txtBalanceDays");
    auto* paymentsForm = new QFormLayout(m_fraPayments);
    paymentsForm->addRow(tr("D&eposit at booking:"), m_cboDeposit);
    paymentsForm->addRow(tr("Fixed a&mount:"), m_txtDepositAmount);
    paymentsForm->addRow(tr("Percen&tage (%):"), m_txtDepositPercent);
    paymentsForm->addRow(tr("Mi&nimum deposit:"), m_txtDepositMinimum);
    paymentsForm->addRow(tr("Balance due (days &before arrival):"), m_txtBalanceDays);
    const auto showDepositBoxes = [this] {
        const auto kind = PaymentTerms::Deposit(m_cboDeposit->currentIndex());
        m_txtDepositAmount->setEnabled(kind == PaymentTerms::Deposit::Fixed);
        m_txtDepositPercent->setEnabled(kind == PaymentTerms::Deposit::Percent);
        m_txtDepositMinimum->setEnabled(kind == PaymentTerms::Deposit::Percent);
    };
    connect(m_cboDeposit, &QComboBox::currentIndexChanged, this, showDepositBoxes);

    auto* cmdUpdate = new QPushButton(tr("&Update"), this);
    cmdUpdate->setObjectName(QStringLiteral("cmdUpdate"));
    auto* cmdRefresh = new QPushButton(tr("&Refresh"), this);
    cmdRefresh->setObjectName(QStringLiteral("cmdRefresh"));
    auto* cmdClose = new QPushButton(tr("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    auto* cmdMail = new QPushButton(tr("E-ma&il server..."), this);
    cmdMail->setObjectName(QStringLiteral("cmdMailServer"));
    connect(cmdMail, &QPushButton::clicked, this, [this] { CompanyMailPanel::display(m_services, this); });
    for (QPushButton* button : {cmdUpdate, cmdRefresh, cmdClose, cmdMail})
        button->setAutoDefault(false);
    connect(cmdUpdate, &QPushButton::clicked, this, &CompanyDialog::onUpdate);
    connect(cmdRefresh, &QPushButton::clicked, this, &CompanyDialog::onRefresh);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdUpdate);
    buttons->addWidget(cmdRefresh);
    buttons->addWidget(cmdMail);
    buttons->addWidget(HolderShareDialog::opener(m_services, this));
    buttons->addWidget(ContractTermsPanel::button(m_services, this));
    buttons->addWidget(DocumentLanguageDialog::opener(m_services, this));
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form, 1);
    layout->addWidget(m_fraTaxes);
    layout->addWidget(m_fraPayments);
    layout->addWidget(m_data->bar());
    layout->addLayout(buttons);
    resize(520, 720);

    FocusNextControl::install(this);
    openCompany();
    loadTaxes();
    loadTerms();
    showDepositBoxes();
}

void CompanyDialog::display(Services& services, QWidget* parent)
{
    if (!Permission::askOrApprove(services, parent, Action::CompanyDetails))
        return;
    CompanyDialog window(services, parent);
    window.exec();
}

void CompanyDialog::openCompany()
{
    if (const Status opened = m_data->open(m_services, QStringLiteral("Company"), QStringLiteral("CompanyID"));
        !opened) {
        showDataError(opened.error());
        for (QWidget* box : m_txtFields)
            box->setEnabled(false);
        return;
    }
    QSqlTableModel* model = m_data->model();
    QDataWidgetMapper* mapper = m_data->mapper();
    mapper->setSubmitPolicy(QDataWidgetMapper::AutoSubmit);
    for (int i = 0; i < m_txtFields.size(); ++i) {
        const int section = model->fieldIndex(QString::fromUtf16(Fields[i].column));
        if (i == TermsField)
            mapper->addMapping(m_txtFields.at(i), section, "plainText");
        else
            mapper->addMapping(m_txtFields.at(i), section);
    }
    m_store = std::make_unique<CompanyStore>(model->database());
    moveTo(0);
    loadDetails();
}

void CompanyDialog::moveTo(int row)
{
    QSqlTableModel* model = m_data->model();
    if (!model)
        return;
    const int rows = model->rowCount();
    if (rows == 0) {
        m_data->showPosition(-1);
        return;
    }
    m_data->mapper()->setCurrentIndex(qBound(0, row, rows - 1));
    m_data->showPosition(m_data->currentRow());
}

void CompanyDialog::onUpdate()
{
    if (!m_store)
        return;
    // The box being typed in has not handed its text over yet.
    m_data->mapper()->submit();
    CompanyStore::Contents mine{shownDetails(), {}, {}};
    // A box that does not read is pointed out before anything is saved.
    if (m_taxesRead && !(mine.taxes = typedTaxes()))
        return;
    if (m_termsRead && !(mine.terms = typedTerms()))
        return;
    std::optional<FieldChanges::Merge<CompanyStore::Contents>> merge;
    const Status saved = m_store->save(mine, &merge);
    if (merge && !merge->conflicts().isEmpty()) {
        // Both desks changed some fields: nothing was saved, the person sees which and chooses; the rest of both
        // is kept.
        const Meanwhile choice =
            askAboutChanges(m_services.messages, windowTitle(), tr("company information"), merge->conflicts());
        m_store->adopt(*merge);
        const CompanyStore::Contents& chosen = merge->chosen(choice == Meanwhile::KeepTheirs);
        for (const auto& [id, row] : chosen.details)
            if (row)
                showDetails(id, *row);
        if (chosen.taxes)
            showTaxes(*chosen.taxes);
        if (chosen.terms)
            showTerms(*chosen.terms);
        if (choice != Meanwhile::GoBack)
            onUpdate(); // merged again with whatever else was stored since
        return;
    }
    if (!saved) {
        // The typed values stay in the boxes for another try.
        tellTaxes(saved.failure());
        return;
    }
    // Read back as stored, so the next save compares with that.
    onRefresh();
}

void CompanyDialog::onRefresh()
{
    QSqlTableModel* model = m_data->model();
    if (!model)
        return;
    const int row = m_data->currentRow();
    model->revertAll();
    if (!model->select())
        showDataError(model->lastError().text());
    moveTo(row);
    loadDetails();
    loadTaxes();
    loadTerms();
}

void CompanyDialog::loadDetails()
{
    m_data->fetchAll();
    m_store->seeDetails(shownDetails());
}

// The model's rows as the boxes show them, typing included.
CompanyStore::Rows CompanyDialog::shownDetails() const
{
    const QSqlTableModel* model = m_data->model();
    CompanyStore::Rows rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList values;
        for (int i = 1; i < m_txtFields.size(); ++i)
            values << model->index(row, model->fieldIndex(QString::fromUtf16(Fields[i].column))).data().toString();
        rows[model->index(row, model->fieldIndex(QString::fromUtf16(Fields[0].column))).data().toInt()] = values;
    }
    return rows;
}

void CompanyDialog::showDetails(int id, const QStringList& values)
{
    QSqlTableModel* model = m_data->model();
    const int key = model->fieldIndex(QString::fromUtf16(Fields[0].column));
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, key).data().toInt() != id)
            continue;
        for (int i = 1; i < m_txtFields.size(); ++i)
            model->setData(model->index(row, model->fieldIndex(QString::fromUtf16(Fields[i].column))),
                           values.value(i - 1));
    }
    m_data->mapper()->revert();
}

void CompanyDialog::loadTerms()
{
    m_termsRead = false;
    m_fraPayments->setEnabled(false);
    if (!m_store)
        return;
    const auto terms = m_store->loadTerms();
    if (!terms) {
        showDataError(terms.error());
        return;
    }
    m_termsRead = true;
    m_fraPayments->setEnabled(true);
    showTerms(*terms);
}

void CompanyDialog::showTerms(const PaymentTerms& terms)
{
    m_cboDeposit->setCurrentIndex(static_cast<int>(terms.deposit));
    m_txtDepositAmount->setText(terms.fixedAmount.format());
    m_txtDepositPercent->setText(Pricing::taxPercentText(terms.percent));
    m_txtDepositMinimum->setText(terms.minimum.format());
    m_txtBalanceDays->setText(QString::number(terms.balanceDays));
}

// The terms as the boxes hold them; nothing, with the user told, when a box cannot be read.
std::optional<PaymentTerms> CompanyDialog::typedTerms()
{
    PaymentTerms edited;
    edited.deposit = PaymentTerms::Deposit(m_cboDeposit->currentIndex());
    const auto amount = InputChecks::readAmount(
        m_txtDepositAmount->text(), PaymentTerms::MaxDeposit,
        tr("Type the deposit as an amount, for example %1.").arg(Money::fromPence(5000).format()));
    const auto minimum = InputChecks::readAmount(
        m_txtDepositMinimum->text(), PaymentTerms::MaxDeposit,
        tr("Type the minimum deposit as an amount, for example %1.").arg(Money::fromPence(2500).format()));
    const auto percent = Pricing::readTaxPercent(m_txtDepositPercent->text().trimmed());
    bool daysRead = false;
    const int days =
        m_txtBalanceDays->text().trimmed().isEmpty() ? 0 : m_txtBalanceDays->text().trimmed().toInt(&daysRead);
    const auto refuse = [this](QLineEdit* box, const QString& text) {
        m_services.messages.show(text, windowTitle(), MsgIcon::Exclamation, MsgButtons::Ok);
        box->setFocus();
        return std::nullopt;
    };
    if (!amount)
        return refuse(m_txtDepositAmount, amount.error());
    if (!minimum)
        return refuse(m_txtDepositMinimum, minimum.error());
    if (!percent)
        return refuse(m_txtDepositPercent, tr("Type the deposit's percentage, for example 25."));
    if (!daysRead && !m_txtBalanceDays->text().trimmed().isEmpty())
        return refuse(m_txtBalanceDays, tr("Type the number of days before arrival the balance falls due."));
    edited.fixedAmount = *amount;
    edited.minimum = *minimum;
    edited.percent = *percent;
    edited.balanceDays = days;
    return edited;
}

void CompanyDialog::loadTaxes()
{
    m_grdTaxes->setRowCount(0);
    m_taxesRead = false;
    m_fraTaxes->setEnabled(false);
    if (!m_store)
        return;
    const auto taxes = m_store->loadTaxes();
    if (!taxes) {
        showDataError(taxes.error());
        return;
    }
    m_fraTaxes->setEnabled(true);
    m_taxesRead = true;
    showTaxes(*taxes);
}

void CompanyDialog::showTaxes(const QList<Pricing::TaxRate>& taxes)
{
    m_grdTaxes->setRowCount(0);
    for (const Pricing::TaxRate& tax : taxes)
        addTaxRow(tax.name, Pricing::taxPercentText(tax.hundredthsOfPercent), Pricing::taxDateText(tax.from));
}

void CompanyDialog::addTaxRow(const QString& name, const QString& percent, const QString& from)
{
    const int row = m_grdTaxes->rowCount();
    m_grdTaxes->insertRow(row);
    m_grdTaxes->setItem(row, 0, new QTableWidgetItem(name));
    m_grdTaxes->setItem(row, 1, new QTableWidgetItem(percent));
    m_grdTaxes->setItem(row, 2, new QTableWidgetItem(from));
}

void CompanyDialog::removeTaxRow()
{
    if (const int row = m_grdTaxes->currentRow(); row >= 0)
        m_grdTaxes->removeRow(row);
}

// The taxes as the table holds them; nothing, with the user told, when a row cannot be read.
std::optional<QList<Pricing::TaxRate>> CompanyDialog::typedTaxes()
{
    // A cell still being edited (Update pressed by its mnemonic) hands its text over when the current cell moves.
    m_grdTaxes->setCurrentIndex(QModelIndex());
    QList<Pricing::TaxRowText> rows;
    const auto cell = [this](int row, int column) {
        const QTableWidgetItem* item = m_grdTaxes->item(row, column);
        return item ? item->text() : QString();
    };
    for (int row = 0; row < m_grdTaxes->rowCount(); ++row)
        rows << Pricing::TaxRowText{cell(row, 0), cell(row, 1), cell(row, 2)};
    const auto edited = Pricing::readTaxRows(rows);
    if (!edited) {
        tellTaxes(edited.failure());
        return std::nullopt;
    }
    return *edited;
}

void CompanyDialog::tellTaxes(const Failure& failure)
{
    if (failure.kind == FailureKind::Database)
        showDataError(failure.text);
    else
        m_services.messages.show(failure.text, windowTitle(), MsgIcon::Exclamation, MsgButtons::Ok);
}

void CompanyDialog::showDataError(const QString& description)
{
    m_services.messages.show(tr("Data error event hit err:%1").arg(description), windowTitle(), MsgIcon::None,
                             MsgButtons::Ok);
}
