#pragma once

#include "core/Result.h"
#include "people/PeopleRecords.h"

#include <QAbstractTableModel>
#include <QSqlDatabase>
#include <QString>
#include <array>
#include <vector>

/// What the user asks the customer search for: the start of any of ten text columns, and the club flag.
struct CustomerCriteria
{
    /// The searched columns in the order of the search boxes.
    enum Field
    {
        Name,
        HouseName,
        Street,
        Area,
        Town,
        PostCode,
        TelNo,
        MobileNo,
        EmailAddress,
        MembershipNo,
        FieldCount
    };
    /// The three states of the club box: clear, ticked, or undecided (no condition on its own).
    enum class Club
    {
        Clear = 0,
        Ticked = 1,
        Undecided = 2
    };

    std::array<QString, FieldCount> texts;
    Club club = Club::Undecided;
    /// Words to find anywhere in the name, house name, town, post code, phones or e-mail (the any-part box).
    QString anyPart;

    /// Whether these criteria narrow the list at all. The club box counts on its own, but when any text is
    /// given an undecided box adds no condition.
    bool hasConditions() const;
};
// The search boxes are the customer's one-line texts, in the order of the field table.
static_assert(std::size(PeopleFields::Customer) == CustomerCriteria::FieldCount);

/// The words of an any-part search: typed folded (SearchText::folded) and split at spaces, at most eight. Single
/// letters are left out: they would match nearly everyone.
QStringList anyPartWords(const QString& typed);
/// The customers whose search words hold every word of typed, case and accents ignored: a word of three letters or
/// more anywhere ("kowal" finds Kowalski, "zoe" Zoë, "smith york" a Smith in York), one of two letters at the start
/// of a word ("li" finds Li and Lisa, not Williams). Sorted IDs; none when there are no words. The trigram index
/// answers every word.
Result<std::vector<int>> customersWithAnyPart(const QSqlDatabase& db, const QString& typed);

/// All customers, loaded once when the search opens, narrowed in memory by each search. A typed text matches the
/// start of its column whatever the letter case (in any script), and literally: "%", "_" and quotes are plain
/// characters. A search keeps only the positions of the matching rows, never a copy of them.
class CustomerSearchModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    /// The grid's columns; the ID is hidden by the window.
    enum Column
    {
        ColId,
        ColName,
        ColHouseName,
        ColStreet,
        ColArea,
        ColTown,
        ColPostCode,
        ColTelNo,
        ColMobileNo,
        ColEmail,
        ColClubMember,
        ColMembershipNo,
        ColNotes,
        ColumnCount
    };

    explicit CustomerSearchModel(QObject* parent = nullptr);

    /// Reads every customer; false (the list left empty, the reason in *error) when the table cannot be read.
    Status load(const QSqlDatabase& db);
    /// Starts again from all loaded customers and keeps those matching; false when the criteria have no condition,
    /// and then every customer is shown. anyPartIds: what customersWithAnyPart found for criteria.anyPart.
    bool apply(const CustomerCriteria& criteria, const std::vector<int>& anyPartIds = {});
    /// Forgets a deleted customer.
    void remove(int row);

    int idAt(int row) const;
    int loadedCount() const { return static_cast<int>(m_rows.size()); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    struct Row
    {
        int id = 0;
        bool clubMember = false;
        std::array<QString, CustomerCriteria::FieldCount> texts;
        QString notes;
    };
    /// anyPartIds: the any-part search's customers, or null when it asks nothing.
    static bool matches(const Row& row, const CustomerCriteria& criteria, const std::vector<int>* anyPartIds);
    QVariant display(const Row& row, int column) const;

    std::vector<Row> m_rows;
    std::vector<int> m_shown; // positions in m_rows of the rows the grid shows, in loaded order
};
