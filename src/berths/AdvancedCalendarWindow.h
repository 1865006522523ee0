#pragma once

#include "berths/OccupancyModel.h"
#include "core/ui/ChildWindow.h"

struct Services;
class QDateEdit;
class QFrame;
class QGroupBox;
class QLabel;
class QRadioButton;
class QTableView;
class QToolButton;
class SlotGridView;

/// The advanced calendar: the occupancy grid of every berth by half-hour or by day, scrolled one slot at a time,
/// with a date picker, the view switch and the colour legend whose boxes give the grid its colours.
class AdvancedCalendarWindow final : public ChildWindow
{
    Q_OBJECT
public:
    AdvancedCalendarWindow(IWindowHost& host, Services& services, QWidget* parent = nullptr);

    /// Opens the calendar in the half-hourly view from today at 08:00 (or brings the open one to the front).
    static AdvancedCalendarWindow* display(IWindowHost& host, Services& services);

    bool maximiseOnActivate() const override { return true; }
    /// Re-reads the berths and the bookings; the first row keeps its slot.
    void activated() override;

    OccupancyModel* model() const { return m_model; }
    /// How many whole slot rows (400 twips each) the grid shows between the berth names and its scroll bar.
    int slotRowsForHeight() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildGrid();
    void buildScrollButtons();
    void buildViewChooser();
    void buildLegend();
    void takeLegendColours();
    void fitRows();
    void scrollBy(int direction);
    void viewChosen();
    void dayPicked();
    void doubleClicked(const QModelIndex& index);
    void showPickerDate();
    bool report(const Status& status);
    void layOut();

    IWindowHost& m_host;
    Services& m_services;
    OccupancyModel* m_model;
    bool m_settingPicker = false;
    QLabel* m_lblCaption;
    QFrame* m_fraGrid;
    SlotGridView* m_grdBooking;
    QToolButton* m_command1;
    QToolButton* m_command2;
    QGroupBox* m_frame1;
    QRadioButton* m_halfHourly;
    QRadioButton* m_daily;
    QDateEdit* m_dtPicker1;
    QLabel* m_picBooked[3];
    QLabel* m_legend[3];
    QLabel* m_label5;
};
