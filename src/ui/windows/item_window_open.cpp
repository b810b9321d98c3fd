// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// 读取配置: an item entry of a file into the sheet.
#include <variant>

#include "core/entry_save.h"
#include "item/banner_patterns.h"
#include "item/item_reader.h"
#include "item/potion_effects.h"
#include "ui/toolkit/file_chooser.h"
#include "ui/toolkit/message.h"
#include "ui/toolkit/widgets.h"
#include "ui/windows/config_opening.h"
#include "ui/windows/item_window.h"

namespace ui {

void ItemWindow::onOpenConfigClicked() {
    if (const std::optional<QString> path =
            chooseConfigFile(this, configFolder(QStringLiteral("Items"))))
        openConfigFile(*path);
}

void ItemWindow::openConfigFile(const QString &path) {
    if (!settleUnsavedEdits())
        return;
    openConfigEntry(this, path, "Id",
                    [this](const storage::LoadedConfigFile &file, std::string_view entryText) {
                        auto read = item::readItemEntry(entryText, target());
                        if (const auto *error = std::get_if<core::ConfigError>(&read)) {
                            showMessage(toQString(core::describeConfigError(*error)), true);
                            return;
                        }
                        item::ItemReading &reading = std::get<item::ItemReading>(read);
                        writeItemSheet(reading.sheet);
                        loaded_ = file;
                        loaded_->entry.kept = std::move(reading.kept);
                        savedSheet_ = readItemSheet();
                    });
}

bool ItemWindow::settleUnsavedEdits() {
    if (!loaded_ || readItemSheet() == savedSheet_)
        return true;
    switch (askToSave(QStringLiteral("物品“%1”的修改尚未保存到(%2)，是否保存？")
                          .arg(toQString(loaded_->entry.name), loaded_->path))) {
    case SaveAnswer::Save:
        onItemGenerateClicked();
        return readItemSheet() == savedSheet_;
    case SaveAnswer::Discard:
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

void ItemWindow::writeItemSheet(const item::ItemSheet &sheet) {
    const ItemWindowControls &c = controls_;
    const std::pair<QWidget *, const std::string *> fields[] = {
        {c.identifierEdit, &sheet.identifier},  {c.materialEdit, &sheet.material},
        {c.dataValueEdit, &sheet.dataValue},    {c.displayNameEdit, &sheet.displayName},
        {c.descriptionBox, &sheet.description},
    };
    for (const auto &[field, text] : fields)
        writeText(field, toQString(*text));
    listClear(c.attributeList);
    for (const core::ListEntry &row : sheet.attributeRows)
        listAddRow(c.attributeList, toQString(row.text), row.tag);
    listClear(c.enchantmentList);
    for (const core::ListEntry &row : sheet.enchantmentRows)
        listAddRow(c.enchantmentList, toQString(row.text), row.tag);
    listClear(c.potionEffectList);
    for (const core::ListEntry &row : sheet.potionEffectRows)
        listAddRow(c.potionEffectList, toQString(row.text), row.tag,
                   toQString(item::potionEffectListText(row)));
    listClear(c.bannerLayerList);
    for (const core::ListEntry &row : sheet.bannerLayerRows)
        listAddRow(c.bannerLayerList, toQString(row.text), row.tag,
                   toQString(item::bannerLayerListText(row)));
    potionColour_ = sheet.potionColour;
    showPotionColour();
}

} // namespace ui
