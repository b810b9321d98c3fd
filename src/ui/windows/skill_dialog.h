// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QWidget>

#include "mob/skill_catalogue.h"
#include "mob/skill_line.h"

namespace ui {

struct SkillDialogControls {
    QComboBox *mechanicBox;
    QLineEdit *freeMechanicEdit;
    QScrollArea *argumentBox;
    QComboBox *targeterBox;
    QScrollArea *optionBox;
    QComboBox *triggerBox;
    QLabel *triggerValueLabel;
    QLineEdit *triggerValueEdit;
    QLineEdit *healthEdit;
    QLineEdit *chanceEdit;
    QPlainTextEdit *previewBox;
    QPushButton *addButton;
};

// One field made for an argument of the chosen mechanic or an option of the chosen
// targeter: an edit box for numbers and text, a drop-down list for yes/no and choices,
// whose first row leaves the argument out.
struct ArgumentField {
    std::size_t index; // argumentAt() index, or index into the targeter's options
    QLineEdit *edit;
    QComboBox *choice;
};

// Composes skill lines from the catalogues and appends them to the skill list it is handed,
// showing the line as it will be written while the user fills the fields. It stays open
// after each addition.
class SkillDialog : public QWidget {
  public:
    SkillDialog(QWidget *owner, QListWidget *skillList);

  private:
    void onMechanicChanged();
    void onTargeterChanged();
    void onTriggerChanged();
    void onSkillAddClicked();
    // A fresh page of the scroll box with one field per argument, in their order, which
    // Tab reaches right after the control before.
    std::vector<ArgumentField>
    buildFields(QScrollArea *box, QWidget *before, const QString &namePrefix,
                const std::vector<const mob::SkillArgument *> &arguments);
    mob::SkillLine readSkillLine() const;
    void showComposedLine();

    SkillDialogControls controls_;
    QListWidget *skillList_;
    std::optional<std::size_t> shownMechanic_, shownTargeter_;
    std::vector<ArgumentField> argumentFields_, optionFields_;
};

} // namespace ui
