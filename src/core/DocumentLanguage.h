#pragma once

#include "core/Result.h"

#include <QLocale>
#include <QSqlDatabase>
#include <QString>
#include <optional>

/// The words of one document or e-mail to a customer, in one language whatever the interface speaks. A builder of
/// what a customer reads is handed one and looks up each text through translate(), under the context and English
/// source the translation files already hold, so it cannot pick up the interface's language by accident.
class DocumentWords
{
public:
    /// Words in the language with this code ("en" when the code is not one we speak).
    explicit DocumentWords(const QString& code);
    /// The interface's words, through the application's translators: for what a window shows at this desk.
    static DocumentWords interface();

    /// "de"; empty for the interface's words.
    const QString& language() const { return m_code; }
    /// The text in this language, else the English text; %n replaced by n where n >= 0, as tr() does.
    QString translate(const char* context, const char* source, const char* disambiguation = nullptr, int n = -1) const;
    /// Names of days and months in this language; dates keep the office's one style (DateTimes) all the same.
    QLocale locale() const;

private:
    DocumentWords() = default;
    QString m_code;
};

/// Which language a customer is written to in: the customer's own (Customer.Language), else the office's default
/// for documents (Company.DocumentLanguage, kept in the database so every desk writes a customer the same way),
/// else English.
namespace DocumentLanguage {

/// The office's default for documents; "en" when none is set or the one set is not a language we speak.
Result<QString> office(const QSqlDatabase& db);
/// Sets the office's default; Refused for a code we do not speak.
Status setOffice(const QSqlDatabase& db, const QString& code);

/// The language to write in: the customer's when its translation can be read, else the office's when it can, else
/// English. A language passed over is told to message.log once a run, with the reason.
QString resolve(const QString& customer, const QString& office);
/// The words for a customer whose language column holds customer (empty: the office's).
DocumentWords wordsFor(const QString& customer, const QString& office);

/// A language as an import's cell or a posted form gives it: "de", "DE", "de-AT", "German", "Deutsch", "allemand";
/// the code, "" for an empty text (the office's), nothing for a text naming no language we speak.
std::optional<QString> parse(const QString& text);
/// A customer's language as a window lists it: "Deutsch (de)"; "" gives the office's, said so.
QString caption(const QString& code);

} // namespace DocumentLanguage
