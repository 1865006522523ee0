#include "berths/BerthNotesDialog.h"
#include "core/ui/ChangedMeanwhile.h"

#include "core/EventLog.h"
#include "core/Seams.h"
#include "core/ui/FocusNextControl.h"
#include "core/ui/OldReference.h"
#include "core/ui/Twips.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

BerthNotesDialog::BerthNotesDialog(Services& services, QWidget* parent)
    : QDialog(parent), m_services(services), m_notes(services.db())
{
    setObjectName(QStringLiteral("frmBerthNotes"));
    setWindowTitle(tr("Berth  Notes"));

    m_Label1 = new QLabel(tr("Add notes to berths."), this);
    m_Label1->setObjectName(QStringLiteral("Label1"));
    m_cboName = new QComboBox(this);
    m_cboName->setObjectName(QStringLiteral("cboName"));
    m_txtNotes = new QPlainTextEdit(this);
    m_txtNotes->setObjectName(QStringLiteral("txtNotes"));
    m_txtNotes->setTabChangesFocus(true);
    m_cmdOK = new QPushButton(tr("&OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdCancel = new QPushButton(tr("&Cancel"), this);
    m_cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    for (QPushButton* button : {m_cmdOK, m_cmdCancel})
        button->setAutoDefault(false);

    auto* form = new QFormLayout;
    form->addRow(tr("Available berths:"), m_cboName);
    // A berth brought in by an import shows the reference it had, for the quick search.
    m_txtOldRef = OldReference::addTo(form, this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(m_cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_Label1);
    layout->addLayout(form);
    layout->addWidget(m_txtNotes, 1);
    layout->addLayout(buttons);
    resize(Twips::toPixelsX(5400, this), Twips::toPixelsY(4200, this));

    const Status loaded = m_notes.load();
    m_loaded = loaded.ok();
    if (!m_loaded)
        m_services.messages.show(tr("The berths could not be read.\n\n%1").arg(loaded.error()), windowTitle(),
                                 MsgIcon::Critical, MsgButtons::Ok);
    for (const BerthNotes::Berth& berth : m_notes.berths())
        m_cboName->addItem(berth.name, berth.id);
    // Nothing is chosen at first, so the notes box belongs to no berth.
    m_cboName->setCurrentIndex(-1);
    m_txtNotes->setEnabled(false);

    connect(m_cboName, &QComboBox::currentIndexChanged, this, &BerthNotesDialog::select);
    connect(m_cmdOK, &QPushButton::clicked, this, &BerthNotesDialog::ok);
    connect(m_cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    FocusNextControl::install(this);
}

void BerthNotesDialog::display(Services& services, QWidget* parent)
{
    BerthNotesDialog window(services, parent);
    if (window.loaded())
        window.exec();
}

void BerthNotesDialog::keepTypedNotes()
{
    if (m_shownId)
        m_notes.setNotes(*m_shownId, m_txtNotes->toPlainText());
}

void BerthNotesDialog::select()
{
    keepTypedNotes();
    if (m_cboName->currentIndex() < 0) {
        m_shownId.reset();
        m_txtNotes->clear();
        m_txtNotes->setEnabled(false);
        OldReference::show(m_txtOldRef, m_services.db(), QStringLiteral("Berth"), 0);
        return;
    }
    m_shownId = m_cboName->currentData().toInt();
    OldReference::show(m_txtOldRef, m_services.db(), QStringLiteral("Berth"), *m_shownId);
    m_txtNotes->setPlainText(m_notes.notes(*m_shownId));
    m_txtNotes->setEnabled(true);
}

void BerthNotesDialog::ok()
{
    keepTypedNotes();
    std::optional<FieldChanges::Merge<BerthNotes::Notes>> merge;
    if (const Status saved = m_notes.save(&merge); !saved && merge && !merge->conflicts().isEmpty()) {
        // Both desks changed the notes of some berths: the person sees which and chooses.
        const Meanwhile choice =
            askAboutChanges(m_services.messages, windowTitle(), tr("berth's notes"), merge->conflicts());
        m_notes.adopt(*merge, choice == Meanwhile::KeepTheirs);
        m_shownId.reset(); // the shown notes are read again: they may now be theirs
        select();
        if (choice != Meanwhile::GoBack)
            ok(); // merged again with whatever else was stored since
        return;
    } else if (!saved) {
        // The typed notes stay in the window, so the user can try again or cancel.
        m_services.messages.show(
            tr("The notes could not be saved; nothing was changed.\n\n%1").arg(saved.error()), windowTitle(),
            saved.kind() == FailureKind::Conflict ? MsgIcon::Exclamation : MsgIcon::Critical, MsgButtons::Ok);
        return;
    }
    m_services.events.log(EventLog::BerthModified, QStringLiteral("Notes modified"));
    accept();
}
