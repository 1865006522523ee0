#pragma once

#include "core/DocumentLanguage.h"
#include "core/Result.h"

#include <QMap>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

/// The wording of each kind of message: a subject and a body with placeholders such as {CustomerName}, filled from
/// the booking when a message is queued. Each language has its own: the office's wording in its own document
/// language is the MailTemplate table, in any other a MailTemplateText row, and where the office wrote none the
/// program's, in that language.
namespace MailTemplates {

struct Template
{
    QString subject;
    QString body;
    bool operator==(const Template&) const = default;
};

/// The kinds with a template, in the order Configure lists them (Outbox::Kinds).
QStringList kinds();
/// What a kind is called in the templates window ("Booking confirmation").
QString kindCaption(const QString& kind);
/// Every placeholder a template may hold, with its braces.
QStringList placeholders();

/// The program's own wording of a kind, used until the office saves its own; in the words' language.
Template defaultTemplate(const QString& kind, const DocumentWords& words = DocumentWords::interface());

/// The placeholders in text that are not known ("{Arival}"), each once; empty when all are.
QStringList unknownPlaceholders(const QString& text);

/// The office's template of a kind in a language ("de"), or the program's in that language when none is saved.
Result<Template> load(const QSqlDatabase& db, const QString& kind, const QString& language);
/// The same in the office's own document language.
Result<Template> load(const QSqlDatabase& db, const QString& kind);
/// The wording a customer reads whose language column holds customerLanguage ("": the office's), in the language
/// DocumentLanguage::resolve gives.
Result<Template> loadFor(const QSqlDatabase& db, const QString& kind, const QString& customerLanguage);
/// Saves a template of a language; Refused, naming them, when it holds an unknown placeholder, an empty subject or
/// a line break in the subject, or the language is not one we speak.
Status save(const QSqlDatabase& db, const QString& kind, const Template& edited, const QString& language);
/// Back to the program's wording in that language.
Status reset(const QSqlDatabase& db, const QString& kind, const QString& language);
/// Whether the office saved a wording of its own for the kind in the language.
Result<bool> edited(const QSqlDatabase& db, const QString& kind, const QString& language);

/// The template with each placeholder replaced by its value (name without braces); a placeholder without a value
/// becomes empty. Values are put in as text once: a value holding "{Total}" stays as it is.
Template fill(const Template& wording, const QMap<QString, QString>& values);

} // namespace MailTemplates
