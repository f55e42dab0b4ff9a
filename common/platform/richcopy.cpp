// The three-flavour copy: see richcopy.h.
#include "platform/richcopy.h"

#include "html/htmlfragment.h"
#include "platform/clipboardservice.h"
#include "richtext/richtextbox.h"
#include "richtext/rtfwriter.h"

namespace RichCopy {

void put(ClipboardService &clipboard, const RichRuns &runs)
{
    QString text;
    for (const RichRun &run : runs)
        text += run.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    clipboard.clear();
    clipboard.setRich(RtfWriter::write(runs), HtmlFragment::fromRuns(runs), text);
}

void toClipboard(ClipboardService &clipboard, const RichTextBox &box, const RunsOf &runsOf)
{
    clipboard.clear();
    const bool all = box.selLength() == 0;
    const QByteArray rtf = all ? box.rtf() : box.selRtf();
    QString text = all ? box.text() : box.selText();
    const RichRuns runs =
        all ? runsOf(0, int(text.size())) : runsOf(box.selStart(), box.selLength());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    clipboard.setRich(rtf, HtmlFragment::fromRuns(runs), text);
}

} // namespace RichCopy
