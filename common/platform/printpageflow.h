// The print command of Facelister and Glyphmatch: the page is written as HTML and opened in
// the user's web browser, whose own print command previews and prints it. One flow for both:
// the question that names the browser and its print command, the page written whole into
// the program's data folder, a message with the reason when it cannot be written, then the
// browser.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class BusyPointer;
class MessageService;
class ShellService;

class PrintPageFlow {
public:
    // Which page the question names: each has whole sentences of its own.
    enum class What { FontList, KeyboardTable };
    struct Page {
        What what = What::FontList;
        QString title;       // the question's title
        QString programName; // the title of a failure message
        QString fileName;
        // Builds the page once the user agreed, with the busy pointer showing.
        std::function<QByteArray()> bytes;
        // The working folder of the browser for a page in `folder`; the folder itself when
        // not given.
        std::function<QString(const QString &folder)> workingFolder;
    };
    enum class Outcome { Cancelled, Opened, NotOpened, NotWritten };

    PrintPageFlow(MessageService &messages, ShellService &shell, BusyPointer &busy);

    // The question before the page opens; without a browser's name it says "your web browser".
    static QString question(What what, const QString &browserName);
    // The browser in the question: the shell's name for it, else empty.
    static QString browserName(const ShellService &shell);

    // Asks, writes the page into `folder` (empty: no folder can hold it) and opens it.
    Outcome run(const Page &page, const QString &folder);

private:
    void failed(const Page &page, const QString &path, const QString &reason);

    MessageService &m_messages;
    ShellService &m_shell;
    BusyPointer &m_busy;
};
