// The four programs' windows for the language tests: see programwindows.h.
#include "translations/programwindows.h"

#include "ui/fontdetailspanel.h"
#include "ui/pleasewaitwindow.h"

#include <QApplication>
#include <QTest>

ProgramWindows::ProgramWindows()
{
    m_glintwork.start();
    m_colourDialog = std::make_unique<WindowsColourDialog>();
    m_colourDialog->show();

    m_facelister = std::make_unique<FacelisterWindow>(FacelisterServices{
        m_facelisterFonts, m_facelisterClipboard, m_facelisterMessages, m_facelisterShell,
        m_facelisterBusy, m_facelisterFiles, m_saveDialog, m_details, &m_facelisterPrinter});
    m_facelister->show();
    m_facelister->Form_Load();
    m_facelister->mnuDetails_Click();

    m_glyphmatch = std::make_unique<GlyphmatchWindow>(GlyphmatchServices{
        m_glyphmatchFonts, m_glyphmatchMessages, m_glyphmatchShell, m_glyphmatchBusy,
        m_glyphmatchFiles, &m_glyphmatchClipboard, &m_glyphmatchPrinter});
    m_glyphmatch->show();
    m_glyphmatch->Form_Load();

    m_charboard = std::make_unique<CharboardWindow>(
        CharboardServices{m_charboardFonts, m_charboardClipboard, m_charboardShell, m_charboardBusy,
                          m_charboardFiles});
    m_charboard->show();
    m_charboard->Form_Load();
    // The please-wait window is laid out as the user saw it during the load.
    if (m_facelister->waitWindow())
        m_facelister->waitWindow()->show();
    QApplication::processEvents();
}

QList<QWidget *> ProgramWindows::windows() const
{
    QList<QWidget *> all = {m_glintwork.window.get(), m_colourDialog.get(), m_facelister.get(),
                            m_glyphmatch.get(), m_charboard.get()};
    if (m_facelister->waitWindow())
        all.append(m_facelister->waitWindow());
    return all;
}

void ProgramWindows::showMessages()
{
    GlintworkWindow &glintwork = *m_glintwork.window;
    glintwork.mnuAbout_Click();
    glintwork.mnuDLFonts_Click();
    m_glintwork.messages.answers.push_back(MessageService::Answer::No);
    glintwork.mnuDS_Click();
    m_glintwork.messages.answers.push_back(MessageService::Answer::Cancel);
    glintwork.setInputText(QString(2000, u'x'));
    glintwork.cmdP_Click();
    m_facelister->mnuAbout_Click();
    m_glyphmatchMessages.answers.push_back(MessageService::Answer::Cancel);
    m_glyphmatch->CommandPrint_Click();
}

QList<FakeMessageService::Shown> ProgramWindows::messages() const
{
    return m_glintwork.messages.shown + m_facelisterMessages.shown + m_glyphmatchMessages.shown;
}
