// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include <QPlainTextEdit>
#include <QWidget>

#include "ui/toolkit/window_layout.h"

namespace ui {

struct PreviewControls {
    QPlainTextEdit *textBox;
};

inline constexpr WindowSpec mobPreviewSpec = {"Veltrane-预览配置 怪物", {380, 500}};
inline constexpr WindowSpec itemPreviewSpec = {"Veltrane-预览配置 物品", {380, 500}};

inline constexpr std::array previewControls = std::to_array<ControlSpec<PreviewControls>>({
    {ControlKind::TextBox, "编辑框1", "", 0, 0, 376, 472, nullptr, bind<&PreviewControls::textBox>},
});

// Shows a generated config it is handed. The box is editable, but nothing reads it back.
class PreviewWindow : public QWidget {
  public:
    // objectName tells the mob preview (MobPreviewWindow) from the item one.
    PreviewWindow(QWidget *owner, const char *objectName, const WindowSpec &layout,
                  const QString &configText);
};

} // namespace ui
