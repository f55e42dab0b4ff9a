// Message boxes that record what they were asked and answer from a script.
#pragma once

#include "platform/messageservice.h"

#include <QList>
#include <deque>
#include <functional>

class FakeMessageService : public MessageService {
public:
    struct Shown {
        QString text;
        QString title;
        Buttons buttons;
        Icon icon;
    };

    // Answers used in turn; when they run out, OK / Yes (Discard for Retry/Discard).
    std::deque<Answer> answers;
    // Answers of the input prompt in turn; when they run out, the default answer.
    QList<std::optional<QString>> inputs;

    QList<Shown> shown;
    // Called as each message is shown, before it is answered.
    std::function<void(const Shown &)> onShown;
    QList<QString> prompts;
    int beeps = 0;

    Answer message(const QString &text, const QString &title, Buttons buttons, Icon icon) override;
    std::optional<QString> input(const QString &prompt, const QString &title,
                                 const QString &defaultAnswer) override;
    void beep() override { ++beeps; }
};
