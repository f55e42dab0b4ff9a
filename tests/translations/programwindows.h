// Every window of the four programs at once, on the offscreen platform with fake services,
// built after the test has installed the translation it looks at (texts are translated
// when they are made).
#pragma once

#include "fakes/fakebusypointer.h"
#include "fakes/fakeclipboard.h"
#include "fakes/fakefilelocations.h"
#include "fakes/fakefontcatalog.h"
#include "fakes/fakemessageservice.h"
#include "fakes/fakeprintservice.h"
#include "fakes/fakeshell.h"
#include "glintwork/ui/glintworkwindowfixture.h"
#include "logic/fontdetails.h"
#include "logic/savefiledialog.h"
#include "ui/charboardwindow.h"
#include "ui/facelisterwindow.h"
#include "ui/glyphmatchwindow.h"
#include "ui/windowscolourdialog.h"

#include <QWidget>
#include <memory>

class ProgramWindows {
public:
    ProgramWindows();

    // The main windows, loaded and shown, then the dialogs and panels they open.
    QList<QWidget *> windows() const;
    // Runs the commands that tell the user something, so that `messages()` holds their texts.
    void showMessages();
    QList<FakeMessageService::Shown> messages() const;

private:
    class NoSaveDialog : public SaveFileDialog {
    public:
        QString saveFileName(const QString &, const QString &, const QString &) override
        {
            return {};
        }
    };
    class NoDetails : public FontDetailsSource {
    public:
        FontDetails details(const QString &family) const override
        {
            FontDetails details;
            details.family = family;
            return details;
        }
    };

    GlintworkWindowFixture m_glintwork;
    std::unique_ptr<WindowsColourDialog> m_colourDialog;

    FakeFontCatalog m_facelisterFonts{{"Arial", "DejaVu Sans", "Verdana"}};
    FakeClipboard m_facelisterClipboard;
    FakeMessageService m_facelisterMessages;
    FakeShell m_facelisterShell;
    FakeBusyPointer m_facelisterBusy;
    FakeFileLocations m_facelisterFiles;
    NoSaveDialog m_saveDialog;
    NoDetails m_details;
    FakePrintService m_facelisterPrinter;
    std::unique_ptr<FacelisterWindow> m_facelister;

    FakeFontCatalog m_glyphmatchFonts{{"Wingdings", "DejaVu Sans", "Arial"}};
    FakeMessageService m_glyphmatchMessages;
    FakeShell m_glyphmatchShell;
    FakeBusyPointer m_glyphmatchBusy;
    FakeFileLocations m_glyphmatchFiles;
    FakeClipboard m_glyphmatchClipboard;
    FakePrintService m_glyphmatchPrinter;
    std::unique_ptr<GlyphmatchWindow> m_glyphmatch;

    FakeFontCatalog m_charboardFonts{{"DejaVu Sans", "Arial"}};
    FakeClipboard m_charboardClipboard;
    FakeShell m_charboardShell;
    FakeBusyPointer m_charboardBusy;
    FakeFileLocations m_charboardFiles;
    std::unique_ptr<CharboardWindow> m_charboard;
};
