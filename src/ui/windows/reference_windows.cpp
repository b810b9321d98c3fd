// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/reference_windows.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "reference/colour_codes.h"
#include "reference/command_reference.h"
#include "reference/variables.h"
#include "ui/toolkit/tab_stop_delegate.h"
#include "ui/toolkit/widgets.h"
#include "ui/toolkit/window_layout.h"

namespace ui {
namespace {

constexpr WindowSpec colourCodeSpec = {"Veltrane-颜色代码", {380, 500}, false, true};
constexpr WindowSpec commandListSpec = {"Veltrane-指令列表", {380, 500}};
constexpr WindowSpec variableListSpec = {"Veltrane-变量列表", {380, 500}};
constexpr WindowSpec languageSpec = {"Veltrane-语言", {450, 171}, false, true};

struct CommandListControls {
    QPlainTextEdit *textBox;
};
constexpr auto commandListControls = std::to_array<ControlSpec<CommandListControls>>({
    {ControlKind::TextBoxNoWrap, "编辑框1", "", 0, 0, 376, 472, nullptr,
     bind<&CommandListControls::textBox>},
});

struct VariableListControls {
    QListWidget *list;
};
constexpr auto variableListControls = std::to_array<ControlSpec<VariableListControls>>({
    {ControlKind::ListBox, "列表框1", "", -1, 0, 376, 472, nullptr,
     bind<&VariableListControls::list>},
});

struct LanguageControls {
    QPushButton *simplifiedButton;
    QPushButton *traditionalButton;
    QPushButton *englishButton;
};
// Positions inside a shape box are relative to the box.
constexpr auto languageControls = std::to_array<ControlSpec<LanguageControls>>({
    {ControlKind::CircleShapeBox, "外形框1", "", 16, 39, 64, 64},
    {ControlKind::PushButton, "按钮1", "简体中文", 8, 17, 48, 32, "外形框1",
     bind<&LanguageControls::simplifiedButton>},
    {ControlKind::CircleShapeBox, "外形框2", "", 192, 39, 64, 64},
    {ControlKind::PushButton, "按钮2", "繁體中文", 8, 17, 48, 32, "外形框2",
     bind<&LanguageControls::traditionalButton>},
    {ControlKind::CircleShapeBox, "外形框3", "", 368, 39, 64, 64},
    {ControlKind::PushButton, "按钮3", "English", 8, 17, 48, 32, "外形框3",
     bind<&LanguageControls::englishButton>},
});

// Each cell of the colour code window: a bar, the caption box on it and the caption in the
// box. The boxes stand at the same x in every row, whatever the x of the bars.
constexpr int barWidth = 160, barHeight = 24;
constexpr int leftBoxX = 64, rightBoxX = 256;
constexpr int boxWidth = 56, boxHeight = 20, captionHeight = 16;

struct ColourCell {
    std::string bar, box, caption; // object names, numbered row by row, left before right
    const reference::ColourCode *code;
};

std::vector<ColourCell> colourCells() {
    std::vector<ColourCell> cells;
    for (const reference::ColourCodeRow &row : reference::colourCodeTable) {
        for (const reference::ColourCode *code : {&row.left, &row.right}) {
            const std::string number = std::to_string(cells.size() + 1);
            cells.push_back({"颜色条" + number, "颜色框" + number, "颜色标签" + number, code});
        }
    }
    return cells;
}

std::vector<ControlLayout> colourCodeControls(const std::vector<ColourCell> &cells) {
    std::vector<ControlLayout> controls;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const reference::ColourCodeRow &row = reference::colourCodeTable[i / 2];
        const bool left = i % 2 == 0;
        const int barX = left ? row.leftBarX : row.rightBarX;
        const int boxX = left ? leftBoxX : rightBoxX;
        const ColourCell &cell = cells[i];
        controls.push_back(
            {ControlKind::Label, cell.bar.c_str(), "", barX, row.barY, barWidth, barHeight});
        controls.push_back({ControlKind::RoundedShapeBox, cell.box.c_str(), "", boxX, row.barY + 2,
                            boxWidth, boxHeight});
        controls.push_back({ControlKind::Label, cell.caption.c_str(), cell.code->caption.data(),
                            boxX, row.barY + 4, boxWidth, captionHeight});
    }
    return controls;
}

// The largest pixel size, at most the given font's own, at which every text fits the room;
// the widest captions here are wider than their controls in many fonts.
QFont fittingFont(QFont font, const QStringList &texts, int room) {
    constexpr int smallest = 9;
    const int start = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    for (int size = start; size > smallest; --size) {
        font.setPixelSize(size);
        const QFontMetrics metrics(font);
        if (std::all_of(texts.begin(), texts.end(), [&](const QString &text) {
                return metrics.horizontalAdvance(text) <= room;
            }))
            return font;
    }
    font.setPixelSize(smallest);
    return font;
}

} // namespace

ColourCodeWindow::ColourCodeWindow(QWidget *owner) : QWidget(owner) {
    setObjectName(QStringLiteral("ColourCodeWindow"));
    setUpWindow(this, colourCodeSpec);
    const std::vector<ColourCell> cells = colourCells();
    // Three widgets a cell, in the order colourCodeControls lays them out.
    const std::vector<QWidget *> widgets = buildControls(this, colourCodeControls(cells));
    QStringList captions;
    for (const ColourCell &cell : cells)
        captions << toQString(cell.code->caption);
    // Clear of the box's outline on both sides.
    const QFont captionFont = fittingFont(font(), captions, boxWidth - 4);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const ColourCell &cell = cells[i];
        auto *bar = static_cast<QLabel *>(widgets[3 * i]);
        QPalette barPalette = bar->palette();
        barPalette.setColor(QPalette::Window, QColor(cell.code->colour.red, cell.code->colour.green,
                                                     cell.code->colour.blue));
        barPalette.setColor(QPalette::WindowText, Qt::black); // the border
        bar->setPalette(barPalette);
        bar->setAutoFillBackground(true);
        bar->setFrameStyle(QFrame::Box | QFrame::Plain);
        bar->setLineWidth(1);

        auto *caption = static_cast<QLabel *>(widgets[3 * i + 2]);
        QPalette captionPalette = caption->palette();
        captionPalette.setColor(QPalette::WindowText, Qt::black);
        caption->setPalette(captionPalette);
        caption->setAlignment(Qt::AlignCenter);
        caption->setFont(captionFont);
    }
}

CommandListWindow::CommandListWindow(QWidget *owner) : QWidget(owner) {
    setObjectName(QStringLiteral("CommandListWindow"));
    setUpWindow(this, commandListSpec);
    const auto controls = buildControls<CommandListControls>(this, commandListControls);
    writeText(controls.textBox, toQString(reference::commandReferenceText));
}

VariableListWindow::VariableListWindow(QWidget *owner) : QWidget(owner) {
    setObjectName(QStringLiteral("VariableListWindow"));
    setUpWindow(this, variableListSpec);
    QListWidget *list = buildControls<VariableListControls>(this, variableListControls).list;
    // Rows are as wide as the list, so only the vertical bar is ever needed; it stays, so the
    // room for the descriptions does not change when it would come and go.
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setResizeMode(QListView::Adjust);
    // One tab stop just past the longest placeholder, so every description starts in the
    // same column.
    int placeholderWidth = 0;
    for (std::string_view row : reference::variableRows) {
        const QString placeholder = toQString(row.substr(0, row.find('\t')));
        placeholderWidth =
            std::max(placeholderWidth, list->fontMetrics().horizontalAdvance(placeholder));
    }
    const int gap = list->fontMetrics().horizontalAdvance(QStringLiteral("  "));
    list->setItemDelegate(new TabStopDelegate(placeholderWidth + gap, list));
    for (std::string_view row : reference::variableRows)
        listAddRow(list, toQString(row), 0);
}

LanguageWindow::LanguageWindow(QWidget *owner) : QWidget(owner) {
    setObjectName(QStringLiteral("LanguageWindow"));
    setUpWindow(this, languageSpec);
    const auto controls = buildControls<LanguageControls>(this, languageControls);
    const QList<QPushButton *> buttons = {controls.simplifiedButton, controls.traditionalButton,
                                          controls.englishButton};
    QStringList captions;
    for (const QPushButton *button : buttons)
        captions << button->text();
    // Inside the buttons' bevels.
    const QFont captionFont = fittingFont(font(), captions, buttons.front()->width() - 6);
    for (QPushButton *button : buttons)
        button->setFont(captionFont);
}

} // namespace ui
