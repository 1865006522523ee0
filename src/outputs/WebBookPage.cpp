#include "outputs/WebBookPage.h"

#include "outputs/WebBookSettings.h"

#include "core/Languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QUrl>

// The resources live in a static library: nothing references them, so they are registered by hand once.
static void initOutputsResources()
{
    Q_INIT_RESOURCE(webbook);
}

namespace WebBookPage {
namespace {
const QStringList YearLists = {QStringLiteral("arrive_year"), QStringLiteral("departure_year")};
constexpr int YearsOffered = 3;
QString invalidTemplate()
{
    return QCoreApplication::translate("WebBookPage", "Invalid HTML resource");
}

std::optional<QString> templateText(const QString& path)
{
    static const bool registered = [] {
        initOutputsResources();
        return true;
    }();
    Q_UNUSED(registered);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return QString::fromUtf8(file.readAll());
}

// The page's texts a guest reads, as the template holds them. Those in markup are written HTML-escaped, those of the
// script as JavaScript string contents. The subject line the office's mail arrives with is left as it is, so the
// office's mail filters keep working whatever page a request came from.
const char* const MarkupTexts[] = {
    QT_TRANSLATE_NOOP("WebBookPage", "Online Booking Form"),
    QT_TRANSLATE_NOOP("WebBookPage", "Thank you for your booking"),
    QT_TRANSLATE_NOOP("WebBookPage", "Go Back"),
    QT_TRANSLATE_NOOP("WebBookPage", "Please complete the form below to make an online booking."),
    QT_TRANSLATE_NOOP("WebBookPage", "Arrival date:"),
    QT_TRANSLATE_NOOP("WebBookPage", "Arrival day"),
    QT_TRANSLATE_NOOP("WebBookPage", "Arrival month"),
    QT_TRANSLATE_NOOP("WebBookPage", "Arrival year"),
    QT_TRANSLATE_NOOP("WebBookPage", "Departure date:"),
    QT_TRANSLATE_NOOP("WebBookPage", "Departure day"),
    QT_TRANSLATE_NOOP("WebBookPage", "Departure month"),
    QT_TRANSLATE_NOOP("WebBookPage", "Departure year"),
    QT_TRANSLATE_NOOP("WebBookPage", "Your name:"),
    QT_TRANSLATE_NOOP("WebBookPage", "Your email address:"),
    QT_TRANSLATE_NOOP("WebBookPage", "Any comments?"),
    QT_TRANSLATE_NOOP("WebBookPage", "Submit"),
    QT_TRANSLATE_NOOP("WebBookPage", "Reset"),
    QT_TRANSLATE_NOOP("WebBookPage", "What is free"),
    QT_TRANSLATE_NOOP("WebBookPage",
                      "Choose your dates above and give your boat's size to see which kinds of berth are free."),
    QT_TRANSLATE_NOOP("WebBookPage", "Length (m):"),
    QT_TRANSLATE_NOOP("WebBookPage", "Beam (m):"),
    QT_TRANSLATE_NOOP("WebBookPage", "Draft (m):")};
const char* const ScriptTexts[] = {
    QT_TRANSLATE_NOOP("WebBookPage", "Choose an arrival before the departure."),
    QT_TRANSLATE_NOOP("WebBookPage", "We show what is free up to "),
    QT_TRANSLATE_NOOP("WebBookPage", ": send the form and we will look."),
    QT_TRANSLATE_NOOP("WebBookPage", "Free for those nights: "),
    QT_TRANSLATE_NOOP("WebBookPage", ". Send the form to ask for it."),
    QT_TRANSLATE_NOOP("WebBookPage", "Nothing free fits those nights and that boat: send the form and we will look.")};

// Inside a script's double-quoted string: a quote or backslash escaped, and no "</" that would end the script.
QString scriptText(const QString& text)
{
    QString out;
    for (const QChar c : text) {
        if (c == u'\\' || c == u'"')
            out += u'\\';
        if (c == u'<') {
            out += QStringLiteral("\\u003c");
            continue;
        }
        out += c;
    }
    return out;
}

QString cannotGenerate(const QString& description)
{
    return QCoreApplication::translate("WebBookPage", "Can't generate Webbook:\r\n%1").arg(description);
}
} // namespace

Result<QString> page(const QString& action, const QString& email, int firstYear, const QString& templatePath)
{
    // The form is sent to a web address and nowhere else: a javascript: or data: "address" would run in the
    // visitor's browser.
    const QUrl target(action.trimmed(), QUrl::StrictMode);
    const QString scheme = target.scheme().toLower();
    if (!target.isValid() || (scheme != u"http" && scheme != u"https") || target.host().isEmpty())
        return refused(cannotGenerate(
            QCoreApplication::translate("WebBookPage",
                                        "The booking form would be sent to \"%1\", which is not a web address. Enter "
                                        "one that starts with http:// or https:// in the web booking settings.")
                .arg(action)));
    const std::optional<QString> pageTemplate = templateText(templatePath);
    if (!pageTemplate)
        return refused(invalidTemplate());
    QString page = *pageTemplate;
    // The template's notes for whoever edits it (comments before <html>) are not published.
    for (qsizetype html = page.indexOf(QStringLiteral("<html"), 0, Qt::CaseInsensitive), at = page.indexOf(u"<!--");
         at >= 0 && (html < 0 || at < html); at = page.indexOf(u"<!--", at)) {
        const qsizetype end = page.indexOf(u"-->", at);
        if (end < 0)
            return refused(invalidTemplate());
        page.remove(at, end + 3 - at);
        if (at < page.size() && page.at(at) == u'\n')
            page.remove(at, 1);
        html = page.indexOf(QStringLiteral("<html"), 0, Qt::CaseInsensitive);
    }
    // The years go in before the values, so nothing in a value can be taken for a year list.
    QString years;
    for (int year = firstYear; year < firstYear + YearsOffered; ++year)
        years += QStringLiteral("\n<option value=\"%1\">%1</option>").arg(year);
    for (const QString& list : YearLists) {
        const qsizetype start = page.indexOf(QStringLiteral("<select name=\"%1\"").arg(list));
        const qsizetype end = start < 0 ? -1 : page.indexOf(u'>', start);
        if (end < 0)
            return refused(invalidTemplate());
        page.insert(end + 1, years);
    }
    page.replace(QStringLiteral("{ACTION}"), action.toHtmlEscaped());
    page.replace(QStringLiteral("{YOUREMAIL}"), email.toHtmlEscaped());
    return page;
}

Result<WebBookSettings> storedSettings(const QSqlDatabase& db)
{
    const auto stored = WebBookStore::load(db);
    if (!stored)
        return refused(cannotGenerate(stored.error()));
    if (!stored->row)
        return refused(cannotGenerate(QString()));
    // A custom address matters only when the custom provider is chosen.
    QStringList missing = stored->nullColumns;
    if (stored->row->providerIndex != WebBookSettings::CustomProvider)
        missing.removeAll(QStringLiteral("WebBookingProviderCustom"));
    if (!missing.isEmpty())
        return refused(
            cannotGenerate(QCoreApplication::translate("WebBookPage", "No value is stored for %1. Configure the web "
                                                                      "bookings first.")
                               .arg(missing.join(QStringLiteral(", ")))));
    return *stored->row;
}

QString fileNameOf(const QString& englishName, const QString& language)
{
    if (language == u"en")
        return englishName;
    const QFileInfo english(englishName);
    const QString suffix = english.suffix().isEmpty() ? QStringLiteral("html") : english.suffix();
    return english.completeBaseName() + u'_' + language + u'.' + suffix;
}

QString translated(const QString& englishPage, const DocumentWords& words, const QString& englishName,
                   const QStringList& languages)
{
    QString page = englishPage;
    const QString code = words.language();
    if (code != u"en") {
        // Whole texts only: between tags, a whole attribute value, or a whole script string.
        for (const char* source : MarkupTexts) {
            const QString english = QString::fromUtf8(source);
            const QString mine = words.translate("WebBookPage", source).toHtmlEscaped();
            page.replace(u'>' + english + u'<', u'>' + mine + u'<');
            // A value or a label, never a name: the submit button's name stays "Submit".
            for (const QString& attribute : {QStringLiteral("value=\""), QStringLiteral("aria-label=\"")})
                page.replace(attribute + english + u'"', attribute + mine + u'"');
        }
        for (const char* source : ScriptTexts) {
            const QString english = QString::fromUtf8(source);
            page.replace(u'"' + english + u'"', u'"' + scriptText(words.translate("WebBookPage", source)) + u'"');
        }
        // The month lists, by the value each option sends.
        const QLocale locale = words.locale();
        for (int month = 1; month <= 12; ++month)
            page.replace(QStringLiteral("value=\"%1\">%2<")
                             .arg(month, 2, 10, QLatin1Char('0'))
                             .arg(QLocale::c().monthName(month)),
                         QStringLiteral("value=\"%1\">%2<")
                             .arg(month, 2, 10, QLatin1Char('0'))
                             .arg(locale.standaloneMonthName(month).toHtmlEscaped()));
        page.replace(QStringLiteral("<html lang=\"en\">"), QStringLiteral("<html lang=\"%1\">").arg(code));
    }
    // Which page a request came from: the customer made from it is written to in that language.
    const qsizetype form = page.indexOf(QStringLiteral("<form "));
    const qsizetype formEnd = form < 0 ? -1 : page.indexOf(u'>', form);
    if (formEnd >= 0)
        page.insert(formEnd + 1, QStringLiteral("\n<input type=\"hidden\" name=\"language\" value=\"%1\">").arg(code));
    // The other pages, each named in its own language.
    QStringList links;
    for (const Languages::Language& language : Languages::all())
        if (language.code != code && languages.contains(language.code))
            links << QStringLiteral("<a href=\"%1\" hreflang=\"%2\" lang=\"%2\">%3</a>")
                         .arg(QString::fromLatin1(QUrl::toPercentEncoding(fileNameOf(englishName, language.code)))
                                  .toHtmlEscaped(),
                              language.code, language.name.toHtmlEscaped());
    const qsizetype body = page.indexOf(QStringLiteral("<body>"));
    if (!links.isEmpty() && body >= 0)
        page.insert(body + 6, QStringLiteral("\n<nav>") + links.join(QStringLiteral(" | ")) + QStringLiteral("</nav>"));
    return page;
}

Result<QList<LanguagePage>> pages(const QString& action, const QString& email, int firstYear,
                                  const QString& englishName, const QString& templatePath)
{
    const auto english = page(action, email, firstYear, templatePath);
    if (!english)
        return english.failure();
    QStringList languages;
    for (const Languages::Language& language : Languages::all())
        if (language.code == u"en" || Languages::translator(language.code))
            languages << language.code;
    QList<LanguagePage> made;
    for (const QString& code : std::as_const(languages))
        made << LanguagePage{code, fileNameOf(englishName, code),
                             translated(*english, DocumentWords(code), englishName, languages)};
    return made;
}

FileRequest saveRequest()
{
    FileRequest request;
    request.title = QCoreApplication::translate("WebBookPage", "Save Web Book as...");
    request.filter = QCoreApplication::translate("WebBookPage", "HTML files (*.HTML)");
    request.selectedFilter = request.filter;
    request.defaultSuffix = QStringLiteral("html");
    request.save = true;
    return request;
}

Status save(const QString& path, const QString& page)
{
    QSaveFile file(path);
    const QByteArray bytes = page.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return fileFailure(
            QCoreApplication::translate("WebBookPage", "Can't save HTML file:\r\n%1").arg(file.errorString()));
    return Done{};
}

Status saveAll(const QString& folder, const QList<LanguagePage>& pages)
{
    for (const LanguagePage& page : pages)
        if (const Status saved = save(QDir(folder).filePath(page.fileName), page.html); !saved)
            return saved;
    return Done{};
}

} // namespace WebBookPage
