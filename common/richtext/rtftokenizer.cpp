// RTF tokenizer: see rtftokenizer.h.
#include "richtext/rtftokenizer.h"

#include <algorithm>
#include <limits>

int RtfTokenizer::hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

void RtfTokenizer::skipBytes(qint64 count)
{
    if (count > 0)
        m_pos += qsizetype(std::min<qint64>(count, m_data.size() - m_pos));
}

RtfTokenizer::Token RtfTokenizer::next()
{
    const qsizetype size = m_data.size();
    while (m_pos < size) {
        const char c = m_data[m_pos];
        switch (c) {
        case '{':
            ++m_pos;
            return makeToken(Type::GroupStart);
        case '}':
            ++m_pos;
            return makeToken(Type::GroupEnd);
        case '\\': {
            Token token;
            if (controlSequence(token))
                return token;
            continue;
        }
        case '\r':
        case '\n':
        case '\0':
            // Line ends are layout of the file, not text; NUL bytes are never text.
            ++m_pos;
            continue;
        default:
            break;
        }
        const qsizetype start = m_pos;
        while (m_pos < size) {
            const char t = m_data[m_pos];
            if (t == '{' || t == '}' || t == '\\' || t == '\r' || t == '\n' || t == '\0')
                break;
            ++m_pos;
        }
        Token token = makeToken(Type::Text);
        token.word = m_data.sliced(start, m_pos - start);
        return token;
    }
    return Token();
}

bool RtfTokenizer::controlSequence(Token &token)
{
    const qsizetype size = m_data.size();
    ++m_pos; // the backslash
    if (m_pos >= size) {
        token = Token();
        return true;
    }
    const char c = m_data[m_pos];
    if (!isLetter(c)) {
        ++m_pos;
        if (c == '\'') {
            // Two hex digits; a truncated or malformed escape yields what digits there are,
            // or nothing.
            int value = 0;
            int digits = 0;
            while (digits < 2 && m_pos < size && hexValue(m_data[m_pos]) >= 0) {
                value = value * 16 + hexValue(m_data[m_pos]);
                ++m_pos;
                ++digits;
            }
            if (digits == 0)
                return false;
            token = makeToken(Type::HexByte);
            token.byte = uchar(value);
            return true;
        }
        token = makeToken(Type::ControlSymbol);
        token.symbol = c;
        return true;
    }
    const qsizetype start = m_pos;
    while (m_pos < size && isLetter(m_data[m_pos]))
        ++m_pos;
    token = makeToken(Type::ControlWord);
    token.word = m_data.sliced(start, m_pos - start);
    bool negative = false;
    if (m_pos + 1 < size && m_data[m_pos] == '-' && isDigit(m_data[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    if (m_pos < size && isDigit(m_data[m_pos])) {
        qint64 value = 0;
        constexpr qint64 limit = qint64(std::numeric_limits<qint32>::max()) + 1;
        while (m_pos < size && isDigit(m_data[m_pos])) {
            value = std::min(limit, value * 10 + (m_data[m_pos] - '0'));
            ++m_pos;
        }
        if (negative)
            value = -value;
        token.hasParam = true;
        token.param = qint32(std::clamp<qint64>(value, std::numeric_limits<qint32>::min(),
                                                std::numeric_limits<qint32>::max()));
    }
    if (m_pos < size && m_data[m_pos] == ' ')
        ++m_pos;
    return true;
}
