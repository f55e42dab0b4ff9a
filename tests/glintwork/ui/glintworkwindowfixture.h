// The real main window on the offscreen platform, with fake services: a known font list,
// scripted message boxes and dialogs, an in-memory clipboard and its own settings folder.
#pragma once

#include "core/randomsource.h"
#include "fakes/fakebusypointer.h"
#include "fakes/fakeclipboard.h"
#include "fakes/fakefilelocations.h"
#include "fakes/fakefontcatalog.h"
#include "fakes/fakeglintworkdialogs.h"
#include "fakes/fakemessageservice.h"
#include "fakes/fakeprintservice.h"
#include "fakes/fakeshell.h"
#include "ui/glintworkwindow.h"

#include <QStringList>
#include <functional>
#include <memory>

// A busy pointer that also lets a test look at the window whenever the pointer changes.
class SpyBusyPointer : public FakeBusyPointer {
public:
    std::function<void(bool busy, Scope scope)> onChange;
    void setBusy(bool busy, Scope scope) override
    {
        FakeBusyPointer::setBusy(busy, scope);
        if (onChange)
            onChange(busy, scope);
    }
};

class GlintworkWindowFixture {
public:
    // Installed test fonts, in the order the platform lists them, and two web fonts.
    static QStringList fontNames()
    {
        return {QStringLiteral("Arial"),
                QStringLiteral("C059"),
                QStringLiteral("D050000L"),
                QStringLiteral("DejaVu Sans"),
                QStringLiteral("DejaVu Sans Mono"),
                QStringLiteral("DejaVu Serif"),
                QStringLiteral("Georgia"),
                QStringLiteral("Liberation Mono"),
                QStringLiteral("Liberation Sans"),
                QStringLiteral("Liberation Serif"),
                QStringLiteral("Nimbus Roman"),
                QStringLiteral("Nimbus Sans"),
                QStringLiteral("P052"),
                QStringLiteral("Standard Symbols PS"),
                QStringLiteral("URW Bookman"),
                QStringLiteral("URW Gothic"),
                QStringLiteral("Verdana"),
                QStringLiteral("Z003")};
    }

    explicit GlintworkWindowFixture(QStringList names = fontNames(), quint32 seed = 7)
        : fonts(std::move(names)), random(seed), m_seed(seed)
    {}

    GlintworkServices services()
    {
        return {&fonts, &messages, &clipboard, &shell, &busy, &files, &dialogs, &random, &printer};
    }

    // Builds, shows and loads the window, as the program does.
    GlintworkWindow &start()
    {
        window = std::make_unique<GlintworkWindow>(services());
        window->show();
        window->Form_Load();
        // Start-up seeds from the time of day; the tests want one known sequence.
        random.seed(m_seed);
        return *window;
    }

    FakeFontCatalog fonts;
    FakeMessageService messages;
    FakeClipboard clipboard;
    FakePrintService printer;
    FakeShell shell;
    SpyBusyPointer busy;
    FakeFileLocations files;
    FakeGlintworkDialogs dialogs;
    RandomSource random;
    std::unique_ptr<GlintworkWindow> window;

private:
    quint32 m_seed;
};
