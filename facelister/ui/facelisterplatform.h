// The real platform services Facelister's window runs with: built together by the program and
// by the start-up benchmarks, so that both measure and run the same thing.
#pragma once

#include "files/filelocations.h"
#include "ui/facelisterservices.h"
#include "ui/qtsavefiledialog.h"
#include "ui/systemfontdetails.h"
#include "widgets/fonts/drawnfamily.h"
#include "widgets/fonts/qtfontcatalog.h"
#include "widgets/platform/qtbusypointer.h"
#include "widgets/platform/qtclipboard.h"
#include "widgets/platform/qtmessageservice.h"
#include "widgets/platform/qtprintservice.h"
#include "widgets/platform/qtshell.h"

#include <QApplication>

struct FacelisterPlatform {
    // The desktop's font is often a generic name ("Sans Serif"), which Qt resolves anew for
    // every control made before it is shown: the program's font names the installed family
    // it stands for instead (DrawnFamily), the same font found at a fraction of the cost.
    FacelisterPlatform() { QApplication::setFont(DrawnFamily::resolved(QApplication::font())); }

    QtFontCatalog fonts;
    QtClipboard clipboard;
    QtMessageService messages;
    QtShell shell;
    QtBusyPointer busy;
    SystemFileLocations files;
    QtSaveFileDialog saveDialog;
    QtPrintService printer;
    SystemFontDetails details;

    FacelisterServices services()
    {
        return {fonts, clipboard, messages, shell, busy, files, saveDialog, details, &printer};
    }
};
