#include "shell/CompanyDialog.h"

#include "core/Seams.h"
#include "core/ui/DataControl.h"
#include "core/ui/FocusNextControl.h"

#include <QCoreApplication>
#include <QDataWidgetMapper>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlTableModel>
#include <QVBoxLayout>

namespace {
struct Field
{
    const char16_t* column;
    const char* label; // nullptr: the key, not shown; translated where shown
};

// The columns in the order of the window's boxes txtFields0 .. txtFields11.
constexpr Field Fields[] = {
    {u"CompanyID", nullptr},
    {u"Company Name", QT_TRANSLATE_NOOP("CompanyDialog", "Company Name:")},
    {u"Trading Name", QT_TRANSLATE_NOOP("CompanyDialog", "Trading Name:")},
    {u"Street", QT_TRANSLATE_NOOP("CompanyDialog", "Street:")},
    {u"Area", QT_TRANSLATE_NOOP("CompanyDialog", "Area:")},
    {u"Town", QT_TRANSLATE_NOOP("CompanyDialog", "Town:")},
    {u"County", QT_TRANSLATE_NOOP("CompanyDialog", "County:")},
    {u"Postcode", QT_TRANSLATE_NOOP("CompanyDialog", "Postcode:")},
    {u"Telephone No", QT_TRANSLATE_NOOP("CompanyDialog", "Telephone No:")},
    {u"VAT No", QT_TRANSLATE_NOOP("CompanyDialog", "VAT No:")},
    {u"Receipt Footer", QT_TRANSLATE_NOOP("CompanyDialog", "Receipt Footer:")},
    {u"TermsandConditions", QT_TRANSLATE_NOOP("CompanyDialog", "Terms and Conditions:")},
};
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

    auto* cmdUpdate = new QPushButton(tr("&Update"), this);
    cmdUpdate->setObjectName(QStringLiteral("cmdUpdate"));
    auto* cmdRefresh = new QPushButton(tr("&Refresh"), this);
    cmdRefresh->setObjectName(QStringLiteral("cmdRefresh"));
    auto* cmdClose = new QPushButton(tr("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    for (QPushButton* button : {cmdUpdate, cmdRefresh, cmdClose})
        button->setAutoDefault(false);
    connect(cmdUpdate, &QPushButton::clicked, this, &CompanyDialog::onUpdate);
    connect(cmdRefresh, &QPushButton::clicked, this, &CompanyDialog::onRefresh);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdUpdate);
    buttons->addWidget(cmdRefresh);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form, 1);
    layout->addWidget(m_data->bar());
    layout->addLayout(buttons);
    resize(520, 560);

    FocusNextControl::install(this);
    openCompany();
}

void CompanyDialog::display(Services& services, QWidget* parent)
{
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
    moveTo(0);
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
    QSqlTableModel* model = m_data->model();
    if (!model)
        return;
    // The box being typed in has not handed its text over yet.
    m_data->mapper()->submit();
    const int row = m_data->currentRow();
    if (!model->submitAll()) {
        // The typed values stay in the boxes and in the model's cache for another try.
        showDataError(model->lastError().text());
        return;
    }
    moveTo(row);
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
}

void CompanyDialog::showDataError(const QString& description)
{
    m_services.messages.show(tr("Data error event hit err:%1").arg(description), windowTitle(), MsgIcon::None,
                             MsgButtons::Ok);
}
