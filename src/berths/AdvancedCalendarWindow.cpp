#include "berths/AdvancedCalendarWindow.h"
#include "core/DateTimes.h"

#include "berths/CalendarLayout.h"
#include "bookings/BookingSummaryWindow.h"
#include "core/Seams.h"
#include "core/ui/DateBox.h"
#include "core/ui/Twips.h"

#include <QCoreApplication>
#include <QDateEdit>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QToolButton>
#include <functional>

namespace {
QString title()
{
    return QCoreApplication::translate("AdvancedCalendarWindow", "Advanced Calendar");
}

constexpr int ColumnWidth = 1000;
constexpr int RowHeight = 400;
constexpr int GridTop = 1020;
constexpr int GridLeft = 120;
constexpr int LegendBox = 255;
// The legend runs leftwards from this far inside the frame's right edge: each label at least its width here (a
// longer text widens it) with its box left of it.
constexpr int LegendRight = 530;
constexpr int LegendLabelWidth[3] = {615, 705, 630};
constexpr int LegendSpace[3] = {525, 435, 0}; // between each label and the box to its right
constexpr int LegendGap = 45;                 // between a box and its label
} // namespace

/// The grid of slots. A scroll by one slot moves what is painted by one row and paints only the row that came in:
/// repainting every cell of a maximised grid (a styled cell each, with its text) is what a person would wait for.
class SlotGridView final : public QTableView
{
public:
    using QTableView::QTableView;

    /// Runs scroll, which moves the model's rows by one (direction < 0: one slot earlier, the rows move down), and
    /// moves the painted rows with them when it did.
    bool shiftRows(int direction, const std::function<bool()>& scroll)
    {
        if (!scroll())
            return false;
        // The row taken out and the one put in leave the same rows: the layout is done now, without the repaint of
        // everything that follows it otherwise.
        m_shifting = true;
        executeDelayedItemsLayout();
        m_shifting = false;
        const int height = verticalHeader()->defaultSectionSize();
        const int by = direction < 0 ? height : -height;
        // Below the last row the grid is empty, so what moved into it (or up out of it) is painted afresh, and
        // so is the row that came in.
        const int last = model()->rowCount() - 1;
        const int fresh = direction < 0 ? 0 : last;
        const int below = rowViewportPosition(last) + rowHeight(last);
        for (QWidget* painted : {viewport(), verticalHeader()->viewport()}) {
            painted->scroll(0, by);
            painted->update(0, rowViewportPosition(fresh), painted->width(), rowHeight(fresh));
            painted->update(0, below, painted->width(), painted->height() - below);
        }
        return true;
    }

protected:
    void doItemsLayout() override
    {
        if (!m_shifting) {
            QTableView::doItemsLayout();
            return;
        }
        updateGeometries();
        if (!verticalHeader()->updatesEnabled())
            verticalHeader()->setUpdatesEnabled(true); // a removed row turns them off until the layout
    }

private:
    bool m_shifting = false;
};

AdvancedCalendarWindow::AdvancedCalendarWindow(IWindowHost& host, Services& services, QWidget* parent)
    : ChildWindow(parent), m_host(host), m_services(services), m_model(new OccupancyModel(this))
{
    setObjectName(QStringLiteral("frmCalendarPlus"));
    setWindowTitle(title());

    const auto frame = CalendarLayout::makeFrame(this, QStringLiteral("fraGrid"), title());
    m_fraGrid = frame.frame;
    m_lblCaption = frame.caption;

    buildGrid();
    buildScrollButtons();
    buildViewChooser();
    buildLegend();

    auto x = [this](int twips) { return Twips::toPixelsX(twips, this); };
    auto y = [this](int twips) { return Twips::toPixelsY(twips, this); };
    // The design layout; resizing then follows the window's size.
    m_grdBooking->move(x(GridLeft), y(GridTop));
    resize(x(12000), y(8400));
    layOut();
}

void AdvancedCalendarWindow::buildGrid()
{
    auto x = [this](int twips) { return Twips::toPixelsX(twips, this); };
    auto y = [this](int twips) { return Twips::toPixelsY(twips, this); };
    m_grdBooking = new SlotGridView(m_fraGrid);
    m_grdBooking->setObjectName(QStringLiteral("grdBooking"));
    m_grdBooking->setModel(m_model);
    m_grdBooking->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grdBooking->setSelectionMode(QAbstractItemView::NoSelection);
    m_grdBooking->setFocusPolicy(Qt::NoFocus); // cells are not picked, only double-clicked
    m_grdBooking->setWordWrap(false);
    m_grdBooking->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grdBooking->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_grdBooking->horizontalHeader()->setDefaultSectionSize(x(ColumnWidth));
    m_grdBooking->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grdBooking->horizontalHeader()->setFixedHeight(y(RowHeight));
    m_grdBooking->verticalHeader()->setDefaultSectionSize(y(RowHeight));
    m_grdBooking->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grdBooking->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    // The slot labels column is as wide as the longer label (a date); it keeps that width in either view.
    m_grdBooking->verticalHeader()->setFixedWidth(
        m_grdBooking->verticalHeader()->fontMetrics().horizontalAdvance(QStringLiteral("00.00.0000")) + x(240));
    connect(m_grdBooking, &QTableView::doubleClicked, this, &AdvancedCalendarWindow::doubleClicked);
}

void AdvancedCalendarWindow::buildScrollButtons()
{
    m_command1 = new QToolButton(m_fraGrid);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setArrowType(Qt::UpArrow);
    m_command1->setToolTip(tr("One slot earlier"));
    m_command2 = new QToolButton(m_fraGrid);
    m_command2->setObjectName(QStringLiteral("Command2"));
    m_command2->setArrowType(Qt::DownArrow);
    m_command2->setToolTip(tr("One slot later"));
    connect(m_command1, &QToolButton::clicked, this, [this] { scrollBy(-1); });
    connect(m_command2, &QToolButton::clicked, this, [this] { scrollBy(1); });
}

void AdvancedCalendarWindow::buildViewChooser()
{
    m_frame1 = new QGroupBox(tr("View"), m_fraGrid);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_halfHourly = new QRadioButton(tr("Half Hourly"), m_frame1);
    m_halfHourly->setObjectName(QStringLiteral("Option1_0"));
    m_halfHourly->setChecked(true);
    m_daily = new QRadioButton(tr("Daily"), m_frame1);
    m_daily->setObjectName(QStringLiteral("Option1_1"));
    connect(m_halfHourly, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            viewChosen();
    });
    connect(m_daily, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            viewChosen();
    });

    m_dtPicker1 = new DateBox(m_fraGrid);
    m_dtPicker1->setObjectName(QStringLiteral("DTPicker1"));
    connect(m_dtPicker1, &QDateEdit::dateChanged, this, &AdvancedCalendarWindow::dayPicked);
}

void AdvancedCalendarWindow::buildLegend()
{
    const QString names[3] = {tr("Booked"), tr("Available"), tr("Inactive")};
    const QColor colours[3] = {QColor(0xFF, 0xFF, 0x00), QColor(0xFF, 0xFF, 0xFF), QColor(0x00, 0xC0, 0x00)};
    for (int i = 0; i < 3; ++i) {
        // The legend boxes are where the grid's colours come from: a box's colour changed is the grid's changed.
        m_picBooked[i] = new QLabel(m_fraGrid);
        m_picBooked[i]->setObjectName(QStringLiteral("picBooked_%1").arg(i));
        m_picBooked[i]->setFrameShape(QFrame::Box);
        m_picBooked[i]->setAutoFillBackground(true);
        QPalette palette = m_picBooked[i]->palette();
        palette.setColor(QPalette::Window, colours[i]);
        m_picBooked[i]->setPalette(palette);
        m_picBooked[i]->installEventFilter(this);
        m_legend[i] = new QLabel(names[i], m_fraGrid);
        m_legend[i]->setObjectName(QStringLiteral("Label%1").arg(i + 2));
        QFont small = m_legend[i]->font();
        small.setPointSizeF(small.pointSizeF() * 0.8); // the legend's texts fit between the boxes
        m_legend[i]->setFont(small);
    }
    m_label5 = new QLabel(tr("Double click on booking to view details and financial information"), m_fraGrid);
    m_label5->setObjectName(QStringLiteral("Label5"));
    takeLegendColours();
}

AdvancedCalendarWindow* AdvancedCalendarWindow::display(IWindowHost& host, Services& services)
{
    auto* calendar = qobject_cast<AdvancedCalendarWindow*>(host.findWindow(QStringLiteral("frmCalendarPlus")));
    if (!calendar) {
        calendar = new AdvancedCalendarWindow(host, services);
        calendar->report(calendar->m_model->setStartDay(services.db(), services.clock.now().date()));
        calendar->showPickerDate();
    }
    host.showChild(calendar);
    return calendar;
}

bool AdvancedCalendarWindow::report(const Status& status)
{
    // A scroll that stops at the end of the working day is refused without a text: nothing to tell.
    if (!status && !status.error().isEmpty())
        m_services.messages.show(tr("The bookings could not be read.\n%1").arg(status.error()), title(),
                                 MsgIcon::Critical, MsgButtons::Ok);
    return status.ok();
}

void AdvancedCalendarWindow::activated()
{
    if (report(m_model->refresh(m_services.db())))
        fitRows();
}

int AdvancedCalendarWindow::slotRowsForHeight() const
{
    // The grid never scrolls by itself (the arrows move the slots instead), so a row filled below its visible part
    // could never be seen: the last slot of the working day would be out of reach.
    const int visible = m_grdBooking->height() - 2 * m_grdBooking->frameWidth() -
                        m_grdBooking->horizontalHeader()->height() -
                        m_grdBooking->horizontalScrollBar()->sizeHint().height();
    return qMax(0, visible / m_grdBooking->verticalHeader()->defaultSectionSize());
}

void AdvancedCalendarWindow::fitRows()
{
    const int rows = slotRowsForHeight();
    if (rows == m_model->rowCount())
        return;
    report(m_model->setSlotRows(m_services.db(), rows));
}

void AdvancedCalendarWindow::showPickerDate()
{
    m_settingPicker = true;
    m_dtPicker1->setDate(m_model->start().date());
    m_settingPicker = false;
}

void AdvancedCalendarWindow::scrollBy(int direction)
{
    if (m_grdBooking->shiftRows(direction, [&] { return report(m_model->scroll(m_services.db(), direction)); }))
        showPickerDate();
}

void AdvancedCalendarWindow::viewChosen()
{
    const auto view = m_daily->isChecked() ? OccupancyModel::View::Daily : OccupancyModel::View::HalfHourly;
    report(m_model->setView(m_services.db(), view));
}

void AdvancedCalendarWindow::dayPicked()
{
    if (m_settingPicker)
        return;
    report(m_model->setStartDay(m_services.db(), m_dtPicker1->date()));
}

void AdvancedCalendarWindow::doubleClicked(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    const auto booking = m_model->bookingToOpen(m_services.db(), index.row(), index.column());
    if (!booking)
        report(booking.failure());
    else if (*booking)
        BookingSummaryWindow::display(m_host, m_services, **booking);
    // The grid is read again either way; the first row keeps its slot.
    activated();
}

void AdvancedCalendarWindow::takeLegendColours()
{
    const OccupancyModel::CellState states[3] = {
        OccupancyModel::CellState::Booked, OccupancyModel::CellState::Available, OccupancyModel::CellState::Inactive};
    for (int i = 0; i < 3; ++i)
        m_model->setLook(states[i], m_picBooked[i]->palette().color(QPalette::Window), m_picBooked[i]->pixmap());
}

bool AdvancedCalendarWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::PaletteChange &&
        std::find(std::begin(m_picBooked), std::end(m_picBooked), watched) != std::end(m_picBooked))
        takeLegendColours();
    return ChildWindow::eventFilter(watched, event);
}

void AdvancedCalendarWindow::resizeEvent(QResizeEvent* event)
{
    ChildWindow::resizeEvent(event);
    layOut();
    fitRows();
}

void AdvancedCalendarWindow::layOut()
{
    auto x = [this](int twips) { return Twips::toPixelsX(twips, this); };
    auto y = [this](int twips) { return Twips::toPixelsY(twips, this); };
    CalendarLayout::fitFrame(this, m_fraGrid);
    const QRect frame = m_fraGrid->geometry();
    const int right = frame.width();
    const int bottom = frame.height();

    // Every text at least as wide as it asks: the design widths are the least, a longer translation widens it.
    const auto wide = [](const QWidget* control, int least) { return std::max(least, control->sizeHint().width()); };
    m_lblCaption->setGeometry(x(120), y(120), wide(m_lblCaption, x(6000)), y(450));
    m_command1->setGeometry(x(GridLeft), y(GridTop - 420), x(600), y(360));
    m_label5->setGeometry(x(GridLeft + 720), y(GridTop - 420), wide(m_label5, x(7000)), y(360));

    // The legend, near the frame's bottom, from its right edge leftwards.
    int legendRight = right - x(LegendRight);
    for (int i = 2; i >= 0; --i) {
        legendRight -= x(LegendSpace[i]);
        const int labelWidth = wide(m_legend[i], x(LegendLabelWidth[i]));
        const int labelLeft = legendRight - labelWidth;
        m_legend[i]->setGeometry(labelLeft, bottom - y(180) - y(240), labelWidth, y(240));
        legendRight = labelLeft - x(LegendGap) - x(LegendBox);
        m_picBooked[i]->setGeometry(legendRight, bottom - y(120) - y(LegendBox), x(LegendBox), y(LegendBox));
    }
    m_command2->setGeometry(x(GridLeft), bottom - y(240) - y(360), x(600), y(360));
    // The view chooser: the two options side by side, the frame round them and its title.
    const int halfHourlyWidth = wide(m_halfHourly, x(1400));
    m_halfHourly->setGeometry(x(120), y(260), halfHourlyWidth, y(280));
    const int dailyLeft = std::max(x(1560), x(120) + halfHourlyWidth + x(40));
    m_daily->setGeometry(dailyLeft, y(260), wide(m_daily, x(1000)), y(280));
    const int chooserWidth =
        std::max({x(2700), m_daily->geometry().right() + x(120), m_frame1->minimumSizeHint().width()});
    m_frame1->setGeometry(x(GridLeft + 720), bottom - y(240) - y(600), chooserWidth, y(600));
    m_dtPicker1->setGeometry(m_frame1->geometry().right() + x(120), bottom - y(300) - y(340),
                             wide(m_dtPicker1, x(1500)), y(340));
    m_grdBooking->setGeometry(x(GridLeft), y(GridTop), qMax(x(ColumnWidth), right - x(GridLeft) - x(120)),
                              qMax(y(RowHeight), bottom - y(GridTop) - y(840)));
}
