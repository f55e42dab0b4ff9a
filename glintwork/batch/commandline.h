// Glintwork's command line: the window (optionally with a fixed seed), the batch run, help
// and version. Parsing is pure so that every answer is tested without starting a program.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

struct CommandLine {
    enum class Action { Window, Batch, Help, Version, Error };

    Action action = Action::Window;
    QString settingsPath;
    QString inputPath; // empty: the settings file's text; "-": standard input
    QString outputPath;
    std::optional<quint32> seed;
    QString error; // the stderr line for Action::Error

    static constexpr int kUsageExit = 2;

    // `arguments` as the program received them, the program's name first.
    static CommandLine parse(const QStringList &arguments);
    static QString helpText();
    static QString versionText();
};
