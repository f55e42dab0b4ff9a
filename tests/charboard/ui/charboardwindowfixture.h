// A Charboard window over fake services and a given list of families, started as the program
// starts it, with the look-ups every window test needs.
#pragma once

#include "fakes/fakebusypointer.h"
#include "fakes/fakeclipboard.h"
#include "fakes/fakefilelocations.h"
#include "fakes/fakefontcatalog.h"
#include "fakes/fakeshell.h"
#include "fakes/namedchild.h"
#include "ui/charboardwindow.h"
#include "widgets/grid/flexgrid.h"

#include <QListWidget>
#include <gtest/gtest.h>
#include <memory>

class CharboardWindowFixture : public ::testing::Test {
protected:
    explicit CharboardWindowFixture(QStringList families) : fonts(std::move(families)) {}

    FakeFontCatalog fonts;
    FakeClipboard clipboard;
    FakeShell shell;
    FakeBusyPointer busy;
    FakeFileLocations locations;
    std::unique_ptr<CharboardWindow> window;

    void start()
    {
        window = std::make_unique<CharboardWindow>(
            CharboardServices{fonts, clipboard, shell, busy, locations});
        window->show();
        window->Form_Load();
    }
    template <typename T> T *child(const char *name)
    {
        return namedChild<T>(window.get(), QString::fromLatin1(name));
    }
    FlexGrid *grid() { return child<FlexGrid>("Grid"); }
    QListWidget *fontList() { return child<QListWidget>("Fonts"); }
    void chooseFont(const QString &name)
    {
        fontList()->setCurrentItem(fontList()->findItems(name, Qt::MatchExactly).value(0));
        window->Fonts_MouseUp();
    }
};
