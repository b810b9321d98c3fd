// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/preview_window.h"

#include "ui/toolkit/widgets.h"

namespace ui {

PreviewWindow::PreviewWindow(QWidget *owner, const char *objectName, const WindowSpec &layout,
                             const QString &configText)
    : QWidget(owner) {
    setObjectName(QString::fromUtf8(objectName));
    setUpWindow(this, layout);
    const PreviewControls controls = buildControls<PreviewControls>(this, previewControls);
    controls.textBox->setFrameShape(QFrame::NoFrame);
    writeText(controls.textBox, configText);
}

} // namespace ui
