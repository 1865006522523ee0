#pragma once

#include "core/Result.h"

#include <QMap>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

/// The wording of each kind of message (the MailTemplate table): a subject and a body with placeholders such as
/// {CustomerName}, filled from the booking when a message is queued.
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

/// The program's own wording of a kind, used until the office saves its own.
Template defaultTemplate(const QString& kind);

/// The placeholders in text that are not known ("{Arival}"), each once; empty when all are.
QStringList unknownPlaceholders(const QString& text);

/// The office's template of a kind, or the program's when none is saved.
Result<Template> load(const QSqlDatabase& db, const QString& kind);
/// Saves a template; Refused, naming them, when it holds an unknown placeholder, an empty subject or a line break
/// in the subject.
Status save(const QSqlDatabase& db, const QString& kind, const Template& edited);
/// Back to the program's wording.
Status reset(const QSqlDatabase& db, const QString& kind);

/// The template with each placeholder replaced by its value (name without braces); a placeholder without a value
/// becomes empty. Values are put in as text once: a value holding "{Total}" stays as it is.
Template fill(const Template& wording, const QMap<QString, QString>& values);

} // namespace MailTemplates
