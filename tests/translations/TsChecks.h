#pragma once

#include "core/Result.h"

#include <QList>
#include <QString>
#include <QStringList>

/// What a Qt Linguist .ts file holds, and the faults a translation can bring into the program: a text left
/// unfinished or empty, a placeholder dropped or doubled, an accelerator lost, spacing or line breaks changed, a
/// plural with the wrong number of forms, a text of the sources not there at all.
namespace TsChecks {

struct Message
{
    QString context;
    QString source;
    QString comment;
    bool numerus = false;
    QString type;      // "" finished, "unfinished", "vanished", "obsolete"
    QStringList forms; // one translation, or a plural's forms
};

struct File
{
    QString language; // "de"
    QList<Message> messages;
};

/// Reads a .ts file; a file that is missing or not a .ts is a File failure saying which.
Result<File> read(const QString& path);

/// The plural forms Qt uses for a language (its numerus rules); 0 for a language it does not know here.
int pluralForms(const QString& language);

/// What is wrong with one message's translation, one line each ("Context: \"Source\": what"); empty when
/// nothing. Vanished and obsolete messages are not read by the program and pass.
QStringList faultsOf(const Message& message, int pluralForms);

/// Every fault of a file: its messages' faults, then each message of sources (the texts the program has now,
/// as lupdate reads them) that translated lacks.
QStringList faultsOf(const File& translated, const File& sources);

} // namespace TsChecks
