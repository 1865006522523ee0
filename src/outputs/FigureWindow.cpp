#include "outputs/FigureWindow.h"

#include "core/Seams.h"
#include "core/ui/DocumentRenderer.h"
#include "outputs/ExportMenu.h"
#include "outputs/FigureChart.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

FigureWindow::FigureWindow(Services& services, QWidget* parent)
    : ChildWindow(parent), m_services(services), m_chtFigure(new QChartView(this)), m_lstFigures(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("frmFigure"));
    m_chtFigure->setObjectName(QStringLiteral("chtFigure"));
    m_chtFigure->setRenderHint(QPainter::Antialiasing);
    m_chtFigure->setMinimumHeight(260);
    m_lstFigures->setObjectName(QStringLiteral("lstFigures"));
    m_lstFigures->setRootIsDecorated(false);
    m_lstFigures->setAlternatingRowColors(true);
    m_lstFigures->header()->setStretchLastSection(false);

    auto* cmdPreview = new QPushButton(tr("Print Pre&view..."), this);
    cmdPreview->setObjectName(QStringLiteral("cmdPreview"));
    auto* cmdSavePdf = new QPushButton(tr("Save as &PDF..."), this);
    cmdSavePdf->setObjectName(QStringLiteral("cmdSavePdf"));
    auto* cmdExportCsv = new QPushButton(tr("&Export CSV..."), this);
    cmdExportCsv->setObjectName(QStringLiteral("cmdExportCsv"));
    auto* cmdClose = new QPushButton(tr("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(m_chtFigure);
    splitter->addWidget(m_lstFigures);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdPreview);
    buttons->addWidget(cmdSavePdf);
    buttons->addWidget(cmdExportCsv);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);

    connect(cmdPreview, &QPushButton::clicked, this,
            [this] { DocumentRenderer::preview(document(), this, &m_services, m_figure.title); });
    connect(cmdSavePdf, &QPushButton::clicked, this,
            [this] { DocumentRenderer::saveAsPdf(document(), m_services, m_figure.title); });
    connect(cmdExportCsv, &QPushButton::clicked, this, [this] {
        ExportMenu::exportTable(m_services, m_figure.file, m_figure.title, tr("Export %1").arg(m_figure.title));
    });
    connect(cmdClose, &QPushButton::clicked, this, &ChildWindow::closeWithFrame);
    resize(900, 640);
}

FigureWindow* FigureWindow::display(IWindowHost& host, Services& services, const HarbourFigures::Figure& figure)
{
    auto* window = qobject_cast<FigureWindow*>(host.findWindow(QStringLiteral("frmFigure")));
    if (!window)
        window = new FigureWindow(services);
    window->setFigure(figure);
    host.showChild(window);
    return window;
}

void FigureWindow::setFigure(const HarbourFigures::Figure& figure)
{
    m_figure = figure;
    setWindowTitle(figure.title);
    QChart* old = m_chtFigure->chart();
    m_chtFigure->setChart(FigureChart::chart(figure));
    delete old; // the view hands its previous chart back to whoever set it
    m_lstFigures->clear();
    m_lstFigures->setHeaderLabels(figure.columns);
    for (const QStringList& row : figure.rows) {
        auto* item = new QTreeWidgetItem(m_lstFigures, row);
        for (int c = 1; c < row.size(); ++c)
            item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    }
    m_lstFigures->header()->resizeSections(QHeaderView::ResizeToContents);
}

Doc::Document FigureWindow::document() const
{
    // About 100 dots per inch across the landscape page: the chart's own fonts come out at a readable size.
    return HarbourFigures::document(m_figure, FigureChart::picture(m_figure, QSize(1000, 500)));
}
