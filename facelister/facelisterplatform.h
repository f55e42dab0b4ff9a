// The real platform services Facelister's window runs with: built together by the program and
// by the start-up benchmarks, so that both measure and run the same thing.
#pragma once

#include "facelisterservices.h"
#include "filelocations.h"
#include "qtbusypointer.h"
#include "qtclipboard.h"
#include "qtfontcatalog.h"
#include "qtmessageservice.h"
#include "qtsavefiledialog.h"
#include "qtshell.h"

struct FacelisterPlatform {
    QtFontCatalog fonts;
    QtClipboard clipboard;
    QtMessageService messages;
    QtShell shell;
    QtBusyPointer busy;
    SystemFileLocations files;
    QtSaveFileDialog saveDialog;

    FacelisterServices services()
    {
        return {fonts, clipboard, messages, shell, busy, files, saveDialog};
    }
};
