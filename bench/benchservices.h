// Platform services that do nothing, for benchmarks that build a real window but measure
// neither the clipboard, the shell nor the busy pointer.
#pragma once

#include "platform/busypointer.h"
#include "platform/clipboardservice.h"
#include "platform/shellservice.h"

class NullClipboard : public ClipboardService {
public:
    void clear() override {}
    void setText(const QString &) override {}
    QString text() const override { return {}; }
    bool hasText() const override { return false; }
    void setRtf(const QByteArray &) override {}
    void setRtfAndText(const QByteArray &, const QString &) override {}
    QByteArray rtf() const override { return {}; }
    bool hasRtf() const override { return false; }
    void setRich(const QByteArray &, const QString &, const QString &) override {}
    QString html() const override { return {}; }
    bool hasHtml() const override { return false; }
};

class NullShell : public ShellService {
public:
    bool openAddress(const QString &) override { return true; }
    bool openDocument(const QString &, const QString &) override { return true; }
};

class NullBusy : public BusyPointer {
public:
    void setBusy(bool, Scope) override {}
};
