// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace ui {

class ItemWindow;

// Shows the item config of the sheet as it is when the window opens; opening it generates
// the text anew. The box is editable, but nothing reads it back.
class ItemPreviewWindow : public QWidget {
public:
    explicit ItemPreviewWindow(ItemWindow *owner);

private:
    void onItemPreviewWindowCreated(ItemWindow *owner);
};

} // namespace ui
