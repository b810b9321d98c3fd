// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolkit/message.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace ui {
namespace {

MessageSink &messageSink() {
    static MessageSink sink;
    return sink;
}

QuestionSink &questionSink() {
    static QuestionSink sink;
    return sink;
}

SaveQuestionSink &saveQuestionSink() {
    static SaveQuestionSink sink;
    return sink;
}

} // namespace

void showMessage(const QString &text, bool warning) {
    if (const MessageSink &sink = messageSink()) {
        sink(text, warning);
        return;
    }
    QMessageBox box(warning ? QMessageBox::Warning : QMessageBox::NoIcon, QStringLiteral("信息："),
                    text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void setMessageSink(MessageSink sink) {
    messageSink() = std::move(sink);
}

bool askQuestion(const QString &text) {
    if (const QuestionSink &sink = questionSink())
        return sink(text);
    QMessageBox box(QMessageBox::Question, QStringLiteral("信息："), text,
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("是"));
    box.button(QMessageBox::No)->setText(QStringLiteral("否"));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void setQuestionSink(QuestionSink sink) {
    questionSink() = std::move(sink);
}

SaveAnswer askToSave(const QString &text) {
    if (const SaveQuestionSink &sink = saveQuestionSink())
        return sink(text);
    QMessageBox box(QMessageBox::Question, QStringLiteral("信息："), text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                    QApplication::activeWindow());
    box.button(QMessageBox::Save)->setText(QStringLiteral("保存"));
    box.button(QMessageBox::Discard)->setText(QStringLiteral("不保存"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("取消"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveAnswer::Save;
    case QMessageBox::Discard:
        return SaveAnswer::Discard;
    default:
        return SaveAnswer::Cancel;
    }
}

void setSaveQuestionSink(SaveQuestionSink sink) {
    saveQuestionSink() = std::move(sink);
}

} // namespace ui
