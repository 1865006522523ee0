#pragma once

#include "core/ui/ChildWindow.h"
#include "outputs/HarbourFigures.h"

class IWindowHost;
class QChartView;
class QTreeWidget;
struct Services;

/// One of the harbour's figures: its chart above the table of its numbers, with a print preview and "Save as PDF"
/// through the same renderer as every report, and its numbers as a CSV file.
class FigureWindow final : public ChildWindow
{
    Q_OBJECT
public:
    explicit FigureWindow(Services& services, QWidget* parent = nullptr);

    /// Shows the figure in the open figure window (or a new one) inside the host's frame.
    static FigureWindow* display(IWindowHost& host, Services& services, const HarbourFigures::Figure& figure);

    void setFigure(const HarbourFigures::Figure& figure);
    const HarbourFigures::Figure& figure() const { return m_figure; }
    /// The printed figure, its chart drawn at print resolution.
    Doc::Document document() const;

private:
    Services& m_services;
    HarbourFigures::Figure m_figure;
    QChartView* m_chtFigure;
    QTreeWidget* m_lstFigures;
};
