// Code pages of RTF text: see codepage.h.
#include "encoding/codepage.h"

#include "encoding/cp1252.h"

#include <QMutex>
#include <QSet>
#include <QStringDecoder>
#include <map>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace {

constexpr char16_t kNotLookedUp = 0;
constexpr char16_t kNoCharacter = 0xFFFF;

// The lead bytes of Windows' double-byte pages; every other page is single-byte.
bool isLeadByteOf(int number, uchar b)
{
    switch (number) {
    case 932:
        return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    case 936:
    case 949:
    case 950:
        return b >= 0x81 && b <= 0xFE;
    case 1361:
        return (b >= 0x84 && b <= 0xD3) || (b >= 0xD8 && b <= 0xDE) || (b >= 0xE0 && b <= 0xF9);
    default:
        return false;
    }
}

bool isDoubleBytePage(int number)
{
    return isLeadByteOf(number, 0x81) || isLeadByteOf(number, 0x84);
}

} // namespace

const CodePage &CodePage::forNumber(int number)
{
    static QMutex mutex;
    static std::map<int, std::unique_ptr<CodePage>> pages;
    // Numbers the platform does not know share the Windows-1252 page, so that a document
    // full of made-up numbers costs no more than a lookup for each.
    static QSet<int> unknown;
    const QMutexLocker lock(&mutex);
    if (unknown.contains(number))
        number = kWindows1252;
    std::unique_ptr<CodePage> &page = pages[number];
    if (!page) {
        page.reset(new CodePage(number));
        if (page->number() != number) {
            pages.erase(number);
            unknown.insert(number);
            std::unique_ptr<CodePage> &fallback = pages[kWindows1252];
            if (!fallback)
                fallback.reset(new CodePage(kWindows1252));
            return *fallback;
        }
    }
    return *page;
}

int CodePage::forCharset(int charset)
{
    switch (charset) {
    case 2:
        return kSymbol;
    case 77:
        return 10000; // Mac Roman
    case 128:
        return 932;
    case 129:
        return 949;
    case 130:
        return 1361;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 255:
        return 437;
    default:
        return 0; // 0, 1 and the rest: the document's page
    }
}

CodePage::CodePage(int number)
{
    if (!load(number))
        loadWindows1252();
}

void CodePage::loadWindows1252()
{
    m_number = kWindows1252;
    m_pairs.reset();
    for (int b = 0; b < 256; ++b) {
        m_single[size_t(b)] = Cp1252::toUnicode(uchar(b));
        m_lead[size_t(b)] = false;
    }
}

bool CodePage::load(int number)
{
    if (number == kWindows1252)
        return false;
    m_number = number;
    if (number == kSymbol) {
        for (int b = 0; b < 256; ++b)
            m_single[size_t(b)] = QChar(char16_t(b));
        return true;
    }
    if (number == kUtf8) {
        for (int b = 0; b < 256; ++b)
            m_single[size_t(b)] =
                b < 0x80 ? QChar(char16_t(b)) : QChar(QChar::ReplacementCharacter);
        return true;
    }
    // UTF-7 is not a page of single bytes and pairs.
    if (number == 65000 || !decode(number, "A"))
        return false;
    for (int b = 0; b < 256; ++b) {
        const char byte = char(b);
        const QByteArrayView bytes(&byte, 1);
        const bool lead = isLeadByteOf(number, uchar(b));
        const std::optional<QChar> c = lead ? std::nullopt : single(decode(number, bytes), bytes);
        // A page that does not read ASCII as one character a byte (UTF-16, say) is not a
        // page RTF text can be written in.
        if (!c && b >= 0x20 && b < 0x7F)
            return false;
        m_lead[size_t(b)] = lead;
        m_single[size_t(b)] = c.value_or(QChar(QChar::ReplacementCharacter));
    }
    if (isDoubleBytePage(number)) {
        m_pairs = std::make_unique<std::atomic<char16_t>[]>(65536);
        for (int i = 0; i < 65536; ++i)
            m_pairs[i].store(kNotLookedUp, std::memory_order_relaxed);
    }
    return true;
}

std::optional<QChar> CodePage::pair(uchar lead, uchar trail) const
{
    if (!m_pairs || !m_lead[lead])
        return std::nullopt;
    std::atomic<char16_t> &slot = m_pairs[(lead << 8) | trail];
    char16_t c = slot.load(std::memory_order_relaxed);
    if (c == kNotLookedUp) {
        // Looked up once: two threads that race here both store the same value.
        const char bytes[2] = {char(lead), char(trail)};
        const std::optional<QChar> found = single(decode(m_number, {bytes, 2}), {bytes, 2});
        c = found ? found->unicode() : kNoCharacter;
        slot.store(c, std::memory_order_relaxed);
    }
    if (c == kNoCharacter)
        return std::nullopt;
    return QChar(c);
}

std::optional<QChar> CodePage::single(const std::optional<QString> &text, QByteArrayView bytes)
{
    if (!text || text->size() != 1)
        return std::nullopt;
    const QChar c = text->front();
    // Converters mark what a page lacks with U+FFFD or with the substitute control.
    if (c == QChar::ReplacementCharacter || c.unicode() == kNoCharacter ||
        c.unicode() == kNotLookedUp)
        return std::nullopt;
    if (c.unicode() == 0x1A && !(bytes.size() == 1 && bytes[0] == 0x1A))
        return std::nullopt;
    return c;
}

std::optional<QString> CodePage::decode(int number, QByteArrayView bytes)
{
    const QByteArray name = "windows-" + QByteArray::number(number);
    QStringDecoder decoder(name.constData(), QStringDecoder::Flag::Stateless);
    if (decoder.isValid())
        return decoder.decode(bytes);
#ifdef Q_OS_WIN
    // Qt without ICU knows only the Unicode encodings; Windows knows its own pages.
    if (number > 0 && IsValidCodePage(UINT(number))) {
        wchar_t out[8];
        const int n = MultiByteToWideChar(UINT(number), MB_ERR_INVALID_CHARS, bytes.data(),
                                          int(bytes.size()), out, 8);
        return n > 0 ? QString::fromWCharArray(out, n) : QString();
    }
#endif
    return std::nullopt;
}
