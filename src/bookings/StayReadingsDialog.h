#pragma once

#include "bookings/StayMeters.h"

#include <QDialog>

class QLineEdit;
struct Services;

/// The readings check-in and check-out ask for: one box per meter of the booking's berths, its last reading beside
/// it. A value below the last asks whether the meter rolled over or was mistyped; nothing is kept until every box
/// reads.
class StayReadingsDialog final : public QDialog
{
    Q_OBJECT
public:
    StayReadingsDialog(Services& services, const QList<StayMeters::Due>& due, const QString& heading, QWidget* parent);
    /// The readings, once accepted.
    const QList<StayMeters::Taken>& taken() const { return m_taken; }

    void accept() override;

private:
    Services& m_services;
    QList<StayMeters::Due> m_due;
    QList<QLineEdit*> m_boxes;
    QList<StayMeters::Taken> m_taken;
};
