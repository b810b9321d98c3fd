// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/example_entry.h"

#include <QApplication>
#include <QLineEdit>

#include "ui/toolkit/widgets.h"

namespace testsupport {
namespace {

template <class T> T *named(const QWidget *window, const char *name) {
    T *found = window->findChild<T *>(QString::fromUtf8(name));
    if (!found)
        qFatal("%s has no control %s", window->objectName().toUtf8().constData(), name);
    return found;
}

QString qstr(const std::string &text) {
    return QString::fromStdString(text);
}

// The dialog the button opened: modal ones are the active modal widget, the others a
// child window of the same name.
QWidget *openDialog(QWidget *window, const char *button, const char *dialog,
                    const SheetInput &input) {
    input.press(named<QPushButton>(window, button));
    QApplication::processEvents();
    // A dialog closed before may still wait for its deletion; the open one is shown.
    for (QWidget *child : window->findChildren<QWidget *>(QString::fromUtf8(dialog)))
        if (child->isVisible())
            return child;
    qFatal("%s did not open %s", button, dialog);
}

void closeDialog(QWidget *dialog) {
    dialog->close();
    QApplication::processEvents();
}

} // namespace

SheetInput directInput() {
    return {
        [](QWidget *field, const QString &text) { ui::writeText(field, text); },
        [](QComboBox *list, int row) {
            list->setCurrentIndex(row);
            emit list->activated(row);
        },
        [](QPushButton *button) { button->click(); },
    };
}

void enterMob(ui::MainWindow &main, const ExampleMob &example, const SheetInput &input) {
    const auto type = [&](QWidget *window, const char *field, const std::string &text) {
        input.type(named<QWidget>(window, field), qstr(text));
    };
    type(&main, "怪物编号框", example.identifier);
    input.choose(named<QComboBox>(&main, "怪物类型框"), example.entityType);
    type(&main, "怪物名称框", example.displayName);
    type(&main, "怪物血量框", example.health);
    type(&main, "怪物伤害框", example.damage);

    const char *dropFields[] = {"掉落数据编辑框1", "掉落数据编辑框2", "掉落数据编辑框3"};
    for (const ExampleDrop &drop : example.drops) {
        input.choose(named<QComboBox>(&main, "掉落类型框"), drop.type);
        for (std::size_t i = 0; i < drop.fields.size(); ++i)
            type(&main, dropFields[i], drop.fields[i]);
        input.press(named<QPushButton>(&main, "掉落数据添加按钮"));
    }

    const std::pair<const char *, const std::string *> equipment[] = {
        {"编辑框13", &example.chestplate}, {"编辑框10", &example.mainHand},
        {"编辑框12", &example.helmet},     {"编辑框11", &example.offHand},
        {"编辑框15", &example.boots},      {"编辑框14", &example.leggings},
    };
    for (const auto &[field, text] : equipment)
        if (!text->empty())
            type(&main, field, *text);

    if (!example.options.empty()) {
        QWidget *options = openDialog(&main, "超级按钮4", "MobOptionDialog", input);
        for (const auto &[row, value] : example.options) {
            input.choose(named<QComboBox>(options, "组合框1"), row);
            type(options, "编辑框1", value);
            input.press(named<QPushButton>(options, "掉落数据添加按钮"));
        }
        closeDialog(options);
    }

    for (const std::string &message : example.killMessages) {
        type(&main, "编辑框1", message);
        input.press(named<QPushButton>(&main, "超级按钮1"));
    }

    if (!example.aiGoals.empty() || !example.aiTargets.empty()) {
        QWidget *ai = openDialog(&main, "超级按钮7", "AiDialog", input);
        for (const auto &[row, priority] : example.aiGoals) {
            input.choose(named<QComboBox>(ai, "组合框1"), row);
            type(ai, "编辑框1", priority);
            input.press(named<QPushButton>(ai, "超级按钮4"));
        }
        for (const auto &[row, priority] : example.aiTargets) {
            input.choose(named<QComboBox>(ai, "组合框2"), row);
            type(ai, "编辑框2", priority);
            input.press(named<QPushButton>(ai, "超级按钮1"));
        }
        closeDialog(ai);
    }
}

QWidget *enterItem(ui::MainWindow &main, const ExampleItem &example, const SheetInput &input) {
    input.press(named<QPushButton>(&main, "超级按钮17"));
    QApplication::processEvents();
    // A window of its own, not a child of MainWindow.
    QWidget *item = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->objectName() == QStringLiteral("ItemWindow"))
            item = window;
    if (!item)
        qFatal("the item window did not open");
    const auto type = [&](QWidget *window, const char *field, const std::string &text) {
        input.type(named<QWidget>(window, field), qstr(text));
    };
    type(item, "物品编号框", example.identifier);
    type(item, "物品种类框", example.material);
    type(item, "物品耐久框", example.dataValue);
    type(item, "物品名称框", example.displayName);
    type(item, "物品描述框", itemSheetOf(example).description);

    if (!example.attributes.empty()) {
        QWidget *attributes = openDialog(item, "掉落数据添加按钮", "ItemAttributeDialog", input);
        for (const ExampleAttribute &attribute : example.attributes) {
            input.choose(named<QComboBox>(attributes, "组合框2"), attribute.slot);
            input.choose(named<QComboBox>(attributes, "组合框1"), attribute.type);
            type(attributes, "编辑框1", attribute.value);
            input.press(named<QPushButton>(attributes, "物品数据添加按钮"));
        }
        closeDialog(attributes);
    }
    if (!example.enchantments.empty()) {
        QWidget *enchantments = openDialog(item, "掉落数据添加按钮1", "EnchantmentDialog", input);
        for (const auto &[row, level] : example.enchantments) {
            input.choose(named<QComboBox>(enchantments, "组合框1"), row);
            type(enchantments, "编辑框1", level);
            input.press(named<QPushButton>(enchantments, "掉落数据添加按钮"));
        }
        closeDialog(enchantments);
    }
    return item;
}

} // namespace testsupport
