#include "people/PickerChoices.h"

#include "core/SearchText.h"
#include "people/CustomerSearch.h"

#include <algorithm>

PickerChoices::PickerChoices(QList<Choice> choices, Finder finder)
    : m_choices(std::move(choices)), m_finder(std::move(finder))
{
    if (m_finder)
        return;
    m_folded.reserve(m_choices.size());
    for (const Choice& choice : m_choices)
        m_folded << u' ' + SearchText::folded(choice.text).simplified();
}

PickerChoices PickerChoices::customers(QList<Choice> choices)
{
    return PickerChoices(std::move(choices), &customersWithAnyPart);
}

bool PickerChoices::narrows(const QString& typed)
{
    return !anyPartWords(typed).isEmpty();
}

namespace {
// Single letters, which the search leaves out, typed after a word ("Helen M").
QStringList initials(const QString& typed)
{
    QStringList letters = SearchText::folded(typed).simplified().split(u' ', Qt::SkipEmptyParts);
    letters.removeIf([](const QString& word) { return word.size() != 1; });
    return letters;
}

// Whether folded (a space before each word) holds every word sought: three letters or more anywhere, fewer at
// the start of a word, as the index seeks them.
bool holdsAll(const QString& folded, const QStringList& words)
{
    return std::all_of(words.cbegin(), words.cend(), [&folded](const QString& word) {
        return folded.contains(word.size() < 3 ? u' ' + word : word);
    });
}
} // namespace

Result<QList<PickerChoices::Choice>> PickerChoices::narrowed(const QSqlDatabase& db, const QString& typed) const
{
    const QStringList words = anyPartWords(typed);
    if (words.isEmpty())
        return m_choices;
    QList<Choice> kept;
    if (m_finder) {
        const auto ids = m_finder(db, typed);
        if (!ids)
            return ids.failure();
        for (const Choice& choice : m_choices) {
            if (std::binary_search(ids->cbegin(), ids->cend(), choice.id))
                kept << choice;
        }
    } else {
        for (int i = 0; i < m_choices.size(); ++i) {
            if (holdsAll(m_folded[i], words))
                kept << m_choices[i];
        }
    }
    // A single letter after a word narrows what the words found to the entries with a word starting with it:
    // "Helen M" keeps Helen Mirren, not Helen Clarke.
    if (const QStringList letters = initials(typed); !letters.isEmpty()) {
        kept.removeIf([&letters](const Choice& choice) {
            return !holdsAll(u' ' + SearchText::folded(choice.text).simplified(), letters);
        });
    }
    return kept;
}
