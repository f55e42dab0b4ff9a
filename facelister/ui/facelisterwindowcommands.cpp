// Facelister's menu commands: copy, save, print, help, About and closing.
#include "ui/facelisterwindow.h"

#include "core/buildinfo.h"
#include "core/helppage.h"
#include "core/publisher.h"
#include "files/filelocations.h"
#include "files/textfile.h"
#include "html/htmlfragment.h"
#include "logic/fontlisthtml.h"
#include "logic/savefiledialog.h"
#include "platform/busypointer.h"
#include "platform/clipboardservice.h"
#include "platform/messageservice.h"
#include "platform/pendingevents.h"
#include "platform/printcommands.h"
#include "platform/printpageflow.h"
#include "platform/printservice.h"
#include "platform/richcopy.h"
#include "platform/shellservice.h"
#include "richtext/richdocument.h"
#include "richtext/rtfwriter.h"
#include "ui/pleasewaitwindow.h"
#include "ui/previewview.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QTimer>

QString FacelisterWindow::programName()
{
    return QStringLiteral("Facelister");
}

void FacelisterWindow::mnuCPlainText_Click()
{
    m_services.clipboard.clear();
    m_services.clipboard.setText(m_list.plainText());
}

void FacelisterWindow::mnuFile_Click()
{
    const bool hasPreview = FontListHtml::hasContent(m_preview->text());
    m_saveAction->setEnabled(hasPreview);
    m_printAction->setEnabled(hasPreview);
    m_previewAction->setEnabled(hasPreview && m_services.printer);
    m_pdfAction->setEnabled(hasPreview && m_services.printer);
}

void FacelisterWindow::mnuEdit_Click()
{
    m_copyAction->setEnabled(FontListHtml::hasContent(m_preview->text()));
    m_copyPlainTextAction->setEnabled(m_list.count() > 0);
}

void FacelisterWindow::mnuSave_Click()
{
    const QString name = m_services.saveDialog.saveFileName(tr("Save As"), m_lastSaveName,
                                                            tr("Rich Text format (*.rtf)"));
    // A cancelled dialog writes nothing, whatever name an earlier save left behind.
    if (name.isEmpty())
        return;
    m_lastSaveName = name;
    const WriteResult result =
        TextFile::writeAtomically(name, RtfWriter::fileBytes(m_preview->rtf()));
    if (!result.ok)
        m_services.messages.message(tr("The font list could not be saved as \"%1\".  %2")
                                        .arg(QDir::toNativeSeparators(name), result.error),
                                    programName(), MessageService::Buttons::Ok,
                                    MessageService::Icon::Warning);
}

void FacelisterWindow::mnuPrint_Click()
{
    if (!FontListHtml::hasContent(m_preview->text())) {
        m_services.busy.setBusy(false);
        return;
    }
    PrintPageFlow::Page page;
    page.what = PrintPageFlow::What::FontList;
    page.title = tr("Print font list");
    page.programName = programName();
    page.fileName = FontListHtml::fileName();
    page.bytes = [this] {
        m_preview->setVisible(false);
        const QByteArray bytes = FontListHtml::pageBytes(m_preview->document(), downloadAddress());
        m_preview->setVisible(true);
        m_preview->select(0, 0);
        return bytes;
    };
    // Beside a program run from its build, else the user's own cache folder; never a
    // temporary folder that other users share.
    PrintPageFlow(m_services.messages, m_services.shell, m_services.busy)
        .run(page, m_services.files.dataFolder());
}

PrintJob FacelisterWindow::printJob() const
{
    // From the document's rich text, not from the box's lines on screen.
    RichDocument document;
    document.setRtf(m_preview->rtf());
    return {QStringLiteral("Fonts"), document.runs(), {}};
}

void FacelisterWindow::mnuPreview_Click()
{
    if (!m_services.printer || !FontListHtml::hasContent(m_preview->text()))
        return;
    PrintCommands(*m_services.printer, m_services.messages, programName()).preview([this] {
        return printJob();
    });
}

void FacelisterWindow::mnuPdf_Click()
{
    if (!m_services.printer || !FontListHtml::hasContent(m_preview->text()))
        return;
    PrintCommands(*m_services.printer, m_services.messages, programName())
        .exportPdf([this] { return printJob(); }, QStringLiteral("Font_List.pdf"));
}

void FacelisterWindow::closeEvent(QCloseEvent *event)
{
    // A build still waiting for its tick must not run behind a closed window, and the
    // please-wait window must not keep the program alive.
    m_refreshTimer->stop();
    m_flashTimer->stop();
    m_waitWindow->unload();
    QMainWindow::closeEvent(event);
}

void FacelisterWindow::mnuX_Click()
{
    close();
    QCoreApplication::quit();
}

void FacelisterWindow::mnuCopy_Click()
{
    // The lines the user selected, else the whole preview, as every rich copy offers it.
    const PreviewView &preview = *m_preview;
    RichCopy::toClipboard(m_services.clipboard, preview, [&preview](int start, int length) {
        return preview.runs(start, length);
    });
}

QString FacelisterWindow::helpAddress(const QString &programFolder)
{
    return HelpPage::address(BuildInfo::kFacelisterHelpUrl, programFolder,
                             QStringLiteral("facelister.html"));
}

void FacelisterWindow::mnuOHelp_Click()
{
    m_services.shell.openAddress(helpAddress(m_services.files.programFolder()));
}

void FacelisterWindow::CommandHelp_Click()
{
    mnuOHelp_Click();
}

QString FacelisterWindow::downloadAddress()
{
    return Publisher::downloadAddress();
}

QString FacelisterWindow::aboutText()
{
    return Publisher::aboutText(
        tr("Facelister %1 lists the fonts on your computer, each name written in its "
           "own face.")
            .arg(Publisher::version()));
}

void FacelisterWindow::mnuAbout_Click()
{
    m_services.messages.message(aboutText(), programName(), MessageService::Buttons::Ok);
}
