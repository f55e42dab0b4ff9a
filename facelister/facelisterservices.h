// The platform services Facelister's window uses, handed in so that tests can drive every
// handler with fakes.
#pragma once

class BusyPointer;
class ClipboardService;
class FileLocations;
class FontCatalog;
class MessageService;
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
};
