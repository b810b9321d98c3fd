// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

namespace ui {

struct MobOptionDialogControls {
    QLabel *entityLabel;
    QLabel *countLabel;
    QComboBox *optionBox;
    QLineEdit *valueEdit;
    QPushButton *confirmButton;
};

// Adds option lines to the option list it is handed: the general options and those of the
// entity it is opened for. It stays open after each addition.
class MobOptionDialog : public QWidget {
  public:
    // entityCaption is the caption of the entity row selected when the dialog opens.
    MobOptionDialog(QWidget *owner, const QString &entityCaption, QListWidget *optionList);

  private:
    void onMobOptionDialogCreated(const QString &entityCaption);
    void onMobOptionConfirmClicked();

    MobOptionDialogControls controls_;
    QListWidget *optionList_;
};

} // namespace ui
