// The platform services the main window works through; the program passes the Qt ones,
// the tests pass fakes.
#pragma once

class BusyPointer;
class ClipboardService;
class FileLocations;
class FontCatalog;
class GlintworkDialogs;
class MessageService;
class PrintService;
class RandomSource;
class ShellService;

struct GlintworkServices {
    FontCatalog *fonts = nullptr;
    MessageService *messages = nullptr;
    ClipboardService *clipboard = nullptr;
    ShellService *shell = nullptr;
    BusyPointer *busy = nullptr;
    FileLocations *files = nullptr;
    GlintworkDialogs *dialogs = nullptr;
    RandomSource *random = nullptr;
    // Print Preview and Export as PDF, and the PDF offered where there is no printer.
    PrintService *printer = nullptr;
};
