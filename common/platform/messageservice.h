// Message boxes, the one-line input prompt and the beep.
#pragma once

#include <QString>
#include <optional>

class MessageService {
public:
    // RetryDiscard: "Try Again" and "Close Without Saving", for a save that failed as
    // the window closes.
    enum class Buttons { Ok, OkCancel, YesNo, RetryDiscard };
    enum class Icon { None, Information, Warning, Question };
    enum class Answer { Ok, Cancel, Yes, No, Retry, Discard };

    virtual ~MessageService() = default;
    virtual Answer message(const QString &text, const QString &title, Buttons buttons = Buttons::Ok,
                           Icon icon = Icon::None) = 0;
    // The answer typed, or nullopt when the prompt was cancelled.
    virtual std::optional<QString> input(const QString &prompt, const QString &title,
                                         const QString &defaultAnswer) = 0;
    virtual void beep() = 0;
};
