#pragma once

#include "core/Seams.h"
#include "core/modEventLog.h"
#include "core/modLog.h"
#include "people/PeopleRecords.h"
#include "people/PeopleWidgets.h"

#include <QDialog>
#include <QGridLayout>
#include <memory>

/// What differs between the kinds of person a record dialog edits: the field table, the store and the events.
template <typename Record> struct PersonKind;

template <> struct PersonKind<CustomerRecord>
{
    static constexpr const auto& Fields = PeopleFields::Customer;
    static constexpr int Added = modEventLog::CustomerAdded;
    static constexpr int Modified = modEventLog::CustomerModified;
    static auto Load(const QSqlDatabase& db, int id, QString* error) { return CustomerStore::Load(db, id, error); }
    static auto Add(const QSqlDatabase& db, const CustomerRecord& r, QString* e)
    {
        return CustomerStore::Add(db, r, e);
    }
    static bool Modify(const QSqlDatabase& db, int id, const CustomerRecord& r, QString* error)
    {
        return CustomerStore::Modify(db, id, r, error);
    }
};

template <> struct PersonKind<OwnerRecord>
{
    static constexpr const auto& Fields = PeopleFields::Owner;
    static constexpr int Added = modEventLog::OwnerAdded;
    static constexpr int Modified = modEventLog::OwnerModified;
    static auto Load(const QSqlDatabase& db, int id, QString* error) { return OwnerStore::Load(db, id, error); }
    static auto Add(const QSqlDatabase& db, const OwnerRecord& r, QString* error)
    {
        return OwnerStore::Add(db, r, error);
    }
    static bool Modify(const QSqlDatabase& db, int id, const OwnerRecord& r, QString* error)
    {
        return OwnerStore::Modify(db, id, r, error);
    }
};

/// The record dialog of a kind of person (modal): Add empties the boxes, Edit loads the record with the given ID.
/// OK with an empty name does nothing; otherwise the record is added or changed and the event written, and
/// Saved() decides what follows. A failed save keeps everything typed and writes the reason to the message log.
template <typename Record> class PersonDialog : public QDialog
{
public:
    /// Prepares the dialog, shows it modally and returns ID() once it has closed.
    int Display(RecordMode mode, int id)
    {
        Prepare(mode, id);
        exec();
        return m_id;
    }
    /// Display's preparation without showing.
    void Prepare(RecordMode mode, int id)
    {
        m_mode = mode;
        m_id = mode == RecordMode::Edit ? id : 0;
        setWindowTitle(mode == RecordMode::Edit ? m_editCaption : m_addCaption);
        Record record;
        if (mode == RecordMode::Edit) {
            QString error;
            if (auto stored = PersonKind<Record>::Load(m_services.Db(), m_id, &error))
                record = *stored;
            else
                modLog::LogMessage(3, QStringLiteral("%s.Display: %s"), {objectName(), error});
        }
        Show(record);
        m_form->First()->setFocus();
    }

    /// The ID of the record shown: the one edited, or the one added last (0 before).
    int ID() const { return m_id; }
    RecordMode Mode() const { return m_mode; }

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
        PeopleWidgets::FinishRecordDialog(this, form, [this] { Save(); });
    }

    /// What the boxes hold; a kind with more than texts adds its own.
    virtual Record Typed() const { return m_form->Typed(); }
    virtual void Show(const Record& record) { m_form->Show(record); }
    /// After a successful save.
    virtual void Saved() { accept(); }

    QGridLayout* Fields() const { return m_fields; }
    PeopleWidgets::PersonForm<Record>& Form() const { return *m_form; }

private:
    void Save()
    {
        const Record record = Typed();
        // Without a name OK does nothing at all.
        if (record.name.isEmpty())
            return;
        QString error;
        bool saved = false;
        if (m_mode == RecordMode::Add) {
            if (const auto id = PersonKind<Record>::Add(m_services.Db(), record, &error)) {
                m_id = *id;
                saved = true;
            }
        } else {
            saved = PersonKind<Record>::Modify(m_services.Db(), m_id, record, &error);
        }
        if (!saved) {
            // The dialog stays open with everything typed, so the user can correct it and press OK again.
            modLog::LogMessage(3, QStringLiteral("%s.cmdOK_Click: %s"), {objectName(), error});
            return;
        }
        modEventLog::LogEvent(m_services.clock.Now(),
                              m_mode == RecordMode::Add ? PersonKind<Record>::Added : PersonKind<Record>::Modified,
                              PeopleEvents::SavedDetails(record.name, record.houseName));
        Saved();
    }

    Services& m_services;
    QString m_addCaption;
    QString m_editCaption;
    RecordMode m_mode = RecordMode::Add;
    int m_id = 0;
    QGridLayout* m_fields;
    std::unique_ptr<PeopleWidgets::PersonForm<Record>> m_form;
};
