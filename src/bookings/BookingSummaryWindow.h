#pragma once

#include "core/ui/Document.h"

#include <QDateTime>
#include <QDialog>
#include <optional>

struct Services;
class BookingDetailsPanel;
class BookingMessagesPanel;
class IWindowHost;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

/// "Reservation summary": one booking with its customer, read-only; from here the booking is changed in the
/// wizard, cancelled, and its receipt, reservation form, confirmation and credit notes are printed (or saved as PDF
/// files).
class BookingSummaryWindow final : public QDialog
{
    Q_OBJECT
public:
    /// What the summary was closed with.
    enum Outcome
    {
        Closed = QDialog::Rejected,
        EditRequested = QDialog::Accepted
    };

    explicit BookingSummaryWindow(Services& services, QWidget* parent = nullptr);

    /// Shows booking bookingId modally and returns once the summary has closed; "&Edit booking" then opens the
    /// wizard on it. Nothing is shown when the booking or its customer does not exist.
    static void display(IWindowHost& host, Services& services, int bookingId);

    /// Fills the summary for the booking and leaves it as the one InvTemp row the documents print from. False
    /// (InvTemp unchanged) when the booking or its customer does not exist or the row could not be written.
    bool prepare(int bookingId);

    int bookingId() const { return m_bookingId; }

private:
    void cancelBooking();
    void showLedger();
    void recordPayment(bool refund);
    /// The credit notes issued on the booking, each printable from the credit notes button's menu.
    void listCreditNotes();
    /// The guest's stay as stored, and which of Arrive, Depart and Undo apply to it.
    void showStay();
    /// Runs one of them and shows the booking as it is after.
    void changeStay(bool (*action)(Services&, QWidget*, int));
    void print(bool receipt);
    void saveAsPdf(bool receipt);
    /// The receipt or the reservation form from the InvTemp row; nothing (the user told) when it cannot be read.
    std::optional<Doc::Document> loadDocument(bool receipt);
    QString pdfName(bool receipt) const;

    Services& m_services;
    int m_bookingId = 0;
    QDateTime m_fromDate; // the booking shown, for the event its cancelling writes
    QDateTime m_toDate;
    QList<int> m_berthIds; // the booking's berths, offered to the waiting list when it is cancelled
    bool m_cancelled = false;
    QString m_storedStamp; // the booking as shown, so a cancel deletes only that

    BookingDetailsPanel* m_details;
    BookingMessagesPanel* m_messages; // the booking's e-mail in the outbox
    QList<QLineEdit*> m_amounts;
    QLabel* m_lblCharges; // the lines the hire was agreed on
    QPlainTextEdit* m_txtNotes;
    QPlainTextEdit* m_txtCnotes;
    QPushButton* m_cmdEdit;
    QPushButton* m_cmdCancel;
    QTreeWidget* m_lstPayments;
    QLabel* m_lblBalance; // paid of total, and the balance due or the credit
    QLabel* m_lblDue;     // the deposit and balance due dates
    QPushButton* m_cmdRecordPayment;
    QPushButton* m_cmdRefund;
    QPushButton* m_cmdCreditNotes;
    QLabel* m_lblStay;
    QPushButton* m_cmdArrive;
    QPushButton* m_cmdDepart;
    QPushButton* m_cmdUndoStay;
};
