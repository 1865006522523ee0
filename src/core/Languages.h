#pragma once

#include "core/Result.h"

#include <QList>
#include <QString>
#include <QStringList>

class QTranslator;

/// The languages the program speaks: English, in which every text is written, and the translations it ships
/// (root/translations/zemharbour_<code>.qm). The interface takes one at start-up; a document or an e-mail to a
/// customer is written in the customer's, whatever the interface's.
namespace Languages {

struct Language
{
    QString code; // "en", "de", "nl", "fr", "it", "es"
    QString name; // in the language itself: "Deutsch"
};

/// English first, then the translations in the order the windows list them.
const QList<Language>& all();
/// Whether code names one of all().
bool known(const QString& code);
/// The machine's language where we have it, else "en".
QString machineDefault();
/// The folder the translations are read from: root/translations.
QString folder();
/// zemharbour_<code>.qm in folder().
QString fileOf(const QString& code);

/// The interface's language for a stored setting: "" gives machineDefault(); a code we do not have gives
/// English, with the reason in problem (empty when the setting was honoured).
struct Choice
{
    QString code;
    QString problem;
};
Choice interfaceChoice(const QString& stored);

/// Installs, for the run, the program's translation of code and Qt's own (its standard buttons and dialogs) into
/// the application, before any window is made, and makes it the language of day and month names
/// (DateTimes::namesLocale). English installs nothing. Returns what could not be loaded, one
/// line each: without the program's file the interface stays English throughout (Qt's too), never half empty.
QStringList installInterface(const QString& code);
/// The language installInterface() put in place: "en" until it has put another.
QString interfaceLanguage();
/// Qt's own translation file of a language (qtbase_<code>.qm in Qt's translations folder).
QString qtFileOf(const QString& code);

/// The translator of a language, read once and kept for the run (safe to call from any thread). English has
/// none: a null pointer. A language not in all(), or a file missing or damaged: a File failure saying which.
Result<const QTranslator*> translator(const QString& code);

/// One text in a language, for what is written to a customer: its translation, else the English text. %n is
/// replaced by n where n >= 0, as tr() does.
QString text(const QString& code, const char* context, const char* source, int n = -1);

} // namespace Languages
