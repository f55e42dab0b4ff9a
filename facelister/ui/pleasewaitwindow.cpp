// The please-wait window: see pleasewaitwindow.h.
#include "ui/pleasewaitwindow.h"

#include "core/progressstate.h"
#include "platform/pendingevents.h"
#include "ui/waitpicture.h"
#include "widgets/controls/progressindicator.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace {
QString firstStatus()
{
    return PleaseWaitWindow::tr("Loading...");
}
QString firstMessage()
{
    return PleaseWaitWindow::tr("Please wait while Facelister loads...");
}
} // namespace

PleaseWaitWindow::PleaseWaitWindow(ProgressState &progress, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_progress(progress)
{
    setObjectName(QStringLiteral("frmWait"));
    setWindowTitle(QStringLiteral("Facelister"));
    setModal(false);

    m_status = new QLineEdit(firstStatus(), this);
    m_status->setObjectName(QStringLiteral("TextStatus"));
    m_status->setReadOnly(true);
    m_status->setFocusPolicy(Qt::NoFocus);
    m_message = new QLabel(firstMessage(), this);
    m_message->setObjectName(QStringLiteral("LabelMessage"));
    m_message->setWordWrap(true);
    // The bar has no show/hide of its own here: it is there whenever the window is.
    m_progress.setVisible(true);
    m_bar = new ProgressIndicator(m_progress, this);
    QPalette fill = m_bar->shape()->palette();
    fill.setColor(QPalette::Window, palette().color(QPalette::Highlight));
    m_bar->shape()->setPalette(fill);
    m_bar->setVisible(true);
    auto *picture = new WaitPicture(this);

    auto *layout = new QGridLayout(this);
    layout->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(m_message, 0, 1);
    layout->addWidget(m_status, 1, 1);
    layout->addWidget(m_bar, 2, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_frontTimer = new QTimer(this);
    m_frontTimer->setInterval(100);
    connect(m_frontTimer, &QTimer::timeout, this, &PleaseWaitWindow::bringToFront);
}

void PleaseWaitWindow::load()
{
    m_status->setText(firstStatus());
    m_message->setText(firstMessage());
    m_loaded = true;
    show();
    raise();
    setCursor(Qt::WaitCursor);
    m_frontTimer->start();
    m_progress.setValue(0);
    processPendingEvents();
}

void PleaseWaitWindow::unload()
{
    m_loaded = false;
    m_frontTimer->stop();
    unsetCursor();
    hide();
}

void PleaseWaitWindow::reject()
{
    if (!m_loaded)
        QDialog::reject();
}

void PleaseWaitWindow::closeEvent(QCloseEvent *event)
{
    if (m_loaded)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void PleaseWaitWindow::setStatus(const QString &text)
{
    m_status->setText(text);
    m_status->repaint();
}

QString PleaseWaitWindow::status() const
{
    return m_status->text();
}

void PleaseWaitWindow::setMessage(const QString &text)
{
    m_message->setText(text);
    m_message->repaint();
}

QString PleaseWaitWindow::message() const
{
    return m_message->text();
}

void PleaseWaitWindow::bringToFront()
{
    if (isVisible())
        raise();
}
