// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QPointer>
#include <QWidget>

// Windows with fixed content that help while filling in the sheets. None of them reads or
// writes anything else; each shows its content afresh whenever it is opened.
namespace ui {

// The chat colour and format codes, each caption on a bar of its colour.
class ColourCodeWindow : public QWidget {
  public:
    explicit ColourCodeWindow(QWidget *owner);
};

// The plugin's console commands in an editable box; nothing reads the box back.
class CommandListWindow : public QWidget {
  public:
    explicit CommandListWindow(QWidget *owner);
};

// The placeholder variables with their descriptions lined up in a column.
class VariableListWindow : public QWidget {
  public:
    explicit VariableListWindow(QWidget *owner);
};

// A language chooser whose buttons do nothing: the interface exists in one language only.
class LanguageWindow : public QWidget {
  public:
    explicit LanguageWindow(QWidget *owner);
};

} // namespace ui
