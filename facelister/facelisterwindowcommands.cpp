// Facelister's menu commands: copy, save, print, help, About and closing.
#include "facelisterwindow.h"

#include "buildinfo.h"
#include "busypointer.h"
#include "clipboardservice.h"
#include "filelocations.h"
#include "fontlisthtml.h"
#include "helppage.h"
#include "messageservice.h"
#include "pendingevents.h"
#include "pleasewaitwindow.h"
#include "publisher.h"
#include "richtextedit.h"
#include "rtfwriter.h"
#include "savefiledialog.h"
#include "shellservice.h"
#include "textfile.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLoggingCategory>
#include <QTimer>

Q_LOGGING_CATEGORY(lcFacelister, "kerncraft.facelister")

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
}

void FacelisterWindow::mnuEdit_Click()
{
    m_copyAction->setEnabled(FontListHtml::hasContent(m_preview->text()));
    m_copyPlainTextAction->setEnabled(m_list.count() > 0);
}

void FacelisterWindow::mnuSave_Click()
{
    const QString name = m_services.saveDialog.saveFileName(
        QStringLiteral("Save As"), m_lastSaveName, QStringLiteral("Rich Text format (*.rtf)"));
    // A cancelled dialog writes nothing, whatever name an earlier save left behind.
    if (name.isEmpty())
        return;
    m_lastSaveName = name;
    const WriteResult result =
        TextFile::writeAtomically(name, RtfWriter::fileBytes(m_preview->rtf()));
    if (!result.ok)
        m_services.messages.message(
            QStringLiteral("The font list could not be saved as \"%1\".  %2")
                .arg(QDir::toNativeSeparators(name), result.error),
            programName(), MessageService::Buttons::Ok, MessageService::Icon::Warning);
}

void FacelisterWindow::mnuPrint_Click()
{
    if (!FontListHtml::hasContent(m_preview->text())) {
        m_services.busy.setBusy(false);
        return;
    }
    const auto answer = m_services.messages.message(
        QStringLiteral(
            "This will open the font list in Internet Explorer.  You can then use Print "
            "Preview and Print on the File menu to preview or print the list of fonts.  You "
            "can change margins and headers and footers using Page Setup on the File menu."),
        QStringLiteral("Print font list"), MessageService::Buttons::OkCancel,
        MessageService::Icon::Information);
    if (answer != MessageService::Answer::Ok)
        return;
    m_services.busy.setBusy(true);
    m_preview->setVisible(false);
    const QByteArray page = FontListHtml::pageBytes(*m_preview, downloadAddress());
    m_preview->setVisible(true);
    m_preview->select(0, 0);
    // Beside a program run from its build, else the user's own cache folder;
    // never a temporary folder that other users share.
    const QString folder = m_services.files.dataFolder();
    if (folder.isEmpty()) {
        qCWarning(lcFacelister) << "no writable folder for" << FontListHtml::fileName();
        m_services.busy.setBusy(false);
        return;
    }
    const QString path = QDir(folder).filePath(FontListHtml::fileName());
    const WriteResult result = TextFile::writeAtomically(path, page);
    processPendingEvents();
    if (!result.ok) {
        m_services.busy.setBusy(false);
        m_services.messages.message(
            QStringLiteral("The font list page \"%1\" could not be written.  %2")
                .arg(QDir::toNativeSeparators(path), result.error),
            programName(), MessageService::Buttons::Ok, MessageService::Icon::Warning);
        return;
    }
    if (!m_services.shell.openDocument(path, folder))
        qCWarning(lcFacelister) << "no handler opened" << path;
    m_services.busy.setBusy(false);
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
    m_services.clipboard.clear();
    // The plain text goes beside the rich text, for editors that take no RTF.
    m_services.clipboard.setRtfAndText(m_preview->rtf(), m_preview->text());
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
        QStringLiteral("Facelister %1 lists the fonts on your computer, each name written in its "
                       "own face.")
            .arg(Publisher::version()));
}

void FacelisterWindow::mnuAbout_Click()
{
    m_services.messages.message(aboutText(), programName(), MessageService::Buttons::Ok);
}
