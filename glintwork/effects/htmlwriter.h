// The HTML writer of the formatted output: the body over every position of the output
// (a line break is two positions), the clipboard frame and the file frame. The body is a
// row of closed font runs (FontRunWriter) and the file ends its body and page, so that
// browsers lay out even a long result quickly. User text is escaped, and characters
// Windows-1252 cannot hold become numeric references, so the file is the Windows-1252 it
// declares and nothing is lost.
#pragma once

#include "files/textfile.h"

#include <QByteArray>
#include <QString>

class ProgressState;
class RichTextBox;

namespace HtmlWriter {

// The body; advances the progress by one per position.
QString body(const RichTextBox &box, ProgressState *progress = nullptr);

// Every "<br><br>" becomes "<br>", left to right without overlap.
QString collapseBreaks(QString html);

// "Copy &HTML": the text put on the clipboard. Sets the progress maximum to the length.
QString clipboardText(const RichTextBox &box, const QString &downloadAddress,
                      ProgressState *progress = nullptr);

// The bytes of an HTML file (Windows-1252, ending in CR LF).
QByteArray fileBytes(const RichTextBox &box, const QString &title, const QString &downloadAddress,
                     ProgressState *progress = nullptr);

// How much of the page writeFile gathers before it hands on a part, in characters.
constexpr qsizetype kFilePartChars = qsizetype(1) << 18;
// The bytes of fileBytes handed to `write` a part at a time, so that a long page is never
// whole in memory: a part ends between two characters once it holds `partChars`
// characters of the page (a character's markup may take it past). Stops when `write`
// answers false; answers whether every part was written.
bool writeFile(const RichTextBox &box, const QString &title, const QString &downloadAddress,
               const TextFile::PartWriter &write, qsizetype partChars = kFilePartChars,
               ProgressState *progress = nullptr);

// Text for HTML: & < > escaped (and " with `quotes`), characters outside Windows-1252
// as numeric character references.
QString escaped(const QString &text, bool quotes = false);

// Which kind of file a chosen name asks for, by its ending in any letter case.
enum class SaveKind { Rtf, Html, Other };
SaveKind saveKind(const QString &fileName);

// The filter with the current mode's kind first: HTML in HTML mode, RTF otherwise.
QString saveFilter(bool htmlFirst);
// The message for a name of neither kind, and the question for the page's title.
QString wrongTypeMessage();
QString titlePrompt();

} // namespace HtmlWriter
