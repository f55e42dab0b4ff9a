// An in-memory clipboard.
#pragma once

#include "platform/clipboardservice.h"

#include <optional>

class FakeClipboard : public ClipboardService {
public:
    std::optional<QString> plain;
    std::optional<QByteArray> rich;
    std::optional<QString> markup; // the HTML flavour
    int clears = 0;

    void clear() override;
    void setText(const QString &text) override;
    QString text() const override { return plain.value_or(QString()); }
    bool hasText() const override { return plain.has_value(); }
    void setRtf(const QByteArray &rtf) override;
    void setRtfAndText(const QByteArray &rtf, const QString &text) override;
    QByteArray rtf() const override { return rich.value_or(QByteArray()); }
    bool hasRtf() const override { return rich.has_value(); }
    void setRich(const QByteArray &rtf, const QString &html, const QString &text) override;
    QString html() const override { return markup.value_or(QString()); }
    bool hasHtml() const override { return markup.has_value(); }
};
