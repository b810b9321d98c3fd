// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/item_preview_window.h"

#include <QPlainTextEdit>

#include "ui/item_layouts.h"
#include "ui/item_window.h"
#include "ui/widgets.h"

namespace ui {

ItemPreviewWindow::ItemPreviewWindow(ItemWindow *owner) : QWidget(owner) {
    setObjectName(QStringLiteral("ItemPreviewWindow"));
    setUpWindow(this, itemPreviewWindowSpec);
    buildControls(this, itemPreviewWindowControls);
    control<QPlainTextEdit>(this, "编辑框1")->setFrameShape(QFrame::NoFrame);
    onItemPreviewWindowCreated(owner);
}

void ItemPreviewWindow::onItemPreviewWindowCreated(ItemWindow *owner) {
    const std::string &text = owner->generateItemConfig();
    writeText(control<QPlainTextEdit>(this, "编辑框1"), toQString(text));
}

} // namespace ui
