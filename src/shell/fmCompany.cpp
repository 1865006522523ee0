#include "shell/fmCompany.h"

#include "core/Database.h"
#include "core/Registry.h"
#include "core/Seams.h"
#include "core/ui/FocusNextControl.h"

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
    const char16_t* label; // nullptr: the key, not shown
};

// The columns in the order of the window's boxes txtFields0 .. txtFields11.
constexpr Field Fields[] = {
    {u"CompanyID", nullptr},
    {u"Company Name", u"Company Name:"},
    {u"Trading Name", u"Trading Name:"},
    {u"Street", u"Street:"},
    {u"Area", u"Area:"},
    {u"Town", u"Town:"},
    {u"County", u"County:"},
    {u"Postcode", u"Postcode:"},
    {u"Telephone No", u"Telephone No:"},
    {u"VAT No", u"VAT No:"},
    {u"Receipt Footer", u"Receipt Footer:"},
    {u"TermsandConditions", u"Terms and Conditions:"},
};
constexpr int TermsField = 11;

int NextConnectionNumber()
{
    static int number = 0;
    return ++number;
}
} // namespace

fmCompany::fmCompany(Services& services, QWidget* parent)
    : QDialog(parent), m_services(services),
      m_connectionName(QStringLiteral("fmCompany-%1").arg(NextConnectionNumber()))
{
    setObjectName(QStringLiteral("fmCompany"));
    setWindowTitle(QStringLiteral("Setup Company Information"));

    m_mapper = new QDataWidgetMapper(this);
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
            auto* note = new QLabel(QStringLiteral("Copy  and paste or type your reservation terms and conditions "
                                                   "below. These will appear on the booking form."),
                                    this);
            note->setObjectName(QStringLiteral("lblTermsNote"));
            note->setWordWrap(true);
            form->addRow(note);
            form->addRow(QString::fromUtf16(Fields[i].label), box);
        } else {
            form->addRow(QString::fromUtf16(Fields[i].label), box);
        }
    }

    // The record bar of the data control: moves and the position.
    auto* bar = new QHBoxLayout;
    const QStringList moveNames = {QStringLiteral("cmdFirst"), QStringLiteral("cmdPrevious"), QStringLiteral("cmdNext"),
                                   QStringLiteral("cmdLast")};
    const QStringList moveTexts = {QStringLiteral("|<"), QStringLiteral("<"), QStringLiteral(">"),
                                   QStringLiteral(">|")};
    for (int i = 0; i < moveNames.size(); ++i) {
        auto* move = new QPushButton(moveTexts.at(i), this);
        move->setObjectName(moveNames.at(i));
        move->setAutoDefault(false);
        move->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("|<|<")) + 8);
        m_moves.append(move);
    }
    m_datPrimaryRS = new QLabel(this);
    m_datPrimaryRS->setObjectName(QStringLiteral("datPrimaryRS"));
    m_datPrimaryRS->setFrameShape(QFrame::StyledPanel);
    m_datPrimaryRS->setAlignment(Qt::AlignCenter);
    bar->addWidget(m_moves.at(0));
    bar->addWidget(m_moves.at(1));
    bar->addWidget(m_datPrimaryRS, 1);
    bar->addWidget(m_moves.at(2));
    bar->addWidget(m_moves.at(3));
    connect(m_moves.at(0), &QPushButton::clicked, m_mapper, &QDataWidgetMapper::toFirst);
    connect(m_moves.at(1), &QPushButton::clicked, m_mapper, &QDataWidgetMapper::toPrevious);
    connect(m_moves.at(2), &QPushButton::clicked, m_mapper, &QDataWidgetMapper::toNext);
    connect(m_moves.at(3), &QPushButton::clicked, m_mapper, &QDataWidgetMapper::toLast);
    connect(m_mapper, &QDataWidgetMapper::currentIndexChanged, this,
            [this](int row) { m_datPrimaryRS->setText(QStringLiteral("Record: %1").arg(row + 1)); });

    auto* cmdUpdate = new QPushButton(QStringLiteral("&Update"), this);
    cmdUpdate->setObjectName(QStringLiteral("cmdUpdate"));
    auto* cmdRefresh = new QPushButton(QStringLiteral("&Refresh"), this);
    cmdRefresh->setObjectName(QStringLiteral("cmdRefresh"));
    auto* cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    for (QPushButton* button : {cmdUpdate, cmdRefresh, cmdClose})
        button->setAutoDefault(false);
    connect(cmdUpdate, &QPushButton::clicked, this, &fmCompany::OnUpdate);
    connect(cmdRefresh, &QPushButton::clicked, this, &fmCompany::OnRefresh);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdUpdate);
    buttons->addWidget(cmdRefresh);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form, 1);
    layout->addLayout(bar);
    layout->addLayout(buttons);
    resize(520, 560);

    FocusNextControl::Install(this);
    Open();
}

fmCompany::~fmCompany()
{
    // The model's queries must go before their connection does.
    delete m_mapper;
    m_mapper = nullptr;
    delete m_model;
    m_model = nullptr;
    Database::Close(m_connectionName);
}

void fmCompany::Display(Services& services, QWidget* parent)
{
    fmCompany window(services, parent);
    window.exec();
}

void fmCompany::Open()
{
    QString error;
    const auto db = Database::Open(Settings::DatabasePath(), m_connectionName, 500, &error);
    if (!db) {
        ShowDataError(error);
        for (QWidget* box : m_txtFields)
            box->setEnabled(false);
        return;
    }
    m_model = new QSqlTableModel(this, *db);
    m_model->setTable(QStringLiteral("Company"));
    m_model->setEditStrategy(QSqlTableModel::OnManualSubmit);
    m_model->setSort(m_model->fieldIndex(QStringLiteral("CompanyID")), Qt::AscendingOrder);
    if (!m_model->select())
        ShowDataError(m_model->lastError().text());
    m_mapper->setModel(m_model);
    m_mapper->setSubmitPolicy(QDataWidgetMapper::AutoSubmit);
    for (int i = 0; i < m_txtFields.size(); ++i) {
        const int section = m_model->fieldIndex(QString::fromUtf16(Fields[i].column));
        if (i == TermsField)
            m_mapper->addMapping(m_txtFields.at(i), section, "plainText");
        else
            m_mapper->addMapping(m_txtFields.at(i), section);
    }
    MoveTo(0);
}

void fmCompany::MoveTo(int row)
{
    if (!m_model)
        return;
    const int rows = m_model->rowCount();
    if (rows == 0) {
        m_datPrimaryRS->setText(QStringLiteral("Record: 0"));
        return;
    }
    m_mapper->setCurrentIndex(qBound(0, row, rows - 1));
    m_datPrimaryRS->setText(QStringLiteral("Record: %1").arg(m_mapper->currentIndex() + 1));
}

void fmCompany::OnUpdate()
{
    if (!m_model)
        return;
    // The box being typed in has not handed its text over yet.
    m_mapper->submit();
    const int row = m_mapper->currentIndex();
    if (!m_model->submitAll()) {
        // The typed values stay in the boxes and in the model's cache for another try.
        ShowDataError(m_model->lastError().text());
        return;
    }
    MoveTo(row);
}

void fmCompany::OnRefresh()
{
    if (!m_model)
        return;
    const int row = m_mapper->currentIndex();
    m_model->revertAll();
    if (!m_model->select())
        ShowDataError(m_model->lastError().text());
    MoveTo(row);
}

void fmCompany::ShowDataError(const QString& description)
{
    m_services.messages.Show(QStringLiteral("Data error event hit err:") + description, windowTitle(),
                             MsgIcon::None, MsgButtons::Ok);
}
