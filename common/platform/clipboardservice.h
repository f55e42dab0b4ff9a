// The clipboard: plain text, rich text (RTF bytes under the platform's rich-text format) and
// HTML, which browser-based editors read instead of RTF.
#pragma once

#include <QByteArray>
#include <QString>

class ClipboardService {
public:
    virtual ~ClipboardService() = default;
    virtual void clear() = 0;
    virtual void setText(const QString &text) = 0;
    virtual QString text() const = 0;
    virtual bool hasText() const = 0;
    virtual void setRtf(const QByteArray &rtf) = 0;
    // Offers the same content as RTF and as plain text at once.
    virtual void setRtfAndText(const QByteArray &rtf, const QString &text) = 0;
    virtual QByteArray rtf() const = 0;
    virtual bool hasRtf() const = 0;
    // Rich copy: the same content as RTF, as an HTML fragment and as plain text at once.
    virtual void setRich(const QByteArray &rtf, const QString &html, const QString &text) = 0;
    virtual QString html() const = 0;
    virtual bool hasHtml() const = 0;
};
