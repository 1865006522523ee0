#pragma once

#include "core/Result.h"

#include <QList>
#include <QString>
#include <optional>
#include <utility>

/// One field both this person and another desk changed, to different values, while the person was editing the
/// record: its caption, what the other desk stored, and what this person typed.
struct FieldChange
{
    QString field;
    QString theirs;
    QString mine;
    bool operator==(const FieldChange&) const = default;
};

/// Two desks editing one record: every editor's save merges, inside its transaction, what it loaded (base), what is
/// stored now (theirs) and what the person typed (mine), field by field, so that both desks keep their changes.
namespace FieldChanges {

/// What a field's three versions come to.
enum class Outcome
{
    Unchanged,  // nobody changed it
    Mine,       // only this person changed it: theirs is overwritten by no one, mine is saved
    Theirs,     // only the other desk changed it: kept
    BothSame,   // both changed it to the same value: no conflict
    BothDiffer, // both changed it to different values: the only case the person is asked about
};
/// The rule, from which versions agree.
Outcome outcome(bool theirsAsLoaded, bool mineAsLoaded, bool theirsAsMine);

/// The merge of one record. Each field() call compares one field; the merged record keeps mine where this person
/// changed the field, takes theirs where only the other desk did, and lists the fields both changed differently.
template <typename Record> class Merge
{
public:
    Merge(const Record& base, const Record& theirs, const Record& mine)
        : m_base(base), m_theirs(theirs), m_merged(mine), m_keepingTheirs(mine)
    {
    }

    /// A field held in a member, shown in the question by shown(value).
    template <typename T, typename Shown> void field(const QString& caption, T Record::*member, Shown shown)
    {
        field(
            caption, [member](const Record& r) -> const T& { return r.*member; },
            [member](Record& into, const Record& from) { into.*member = from.*member; }, shown);
    }
    /// A text field, shown as it is.
    void field(const QString& caption, QString Record::*member)
    {
        field(caption, member, [](const QString& text) { return text; });
    }
    /// A field read by get(record) and copied from one record into another by take(into, from): an entry of a list
    /// held in the record, several members that change together.
    template <typename Get, typename Take, typename Shown>
    void field(const QString& caption, Get get, Take take, Shown shown)
    {
        const auto& base = get(m_base);
        const auto& theirs = get(m_theirs);
        const auto mine = get(m_merged); // a copy: take() below may replace what it refers to
        switch (outcome(base == theirs, base == mine, theirs == mine)) {
        case Outcome::Theirs:
            take(m_merged, m_theirs);
            take(m_keepingTheirs, m_theirs);
            break;
        case Outcome::BothDiffer:
            take(m_keepingTheirs, m_theirs);
            m_conflicts.append({caption, shown(theirs), shown(mine)});
            break;
        default:
            break;
        }
    }

    /// The fields both changed to different values, in the order compared.
    const QList<FieldChange>& conflicts() const { return m_conflicts; }
    /// What is stored now.
    const Record& theirs() const { return m_theirs; }
    /// Every change of both desks; mine in the conflicting fields. What a save writes when nothing conflicts.
    const Record& merged() const { return m_merged; }
    /// The same with theirs in the conflicting fields.
    const Record& keepingTheirs() const { return m_keepingTheirs; }
    /// After the person chose: the record to save next (checked against theirs as its new base).
    const Record& chosen(bool keepTheirs) const { return keepTheirs ? m_keepingTheirs : m_merged; }

private:
    Record m_base;
    Record m_theirs;
    Record m_merged;
    Record m_keepingTheirs;
    QList<FieldChange> m_conflicts;
};

/// The text of the Conflict a save returns when fields conflict: nothing was saved.
QString conflictText();

/// Inside a save's transaction, after the stored record was read again: the record to write (the merge), or a
/// Conflict when both desks changed a field differently, with nothing to write. The merge is handed to out either
/// way, for the window to ask about its conflicts or to show what was saved.
template <typename Record> Result<Record> toWrite(Merge<Record> merge, std::optional<Merge<Record>>* out)
{
    const bool conflicting = !merge.conflicts().isEmpty();
    Record merged = merge.merged();
    if (out)
        out->emplace(std::move(merge));
    if (conflicting)
        return conflict(conflictText());
    return merged;
}

/// The question put when a save found fields both desks changed, naming what, each field theirs and mine, and
/// what each button does; the default (Yes) keeps theirs.
QString question(const QString& what, const QList<FieldChange>& conflicts);

} // namespace FieldChanges
