#include "shell/ShellResources.h"

// The resources live in a static library: nothing references them, so they are registered by hand once.
static void initShellResources()
{
    Q_INIT_RESOURCE(shell);
}

namespace ShellResources {
namespace {
void ensureLoaded()
{
    static const bool loaded = [] {
        initShellResources();
        return true;
    }();
    Q_UNUSED(loaded);
}
} // namespace

QIcon icon(const QString& name)
{
    ensureLoaded();
    return QIcon(QStringLiteral(":/shell/icons/%1.png").arg(name));
}

QPixmap logo()
{
    ensureLoaded();
    return QPixmap(QStringLiteral(":/shell/icons/logo.png"));
}

} // namespace ShellResources
