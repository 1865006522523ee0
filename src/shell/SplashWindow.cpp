#include "shell/SplashWindow.h"

#include "core/Texts.h"
#include "core/ui/Twips.h"
#include "shell/ShellResources.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

SplashWindow::SplashWindow(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::Box);
    frame->setStyleSheet(QStringLiteral("#Frame1 { background: #0b3d5c; } QLabel { color: white; }"));

    auto* product = new QLabel(tr("Harbour, marina and campsite reservations"), frame);
    product->setObjectName(QStringLiteral("lblProduct"));
    auto* lblCompanyProduct = new QLabel(Texts::productTitle(), frame);
    lblCompanyProduct->setObjectName(QStringLiteral("lblCompanyProduct"));
    lblCompanyProduct->setTextFormat(Qt::PlainText);
    QFont big = lblCompanyProduct->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    lblCompanyProduct->setFont(big);
    lblCompanyProduct->adjustSize();
    lblCompanyProduct->move(24, 40);
    product->move(24, 100);
    auto* lblVersion = new QLabel(Texts::versionText(), frame);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    auto* staticVersion = new QLabel(tr("Version:  1.0.1"), frame);
    staticVersion->setObjectName(QStringLiteral("lblStaticVersion"));
    staticVersion->move(24, 130);

    auto* imgLogo = new QLabel(frame);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(ShellResources::logo());
    imgLogo->setGeometry(360, 52, 96, 96);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
    setFixedSize(480, 200);
    placeVersion();
}

void SplashWindow::placeVersion()
{
    auto* product = findChild<QLabel*>(QStringLiteral("lblCompanyProduct"));
    auto* version = findChild<QLabel*>(QStringLiteral("lblVersion"));
    version->adjustSize();
    // The version stands 300 twips to the right of the product name, however wide the name is.
    version->move(product->x() + product->width() + Twips::toPixelsX(300, this),
                  product->y() + product->height() - version->height());
}

void SplashWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    placeVersion();
}

void SplashWindow::keyPressEvent(QKeyEvent*)
{
    close();
}
void SplashWindow::mousePressEvent(QMouseEvent*)
{
    close();
}
