#pragma once
// The graph control drawn with QPainter: what its layout (ui/graph_layout.h) lists, in order.

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
