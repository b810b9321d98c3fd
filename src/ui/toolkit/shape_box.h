// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace ui {

// A white shape with a black outline one pixel wide; controls may sit inside it.
class ShapeBox : public QWidget {
  public:
    enum class Shape {
        RoundedRectangle, // corners rounded by a fifth of the width and of the height
        Circle,           // the largest circle the box holds
    };

    ShapeBox(Shape shape, QWidget *parent);

    Shape shape() const { return shape_; }

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    Shape shape_;
};

} // namespace ui
