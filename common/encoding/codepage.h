// The 8-bit code pages that RTF text comes in: Windows' single-byte pages, the double-byte
// pages of East Asian text (932, 936, 949, 950 and 1361) and the symbol page, whose bytes
// are the codes of a symbol font's glyphs.
//
// Each page is decoded once into tables through the platform's converter (Qt's
// QStringDecoder, which uses ICU where Qt is built with it; the system's converter on
// Windows when Qt does not know the page), so reading a byte is a table lookup. A page
// the platform does not know reads as Windows-1252. Pages are shared and never change
// once made, apart from a cache of double-byte pairs that is safe to fill from any thread.
#pragma once

#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <array>
#include <atomic>
#include <memory>
#include <optional>

class CodePage {
public:
    static constexpr int kWindows1252 = 1252;
    // Windows' number for the symbol page: bytes stand for themselves.
    static constexpr int kSymbol = 42;
    // UTF-8: the reader joins its sequences; the page itself knows only the ASCII bytes.
    static constexpr int kUtf8 = 65001;

    // The page for a number; Windows-1252 for a page the platform does not know.
    static const CodePage &forNumber(int number);
    // The page of an \fcharset value: 0 for the document's own page, kSymbol for
    // symbol fonts, the page's number otherwise.
    static int forCharset(int charset);

    // The number this page decodes (1252 for a page that fell back to it).
    int number() const { return m_number; }
    bool isDoubleByte() const { return m_pairs != nullptr; }
    bool isUtf8() const { return m_number == kUtf8; }
    // Whether the byte starts a two-byte character.
    bool isLeadByte(uchar byte) const { return m_lead[byte]; }
    // The character of a single byte; U+FFFD for a byte the page leaves undefined.
    QChar character(uchar byte) const { return m_single[byte]; }
    // The character of a lead byte and its trail; nullopt when the page has none.
    std::optional<QChar> pair(uchar lead, uchar trail) const;

private:
    explicit CodePage(int number);
    bool load(int number);
    void loadWindows1252();
    // The text of a few bytes in a page; nullopt when the platform does not know the page.
    static std::optional<QString> decode(int number, QByteArrayView bytes);
    // The character that one decoded byte or pair stands for, if it is one.
    static std::optional<QChar> single(const std::optional<QString> &text, QByteArrayView bytes);

    int m_number = kWindows1252;
    std::array<QChar, 256> m_single{};
    std::array<bool, 256> m_lead{};
    // 0: not looked up yet; 0xFFFF: no character.
    std::unique_ptr<std::atomic<char16_t>[]> m_pairs;
};
