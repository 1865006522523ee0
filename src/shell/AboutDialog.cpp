#include "shell/AboutDialog.h"

#include "core/Seams.h"
#include "core/Texts.h"
#include "core/ui/Twips.h"
#include "shell/ShellResources.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

AboutDialog::AboutDialog(Services& services, QWidget* parent) : QDialog(parent), m_services(services)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About"));

    auto* imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(ShellResources::logo());
    imgLogo->setAlignment(Qt::AlignTop);

    // The product and version labels are placed by hand: the version follows the product name's width.
    auto* title = new QWidget(this);
    title->setObjectName(QStringLiteral("fraTitle"));
    m_lblCompanyProduct = new QLabel(title);
    m_lblCompanyProduct->setObjectName(QStringLiteral("lblCompanyProduct"));
    m_lblCompanyProduct->setTextFormat(Qt::PlainText);
    QFont big = m_lblCompanyProduct->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    m_lblCompanyProduct->setFont(big);
    m_lblVersion = new QLabel(title);
    m_lblVersion->setObjectName(QStringLiteral("lblVersion"));
    m_lblVersion->setTextFormat(Qt::PlainText);

    auto* staticVersion = new QLabel(tr("Version: 1.0.1"), this);
    staticVersion->setObjectName(QStringLiteral("lblStaticVersion"));
    auto* description = new QLabel(tr("Bookings, berths, customers and calendars for marinas, harbours "
                                      "and caravan and camping parks."),
                                   this);
    description->setObjectName(QStringLiteral("lblDescription"));
    description->setWordWrap(true);

    auto* cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    auto* cmdSystemInfo = new QPushButton(tr("&System Info ..."), this);
    cmdSystemInfo->setObjectName(QStringLiteral("cmdSystemInfo"));
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSystemInfo, &QPushButton::clicked, this, &AboutDialog::onSystemInfo);

    m_lblCompanyProduct->setText(Texts::productTitle());
    m_lblVersion->setText(Texts::versionText());
    title->setMinimumSize(Twips::toPixelsX(5400, this), Twips::toPixelsY(600, this));

    auto* text = new QVBoxLayout;
    text->addWidget(title);
    text->addWidget(staticVersion);
    text->addWidget(description);
    text->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(imgLogo);
    top->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSystemInfo);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
    placeVersion();
}

void AboutDialog::display(Services& services, QWidget* parent)
{
    AboutDialog about(services, parent);
    about.exec();
}

void AboutDialog::placeVersion()
{
    m_lblCompanyProduct->adjustSize();
    m_lblVersion->adjustSize();
    m_lblCompanyProduct->move(0, 0);
    m_lblVersion->move(m_lblCompanyProduct->x() + m_lblCompanyProduct->width() + Twips::toPixelsX(300, this),
                       m_lblCompanyProduct->y() + m_lblCompanyProduct->height() - m_lblVersion->height());
}

void AboutDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    placeVersion();
}

QString AboutDialog::systemInfoProgram()
{
#ifdef Q_OS_WIN
    const QSettings tools(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                          QSettings::NativeFormat);
    QString program = tools.value(QStringLiteral("PATH")).toString();
    if (program.isEmpty() || !QFileInfo(program).isFile()) {
        const QSettings location(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools Location"),
                                 QSettings::NativeFormat);
        const QString folder = location.value(QStringLiteral("MSINFO")).toString();
        program = folder.isEmpty() ? QString() : folder + QStringLiteral("\\MSINFO32.EXE");
    }
    return !program.isEmpty() && QFileInfo(program).isFile() ? program : QString();
#else
    return {};
#endif
}

void AboutDialog::onSystemInfo()
{
    const QString program = systemInfoProgram();
    if (program.isEmpty() || !QProcess::startDetached(program, {}))
        m_services.messages.show(tr("System Information Is Unavailable At This Time"), Texts::productTitle(),
                                 MsgIcon::None, MsgButtons::Ok);
}
