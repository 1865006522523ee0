#include "core/SearchText.h"

#include "core/Dialect.h"
#include "core/SqlHelpers.h"

#include <QSqlQuery>
#include <utility>
#include <vector>

namespace SearchText {

namespace {
// Letters that Unicode does not decompose into a plain letter and a mark, written plain onto result.
void appendPlain(QString& result, QChar c)
{
    switch (c.unicode()) {
    case 0x0142: // ł
        result += u'l';
        break;
    case 0x00F8: // ø
        result += u'o';
        break;
    case 0x0111: // đ
    case 0x00F0: // ð
        result += u'd';
        break;
    case 0x0127: // ħ
        result += u'h';
        break;
    case 0x0131: // dotless ı
        result += u'i';
        break;
    case 0x0167: // ŧ
        result += u't';
        break;
    case 0x00DF: // ß
        result += QStringLiteral("ss");
        break;
    case 0x00E6: // æ
        result += QStringLiteral("ae");
        break;
    case 0x0153: // œ
        result += QStringLiteral("oe");
        break;
    default:
        result += c;
    }
}

QString withoutSeparators(const QString& text)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (c.isLetterOrNumber())
            kept += c;
    }
    return kept;
}
} // namespace

QString folded(const QString& text)
{
    // Case is folded first so the capitals with strokes (Ł, Ø) meet the small letters below.
    const QString decomposed = text.toCaseFolded().normalized(QString::NormalizationForm_KD);
    QString result;
    result.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing || c.category() == QChar::Mark_Enclosing ||
            c.category() == QChar::Mark_SpacingCombining)
            continue;
        appendPlain(result, c);
    }
    return result;
}

QString customerWords(const QString& name, const QString& houseName, const QString& town, const QString& postCode,
                      const QString& telNo, const QString& mobileNo, const QString& email)
{
    // Every word, the first too, follows a space: a two-letter search finds the start of a word as the trigram
    // " li". A search word never holds a space, so no match runs across two fields.
    QStringList words;
    for (const QString& text : {name, houseName, town, postCode, telNo, mobileNo, email}) {
        if (!text.trimmed().isEmpty())
            words << folded(text.simplified());
    }
    for (const QString& text : {postCode, telNo, mobileNo}) {
        const QString compact = folded(withoutSeparators(text));
        if (!compact.isEmpty() && !words.contains(compact))
            words << compact;
    }
    return u' ' + words.join(u' ');
}

QString keyColumn(const QSqlDatabase& db)
{
    return Dialect::of(db).kind() == Engine::SQLite ? QStringLiteral("rowid") : QStringLiteral("CustomerID");
}

Status rewriteCustomers(const QSqlDatabase& db, int id)
{
    const QString key = keyColumn(db);
    QString error;
    const QString where = id > 0 ? QStringLiteral(" WHERE %1 = ?").arg(key) : QString();
    const QVariantList binds = id > 0 ? QVariantList{id} : QVariantList{};
    if (!Sql::exec(db, QStringLiteral("DELETE FROM CustomerText") + where, binds, &error))
        return databaseFailure(error);
    // Every row is read before the first is written: a server connection streams one statement at a time.
    std::vector<std::pair<QVariant, QString>> rows;
    {
        QSqlQuery customers(db);
        customers.setForwardOnly(true);
        if (!Sql::exec(customers,
                       QStringLiteral("SELECT ID, Name, HouseName, Town, PostCode, TelNo, MobileNo, EmailAddress "
                                      "FROM Customer") +
                           (id > 0 ? QStringLiteral(" WHERE ID = ?") : QString()),
                       binds, &error))
            return databaseFailure(error);
        while (customers.next()) {
            rows.emplace_back(customers.value(0),
                              customerWords(customers.value(1).toString(), customers.value(2).toString(),
                                            customers.value(3).toString(), customers.value(4).toString(),
                                            customers.value(5).toString(), customers.value(6).toString(),
                                            customers.value(7).toString()));
        }
        if (customers.lastError().isValid())
            return databaseFailure(customers.lastError().text());
    }
    QSqlQuery insert(db);
    if (!insert.prepare(QStringLiteral("INSERT INTO CustomerText (%1, Words) VALUES (?, ?)").arg(key)))
        return databaseFailure(insert.lastError().text());
    for (const auto& [customer, words] : rows) {
        insert.bindValue(0, customer);
        insert.bindValue(1, words);
        if (!insert.exec())
            return databaseFailure(insert.lastError().text());
    }
    return Done{};
}

} // namespace SearchText
