#pragma once

#include "core/EventLog.h"
#include "core/MessageLog.h"
#include "core/Seams.h"
#include "core/ui/ChangedMeanwhile.h"
#include "people/PeopleRecords.h"
#include "people/PeopleWidgets.h"

#include <QCoreApplication>
#include <QDialog>
#include <QGridLayout>
#include <memory>

/// What differs between the kinds of person a record dialog edits: the field table, the store and the events.
template <typename Record> struct PersonKind;

template <> struct PersonKind<CustomerRecord>
{
    static constexpr const auto& Fields = PeopleFields::Customer;
    static constexpr int Added = EventLog::CustomerAdded;
    static constexpr int Modified = EventLog::CustomerModified;
    static auto load(const QSqlDatabase& db, int id) { return CustomerStore::load(db, id); }
    static auto add(const QSqlDatabase& db, const CustomerRecord& r) { return CustomerStore::add(db, r); }
    static auto modify(const QSqlDatabase& db, int id, const CustomerRecord& seen, const CustomerRecord& r,
                       std::optional<FieldChanges::Merge<CustomerRecord>>* merge)
    {
        return CustomerStore::modify(db, id, seen, r, merge);
    }
    static QString noun() { return QCoreApplication::translate("PersonDialog", "customer"); }
};

template <> struct PersonKind<OwnerRecord>
{
    static constexpr const auto& Fields = PeopleFields::Owner;
    static constexpr int Added = EventLog::OwnerAdded;
    static constexpr int Modified = EventLog::OwnerModified;
    static auto load(const QSqlDatabase& db, int id) { return OwnerStore::load(db, id); }
    static auto add(const QSqlDatabase& db, const OwnerRecord& r) { return OwnerStore::add(db, r); }
    static auto modify(const QSqlDatabase& db, int id, const OwnerRecord& seen, const OwnerRecord& r,
                       std::optional<FieldChanges::Merge<OwnerRecord>>* merge)
    {
        return OwnerStore::modify(db, id, seen, r, merge);
    }
    static QString noun() { return QCoreApplication::translate("PersonDialog", "owner"); }
};

/// The record dialog of a kind of person (modal): Add empties the boxes, Edit loads the record with the given ID.
/// OK with an empty name does nothing; otherwise the record is added or changed and the event written, and
/// Saved() decides what follows. A failed save keeps everything typed and writes the reason to the message log.
template <typename Record> class PersonDialog : public QDialog
{
public:
    /// Prepares the dialog, shows it modally and returns ID() once it has closed.
    int display(RecordMode mode, int id)
    {
        prepare(mode, id);
        exec();
        return m_id;
    }
    /// Display's preparation without showing.
    void prepare(RecordMode mode, int id)
    {
        m_mode = mode;
        m_id = mode == RecordMode::Edit ? id : 0;
        setWindowTitle(mode == RecordMode::Edit ? m_editCaption : m_addCaption);
        Record record;
        if (mode == RecordMode::Edit) {
            if (auto stored = PersonKind<Record>::load(m_services.db(), m_id))
                record = *stored;
            else
                MessageLog::logError(QStringLiteral("%1.Display: %2").arg(objectName(), stored.error()));
        }
        m_seen = record;
        showRecord(record);
        m_shown = typed();
        m_form->first()->setFocus();
    }

    /// Esc, Cancel and closing the window: what was typed is not thrown away unasked.
    void reject() override
    {
        if (typed() != m_shown &&
            m_services.messages.show(QCoreApplication::translate("PersonDialog", "What you typed has not been saved. "
                                                                                 "Close and lose it?"),
                                     windowTitle(), MsgIcon::Question, MsgButtons::YesNo) != MsgResult::Yes)
            return;
        QDialog::reject();
    }

    /// The ID of the record shown: the one edited, or the one added last (0 before).
    int id() const { return m_id; }
    RecordMode mode() const { return m_mode; }

protected:
    PersonDialog(Services& services, QWidget* parent, const QString& name, QString addCaption, QString editCaption)
        : QDialog(parent), m_services(services), m_addCaption(std::move(addCaption)),
          m_editCaption(std::move(editCaption)), m_fields(new QGridLayout)
    {
        setObjectName(name);
        setWindowTitle(m_addCaption);
        setModal(true);
        // Created in tab order, so the focus chain follows the form from top to bottom.
        auto* form = new QWidget(this);
        form->setLayout(m_fields);
        m_form =
            std::make_unique<PeopleWidgets::PersonForm<Record>>(PersonKind<Record>::Fields, m_fields, form, services);
        PeopleWidgets::finishRecordDialog(this, form, [this] { save(); });
    }

    /// What the boxes hold; a kind with more than texts adds its own.
    virtual Record typed() const { return m_form->typed(); }
    virtual void showRecord(const Record& record) { m_form->showRecord(record); }
    /// After a successful save.
    virtual void saved() { accept(); }

    QGridLayout* fields() const { return m_fields; }
    PeopleWidgets::PersonForm<Record>& form() const { return *m_form; }

private:
    void save()
    {
        const Record record = typed();
        // Without a name OK does nothing at all.
        if (record.name.isEmpty())
            return;
        std::optional<FieldChanges::Merge<Record>> merge;
        const Status stored = m_mode == RecordMode::Add ? add(record) : modify(record, merge);
        if (merge && !merge->conflicts().isEmpty()) {
            // Both desks changed some fields: the person sees which and chooses; the rest of both is kept.
            const Meanwhile choice =
                askAboutChanges(m_services.messages, windowTitle(), PersonKind<Record>::noun(), merge->conflicts());
            m_seen = merge->theirs();
            showRecord(merge->chosen(choice == Meanwhile::KeepTheirs));
            if (choice != Meanwhile::GoBack)
                save(); // merged again with whatever else was stored since
            return;
        }
        if (!stored) {
            // The dialog stays open with everything typed, so the user can correct it and press OK again.
            MessageLog::logError(QStringLiteral("%1.cmdOK_Click: %2").arg(objectName(), stored.error()));
            if (stored.kind() == FailureKind::Conflict)
                m_services.messages.show(stored.error(), windowTitle(), MsgIcon::Exclamation);
            return;
        }
        m_seen = merge ? merge->merged() : record;
        if (merge)
            showRecord(m_seen); // what was saved, with the other desk's changes
        m_services.events.log(m_mode == RecordMode::Add ? PersonKind<Record>::Added : PersonKind<Record>::Modified,
                              PeopleEvents::savedDetails(record.name, record.houseName));
        saved();
    }
    Status add(const Record& record)
    {
        const Result<int> id = PersonKind<Record>::add(m_services.db(), record);
        if (!id)
            return id.failure();
        m_id = *id;
        return Done{};
    }
    Status modify(const Record& record, std::optional<FieldChanges::Merge<Record>>& merge)
    {
        return PersonKind<Record>::modify(m_services.db(), m_id, m_seen, record, &merge);
    }

    Services& m_services;
    QString m_addCaption;
    QString m_editCaption;
    RecordMode m_mode = RecordMode::Add;
    int m_id = 0;
    Record m_shown; // the boxes as prepare filled them
    Record m_seen;  // the record as stored when the editing began (or as another desk left it, once merged)
    QGridLayout* m_fields;
    std::unique_ptr<PeopleWidgets::PersonForm<Record>> m_form;
};
