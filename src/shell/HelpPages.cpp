#include "shell/HelpPages.h"

#include "core/InstallPaths.h"
#include "core/Seams.h"

#include <QFileInfo>

namespace HelpPages {
namespace {
void openPage(IDesktop& desktop, const QString& page)
{
    const QString path = helpFolder() + u'/' + page;
    if (QFileInfo(path).isFile())
        desktop.open(QUrl::fromLocalFile(path));
}
} // namespace

QString helpFolder()
{
    return InstallPaths::appDir() + QStringLiteral("/help");
}

void showContents(IDesktop& desktop)
{
    openPage(desktop, QStringLiteral("index.html"));
}

void showIndex(IDesktop& desktop)
{
    openPage(desktop, QStringLiteral("keywords.html"));
}

} // namespace HelpPages
