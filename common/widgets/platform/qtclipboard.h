// The system clipboard. Rich text travels as RTF bytes under the platform's rich-text
// format: the MIME type text/rtf on Linux, the "Rich Text Format" clipboard format on
// Windows. HTML goes as text/html (the platform's HTML format on Windows, framed by Qt).
#pragma once

#include "platform/clipboardservice.h"

#include <QStringList>

class QtClipboard : public ClipboardService {
public:
    static QString rtfMimeType();
    // Types accepted as RTF when reading, best first.
    static QStringList rtfMimeTypes();

    void clear() override;
    void setText(const QString &text) override;
    QString text() const override;
    bool hasText() const override;
    void setRtf(const QByteArray &rtf) override;
    void setRtfAndText(const QByteArray &rtf, const QString &text) override;
    QByteArray rtf() const override;
    bool hasRtf() const override;
    void setRich(const QByteArray &rtf, const QString &html, const QString &text) override;
    QString html() const override;
    bool hasHtml() const override;
};
