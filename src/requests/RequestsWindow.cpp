#include "requests/RequestsWindow.h"

#include "bookings/BookingWizard.h"
#include "core/Actor.h"
#include "core/DateTimes.h"
#include "core/EventLog.h"
#include "core/Lengths.h"
#include "core/Seams.h"
#include "core/ui/ChildWindow.h"
#include "mail/OutboxSender.h"
#include "requests/RequestActions.h"
#include "requests/RequestDesk.h"
#include "requests/RequestMailboxPanel.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
QString sizeLine(const RequestMessage::Request& r)
{
    QStringList parts;
    for (const auto& cm : {r.lengthCm, r.beamCm, r.draftCm})
        parts << (cm ? Lengths::text(*cm) : QStringLiteral("–"));
    return r.lengthCm || r.beamCm || r.draftCm ? parts.join(QStringLiteral(" × ")) : QString();
}
QString dayText(const QDate& day)
{
    return day.isValid() ? DateTimes::dateText(day) : QString();
}
} // namespace

RequestsWindow::RequestsWindow(IWindowHost& host, Services& services, QWidget* parent)
    : QDialog(parent), m_host(host), m_services(services)
{
    setObjectName(QStringLiteral("frmRequests"));
    setWindowTitle(title());
    auto* tabs = new QTabWidget(this);
    auto* queue = new QWidget(tabs);
    m_grid = new QTableWidget(0, 7, queue);
    m_grid->setObjectName(QStringLiteral("grdRequests"));
    m_grid->setHorizontalHeaderLabels(
        {tr("Received"), tr("Name"), tr("E-mail"), tr("Arrival"), tr("Departure"), tr("Boat"), tr("State")});
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_txtDetails = new QPlainTextEdit(queue);
    m_txtDetails->setObjectName(QStringLiteral("txtDetails"));
    m_txtDetails->setReadOnly(true);
    auto* split = new QSplitter(Qt::Vertical, queue);
    split->addWidget(m_grid);
    split->addWidget(m_txtDetails);
    m_chkAll = new QCheckBox(tr("Show answ&ered requests too"), queue);
    m_chkAll->setObjectName(QStringLiteral("chkAll"));
    auto button = [&](const QString& caption, const char* name) {
        auto* b = new QPushButton(caption, queue);
        b->setObjectName(QLatin1String(name));
        return b;
    };
    QPushButton* cmdAccept = button(tr("&Accept..."), "cmdAccept");
    QPushButton* cmdHold = button(tr("&Hold..."), "cmdHold");
    QPushButton* cmdDecline = button(tr("&Decline..."), "cmdDecline");
    QPushButton* cmdRead = button(tr("&Read now"), "cmdReadNow");
    auto* buttons = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(m_chkAll), static_cast<QWidget*>(cmdRead)})
        buttons->addWidget(w);
    buttons->addStretch(1);
    for (QPushButton* b : {cmdAccept, cmdHold, cmdDecline})
        buttons->addWidget(b);
    auto* queueLayout = new QVBoxLayout(queue);
    queueLayout->addWidget(split, 1);
    queueLayout->addLayout(buttons);
    tabs->addTab(queue, tr("Re&quests"));
    tabs->addTab(new RequestMailboxPanel(services, tabs), tr("Mai&lbox"));
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs, 1);
    layout->addWidget(close);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_chkAll, &QCheckBox::toggled, this, &RequestsWindow::reload);
    connect(m_grid, &QTableWidget::currentCellChanged, this, &RequestsWindow::showDetails);
    connect(cmdAccept, &QPushButton::clicked, this, &RequestsWindow::acceptRequest);
    connect(cmdHold, &QPushButton::clicked, this, &RequestsWindow::holdRequest);
    connect(cmdDecline, &QPushButton::clicked, this, &RequestsWindow::declineRequest);
    // The settings are read again first: this desk may have become the gateway since the program started.
    connect(cmdRead, &QPushButton::clicked, this, [this] {
        if (RequestDesk* desk = RequestDesk::running())
            desk->reconfigure(RequestDesk::configured());
        reload();
    });
    if (RequestDesk* desk = RequestDesk::running())
        connect(desk, &RequestDesk::changed, this, &RequestsWindow::reload);
    resize(900, 600);
    reload();
}

void RequestsWindow::display(IWindowHost& host, Services& services)
{
    RequestsWindow window(host, services, host.dialogParent());
    window.exec();
}

QString RequestsWindow::title() const
{
    return tr("Booking Requests");
}

void RequestsWindow::reload()
{
    const int keep = current() ? current()->id : 0;
    const auto rows = RequestStore::list(m_services.db(), !m_chkAll->isChecked());
    m_rows = rows ? *rows : QList<RequestStore::Row>{};
    m_grid->setRowCount(int(m_rows.size()));
    int at = m_rows.isEmpty() ? -1 : 0;
    for (int i = 0; i < m_rows.size(); ++i) {
        const RequestStore::Row& row = m_rows.at(i);
        const QStringList cells{DateTimes::dateTimeText(row.request.received),
                                row.request.name,
                                row.request.email,
                                dayText(row.request.arrive),
                                dayText(row.request.depart),
                                sizeLine(row.request),
                                RequestStore::stateText(row)};
        for (int c = 0; c < cells.size(); ++c)
            m_grid->setItem(i, c, new QTableWidgetItem(cells[c]));
        if (row.id == keep)
            at = i;
    }
    if (at >= 0)
        m_grid->setCurrentCell(at, 0);
    showDetails();
    if (!rows)
        m_txtDetails->setPlainText(tr("The requests could not be read: %1").arg(rows.error()));
}

const RequestStore::Row* RequestsWindow::current() const
{
    const int row = m_grid->currentRow();
    return row >= 0 && row < m_rows.size() ? &m_rows.at(row) : nullptr;
}

void RequestsWindow::showDetails()
{
    const RequestStore::Row* row = current();
    if (!row) {
        m_txtDetails->clear();
        return;
    }
    const RequestMessage::Request& r = row->request;
    QStringList lines;
    if (!r.checkReason.isEmpty())
        lines << tr("To check: %1").arg(r.checkReason) << QString();
    lines << tr("Name: %1").arg(r.name) << tr("E-mail: %1").arg(r.email) << tr("Phone: %1").arg(r.phone)
          << tr("Dates: %1 to %2").arg(dayText(r.arrive), dayText(r.depart))
          << tr("Boat (length × beam × draft): %1").arg(sizeLine(r)) << tr("Berth type: %1").arg(r.berthType)
          << tr("Comments: %1").arg(r.comments);
    if (row->holdBlockId)
        lines << tr("Holds %1 until %2").arg(row->holdBerth, DateTimes::dateTimeText(row->holdUntil));
    if (!row->decidedBy.isEmpty())
        lines << tr("%1 by %2 at %3")
                     .arg(RequestStore::stateText(*row), row->decidedBy, DateTimes::dateTimeText(row->decidedAt));
    lines << QString() << tr("The message:") << r.body;
    m_txtDetails->setPlainText(lines.join(u'\n'));
}

bool RequestsWindow::acceptRequest()
{
    const RequestStore::Row* row = current();
    if (!row)
        return false;
    const RequestStore::Row chosen = *row;
    const auto problem = RequestActions::fitProblem(m_services.db(), chosen.request);
    if (!problem) {
        m_services.messages.show(problem.error(), title(), MsgIcon::Critical, MsgButtons::Ok);
        return false;
    }
    if (!problem->isEmpty() && chosen.holdBlockId == 0 &&
        m_services.messages.show(tr("%1\nOpen the booking wizard all the same?").arg(*problem), title(),
                                 MsgIcon::Question, MsgButtons::YesNo) != MsgResult::Yes)
        return false;
    const QString who = Actor::label();
    const auto start = RequestActions::startBooking(m_services.db(), chosen.id, who, m_services.clock.now());
    if (!start) {
        m_services.messages.show(start.error(), title(), MsgIcon::Exclamation, MsgButtons::Ok);
        reload();
        return false;
    }
    m_services.events.log(EventLog::RequestDecided,
                          tr("Accepted by %1: %2").arg(who, RequestStore::describe(chosen.request)));
    BookingRequest fill;
    fill.from = chosen.request.arrive.isValid() ? chosen.request.arrive : m_services.clock.now().date();
    fill.to = chosen.request.depart;
    fill.customerId = start->customerId;
    fill.newCustomer = start->newCustomer;
    fill.boatId = start->boatId;
    fill.newBoat = start->newBoat;
    fill.berthIds = start->berthIds;
    fill.heldBlockId = start->heldBlockId;
    // The booking, the guest, their boat, the hold's end and the request's link are saved together, or none.
    const IClock& clock = m_services.clock;
    const int requestId = chosen.id;
    fill.save = [&clock, requestId, who](const QSqlDatabase& db, const BookingRecord& booking,
                                         BookingStore::Overtaken* overtaken) {
        return RequestActions::saveBooking(db, requestId, booking, who, clock.now(), overtaken);
    };
    accept(); // the wizard is a window of the frame: the queue makes way for it
    BookingWizard::startFrom(m_host, m_services, fill);
    return true;
}

bool RequestsWindow::holdRequest()
{
    const RequestStore::Row* row = current();
    if (!row)
        return false;
    const RequestStore::Row chosen = *row;
    const auto fitting = RequestActions::fittingBerths(m_services.db(), chosen.request);
    if (!fitting || fitting->isEmpty()) {
        m_services.messages.show(
            fitting ? tr("No free berth fits this request over its dates: there is nothing to hold.") : fitting.error(),
            title(), MsgIcon::Exclamation, MsgButtons::Ok);
        return false;
    }
    QStringList names;
    for (const AvailableBerth& berth : *fitting)
        names << berth.name;
    const int hours = RequestSettings::load().holdHours;
    bool ok = false;
    const QString picked =
        QInputDialog::getItem(this, title(), tr("Hold which berth for %1 hours?").arg(hours), names, 0, false, &ok);
    if (!ok)
        return false;
    const int berthId = fitting->at(names.indexOf(picked)).id;
    const QDateTime now = m_services.clock.now();
    const auto held =
        RequestStore::hold(m_services.db(), chosen.id, berthId, now.addSecs(qint64(hours) * 3600), Actor::label(), now);
    if (!held) {
        m_services.messages.show(held.error(), title(), MsgIcon::Exclamation, MsgButtons::Ok);
        reload();
        return false;
    }
    m_services.events.log(
        EventLog::RequestDecided,
        tr("%1 held for %2 hours: %3").arg(picked).arg(hours).arg(RequestStore::describe(chosen.request)));
    reload();
    return true;
}

bool RequestsWindow::declineRequest()
{
    const RequestStore::Row* row = current();
    if (!row)
        return false;
    const RequestStore::Row chosen = *row;
    auto reply = RequestActions::declineMessage(m_services.db(), chosen.request);
    if (!reply) {
        m_services.messages.show(reply.error(), title(), MsgIcon::Exclamation, MsgButtons::Ok);
        return false;
    }
    QDialog edit(this);
    edit.setWindowTitle(tr("Decline the request"));
    auto* subject = new QLineEdit(reply->subject, &edit);
    subject->setObjectName(QStringLiteral("txtSubject"));
    auto* body = new QPlainTextEdit(reply->body, &edit);
    body->setObjectName(QStringLiteral("txtBody"));
    auto* box = new QDialogButtonBox(&edit);
    box->addButton(tr("&Decline and send the reply"), QDialogButtonBox::AcceptRole);
    box->addButton(tr("&Keep the request"), QDialogButtonBox::RejectRole);
    connect(box, &QDialogButtonBox::accepted, &edit, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, &edit, &QDialog::reject);
    auto* layout = new QVBoxLayout(&edit);
    layout->addWidget(new QLabel(tr("To %1 <%2>").arg(reply->toName, reply->toAddress), &edit));
    layout->addWidget(subject);
    layout->addWidget(body, 1);
    layout->addWidget(box);
    edit.resize(640, 420);
    if (edit.exec() != QDialog::Accepted)
        return false;
    reply->subject = subject->text().simplified();
    reply->body = body->toPlainText();
    const QString who = Actor::label();
    if (Status declined = RequestActions::decline(m_services.db(), chosen.id, *reply, who, m_services.clock.now());
        !declined) {
        m_services.messages.show(declined.error(), title(), MsgIcon::Exclamation, MsgButtons::Ok);
        reload();
        return false;
    }
    m_services.events.log(EventLog::RequestDecided,
                          tr("Declined by %1: %2").arg(who, RequestStore::describe(chosen.request)));
    if (OutboxSender* sender = OutboxSender::running())
        sender->wake();
    reload();
    return true;
}
