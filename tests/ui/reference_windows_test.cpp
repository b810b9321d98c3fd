// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "reference/colour_codes.h"
#include "reference/command_reference.h"
#include "reference/variables.h"
#include "storage/encodings.h"
#include "ui/toolkit/tab_stop_delegate.h"
#include "ui/toolkit/widgets.h"
#include "ui_fixture.h"

namespace {

using testsupport::GuiTest;

QString qstr(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// An outline pixel; a curve drawn smoothly is not quite black.
bool outlined(const QColor &pixel) {
    return pixel.lightness() < 64;
}

class ReferenceWindowsTest : public GuiTest {
  protected:
    // The shown top-level windows of that object name.
    static QList<QWidget *> shown(const char *objectName) {
        QList<QWidget *> windows;
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->isVisible() && window->objectName() == QLatin1String(objectName))
                windows << window;
        return windows;
    }

    // Presses the button and returns the one window of that name it shows.
    QWidget *open(const char *button, const char *objectName) {
        click(button);
        const QList<QWidget *> windows = shown(objectName);
        EXPECT_EQ(windows.size(), 1) << objectName;
        return windows.value(0);
    }

    // Activation reaches the application through the event queue.
    static bool becomesActive(const QWidget *window) {
        return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 1000);
    }

    static void closeAndSettle(QWidget *window) {
        window->close();
        QApplication::processEvents();
    }
};

struct Opening {
    const char *button, *objectName, *title;
    bool modal;
};

constexpr Opening openings[] = {
    {"超级按钮11", "ColourCodeWindow", "Veltrane-颜色代码", false},
    {"超级按钮10", "CommandListWindow", "Veltrane-指令列表", false},
    {"超级按钮12", "VariableListWindow", "Veltrane-变量列表", false},
    {"超级按钮19", "LanguageWindow", "Veltrane-语言", true},
};

TEST_F(ReferenceWindowsTest, EachButtonOpensItsWindowModalOnlyForTheLanguage) {
    openMainWindow();
    for (const Opening &opening : openings) {
        SCOPED_TRACE(opening.objectName);
        QWidget *window = open(opening.button, opening.objectName);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowTitle(), QString::fromUtf8(opening.title));
        EXPECT_EQ(QApplication::activeModalWidget(), opening.modal ? window : nullptr);
        closeAndSettle(window);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_TRUE(shown(opening.objectName).isEmpty());
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(ReferenceWindowsTest, NonModalWindowsStayOpenTogetherAndASecondPressRaisesTheOpenOne) {
    ui::MainWindow &mainWindow = openMainWindow();
    QWidget *commands = open("超级按钮10", "CommandListWindow");
    QWidget *colours = open("超级按钮11", "ColourCodeWindow");
    QWidget *variables = open("超级按钮12", "VariableListWindow");
    ASSERT_TRUE(commands && colours && variables);
    EXPECT_TRUE(becomesActive(variables));
    EXPECT_TRUE(mainWindow.isEnabled());

    click("超级按钮10");
    EXPECT_EQ(shown("CommandListWindow"), QList<QWidget *>{commands});
    EXPECT_TRUE(becomesActive(commands));
    EXPECT_TRUE(colours->isVisible() && variables->isVisible());

    // Once closed, the next press opens a fresh window.
    closeAndSettle(commands);
    QWidget *again = open("超级按钮10", "CommandListWindow");
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(again->isVisible());
}

TEST_F(ReferenceWindowsTest, ColourBarsShowTheirColoursUnderWhiteCaptionBoxes) {
    openMainWindow();
    QWidget *window = open("超级按钮11", "ColourCodeWindow");
    ASSERT_NE(window, nullptr);
    const QImage picture = window->grab().toImage();
    const QList<QLabel *> labels = window->findChildren<QLabel *>(Qt::FindDirectChildrenOnly);
    for (std::size_t row = 0; row < reference::colourCodeTable.size(); ++row) {
        const reference::ColourCodeRow &cells = reference::colourCodeTable[row];
        for (const bool left : {true, false}) {
            const reference::ColourCode &code = left ? cells.left : cells.right;
            SCOPED_TRACE(code.caption.data());
            const int barX = left ? cells.leftBarX : cells.rightBarX, barY = cells.barY;
            const int boxX = left ? 64 : 256, boxY = barY + 2;
            const auto caption =
                std::find_if(labels.begin(), labels.end(), [&](const QLabel *label) {
                    return label->text() == qstr(code.caption);
                });
            ASSERT_NE(caption, labels.end());
            EXPECT_EQ((*caption)->geometry(), QRect(boxX, boxY + 2, 56, 16));
            EXPECT_LE((*caption)->fontMetrics().horizontalAdvance((*caption)->text()), 52);

            const QColor colour(code.colour.red, code.colour.green, code.colour.blue);
            EXPECT_EQ(picture.pixelColor(barX + 4, barY + 12), colour);
            EXPECT_EQ(picture.pixelColor(barX + 159, barY + 12), QColor(Qt::black))
                << "right border";
            EXPECT_EQ(picture.pixelColor(barX + 12, barY), QColor(Qt::black)) << "top border";
            // The box: white inside, outlined at the top, and rounded, so its corner shows the bar.
            EXPECT_EQ(picture.pixelColor(boxX + 3, boxY + 10), QColor(Qt::white));
            EXPECT_EQ(picture.pixelColor(boxX + 28, boxY), QColor(Qt::black));
            EXPECT_EQ(picture.pixelColor(boxX, boxY), colour);
        }
    }
}

TEST_F(ReferenceWindowsTest, CommandListIsAnEditableBoxThatScrollsSidewaysAndStartsAfreshEachTime) {
    openMainWindow();
    QWidget *window = open("超级按钮10", "CommandListWindow");
    ASSERT_NE(window, nullptr);
    auto *box = testsupport::control<QPlainTextEdit>(window, "编辑框1");
    EXPECT_EQ(ui::readText(box), qstr(reference::commandReferenceText));
    EXPECT_FALSE(box->isReadOnly());
    EXPECT_EQ(box->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_GT(box->horizontalScrollBar()->maximum(), 0);
    EXPECT_GT(box->verticalScrollBar()->maximum(), 0);

    box->selectAll();
    testsupport::typeInto(box, QStringLiteral("改过"));
    EXPECT_EQ(ui::readText(box), QStringLiteral("改过"));
    EXPECT_TRUE(messages.empty());
    closeAndSettle(window);

    window = open("超级按钮10", "CommandListWindow");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ui::readText(testsupport::control<QPlainTextEdit>(window, "编辑框1")),
              qstr(reference::commandReferenceText));
}

TEST_F(ReferenceWindowsTest, VariableListShowsEveryRowWithDescriptionsInOneColumn) {
    openMainWindow();
    QWidget *window = open("超级按钮12", "VariableListWindow");
    ASSERT_NE(window, nullptr);
    auto *list = testsupport::control<QListWidget>(window, "列表框1");
    QApplication::processEvents();
    ASSERT_EQ(ui::listRowCount(list), int(reference::variableRows.size()));
    EXPECT_EQ(ui::selectedIndex(list), -1);

    const auto *delegate = dynamic_cast<const ui::TabStopDelegate *>(list->itemDelegate());
    ASSERT_NE(delegate, nullptr);
    const QFontMetrics metrics = list->fontMetrics();
    const int column = delegate->partStarts(metrics, ui::listRowText(list, 0)).value(1);
    for (int row = 0; row < ui::listRowCount(list); ++row) {
        SCOPED_TRACE(row);
        const QString text = ui::listRowText(list, row);
        EXPECT_EQ(text, qstr(reference::variableRows[std::size_t(row)]));
        EXPECT_EQ(ui::listRowTag(list, row), 0);
        EXPECT_EQ(delegate->partStarts(metrics, text), (QList<int>{0, column}));
        EXPECT_GT(column, metrics.horizontalAdvance(text.section(u'\t', 0, 0)));
        // Nothing runs out of the list sideways.
        EXPECT_LE(list->visualItemRect(list->item(row)).right(), list->viewport()->width());
    }
    // The longest description takes more than one line rather than being cut off.
    const int longest = 33;
    EXPECT_GT(list->visualItemRect(list->item(longest)).height(),
              list->visualItemRect(list->item(0)).height());

    // Selecting does nothing, and the next opening starts unselected again.
    ui::setSelectedIndex(list, 24);
    EXPECT_EQ(ui::listRowCount(list), int(reference::variableRows.size()));
    EXPECT_TRUE(messages.empty());
    closeAndSettle(window);
    window = open("超级按钮12", "VariableListWindow");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ui::selectedIndex(testsupport::control<QListWidget>(window, "列表框1")), -1);
}

TEST_F(ReferenceWindowsTest, LanguageButtonsSitInCirclesAndChangeNothing) {
    ui::MainWindow &mainWindow = openMainWindow();
    QWidget *window = open("超级按钮19", "LanguageWindow");
    ASSERT_NE(window, nullptr);
    const QImage picture = window->grab().toImage();
    const QString captions[] = {QStringLiteral("简体中文"), QStringLiteral("繁體中文"),
                                QStringLiteral("English")};
    const int boxX[] = {16, 192, 368};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        auto *box = testsupport::control<QWidget>(
            window, QStringLiteral("外形框%1").arg(i + 1).toUtf8().constData());
        auto *button = testsupport::control<QPushButton>(
            window, QStringLiteral("按钮%1").arg(i + 1).toUtf8().constData());
        EXPECT_EQ(box->geometry(), QRect(boxX[i], 39, 64, 64));
        EXPECT_EQ(button->parentWidget(), box);
        EXPECT_EQ(button->geometry(), QRect(8, 17, 48, 32));
        EXPECT_EQ(button->text(), captions[i]);
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), button->width() - 6);
        // A circle: outlined at the middle of each side, not at the corners.
        EXPECT_TRUE(outlined(picture.pixelColor(boxX[i] + 32, 39)));
        EXPECT_TRUE(outlined(picture.pixelColor(boxX[i], 39 + 32)));
        EXPECT_EQ(picture.pixelColor(boxX[i] + 1, 39 + 1), QColor(Qt::white));
    }
    // The traditional caption is the GBK text the window has always shown.
    EXPECT_EQ(storage::encodeGbk(captions[1]), QByteArray("\xB7\xB1\xF3\x77\xD6\xD0\xCE\xC4"));

    for (int i = 0; i < 3; ++i)
        clickIn(window, QStringLiteral("按钮%1").arg(i + 1).toUtf8().constData());
    QApplication::processEvents();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), window);
    EXPECT_EQ(mainWindow.windowTitle(), QStringLiteral("Veltrane[V2.2.0]"));
    EXPECT_EQ(find<QPushButton>("超级按钮19")->text(), QStringLiteral("语言"));
    EXPECT_TRUE(messages.empty());
    closeAndSettle(window);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(ReferenceTexts, AreAllGbk) {
    EXPECT_TRUE(storage::charactersOutsideGbk(qstr(reference::commandReferenceText)).isEmpty());
    for (std::string_view row : reference::variableRows)
        EXPECT_TRUE(storage::charactersOutsideGbk(qstr(row)).isEmpty()) << row;
    const std::optional<QByteArray> bytes =
        storage::encodeGbk(qstr(reference::commandReferenceText));
    ASSERT_TRUE(bytes);
    EXPECT_TRUE(bytes->contains("\r\n\r\n\xA1\xA4 /mm save * ")) << "the bullet is GBK A1 A4";
}

} // namespace
