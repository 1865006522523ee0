#include "core/Languages.h"

#include "core/DateTimes.h"
#include "core/InstallPaths.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QMutex>
#include <QMutexLocker>
#include <QTranslator>
#include <map>
#include <memory>

namespace Languages {
namespace {
QString& installedCode()
{
    static QString code = QStringLiteral("en");
    return code;
}

// The loaded translators, kept for the run: documents of several customers in turn must not read the file again
// each time, and the interface's is the same object.
Result<QTranslator*> loaded(const QString& code)
{
    if (!known(code) || code == QLatin1String("en"))
        return fileFailure(QStringLiteral("No translation exists for the language \"%1\".").arg(code));
    static QMutex mutex;
    static std::map<QString, std::unique_ptr<QTranslator>> kept;
    const QMutexLocker lock(&mutex);
    if (const auto found = kept.find(code); found != kept.end())
        return found->second.get();
    const QString path = fileOf(code);
    if (!QFileInfo::exists(path))
        return fileFailure(QStringLiteral("The translation file %1 is missing.").arg(path));
    auto made = std::make_unique<QTranslator>();
    if (!made->load(path))
        return fileFailure(QStringLiteral("The translation file %1 cannot be read: it is damaged.").arg(path));
    QTranslator* result = made.get();
    kept.emplace(code, std::move(made));
    return result;
}
} // namespace

const QList<Language>& all()
{
    // The names are each language's own, so a clerk who cannot read the interface still finds theirs.
    static const QList<Language> languages{
        {QStringLiteral("en"), QStringLiteral("English")},    {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("nl"), QStringLiteral("Nederlands")}, {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("it"), QStringLiteral("Italiano")},   {QStringLiteral("es"), QStringLiteral("Español")}};
    return languages;
}

bool known(const QString& code)
{
    for (const Language& language : all())
        if (language.code == code)
            return true;
    return false;
}

QString machineDefault()
{
    for (const QString& name : QLocale::system().uiLanguages()) {
        const QString code = name.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (known(code))
            return code;
    }
    return QStringLiteral("en");
}

QString folder()
{
    return InstallPaths::root() + QStringLiteral("/translations");
}

QString fileOf(const QString& code)
{
    return folder() + QStringLiteral("/zemharbour_") + code + QStringLiteral(".qm");
}

Result<const QTranslator*> translator(const QString& code)
{
    if (code == QLatin1String("en"))
        return static_cast<const QTranslator*>(nullptr);
    const Result<QTranslator*> found = loaded(code);
    if (!found)
        return found.failure();
    return static_cast<const QTranslator*>(*found);
}

Choice interfaceChoice(const QString& stored)
{
    const QString code = stored.trimmed().toLower();
    if (code.isEmpty())
        return {machineDefault(), {}};
    if (known(code))
        return {code, {}};
    return {QStringLiteral("en"),
            QStringLiteral("The language setting \"%1\" names no language of ours: the program speaks English.")
                .arg(stored)};
}

QString qtFileOf(const QString& code)
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_") + code +
           QStringLiteral(".qm");
}

QStringList installInterface(const QString& code)
{
    // Qt's own texts (Yes, No, Cancel in its dialogs), and the program's, both for the run. A second call (a test
    // that changes language) replaces the first.
    static QTranslator qt;
    static QTranslator* ours = nullptr;
    QCoreApplication::removeTranslator(&qt);
    if (ours)
        QCoreApplication::removeTranslator(ours);
    ours = nullptr;
    installedCode() = QStringLiteral("en");
    DateTimes::setNamesLanguage(installedCode());
    if (code == QLatin1String("en"))
        return {};
    const Result<QTranslator*> found = loaded(code);
    if (!found)
        return {found.error() + QStringLiteral(" The program speaks English.")};
    QStringList problems;
    // Without Qt's file those few buttons stay English; the rest is translated.
    if (qt.load(qtFileOf(code)))
        QCoreApplication::installTranslator(&qt);
    else
        problems << QStringLiteral("Qt's translation file %1 is missing or damaged: its standard buttons and "
                                   "dialogs stay English.")
                        .arg(qtFileOf(code));
    ours = *found;
    QCoreApplication::installTranslator(ours);
    installedCode() = code;
    // Day and month names speak the interface's language; dates keep the office's style.
    DateTimes::setNamesLanguage(code);
    return problems;
}

QString interfaceLanguage()
{
    return installedCode();
}

QString text(const QString& code, const char* context, const char* source, int n)
{
    QString translated;
    if (const Result<const QTranslator*> found = translator(code); found && *found)
        translated = (*found)->translate(context, source, nullptr, n);
    if (translated.isEmpty())
        translated = QString::fromUtf8(source);
    if (n >= 0)
        translated.replace(QStringLiteral("%n"), QString::number(n));
    return translated;
}

} // namespace Languages
