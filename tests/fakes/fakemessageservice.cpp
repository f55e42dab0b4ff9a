// Scripted message boxes: see fakemessageservice.h.
#include "fakes/fakemessageservice.h"

MessageService::Answer FakeMessageService::message(const QString &text, const QString &title,
                                                   Buttons buttons, Icon icon)
{
    shown.append({text, title, buttons, icon});
    if (onShown)
        onShown(shown.last());
    if (!answers.empty()) {
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    if (buttons == Buttons::RetryDiscard)
        return Answer::Discard; // a failing save is not tried for ever
    return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

std::optional<QString> FakeMessageService::input(const QString &prompt, const QString &,
                                                 const QString &defaultAnswer)
{
    prompts.append(prompt);
    if (inputs.empty())
        return defaultAnswer;
    return inputs.takeFirst();
}
