#include "outputs/FigureChart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QHorizontalBarSeries>
#include <QLineSeries>
#include <QPainter>
#include <QStackedBarSeries>
#include <QValueAxis>

namespace FigureChart {

namespace {
// Past this many categories their labels would overlap: every n-th is named.
constexpr int MaximumLabels = 24;
} // namespace

QChart* chart(const HarbourFigures::Figure& figure)
{
    auto* chart = new QChart;
    chart->setTitle(figure.title);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    if (!figure.emptyReason.isEmpty() || figure.categories.isEmpty()) {
        chart->setTitle(figure.title + QStringLiteral("\n") + figure.emptyReason);
        chart->legend()->hide();
        return chart;
    }

    QAbstractBarSeries* bars = figure.horizontal ? static_cast<QAbstractBarSeries*>(new QHorizontalBarSeries)
                               : figure.stacked  ? static_cast<QAbstractBarSeries*>(new QStackedBarSeries)
                                                 : static_cast<QAbstractBarSeries*>(new QBarSeries);
    double top = 0;
    QList<double> stackHeights(figure.categories.size(), 0);
    for (const auto& series : figure.bars) {
        auto* set = new QBarSet(series.name);
        for (int i = 0; i < series.values.size(); ++i) {
            set->append(series.values[i]);
            stackHeights[i] += series.values[i];
            top = std::max(top, figure.stacked ? stackHeights[i] : series.values[i]);
        }
        bars->append(set);
    }
    bars->setBarWidth(0.8);
    chart->addSeries(bars);

    // Category labels: a long period names every n-th step only, the others stay blank but keep their place.
    QStringList labels = figure.categories;
    const int every = std::max(1, int((labels.size() + MaximumLabels - 1) / MaximumLabels));
    for (int i = 0; i < labels.size(); ++i)
        if (i % every != 0)
            labels[i] = QString(i, QChar(0x200B)); // distinct blank labels: the axis needs them unique
    auto* categories = new QBarCategoryAxis;
    categories->append(labels);
    if (figure.categories.size() > 12 && !figure.horizontal)
        categories->setLabelsAngle(-60);
    auto* values = new QValueAxis;
    values->setTitleText(figure.unit);
    values->setLabelFormat(QStringLiteral("%.0f"));

    for (const auto& line : figure.lines) {
        auto* series = new QLineSeries;
        series->setName(line.name);
        for (int i = 0; i < line.values.size(); ++i) {
            series->append(i, line.values[i]);
            top = std::max(top, line.values[i]);
        }
        chart->addSeries(series);
    }
    if (figure.unit == QStringLiteral("%"))
        top = std::max(top, 100.0);
    values->setRange(0, top > 0 ? top * 1.05 : 1);
    values->applyNiceNumbers();

    chart->addAxis(categories, figure.horizontal ? Qt::AlignLeft : Qt::AlignBottom);
    chart->addAxis(values, figure.horizontal ? Qt::AlignBottom : Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(categories);
        series->attachAxis(values);
    }
    if (figure.bars.size() + figure.lines.size() < 2)
        chart->legend()->hide();
    return chart;
}

QImage picture(const HarbourFigures::Figure& figure, const QSize& size)
{
    QGraphicsScene scene;
    QChart* drawn = chart(figure);
    scene.addItem(drawn); // the scene owns it
    drawn->resize(size);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, QRectF(QPointF(0, 0), size), QRectF(QPointF(0, 0), size));
    return image;
}

} // namespace FigureChart
