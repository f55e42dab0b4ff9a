// In-memory clipboard: see fakeclipboard.h. Putting data replaces what was there, as on
// the real clipboard.
#include "fakeclipboard.h"

void FakeClipboard::clear()
{
    ++clears;
    plain.reset();
    rich.reset();
}

void FakeClipboard::setText(const QString &text)
{
    rich.reset();
    plain = text;
}

void FakeClipboard::setRtf(const QByteArray &rtf)
{
    plain.reset();
    rich = rtf;
}

void FakeClipboard::setRtfAndText(const QByteArray &rtf, const QString &text)
{
    rich = rtf;
    plain = text;
}
