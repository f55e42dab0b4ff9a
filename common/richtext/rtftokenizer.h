// Splits RTF bytes into tokens: group braces, control words with their optional numeric
// parameter, control symbols, hex escapes and runs of plain text. Never reads past the
// end, never allocates per token; numbers with any count of digits saturate.
#pragma once

#include <QByteArrayView>

class RtfTokenizer {
public:
    enum class Type { End, GroupStart, GroupEnd, ControlWord, ControlSymbol, HexByte, Text };

    struct Token {
        Type type = Type::End;
        QByteArrayView word; // control word name, or the plain text of a Text token
        bool hasParam = false;
        qint32 param = 0;
        char symbol = 0; // ControlSymbol
        uchar byte = 0;  // HexByte
    };

    explicit RtfTokenizer(QByteArrayView data) : m_data(data) {}

    Token next();
    // Skips raw bytes (the data of \bin), at most to the end of the input.
    void skipBytes(qint64 count);
    qsizetype position() const { return m_pos; }

private:
    static bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool isDigit(char c) { return c >= '0' && c <= '9'; }
    static int hexValue(char c);
    static Token makeToken(Type type)
    {
        Token token;
        token.type = type;
        return token;
    }
    // Reads the sequence after a backslash; false when it yields no token.
    bool controlSequence(Token &token);

    QByteArrayView m_data;
    qsizetype m_pos = 0;
};
