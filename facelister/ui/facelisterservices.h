// The platform services Facelister's window uses, handed in so that tests can drive every
// handler with fakes.
#pragma once

class BusyPointer;
class ClipboardService;
class FileLocations;
class FontDetailsSource;
class FontCatalog;
class MessageService;
class PrintService;
class SaveFileDialog;
class ShellService;

struct FacelisterServices {
    FontCatalog &fonts;
    ClipboardService &clipboard;
    MessageService &messages;
    ShellService &shell;
    BusyPointer &busy;
    FileLocations &files;
    SaveFileDialog &saveDialog;
    FontDetailsSource &details;
    // The print preview and PDF export; without one, those commands do nothing.
    PrintService *printer = nullptr;
};
