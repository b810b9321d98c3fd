// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QStyledItemDelegate>

namespace ui {

// Draws list rows with their tabs expanded: a tab moves the rest of the row to the next
// multiple of the tab stop distance, counted from the start of the row's text. The part
// after the last tab wraps within the room left of the row, so a long one takes more lines
// instead of running out of the list; earlier parts stay on the first line.
class TabStopDelegate : public QStyledItemDelegate {
  public:
    TabStopDelegate(int tabStopDistance, QObject *parent);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // The x of each tab-separated part of the text, from the start of the text.
    QList<int> partStarts(const QFontMetrics &metrics, const QString &text) const;

  private:
    int tabStop_;
};

} // namespace ui
