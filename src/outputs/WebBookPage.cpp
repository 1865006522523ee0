#include "outputs/WebBookPage.h"

#include "core/Seams.h"
#include "outputs/WebBookSettings.h"

#include <QFile>
#include <QSaveFile>

// The resources live in a static library: nothing references them, so they are registered by hand once.
static void initOutputsResources()
{
    Q_INIT_RESOURCE(webbook);
}

namespace WebBookPage {
namespace {
const QString ErrorTitle = QStringLiteral("Error");
const QStringList YearLists = {QStringLiteral("arrive_year"), QStringLiteral("departure_year")};
constexpr int YearsOffered = 3;

void showError(Services& services, const QString& format, const QString& description)
{
    services.messages.show(format.arg(description), ErrorTitle, MsgIcon::Critical, MsgButtons::Ok);
}
} // namespace

std::optional<QString> Template(const QString& path)
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

std::optional<QString> fill(const QString& pageTemplate, const QString& action, const QString& email, int firstYear)
{
    QString page = pageTemplate;
    // The years go in before the values, so nothing in a value can be taken for a year list.
    QString years;
    for (int year = firstYear; year < firstYear + YearsOffered; ++year)
        years += QStringLiteral("\n<option value=\"%1\">%1</option>").arg(year);
    for (const QString& list : YearLists) {
        const qsizetype start = page.indexOf(QStringLiteral("<select name=\"%1\"").arg(list));
        const qsizetype end = start < 0 ? -1 : page.indexOf(u'>', start);
        if (end < 0)
            return std::nullopt;
        page.insert(end + 1, years);
    }
    page.replace(QStringLiteral("{ACTION}"), action.toHtmlEscaped());
    page.replace(QStringLiteral("{YOUREMAIL}"), email.toHtmlEscaped());
    return page;
}

bool generate(Services& services, const QString& action, const QString& email, const QString& templatePath)
{
    const std::optional<QString> pageTemplate = Template(templatePath);
    const std::optional<QString> page =
        pageTemplate ? fill(*pageTemplate, action, email, services.clock.now().date().year()) : std::nullopt;
    if (!page) {
        services.messages.show(QStringLiteral("Invalid HTML resource"), ErrorTitle, MsgIcon::Critical, MsgButtons::Ok);
        return false;
    }
    FileRequest request;
    request.title = QStringLiteral("Save Web Book as...");
    request.filter = QStringLiteral("HTML files (*.HTML)");
    request.selectedFilter = request.filter;
    request.defaultSuffix = QStringLiteral("html");
    request.save = true;
    const QString path = services.files.choose(request);
    if (path.isEmpty())
        return false;
    QSaveFile file(path);
    const QByteArray bytes = page->toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        showError(services, QStringLiteral("Can't save HTML file:\r\n%1"), file.errorString());
        return false;
    }
    return true;
}

void createWebBookingPage(Services& services)
{
    const QString format = QStringLiteral("Can't generate Webbook:\r\n%1");
    const WebBookStore::Loaded loaded = WebBookStore::load(services.db());
    if (!loaded.ok) {
        showError(services, format, loaded.error);
        return;
    }
    if (!loaded.row) {
        showError(services, format, QString());
        return;
    }
    // A custom address matters only when the custom provider is chosen.
    QStringList missing = loaded.nullColumns;
    if (loaded.row->providerIndex != WebBookSettings::CustomProvider)
        missing.removeAll(QStringLiteral("WebBookingProviderCustom"));
    if (!missing.isEmpty()) {
        showError(services, format,
                  QStringLiteral("No value is stored for %1. Configure the web bookings first.")
                      .arg(missing.join(QStringLiteral(", "))));
        return;
    }
    generate(services, loaded.row->actionUrl(), loaded.row->email);
}

} // namespace WebBookPage
