// Facelister: starts the application, shows the main window and runs its start-up.
#include "facelisterwindow.h"
#include "filelocations.h"
#include "programidentity.h"
#include "qtbusypointer.h"
#include "qtclipboard.h"
#include "qtfontcatalog.h"
#include "qtmessageservice.h"
#include "qtsavefiledialog.h"
#include "qtshell.h"
#include "rtfwriter.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Facelister"));
    QApplication::setOrganizationName(QStringLiteral("Kerncraft"));
    ProgramIdentity::apply(QStringLiteral("facelister"));

    QtFontCatalog fonts;
    // Saved and copied RTF marks the installed symbol fonts as such.
    RtfWriter::setSymbolFaces(fonts.symbolFontNames());
    QtClipboard clipboard;
    QtMessageService messages;
    QtShell shell;
    QtBusyPointer busy;
    SystemFileLocations files;
    QtSaveFileDialog saveDialog;
    FacelisterWindow window({fonts, clipboard, messages, shell, busy, files, saveDialog});
    messages.setParent(&window);
    busy.setWindow(&window);
    saveDialog.setParent(&window);
    window.show();
    // Start-up runs once the main window is on the screen.
    QTimer::singleShot(0, &window, [&window] { window.Form_Load(); });
    return app.exec();
}
