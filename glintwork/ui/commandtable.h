// The window's commands as one table: each has a caption, a shortcut, an enabling rule over
// the EnabledState and a handler. The table builds the menu bar from it, and the same
// actions serve the right-click menu and the shortcuts, so a rule is written once.
#pragma once

#include "enablingrules.h"

#include <QKeySequence>
#include <QList>
#include <QString>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;

struct Command {
    enum class Rule { Enables, Shows };

    QString name; // the action's objectName
    QString caption;
    QKeySequence shortcut;
    std::function<void()> run;
    // Empty: always enabled (and shown).
    std::function<bool(const EnabledState &)> rule;
    Rule ruleDecides = Rule::Enables;
    bool checkable = false;
    bool separatorBefore = false;
};

struct CommandMenu {
    QString name; // the menu's objectName
    QString caption;
    QList<Command> commands;
};

class CommandTable {
public:
    CommandTable(QMenuBar *bar, const QList<CommandMenu> &menus);

    QAction *action(const QString &name) const;
    QMenu *menu(const QString &name) const;

    // Runs the rules of every command, or of one menu's commands.
    void applyRules(const EnabledState &state) const;
    void applyRules(const QString &menuName, const EnabledState &state) const;

private:
    struct Entry {
        QString menu;
        QAction *action = nullptr;
        std::function<bool(const EnabledState &)> rule;
        Command::Rule ruleDecides = Command::Rule::Enables;
    };

    QAction *addCommand(QMenu *menu, const Command &command);
    static void apply(const Entry &entry, const EnabledState &state);

    QList<QMenu *> m_menus;
    QList<Entry> m_entries;
};
