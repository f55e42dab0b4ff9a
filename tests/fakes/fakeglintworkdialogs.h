// Dialogs that answer from a script and remember what they were shown with.
#pragma once

#include "ui/glintworkdialogs.h"

#include <QList>
#include <QWidget>
#include <functional>

class FakeGlintworkDialogs : public GlintworkDialogs {
public:
    // Answers in turn; when they run out, the dialog is cancelled.
    QList<std::optional<qint32>> colours;
    QList<std::optional<qint32>> windowsColours;
    QList<std::optional<FontChoice>> fonts;
    QList<std::optional<QString>> fileNames;
    bool printerInstalled = true;
    PrintResult printResult{true, {}};
    // Runs while the print is under way, with the widget being printed.
    std::function<void(QWidget *)> whilePrinting;

    QList<std::optional<qint32>> colourPresets;
    int windowsColourCalls = 0;
    QList<FontPreset> fontPresets;
    QList<QString> filters;
    int prints = 0;

    std::optional<qint32> chooseColour(std::optional<qint32> preset) override
    {
        colourPresets.append(preset);
        return next(colours);
    }
    std::optional<qint32> chooseWindowsColour() override
    {
        ++windowsColourCalls;
        return next(windowsColours);
    }
    std::optional<FontChoice> chooseFont(const FontPreset &preset) override
    {
        fontPresets.append(preset);
        return next(fonts);
    }
    std::optional<QString> saveFileName(const QString &filter) override
    {
        filters.append(filter);
        return next(fileNames);
    }
    bool hasPrinter() override { return printerInstalled; }
    PrintResult printWidget(QWidget *widget) override
    {
        ++prints;
        if (whilePrinting)
            whilePrinting(widget);
        return printResult;
    }

private:
    template <typename T> static std::optional<T> next(QList<std::optional<T>> &queue)
    {
        if (queue.isEmpty())
            return std::nullopt;
        return queue.takeFirst();
    }
};
