#pragma once
// A drop-down list for names that may be longer than the box: the closed box ends a name that
// does not fit with "…" at a character boundary, and the open list is wide enough to show
// every name whole.

#include <QComboBox>

namespace zlx::qt {

class ElidingComboBox final : public QComboBox {
  public:
    explicit ElidingComboBox(QWidget* parent = nullptr);

    // The current name as the closed box draws it.
    QString shownText() const;
    // The width the open list needs to show the widest name whole.
    int popupWidth() const;

    void showPopup() override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRect textRect() const;
};

}  // namespace zlx::qt
