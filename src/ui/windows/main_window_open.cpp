// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// 读取配置: a mob entry of a file into the sheet.
#include <variant>

#include <QCloseEvent>

#include "core/entry_save.h"
#include "mob/mob_reader.h"
#include "ui/toolkit/file_chooser.h"
#include "ui/toolkit/message.h"
#include "ui/toolkit/widgets.h"
#include "ui/windows/config_opening.h"
#include "ui/windows/main_window.h"

namespace ui {

void MainWindow::onOpenConfigClicked() {
    if (const std::optional<QString> path =
            chooseConfigFile(this, configFolder(QStringLiteral("mobs"))))
        openConfigFile(*path);
}

void MainWindow::openConfigFile(const QString &path) {
    if (!settleUnsavedEdits())
        return;
    openConfigEntry(this, path, "Type",
                    [this](const storage::LoadedConfigFile &file, std::string_view entryText) {
                        auto read = mob::readMobEntry(entryText);
                        if (const auto *error = std::get_if<core::ConfigError>(&read)) {
                            showMessage(toQString(core::describeConfigError(*error)), true);
                            return;
                        }
                        mob::MobReading &reading = std::get<mob::MobReading>(read);
                        writeMobSheet(reading.sheet);
                        texts_.entityTypeKey = reading.entityTypeKey;
                        loaded_ = file;
                        loaded_->entry.kept = std::move(reading.kept);
                        savedSheet_ = readMobSheet();
                    });
}

bool MainWindow::settleUnsavedEdits() {
    if (!loaded_ || readMobSheet() == savedSheet_)
        return true;
    switch (askToSave(QStringLiteral("怪物“%1”的修改尚未保存到(%2)，是否保存？")
                          .arg(toQString(loaded_->entry.name), loaded_->path))) {
    case SaveAnswer::Save:
        onMobGenerateClicked();
        return readMobSheet() == savedSheet_;
    case SaveAnswer::Discard:
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

void MainWindow::closeEvent(QCloseEvent *event) {
    if (!settleUnsavedEdits()) {
        event->ignore();
        return;
    }
    // The item window shares this window's texts and goes when it goes, as a child would.
    if (itemWindow_)
        itemWindow_->close();
    QWidget::closeEvent(event);
}

void MainWindow::writeMobSheet(const mob::MobSheet &sheet) {
    const MainWindowControls &c = controls_;
    const std::pair<QLineEdit *, const std::string *> fields[] = {
        {c.identifierEdit, &sheet.identifier}, {c.displayNameEdit, &sheet.displayName},
        {c.healthEdit, &sheet.health},         {c.damageEdit, &sheet.damage},
        {c.mainHandEdit, &sheet.mainHand},     {c.offHandEdit, &sheet.offHand},
        {c.helmetEdit, &sheet.helmet},         {c.chestplateEdit, &sheet.chestplate},
        {c.leggingsEdit, &sheet.leggings},     {c.bootsEdit, &sheet.boots},
    };
    for (const auto &[field, text] : fields)
        writeText(field, toQString(*text));
    setSelectedIndex(c.entityTypeBox, sheet.entityType);
    const std::pair<QListWidget *, const std::vector<core::ListEntry> *> lists[] = {
        {c.dropList, &sheet.dropRows},   {c.optionList, &sheet.optionRows},
        {c.aiList, &sheet.aiRows},       {c.killMessageList, &sheet.killMessageRows},
        {c.skillList, &sheet.skillRows},
    };
    for (const auto &[list, rows] : lists) {
        listClear(list);
        for (const core::ListEntry &row : *rows)
            listAddRow(list, toQString(row.text), row.tag);
    }
}

} // namespace ui
