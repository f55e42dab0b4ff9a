// The dialogs of Glintwork through Qt: QColorDialog, WindowsColourDialog, QFontDialog,
// QFileDialog and Qt Print Support.
#pragma once

#include "ui/glintworkdialogs.h"

#include <QColor>
#include <QFont>
#include <QPointer>

class WindowsColourDialog;
class QPrinter;

class QtGlintworkDialogs : public GlintworkDialogs {
public:
    explicit QtGlintworkDialogs(QWidget *parent = nullptr) : m_parent(parent) {}
    ~QtGlintworkDialogs() override;
    void setParent(QWidget *parent) { m_parent = parent; }

    std::optional<qint32> chooseColour(std::optional<qint32> preset) override;
    std::optional<qint32> chooseWindowsColour() override;
    std::optional<FontChoice> chooseFont(const FontPreset &preset) override;
    std::optional<QString> saveFileName(const QString &filter) override;
    bool hasPrinter() override;
    PrintResult printWidget(QWidget *widget) override;

    // Draws what the widget shows on the printer's page at the printer's resolution.
    static PrintResult renderWidget(QWidget *widget, QPrinter &printer);

    // "Name|*.ext|Name|*.ext" as a Qt file-dialog filter.
    static QString qtFilter(const QString &filter);

private:
    QWidget *m_parent = nullptr;
    // Like the platform's common dialog, each dialog starts where it was left.
    QColor m_lastColour = Qt::black;
    QFont m_lastFont;
    QString m_lastFolder;
    QPointer<WindowsColourDialog> m_winColor;
};
