#include "outputs/WebBookMenu.h"

#include "outputs/WebBookSettings.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace WebBookMenu {

namespace {
// Shows a failure; true when there was none.
bool succeeded(Services& services, const Status& outcome)
{
    if (!outcome)
        services.messages.show(outcome.error(), QCoreApplication::translate("WebBookMenu", "Error"), MsgIcon::Critical,
                               MsgButtons::Ok);
    return outcome.ok();
}
} // namespace

bool createPage(Services& services, const QString& action, const QString& email, const QString& templatePath)
{
    // Checked before the file is asked for: a page that cannot be made asks nothing.
    if (const auto page = WebBookPage::page(action, email, services.clock.now().date().year(), templatePath); !page)
        return succeeded(services, page.failure());
    const QString path = services.files.choose(WebBookPage::saveRequest());
    if (path.isEmpty())
        return false;
    // The English page where the office chose, each other language's beside it.
    const QFileInfo chosen(path);
    const auto pages =
        WebBookPage::pages(action, email, services.clock.now().date().year(), chosen.fileName(), templatePath);
    return succeeded(services, pages ? WebBookPage::saveAll(chosen.absolutePath(), *pages) : Status(pages.failure()));
}

void createStoredPage(Services& services)
{
    if (const auto settings = WebBookPage::storedSettings(services.db()); !settings)
        succeeded(services, settings.failure());
    else
        createPage(services, settings->actionUrl(), settings->email);
}

} // namespace WebBookMenu
