// System clipboard: see qtclipboard.h.
#include "widgets/platform/qtclipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

QString QtClipboard::rtfMimeType()
{
#ifdef Q_OS_WIN
    return QStringLiteral("application/x-qt-windows-mime;value=\"Rich Text Format\"");
#else
    return QStringLiteral("text/rtf");
#endif
}

QStringList QtClipboard::rtfMimeTypes()
{
    return {rtfMimeType(), QStringLiteral("text/rtf"), QStringLiteral("text/richtext"),
            QStringLiteral("application/rtf")};
}

void QtClipboard::clear()
{
    QApplication::clipboard()->clear();
}

void QtClipboard::setText(const QString &text)
{
    QApplication::clipboard()->setText(text);
}

QString QtClipboard::text() const
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    return data && data->hasText() ? data->text() : QString();
}

bool QtClipboard::hasText() const
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    return data && data->hasText();
}

void QtClipboard::setRtf(const QByteArray &rtf)
{
    auto *data = new QMimeData;
    data->setData(rtfMimeType(), rtf);
    QApplication::clipboard()->setMimeData(data);
}

void QtClipboard::setRtfAndText(const QByteArray &rtf, const QString &text)
{
    auto *data = new QMimeData;
    data->setData(rtfMimeType(), rtf);
    data->setText(text);
    QApplication::clipboard()->setMimeData(data);
}

QByteArray QtClipboard::rtf() const
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    if (!data)
        return {};
    for (const QString &type : rtfMimeTypes()) {
        if (data->hasFormat(type))
            return data->data(type);
    }
    return {};
}

bool QtClipboard::hasRtf() const
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    if (!data)
        return false;
    for (const QString &type : rtfMimeTypes()) {
        if (data->hasFormat(type))
            return true;
    }
    return false;
}

void QtClipboard::setRich(const QByteArray &rtf, const QString &html, const QString &text)
{
    auto *data = new QMimeData;
    data->setData(rtfMimeType(), rtf);
    data->setHtml(html);
    data->setText(text);
    QApplication::clipboard()->setMimeData(data);
}

QString QtClipboard::html() const
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    return data && data->hasHtml() ? data->html() : QString();
}

bool QtClipboard::hasHtml() const
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    return data && data->hasHtml();
}
