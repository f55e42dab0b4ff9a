// Qt dialogs and printing: see qtglintworkdialogs.h.
#include "ui/qtglintworkdialogs.h"

#include "ui/windowscolourdialog.h"
#include "widgets/controls/colourref.h"
#include "widgets/platform/savedialog.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFontDialog>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QScrollBar>
#include <QTextEdit>
#include <QWidget>

QtGlintworkDialogs::~QtGlintworkDialogs()
{
    delete m_winColor.data();
}

std::optional<qint32> QtGlintworkDialogs::chooseColour(std::optional<qint32> preset)
{
    const QColor initial = preset ? ColourRef::toQColor(*preset) : m_lastColour;
    const QColor chosen = QColorDialog::getColor(initial, m_parent);
    if (!chosen.isValid())
        return std::nullopt;
    m_lastColour = chosen;
    return ColourRef::fromQColor(chosen);
}

std::optional<qint32> QtGlintworkDialogs::chooseWindowsColour()
{
    if (!m_winColor)
        m_winColor = new WindowsColourDialog(m_parent);
    return m_winColor->run();
}

std::optional<FontChoice> QtGlintworkDialogs::chooseFont(const FontPreset &preset)
{
    QFont initial = m_lastFont;
    if (!preset.face.isEmpty())
        initial.setFamilies({preset.face});
    if (preset.size && *preset.size > 0)
        initial.setPointSizeF(*preset.size);
    if (preset.bold)
        initial.setBold(*preset.bold);
    if (preset.italic)
        initial.setItalic(*preset.italic);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, m_parent);
    if (!ok)
        return std::nullopt;
    m_lastFont = chosen;
    FontChoice choice;
    choice.face = chosen.family();
    choice.size = chosen.pointSizeF();
    choice.bold = chosen.bold();
    choice.italic = chosen.italic();
    return choice;
}

QString QtGlintworkDialogs::qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        entries.append(QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]));
    return entries.join(QStringLiteral(";;"));
}

std::optional<QString> QtGlintworkDialogs::saveFileName(const QString &filter)
{
    // No extension is added here: the command itself checks the ending. The dialog asks
    // before replacing a file.
    SaveDialog dialog(m_parent, QString(), m_lastFolder, qtFilter(filter));
    const QString name = dialog.run();
    if (name.isEmpty())
        return std::nullopt;
    m_lastFolder = QFileInfo(name).absolutePath();
    return name;
}

bool QtGlintworkDialogs::hasPrinter()
{
    return !QPrinterInfo::defaultPrinter().isNull() || !QPrinterInfo::availablePrinters().isEmpty();
}

PrintResult QtGlintworkDialogs::printWidget(QWidget *widget)
{
    QPrinter printer(QPrinter::HighResolution);
    return renderWidget(widget, printer);
}

PrintResult QtGlintworkDialogs::renderWidget(QWidget *widget, QPrinter &printer)
{
    if (!widget)
        return {false,
                QCoreApplication::translate("QtGlintworkDialogs", "There is nothing to print.")};
    QPainter painter;
    if (!painter.begin(&printer))
        return {false, QCoreApplication::translate("QtGlintworkDialogs",
                                                   "The printer could not be started.")};
    // What the box shows is drawn again at the printer's resolution: the text stays text,
    // sharp on paper, instead of being a screenshot blown up to the page.
    auto *edit = qobject_cast<QTextEdit *>(widget);
    QWidget *area = edit ? edit->viewport() : widget;
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const double screenDpi = area->logicalDpiX() > 0 ? area->logicalDpiX() : 96.0;
    double scale = printer.resolution() / screenDpi;
    if (area->width() * scale > page.width())
        scale = page.width() / area->width();
    painter.scale(scale, scale);
    if (edit) {
        const QPoint scrolled(edit->horizontalScrollBar()->value(),
                              edit->verticalScrollBar()->value());
        const QRect shown(scrolled, area->size());
        painter.setClipRect(QRect(QPoint(0, 0), area->size()));
        painter.translate(-scrolled);
        edit->document()->drawContents(&painter, shown);
    } else {
        widget->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    }
    if (!painter.end())
        return {false, QCoreApplication::translate("QtGlintworkDialogs",
                                                   "The printer reported an error.")};
    return {true, {}};
}
