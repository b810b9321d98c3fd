// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolkit/shape_box.h"

#include <algorithm>

#include <QPainter>

namespace ui {

ShapeBox::ShapeBox(Shape shape, QWidget *parent) : QWidget(parent), shape_(shape) {}

void ShapeBox::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    // White inside the outline only: outside it, at the corners, whatever lies beneath the
    // box shows through, so a caption box on a coloured bar does not get white corners.
    painter.setBrush(Qt::white);
    // Half a pixel in, so the one-pixel pen lies on whole pixels along the edges.
    const QRectF outline = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    switch (shape_) {
    case Shape::RoundedRectangle:
        // The corner ellipses are a fifth of the box wide and high: radii of a tenth.
        painter.drawRoundedRect(outline, outline.width() / 10, outline.height() / 10);
        break;
    case Shape::Circle: {
        const qreal diameter = std::min(outline.width(), outline.height());
        QRectF circle(0, 0, diameter, diameter);
        circle.moveCenter(outline.center());
        painter.drawEllipse(circle);
        break;
    }
    }
}

} // namespace ui
