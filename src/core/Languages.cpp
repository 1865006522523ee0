#include "core/Languages.h"

#include "core/InstallPaths.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QMutex>
#include <QMutexLocker>
#include <QTranslator>
#include <map>
#include <memory>

namespace Languages {

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
    if (!known(code))
        return fileFailure(QStringLiteral("No translation exists for the language \"%1\".").arg(code));
    // Kept for the run: documents of several customers in turn must not read the file again each time.
    static QMutex mutex;
    static std::map<QString, std::unique_ptr<QTranslator>> loaded;
    const QMutexLocker lock(&mutex);
    if (const auto found = loaded.find(code); found != loaded.end())
        return static_cast<const QTranslator*>(found->second.get());
    const QString path = fileOf(code);
    if (!QFileInfo::exists(path))
        return fileFailure(QStringLiteral("The translation file %1 is missing.").arg(path));
    auto made = std::make_unique<QTranslator>();
    if (!made->load(path))
        return fileFailure(QStringLiteral("The translation file %1 cannot be read: it is damaged.").arg(path));
    const QTranslator* kept = made.get();
    loaded.emplace(code, std::move(made));
    return kept;
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
