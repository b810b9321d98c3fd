// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolkit/message.h"

#include <QApplication>
#include <QMessageBox>

namespace ui {
namespace {

MessageSink &messageSink() {
    static MessageSink sink;
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

} // namespace ui
