#pragma once
// The graph control drawn with QPainter: each panel with its value axes labelled in their
// units, the time axis in minutes before now, the plots, the marks with their words, and a
// legend.

#include <QWidget>

#include "ui/graph.h"

namespace zlx::qt {

class GraphView final : public QWidget {
  public:
    explicit GraphView(QWidget* parent);
    void showGraph(const ui::Graph& graph);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ui::Graph graph_;
};

}  // namespace zlx::qt
