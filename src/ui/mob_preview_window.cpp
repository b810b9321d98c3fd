// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mob_preview_window.h"

#include <array>

#include <QPlainTextEdit>

#include "ui/widgets.h"
#include "ui/window_layout.h"

namespace ui {
namespace {

constexpr WindowSpec previewSpec = {"Veltrane-预览配置 怪物", {380, 500}};
constexpr std::array<ControlSpec, 1> previewControls = {{
    {ControlKind::TextBox, "编辑框1", "", 0, 0, 376, 472},
}};

} // namespace

MobPreviewWindow::MobPreviewWindow(QWidget *owner, const QString &configText) : QWidget(owner) {
    setObjectName(QStringLiteral("MobPreviewWindow"));
    setUpWindow(this, previewSpec);
    buildControls(this, previewControls);
    auto *box = control<QPlainTextEdit>(this, "编辑框1");
    box->setFrameShape(QFrame::NoFrame);
    writeText(box, configText);
}

} // namespace ui
