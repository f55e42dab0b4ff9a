// Feeds arbitrary bytes to the rich-text document as RTF, whole and as a pasted selection.
// Besides crashes, hangs and leaks the sanitizers catch, it checks that what the reader
// made of the input is stable: writing it and reading it back gives the same document.
#include "richtext/richdocument.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    RichDocument doc;
    doc.setRtf(input);
    const QByteArray written = doc.rtf();

    RichDocument again;
    again.setRtf(written);
    if (again.text() != doc.text() || again.rtf() != written)
        std::abort();

    // Pasted into the middle of a document, and a part of it copied out again. A paste
    // keeps a last paragraph mark that loading the whole document drops.
    RichDocument target;
    target.setText(QStringLiteral("ab\r\ncd"));
    target.select(1, 3);
    target.setSelRtf(input);
    const QString pasted = target.text();
    if (pasted != QStringLiteral("a") + doc.text() + QStringLiteral("cd") &&
        pasted != QStringLiteral("a") + doc.text() + QStringLiteral("\r\ncd"))
        std::abort();
    target.select(1, doc.length() / 2);
    RichDocument part;
    part.setRtf(target.selRtf());
    return 0;
}
