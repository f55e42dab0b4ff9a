// Message boxes, input prompt and beep through Qt's standard dialogs.
#pragma once

#include "platform/messageservice.h"

class QWidget;

class QtMessageService : public MessageService {
public:
    explicit QtMessageService(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    Answer message(const QString &text, const QString &title, Buttons buttons, Icon icon) override;
    std::optional<QString> input(const QString &prompt, const QString &title,
                                 const QString &defaultAnswer) override;
    void beep() override;

private:
    QWidget *m_parent = nullptr;
};
