// The command table: see commandtable.h.
#include "ui/commandtable.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

Command &Command::keys(const QKeySequence &sequence)
{
    shortcut = sequence;
    return *this;
}

Command &Command::boxKeys(const QKeySequence &sequence)
{
    shortcut = sequence;
    keysOfTheBox = true;
    return *this;
}

Command &Command::enabledWhen(Test test)
{
    rule = std::move(test);
    ruleDecides = Rule::Enables;
    return *this;
}

Command &Command::shownWhen(Test test)
{
    rule = std::move(test);
    ruleDecides = Rule::Shows;
    return *this;
}

Command &Command::checkable()
{
    isCheckable = true;
    return *this;
}

Command &Command::afterSeparator(bool separated)
{
    separatorBefore = separated;
    return *this;
}

CommandTable::CommandTable(QMenuBar *bar, const QList<CommandMenu> &menus)
{
    for (const CommandMenu &table : menus) {
        QMenu *menu = bar->addMenu(table.caption);
        menu->setObjectName(table.name);
        m_menus.append(menu);
        for (const Command &command : table.commands) {
            QAction *action = addCommand(menu, command);
            m_entries.append({table.name, action, command.rule, command.ruleDecides});
        }
    }
}

QAction *CommandTable::addCommand(QMenu *menu, const Command &command)
{
    if (command.separatorBefore)
        menu->addSeparator();
    QAction *action = menu->addAction(command.caption);
    action->setObjectName(command.name);
    action->setCheckable(command.isCheckable);
    if (!command.shortcut.isEmpty() && command.keysOfTheBox) {
        // Live only inside the menu itself: the boxes keep their own keys.
        action->setShortcut(command.shortcut);
        action->setShortcutContext(Qt::WidgetShortcut);
    } else if (!command.shortcut.isEmpty()) {
        action->setShortcut(command.shortcut);
        // Menu shortcuts stay live even where the menu bar is hidden (tests, the print
        // enlargement) and win over the text boxes' own bindings.
        action->setShortcutContext(Qt::WindowShortcut);
    }
    if (command.run)
        QObject::connect(action, &QAction::triggered, action, command.run);
    return action;
}

QAction *CommandTable::action(const QString &name) const
{
    for (const Entry &entry : m_entries)
        if (entry.action->objectName() == name)
            return entry.action;
    return nullptr;
}

QMenu *CommandTable::menu(const QString &name) const
{
    for (QMenu *menu : m_menus)
        if (menu->objectName() == name)
            return menu;
    return nullptr;
}

void CommandTable::apply(const Entry &entry, const EnabledState &state)
{
    if (!entry.rule)
        return;
    const bool on = entry.rule(state);
    if (entry.ruleDecides == Command::Rule::Shows)
        entry.action->setVisible(on);
    else
        entry.action->setEnabled(on);
}

void CommandTable::applyRules(const EnabledState &state) const
{
    for (const Entry &entry : m_entries)
        apply(entry, state);
}

void CommandTable::applyRules(const QString &menuName, const EnabledState &state) const
{
    for (const Entry &entry : m_entries)
        if (entry.menu == menuName)
            apply(entry, state);
}
