#include "shell/ShellResources.h"

// The resources live in a static library: nothing references them, so they are registered by hand once.
static void InitShellResources()
{
    Q_INIT_RESOURCE(shell);
}

namespace ShellResources {
namespace {
void EnsureLoaded()
{
    static const bool loaded = [] {
        InitShellResources();
        return true;
    }();
    Q_UNUSED(loaded);
}
} // namespace

QIcon Icon(const QString& name)
{
    EnsureLoaded();
    return QIcon(QStringLiteral(":/shell/icons/%1.png").arg(name));
}

QPixmap Logo()
{
    EnsureLoaded();
    return QPixmap(QStringLiteral(":/shell/icons/logo.png"));
}

} // namespace ShellResources
