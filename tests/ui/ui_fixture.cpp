// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_fixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QWindow>

#include "ui/toolkit/message.h"
#include "ui/toolkit/widgets.h"

namespace testsupport {

void GuiTest::SetUp() {
    ASSERT_TRUE(workDir_.isValid());
    previousDir_ = QDir::currentPath();
    QDir::setCurrent(workDir_.path());
    ui::setMessageSink([this](const QString &text, bool warning) {
        messages.push_back({text, warning});
    });
    // Each test starts from what a first run remembers: nothing.
    QSettings().clear();
    ui::setQuestionSink([this](const QString &text) {
        questions.push_back(text);
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    });
}

void GuiTest::TearDown() {
    for (QWidget *window : QApplication::topLevelWidgets())
        window->close();
    delete mainWindow_;
    QApplication::processEvents();
    ui::setMessageSink({});
    ui::setQuestionSink({});
    EXPECT_TRUE(answers.empty()) << "answers left for questions never asked";
    QDir::setCurrent(previousDir_);
}

ui::MainWindow &GuiTest::openMainWindow() {
    mainWindow_ = new ui::MainWindow;
    mainWindow_->setAttribute(Qt::WA_DeleteOnClose, false);
    mainWindow_->show();
    return *mainWindow_;
}

void typeInto(QWidget *widget, const QString &text) {
    // ASCII comes from the keyboard; everything else is committed by an input method, the
    // way Chinese text reaches an edit box.
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClicks(widget, QString(c));
        } else {
            QInputMethodEvent event;
            event.setCommitString(QString(c));
            QApplication::sendEvent(widget, &event);
        }
    }
}

void chooseRow(QComboBox *combo, int row) {
    combo->showPopup();
    QAbstractItemView *view = combo->view();
    const QModelIndex index = view->model()->index(row, combo->modelColumn());
    ASSERT_TRUE(index.isValid()) << "no row " << row;
    view->scrollTo(index);
    const QPoint centre = view->visualRect(index).center();
    QTest::mouseMove(view->viewport(), centre);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    ASSERT_FALSE(view->isVisible()) << "the list stayed open";
}

void expectControlsFit(const QWidget *window) {
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        const QString name = widget->objectName();
        if (name.isEmpty() || name.startsWith(QStringLiteral("qt_")))
            continue; // the widgets' own parts
        const std::string where = name.toStdString();
        EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry())) << where;
        const QFontMetrics metrics = widget->fontMetrics();
        if (const auto *label = qobject_cast<const QLabel *>(widget)) {
            EXPECT_LE(metrics.horizontalAdvance(label->text()), label->contentsRect().width())
                << where;
        }
        if (const auto *button = qobject_cast<const QPushButton *>(widget)) {
            EXPECT_LE(metrics.horizontalAdvance(button->text()), button->width()) << where;
        }
        if (const auto *combo = qobject_cast<const QComboBox *>(widget)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            const int room = combo->style()
                                 ->subControlRect(QStyle::CC_ComboBox, &option,
                                                  QStyle::SC_ComboBoxEditField, combo)
                                 .width();
            for (int row = 0; row < combo->count(); ++row)
                EXPECT_LE(metrics.horizontalAdvance(combo->itemText(row)), room)
                    << where << " row " << row;
        }
    }
}

QWidget *shownWindow(const char *name) {
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->objectName() == QString::fromUtf8(name))
            return window;
    return nullptr;
}

void clickAsUser(QWidget *button) {
    QWindow *window = button->window()->windowHandle();
    ASSERT_NE(window, nullptr);
    const QPoint centre = window->mapFromGlobal(button->mapToGlobal(button->rect().center()));
    QTest::mouseClick(window, Qt::LeftButton, {}, centre);
    QApplication::processEvents();
}

void GuiTest::type(const char *editName, const QString &text) {
    auto *edit = find<QLineEdit>(editName);
    edit->clear();
    typeInto(edit, text);
}

void GuiTest::click(const char *buttonName) {
    clickIn(mainWindow_, buttonName);
}

void GuiTest::clickIn(const QWidget *window, const char *buttonName) {
    auto *button = testsupport::control<QPushButton>(window, buttonName);
    ASSERT_TRUE(button->isVisible() && button->isEnabled()) << buttonName;
    QTest::mouseClick(button, Qt::LeftButton);
}

QStringList GuiTest::rowTexts(const char *listName) const {
    const auto *list = find<QListWidget>(listName);
    QStringList rows;
    for (int i = 0; i < ui::listRowCount(list); ++i)
        rows << ui::listRowText(list, i);
    return rows;
}

QString GuiTest::workPath(const QString &relative) const {
    return workDir_.filePath(relative);
}

QByteArray GuiTest::readFile(const QString &relative) const {
    QFile file(workPath(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace testsupport
