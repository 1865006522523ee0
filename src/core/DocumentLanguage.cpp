#include "core/DocumentLanguage.h"

#include "core/DateTimes.h"
#include "core/Languages.h"
#include "core/MessageLog.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QMutex>
#include <QMutexLocker>
#include <QSet>
#include <QSqlQuery>
#include <QTranslator>

DocumentWords::DocumentWords(const QString& code) : m_code(Languages::known(code) ? code : QStringLiteral("en")) {}

DocumentWords DocumentWords::interface()
{
    return DocumentWords();
}

QString DocumentWords::translate(const char* context, const char* source, const char* disambiguation, int n) const
{
    if (m_code.isEmpty())
        return QCoreApplication::translate(context, source, disambiguation, n);
    QString text;
    if (const Result<const QTranslator*> found = Languages::translator(m_code); found && *found)
        text = (*found)->translate(context, source, disambiguation, n);
    if (text.isEmpty())
        text = QString::fromUtf8(source);
    if (n >= 0)
        text.replace(QStringLiteral("%n"), QString::number(n));
    return text;
}

QLocale DocumentWords::locale() const
{
    return m_code.isEmpty() ? DateTimes::namesLocale() : DateTimes::namesLocale(m_code);
}

namespace DocumentLanguage {
namespace {

// Why a language cannot be written in; nothing when it can.
std::optional<QString> trouble(const QString& code)
{
    if (code == QLatin1String("en"))
        return std::nullopt;
    const Result<const QTranslator*> found = Languages::translator(code);
    if (found)
        return std::nullopt;
    return found.error();
}

// Each language passed over is told once a run: a run of letters must not fill the log with one line each.
void tellOnce(const QString& code, const QString& why, const QString& instead)
{
    static QMutex mutex;
    static QSet<QString> told;
    const QMutexLocker lock(&mutex);
    if (told.contains(code))
        return;
    told.insert(code);
    MessageLog::logError(
        QStringLiteral("Documents in the language \"%1\" are written in \"%2\" instead: %3").arg(code, instead, why));
}

// The names a language goes by in each language we speak, accents left off (compared folded).
struct Names
{
    const char* code;
    const char* iso3[2];
    const char* names[8];
};
const Names LanguageNames[] = {
    {"en", {"eng", nullptr}, {"english", "englisch", "engels", "anglais", "inglese", "ingles", nullptr}},
    {"de", {"deu", "ger"}, {"german", "deutsch", "duits", "allemand", "tedesco", "aleman", nullptr}},
    {"nl",
     {"nld", "dut"},
     {"dutch", "nederlands", "niederlandisch", "hollandisch", "neerlandais", "olandese", "neerlandes", "holandes"}},
    {"fr", {"fra", "fre"}, {"french", "francais", "franzosisch", "frans", "francese", "frances", nullptr}},
    {"it", {"ita", nullptr}, {"italian", "italiano", "italienisch", "italiaans", "italien", nullptr}},
    {"es", {"spa", nullptr}, {"spanish", "espanol", "spanisch", "spaans", "espagnol", "spagnolo", "castellano"}}};

QString folded(const QString& text)
{
    QString out;
    for (const QChar c : text.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            out += c.toLower();
    return out;
}

} // namespace

Result<QString> office(const QSqlDatabase& db)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT DocumentLanguage FROM Company ORDER BY CompanyID"), {}, &error))
        return databaseFailure(error);
    const QString code = q.next() ? q.value(0).toString() : QString();
    return Languages::known(code) ? code : QStringLiteral("en");
}

Status setOffice(const QSqlDatabase& db, const QString& code)
{
    if (!Languages::known(code))
        return refused(
            QCoreApplication::translate("DocumentLanguage", "There is no language with the code \"%1\".").arg(code));
    QString error;
    if (!Sql::exec(db, QStringLiteral("UPDATE Company SET DocumentLanguage = ?"), {code}, &error))
        return databaseFailure(error);
    return Done{};
}

QString resolve(const QString& customer, const QString& office)
{
    const QString fallback = trouble(office) ? QStringLiteral("en") : office;
    if (office != fallback)
        tellOnce(office, *trouble(office), fallback);
    if (customer.isEmpty() || customer == fallback)
        return fallback;
    if (!Languages::known(customer)) {
        tellOnce(customer, QStringLiteral("no translation exists for it."), fallback);
        return fallback;
    }
    if (const std::optional<QString> why = trouble(customer)) {
        tellOnce(customer, *why, fallback);
        return fallback;
    }
    return customer;
}

DocumentWords wordsFor(const QString& customer, const QString& office)
{
    return DocumentWords(resolve(customer, office));
}

std::optional<QString> parse(const QString& text)
{
    const QString word = folded(text.trimmed());
    if (word.isEmpty())
        return QString();
    // "de-AT", "de_CH": the language part.
    const QString code = word.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
    for (const Names& language : LanguageNames) {
        const QString own = QLatin1String(language.code);
        if (code == own)
            return own;
        for (const char* iso : language.iso3)
            if (iso && word == QLatin1String(iso))
                return own;
        for (const char* name : language.names)
            if (name && word == QLatin1String(name))
                return own;
    }
    return std::nullopt;
}

QString caption(const QString& code)
{
    if (code.isEmpty())
        return QCoreApplication::translate("DocumentLanguage", "The office's language");
    for (const Languages::Language& language : Languages::all())
        if (language.code == code)
            return QStringLiteral("%1 (%2)").arg(language.name, code);
    return code;
}

} // namespace DocumentLanguage
