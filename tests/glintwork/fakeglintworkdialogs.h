// Dialogs that answer from a script and remember what they were shown with.
#pragma once

#include "glintworkdialogs.h"

#include <QList>
#include <QWidget>
#include <deque>
#include <functional>

class FakeGlintworkDialogs : public GlintworkDialogs {
public:
    // Answers in turn; when they run out, the dialog is cancelled.
    std::deque<std::optional<qint32>> colours;
    std::deque<std::optional<qint32>> windowsColours;
    std::deque<std::optional<FontChoice>> fonts;
    std::deque<std::optional<QString>> fileNames;
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
    template <typename T> static std::optional<T> next(std::deque<std::optional<T>> &queue)
    {
        if (queue.empty())
            return std::nullopt;
        std::optional<T> value = std::move(queue.front());
        queue.pop_front();
        return value;
    }
};
