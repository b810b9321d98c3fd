// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <ostream>
#include <vector>

#include <QByteArray>
#include <QComboBox>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "ui/toolkit/window_layout.h"
#include "ui/windows/main_window.h"

// Test failures show texts as text.
inline void PrintTo(const QString &text, std::ostream *out) {
    *out << '"' << text.toStdString() << '"';
}

namespace testsupport {

// The control of that object name in the window; a missing one fails the test that asks.
template <class T> T *control(const QWidget *window, const char *name) {
    T *found = window->findChild<T *>(QString::fromUtf8(name));
    EXPECT_NE(found, nullptr) << "no control " << name;
    return found;
}

struct RecordedMessage {
    QString text;
    bool warning;
};

// Types the text as a user would: keys for ASCII, input-method commits for the rest.
void typeInto(QWidget *widget, const QString &text);

// Picks a row of a drop-down list as a user does: opens the list and clicks the row.
void chooseRow(QComboBox *combo, int row);

// Every named control of the window lies inside its parent, and no caption, label text or
// row of a drop-down list is wider than the room its control gives it.
void expectControlsFit(const QWidget *window);

// The shown window of that object name, or nothing; for windows without a parent widget, such
// as ItemWindow.
QWidget *shownWindow(const char *name);

// A click that goes through the window system, so a window blocked by a modal one
// does not receive it (a plain widget click would be delivered all the same).
void clickAsUser(QWidget *button);

// Each test runs in a fresh working directory, records the message boxes instead of
// showing them, and closes every window it opened.
class GuiTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Opens MainWindow as the program does at start.
    ui::MainWindow &openMainWindow();
    ui::MainWindow *mainWindow() const { return mainWindow_; }

    template <class T> T *find(const char *name) const {
        return testsupport::control<T>(mainWindow_, name);
    }

    void type(const char *editName, const QString &text);
    void click(const char *buttonName);
    void clickIn(const QWidget *window, const char *buttonName);
    QStringList rowTexts(const char *listName) const;

    QString workPath(const QString &relative) const;
    QByteArray readFile(const QString &relative) const;

    std::vector<RecordedMessage> messages;
    // The questions asked, answered in turn from answers; a question without an answer
    // waiting fails the test.
    std::vector<QString> questions;
    std::deque<bool> answers;

  private:
    QTemporaryDir workDir_;
    QString previousDir_;
    ui::MainWindow *mainWindow_ = nullptr;
};

} // namespace testsupport
