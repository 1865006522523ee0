#include "people/CustomerSearch.h"

#include "core/Dialect.h"
#include "core/SearchText.h"
#include "core/SqlHelpers.h"

#include <QSqlQuery>
#include <algorithm>
#include <numeric>

bool CustomerCriteria::hasConditions() const
{
    if (club != Club::Undecided || !anyPartWords(anyPart).isEmpty())
        return true;
    for (const QString& text : texts) {
        if (!text.isEmpty())
            return true;
    }
    return false;
}

QStringList anyPartWords(const QString& typed)
{
    // So many words are more than anyone types into one box.
    constexpr int MostWords = 8;
    QStringList words = SearchText::folded(typed).simplified().split(u' ', Qt::SkipEmptyParts);
    words.removeIf([](const QString& word) { return word.size() < 2; });
    words.removeDuplicates();
    return words.mid(0, MostWords);
}

Result<std::vector<int>> customersWithAnyPart(const QSqlDatabase& db, const QString& typed)
{
    // A trigram needs three letters: a shorter word is sought after the space that stands before every word.
    constexpr int IndexedLength = 3;
    std::vector<int> ids;
    QStringList words = anyPartWords(typed);
    if (words.isEmpty())
        return ids;
    for (QString& word : words) {
        if (word.size() < IndexedLength)
            word.prepend(u' ');
    }
    const bool file = Dialect::of(db).kind() == Engine::SQLite;
    QStringList conditions;
    QStringList phrases;
    QVariantList binds;
    for (const QString& word : words) {
        if (file) {
            // One phrase per word, quotes doubled: the full-text query takes it literally.
            phrases << u'"' + QString(word).replace(u'"', QStringLiteral("\"\"")) + u'"';
        } else {
            // The server's LIKE escapes with a backslash; pg_trgm reads the pattern's trigrams from it.
            QString pattern = word;
            pattern.replace(u'\\', QStringLiteral("\\\\"))
                .replace(u'%', QStringLiteral("\\%"))
                .replace(u'_', QStringLiteral("\\_"));
            conditions << QStringLiteral("Words LIKE ?");
            binds << u'%' + pattern + u'%';
        }
    }
    if (!phrases.isEmpty()) {
        conditions << QStringLiteral("CustomerText MATCH ?");
        binds << phrases.join(u' ');
    }
    const QString key = SearchText::keyColumn(db);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT %1 FROM CustomerText WHERE %2 ORDER BY %1")
                       .arg(key, conditions.join(QStringLiteral(" AND "))),
                   binds, &error))
        return databaseFailure(error);
    while (q.next())
        ids.push_back(q.value(0).toInt());
    return ids;
}

CustomerSearchModel::CustomerSearchModel(QObject* parent) : QAbstractTableModel(parent) {}

Status CustomerSearchModel::load(const QSqlDatabase& db)
{
    beginResetModel();
    m_rows.clear();
    m_shown.clear();
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString columns;
    for (const auto& field : PeopleFields::Customer)
        columns += QString::fromUtf16(field.column) + QStringLiteral(", ");
    QString error;
    const bool ok = Sql::exec(
        q, QStringLiteral("SELECT ID, %1ClubMember, Notes FROM Customer ORDER BY ID").arg(columns), {}, &error);
    while (ok && q.next()) {
        Row row;
        row.id = q.value(0).toInt();
        for (int f = 0; f < CustomerCriteria::FieldCount; ++f)
            row.texts[f] = q.value(f + 1).toString();
        row.clubMember = q.value(11).toInt() != 0;
        row.notes = q.value(12).toString();
        m_rows.push_back(std::move(row));
    }
    m_shown.resize(m_rows.size());
    std::iota(m_shown.begin(), m_shown.end(), 0);
    endResetModel();
    if (!ok)
        return databaseFailure(error);
    return Done{};
}

bool CustomerSearchModel::matches(const Row& row, const CustomerCriteria& criteria, const std::vector<int>* anyPartIds)
{
    if (anyPartIds && !std::binary_search(anyPartIds->cbegin(), anyPartIds->cend(), row.id))
        return false;
    for (int f = 0; f < CustomerCriteria::FieldCount; ++f) {
        const QString& typed = criteria.texts[f];
        if (!typed.isEmpty() && !row.texts[f].startsWith(typed, Qt::CaseInsensitive))
            return false;
    }
    if (criteria.club == CustomerCriteria::Club::Undecided)
        return true;
    return row.clubMember == (criteria.club == CustomerCriteria::Club::Ticked);
}

bool CustomerSearchModel::apply(const CustomerCriteria& criteria, const std::vector<int>& anyPartIds)
{
    beginResetModel();
    m_shown.clear();
    const bool narrowed = criteria.hasConditions();
    // Read once: the rows are many.
    const std::vector<int>* among = anyPartWords(criteria.anyPart).isEmpty() ? nullptr : &anyPartIds;
    for (int i = 0; i < static_cast<int>(m_rows.size()); ++i) {
        if (!narrowed || matches(m_rows[i], criteria, among))
            m_shown.push_back(i);
    }
    endResetModel();
    return narrowed;
}

void CustomerSearchModel::remove(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    beginRemoveRows({}, row, row);
    const int position = m_shown[row];
    m_rows.erase(m_rows.begin() + position);
    m_shown.erase(m_shown.begin() + row);
    for (int& shown : m_shown) {
        if (shown > position)
            --shown;
    }
    endRemoveRows();
}

int CustomerSearchModel::idAt(int row) const
{
    return row >= 0 && row < rowCount() ? m_rows[m_shown[row]].id : 0;
}

int CustomerSearchModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_shown.size());
}

int CustomerSearchModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CustomerSearchModel::display(const Row& row, int column) const
{
    switch (column) {
    case ColId:
        return row.id;
    case ColClubMember:
        return row.clubMember ? tr("Yes") : tr("No");
    case ColMembershipNo:
        return row.texts[CustomerCriteria::MembershipNo];
    case ColNotes:
        return row.notes;
    default:
        // Name to EmailAddress stand in the grid in the order of the search boxes.
        return row.texts[column - ColName];
    }
}

QVariant CustomerSearchModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    return display(m_rows[m_shown[index.row()]], index.column());
}

QVariant CustomerSearchModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    // The ID's column has no heading.
    static const char* const headings[] = {"",
                                           QT_TR_NOOP("Name"),
                                           QT_TR_NOOP("House Name"),
                                           QT_TR_NOOP("Street"),
                                           QT_TR_NOOP("Area"),
                                           QT_TR_NOOP("Town"),
                                           QT_TR_NOOP("Post Code"),
                                           QT_TR_NOOP("Tel. No."),
                                           QT_TR_NOOP("Mobile No."),
                                           QT_TR_NOOP("Email Address"),
                                           QT_TR_NOOP("Club Member"),
                                           QT_TR_NOOP("Membership No."),
                                           QT_TR_NOOP("Notes")};
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < static_cast<int>(std::size(headings)))
        return section == ColId ? QString() : tr(headings[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}
