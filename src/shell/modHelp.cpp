#include "shell/modHelp.h"

#include "core/InstallPaths.h"
#include "core/Seams.h"

#include <QFileInfo>

namespace modHelp {
namespace {
void OpenPage(IDesktop& desktop, const QString& page)
{
    const QString path = HelpFolder() + u'/' + page;
    if (QFileInfo(path).isFile())
        desktop.Open(QUrl::fromLocalFile(path));
}
} // namespace

QString HelpFolder()
{
    return InstallPaths::AppDir() + QStringLiteral("/help");
}

void ShowContents(IDesktop& desktop)
{
    OpenPage(desktop, QStringLiteral("index.html"));
}

void ShowIndex(IDesktop& desktop)
{
    OpenPage(desktop, QStringLiteral("keywords.html"));
}

} // namespace modHelp
