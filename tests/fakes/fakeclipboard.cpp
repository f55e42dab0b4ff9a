// In-memory clipboard: see fakeclipboard.h. Putting data replaces what was there, as on
// the real clipboard.
#include "fakes/fakeclipboard.h"

void FakeClipboard::clear()
{
    ++clears;
    plain.reset();
    rich.reset();
    markup.reset();
}

void FakeClipboard::setText(const QString &text)
{
    rich.reset();
    markup.reset();
    plain = text;
}

void FakeClipboard::setRtf(const QByteArray &rtf)
{
    plain.reset();
    markup.reset();
    rich = rtf;
}

void FakeClipboard::setRtfAndText(const QByteArray &rtf, const QString &text)
{
    markup.reset();
    rich = rtf;
    plain = text;
}

void FakeClipboard::setRich(const QByteArray &rtf, const QString &html, const QString &text)
{
    rich = rtf;
    markup = html;
    plain = text;
}
