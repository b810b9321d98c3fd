// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolkit/tab_stop_delegate.h"

#include <algorithm>

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>

namespace ui {
namespace {

constexpr int partFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip;
constexpr int lastPartFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

QStyle *styleOf(const QStyleOptionViewItem &option) {
    return option.widget ? option.widget->style() : QApplication::style();
}

} // namespace

TabStopDelegate::TabStopDelegate(int tabStopDistance, QObject *parent)
    : QStyledItemDelegate(parent), tabStop_(std::max(1, tabStopDistance)) {}

QList<int> TabStopDelegate::partStarts(const QFontMetrics &metrics, const QString &text) const {
    QList<int> starts;
    int x = 0;
    for (const QStringView part : QStringView(text).split(u'\t')) {
        if (!starts.isEmpty())
            x = (x / tabStop_ + 1) * tabStop_;
        starts.append(x);
        x += metrics.horizontalAdvance(part.toString());
    }
    return starts;
}

void TabStopDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                            const QModelIndex &index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();
    QStyle *style = styleOf(item);
    // Background, selection and focus as the style draws them, then the text part by part.
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget);
    const QList<int> starts = partStarts(item.fontMetrics, text);
    const QStringList parts = text.split(u'\t');
    painter->save();
    painter->setFont(item.font);
    const bool selected = item.state & QStyle::State_Selected;
    painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const bool last = i + 1 == parts.size();
        painter->drawText(textRect.adjusted(starts[i], 0, 0, 0), last ? lastPartFlags : partFlags,
                          parts[i]);
    }
    painter->restore();
}

QSize TabStopDelegate::sizeHint(const QStyleOptionViewItem &option,
                                const QModelIndex &index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const auto *view = qobject_cast<const QAbstractItemView *>(item.widget);
    if (!view)
        return size;
    // The text rect of a row as wide as the view, to learn how much room the last part has.
    item.rect = QRect(0, 0, view->viewport()->width(), size.height());
    const QRect textRect =
        styleOf(item)->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget);
    const int lastStart = partStarts(item.fontMetrics, text).back();
    const QString lastPart = text.section(u'\t', -1);
    const int room = std::max(1, textRect.width() - lastStart);
    const int lastHeight =
        item.fontMetrics.boundingRect(QRect(0, 0, room, 1 << 20), lastPartFlags, lastPart).height();
    size.rheight() += std::max(0, lastHeight - item.fontMetrics.height());
    size.setWidth(std::min(size.width(), view->viewport()->width()));
    return size;
}

} // namespace ui
