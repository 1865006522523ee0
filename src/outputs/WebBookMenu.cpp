#include "outputs/WebBookMenu.h"

#include "outputs/WebBookSettings.h"

#include <QCoreApplication>

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
    const auto page = WebBookPage::page(action, email, services.clock.now().date().year(), templatePath);
    if (!page)
        return succeeded(services, page.failure());
    const QString path = services.files.choose(WebBookPage::saveRequest());
    return !path.isEmpty() && succeeded(services, WebBookPage::save(path, *page));
}

void createStoredPage(Services& services)
{
    if (const auto settings = WebBookPage::storedSettings(services.db()); !settings)
        succeeded(services, settings.failure());
    else
        createPage(services, settings->actionUrl(), settings->email);
}

} // namespace WebBookMenu
