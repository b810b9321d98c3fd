// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace ui {

// Shows a generated mob config. The box is editable, but nothing reads it back.
class MobPreviewWindow : public QWidget {
public:
    MobPreviewWindow(QWidget *owner, const QString &configText);
};

} // namespace ui
