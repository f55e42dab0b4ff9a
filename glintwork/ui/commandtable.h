// The window's commands as one table: each has a caption, a shortcut, an enabling rule over
// the EnabledState and a handler. The table builds the menu bar from it, and the same
// actions serve the right-click menu and the shortcuts, so a rule is written once.
#pragma once

#include "settings/enablingrules.h"

#include <QKeySequence>
#include <QList>
#include <QString>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;

// One command, written as Command(name, caption, handler).keys(...).enabledWhen(...).
struct Command {
    enum class Rule { Enables, Shows };
    using Test = std::function<bool(const EnabledState &)>;

    Command(QString objectName, QString menuCaption, std::function<void()> handler = {})
        : name(std::move(objectName)), caption(std::move(menuCaption)), run(std::move(handler))
    {}
    Command &keys(const QKeySequence &sequence);
    // Keys the menu shows for a command that the focused box carries out itself (Ctrl+C in
    // the output box copies there, in the input box it copies the input).
    Command &boxKeys(const QKeySequence &sequence);
    Command &enabledWhen(Test test);
    Command &shownWhen(Test test);
    Command &checkable();
    Command &afterSeparator(bool separated = true);

    QString name; // the action's objectName
    QString caption;
    std::function<void()> run;
    QKeySequence shortcut;
    bool keysOfTheBox = false;
    // Empty: always enabled (and shown).
    Test rule;
    Rule ruleDecides = Rule::Enables;
    bool isCheckable = false;
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
