#pragma once

#include "meters/MeterStore.h"

#include <QDialog>

class QTableWidget;
struct Services;

/// Configure › Meters: the meters with their berths, a meter's readings, and the buttons that add, change and swap a
/// meter, add and correct a reading, edit the tariffs, print the dock walk and import a handheld's readings. The
/// work is MeterStore's; this window asks and tells.
class MetersDialog final : public QDialog
{
    Q_OBJECT
public:
    MetersDialog(Services& services, QWidget* parent);
    static void display(Services& services, QWidget* parent);

    /// Reads the meters again, keeping the chosen one.
    void reload();

private:
    std::optional<Meters::Meter> chosen() const;
    void showReadings();
    void editMeter(bool fresh);
    void swapMeter();
    void addReading();
    void correctReading();
    void editTariffs();
    void printWalk();
    void importReadings();
    bool told(const Failure& failure);

    Services& m_services;
    QTableWidget* m_meters;
    QTableWidget* m_readings;
    QList<Meters::Meter> m_list;
    QList<Meters::Reading> m_shown;
};
