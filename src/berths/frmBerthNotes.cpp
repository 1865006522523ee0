#include "berths/frmBerthNotes.h"

#include "core/Seams.h"
#include "core/modEventLog.h"
#include "core/ui/FocusNextControl.h"
#include "core/ui/Twips.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmBerthNotes::frmBerthNotes(Services& services, QWidget* parent)
    : QDialog(parent), m_services(services), m_notes(services.Db())
{
    setObjectName(QStringLiteral("frmBerthNotes"));
    setWindowTitle(QStringLiteral("Berth  Notes"));

    m_Label1 = new QLabel(QStringLiteral("Add notes to berths."), this);
    m_Label1->setObjectName(QStringLiteral("Label1"));
    m_cboName = new QComboBox(this);
    m_cboName->setObjectName(QStringLiteral("cboName"));
    m_txtNotes = new QPlainTextEdit(this);
    m_txtNotes->setObjectName(QStringLiteral("txtNotes"));
    m_txtNotes->setTabChangesFocus(true);
    m_cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    for (QPushButton* button : {m_cmdOK, m_cmdCancel})
        button->setAutoDefault(false);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Available berths:"), m_cboName);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(m_cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_Label1);
    layout->addLayout(form);
    layout->addWidget(m_txtNotes, 1);
    layout->addLayout(buttons);
    resize(Twips::ToPixelsX(5400, this), Twips::ToPixelsY(4200, this));

    QString error;
    m_loaded = m_notes.Load(&error);
    if (!m_loaded)
        m_services.messages.Show(QStringLiteral("The berths could not be read.\n\n") + error, windowTitle(),
                                 MsgIcon::Critical, MsgButtons::Ok);
    for (const BerthNotes::Berth& berth : m_notes.Berths())
        m_cboName->addItem(berth.name, berth.id);
    // Nothing is chosen at first, so the notes box belongs to no berth.
    m_cboName->setCurrentIndex(-1);
    m_txtNotes->setEnabled(false);

    connect(m_cboName, &QComboBox::currentIndexChanged, this, &frmBerthNotes::Select);
    connect(m_cmdOK, &QPushButton::clicked, this, &frmBerthNotes::Ok);
    connect(m_cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    FocusNextControl::Install(this);
}

void frmBerthNotes::Display(Services& services, QWidget* parent)
{
    frmBerthNotes window(services, parent);
    if (window.Loaded())
        window.exec();
}

void frmBerthNotes::KeepTypedNotes()
{
    if (m_shownId)
        m_notes.SetNotes(*m_shownId, m_txtNotes->toPlainText());
}

void frmBerthNotes::Select()
{
    KeepTypedNotes();
    if (m_cboName->currentIndex() < 0) {
        m_shownId.reset();
        m_txtNotes->clear();
        m_txtNotes->setEnabled(false);
        return;
    }
    m_shownId = m_cboName->currentData().toInt();
    m_txtNotes->setPlainText(m_notes.Notes(*m_shownId));
    m_txtNotes->setEnabled(true);
}

void frmBerthNotes::Ok()
{
    KeepTypedNotes();
    QString error;
    if (!m_notes.Save(&error)) {
        // The typed notes stay in the window, so the user can try again or cancel.
        m_services.messages.Show(QStringLiteral("The notes could not be saved; nothing was changed.\n\n") + error,
                                 windowTitle(), MsgIcon::Critical, MsgButtons::Ok);
        return;
    }
    modEventLog::LogEvent(m_services.clock.Now(), modEventLog::BerthModified, QStringLiteral("Notes modified"));
    accept();
}
