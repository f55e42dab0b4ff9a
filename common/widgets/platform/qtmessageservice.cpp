// Qt message boxes: see qtmessageservice.h.
#include "widgets/platform/qtmessageservice.h"

#include <QApplication>
#include <QCoreApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

MessageService::Answer QtMessageService::message(const QString &text, const QString &title,
                                                 Buttons buttons, Icon icon)
{
    QMessageBox box(m_parent);
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    case Buttons::RetryDiscard: {
        QPushButton *retry = box.addButton(
            QCoreApplication::translate("QtMessageService", "&Try Again"), QMessageBox::AcceptRole);
        QPushButton *discard =
            box.addButton(QCoreApplication::translate("QtMessageService", "&Close Without Saving"),
                          QMessageBox::DestructiveRole);
        box.setDefaultButton(retry);
        box.setEscapeButton(discard);
        box.exec();
        return box.clickedButton() == retry ? Answer::Retry : Answer::Discard;
    }
    }
    switch (box.exec()) {
    case QMessageBox::Cancel:
        return Answer::Cancel;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
}

std::optional<QString> QtMessageService::input(const QString &prompt, const QString &title,
                                               const QString &defaultAnswer)
{
    bool ok = false;
    const QString answer =
        QInputDialog::getText(m_parent, title, prompt, QLineEdit::Normal, defaultAnswer, &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}

void QtMessageService::beep()
{
    QApplication::beep();
}
