// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QString>

namespace ui {

// Every message box of the program goes through here: caption "信息：", one OK button, the
// exclamation icon for warnings and no icon otherwise.
void showMessage(const QString &text, bool warning);

// Tests install a sink that records the messages instead of showing modal boxes; an empty
// sink restores the real boxes.
using MessageSink = std::function<void(const QString &text, bool warning)>;
void setMessageSink(MessageSink sink);

// A question with the buttons 是 and 否, caption "信息：" and the question icon; true for 是.
bool askQuestion(const QString &text);

// As with messages, tests answer the questions through a sink; an empty one restores the boxes.
using QuestionSink = std::function<bool(const QString &text)>;
void setQuestionSink(QuestionSink sink);

// Whether to save edits before they would be lost: 保存, 不保存 or 取消, the question icon and
// caption "信息："; Esc is 取消.
enum class SaveAnswer { Save, Discard, Cancel };
SaveAnswer askToSave(const QString &text);

// Tests answer this question through a sink too; an empty one restores the box.
using SaveQuestionSink = std::function<SaveAnswer(const QString &text)>;
void setSaveQuestionSink(SaveQuestionSink sink);

} // namespace ui
