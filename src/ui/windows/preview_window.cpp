// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/preview_window.h"

#include <QFont>
#include <QFontDatabase>

#include "ui/toolkit/widgets.h"

namespace ui {

PreviewWindow::PreviewWindow(QWidget *owner, const char *objectName, const WindowSpec &layout,
                             const QString &configText)
    : QWidget(owner) {
    setObjectName(QString::fromUtf8(objectName));
    setUpWindow(this, layout);
    const PreviewControls controls = buildControls<PreviewControls>(this, previewControls);
    controls.textBox->setFrameShape(QFrame::NoFrame);
    // YAML nests by indentation: a fixed-width font, with CJK glyphs two columns wide, shows
    // which key belongs where.
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setFamilies({QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("Sarasa Mono SC"),
                      QStringLiteral("NSimSun"), QStringLiteral("DejaVu Sans Mono"),
                      QStringLiteral("monospace")});
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(12);
    controls.textBox->setFont(font);
    writeText(controls.textBox, configText);
}

} // namespace ui
