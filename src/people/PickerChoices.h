#pragma once

#include "core/Result.h"
#include "core/SqlHelpers.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <functional>
#include <vector>

/// What a picker offers (customers, boats) and what is left of it as the clerk types: every word typed must be in
/// the entry, case and accents ignored, a word of three letters or more anywhere, one of two letters at the start
/// of a word, as the customer search's any-part box finds. Single letters narrow nothing. No widget here.
class PickerChoices final
{
public:
    using Choice = Sql::LookupItem;
    /// The sorted IDs whose records hold every word typed, as customersWithAnyPart answers.
    using Finder = std::function<Result<std::vector<int>>(const QSqlDatabase& db, const QString& typed)>;

    PickerChoices() = default;
    /// Without a finder the entries' own texts are searched.
    explicit PickerChoices(QList<Choice> choices, Finder finder = {});
    /// Customers by name, found by the customer search (names, towns, phones, e-mail).
    static PickerChoices customers(QList<Choice> choices);

    const QList<Choice>& all() const { return m_choices; }
    /// Whether typed holds a word that narrows the list.
    static bool narrows(const QString& typed);
    /// The entries holding every word typed, in their order; all of them when typed narrows nothing.
    Result<QList<Choice>> narrowed(const QSqlDatabase& db, const QString& typed) const;

private:
    QList<Choice> m_choices;
    QStringList m_folded; // each entry's text folded, a space before each word
    Finder m_finder;
};
