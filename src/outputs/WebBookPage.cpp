#include "outputs/WebBookPage.h"

#include "outputs/WebBookSettings.h"

#include <QCoreApplication>
#include <QFile>
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

} // namespace WebBookPage
