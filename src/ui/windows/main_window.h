// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include <QAction>
#include <QMenuBar>
#include <QPointer>
#include <QWidget>

#include "mob/mob_sheet.h"
#include "storage/config_reading.h"
#include "ui/windows/main_window_layout.h"
#include "ui/windows/shared_texts.h"

namespace ui {

// The window the program opens at start: the mob sheet, the buttons that open every other
// window, and the shared texts, which live as long as it does.
class MainWindow : public QWidget {
  public:
    MainWindow();
    ~MainWindow() override; // with the item window, which is no child widget

    // A snapshot of the controls that make up the mob config.
    mob::MobSheet readMobSheet() const;
    SharedTexts &sharedTexts() { return texts_; }
    // Opens a mob file: one entry at once, one of several as the user picks it. The sheet then
    // saves back into that file (in main_window_open.cpp).
    void openConfigFile(const QString &path);

  protected:
    void closeEvent(QCloseEvent *event) override;

  private:
    void onMainWindowCreated();
    void onKillMessageAddClicked();
    void onDropTypeSelected(); // in main_window_drops.cpp
    void onDropAddClicked();
    void onOptionAddClicked();
    void onAiAddClicked();
    void onSkillAddClicked();
    void onMobClearClicked();
    void onMobGenerateClicked();
    void onMobPreviewClicked();
    void onItemEditorClicked();
    void onColourCodesClicked();
    void onCommandListClicked();
    void onVariableListClicked();
    void onLanguageClicked();
    // Runs the generation on the current sheet, warns about a missing base field and
    // updates the shared texts; callers then look at mobConfigReady.
    void generateMobConfig();

    // In main_window_open.cpp.
    void onOpenConfigClicked();
    void writeMobSheet(const mob::MobSheet &sheet);
    // Asks whether to save the edits of an opened entry before they would be lost; false
    // when the user cancels or the save fails, so the caller stops.
    bool settleUnsavedEdits();

    // In main_window_menus.cpp.
    void buildMenus();
    void buildFileMenu();
    void buildHelpMenu();
    void onChooseFolderChosen();
    void onSaveAsChosen();
    void onTargetChosen(core::TargetServer target);
    void showOutputStatus();

    // The lists that carry the sheet, in the order they are cleared.
    std::array<QListWidget *, 5> sheetLists() const;

    MainWindowControls controls_;
    // The menu bar is no row of the control table: it lies in the band above the groups.
    struct Menus {
        QMenuBar *bar = nullptr;
        QLabel *status = nullptr;             // target server (and folder) beside the menus
        std::vector<QAction *> targetActions; // in the order of the 设置 menu
    } menus_;
    SharedTexts texts_;
    // The file the sheet was opened from, which 生成配置 writes back into.
    std::optional<storage::LoadedConfigFile> loaded_;
    mob::MobSheet savedSheet_; // the opened entry as last opened or saved
    // The reference windows that are not modal, raised again rather than opened twice.
    QPointer<QWidget> itemWindow_, colourCodeWindow_, commandListWindow_, variableListWindow_;
};

} // namespace ui
