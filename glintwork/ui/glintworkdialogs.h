// The dialogs and the printer that Glintwork's commands use: the platform colour dialog,
// the sixteen-colour dialog, the font dialog, the save-file dialog and the printer. The
// window reaches them only through this interface, so that tests can answer for the user.
#pragma once

#include <QString>
#include <optional>

class QWidget;

// What the font dialog is preset with: a value the selection mixes stays unset, and the
// dialog then keeps what it showed last time.
struct FontPreset {
    QString face;
    std::optional<double> size;
    std::optional<bool> bold;
    std::optional<bool> italic;
};

struct FontChoice {
    QString face;
    double size = 0;
    bool bold = false;
    bool italic = false;
};

struct PrintResult {
    bool ok = false;
    QString error; // the reason, for a message, when !ok
};

class GlintworkDialogs {
public:
    virtual ~GlintworkDialogs() = default;

    // The platform colour dialog; nullopt when cancelled. Without a preset the dialog
    // starts from the colour it showed last.
    virtual std::optional<qint32> chooseColour(std::optional<qint32> preset) = 0;
    // The sixteen Windows colours; nullopt when cancelled.
    virtual std::optional<qint32> chooseWindowsColour() = 0;
    virtual std::optional<FontChoice> chooseFont(const FontPreset &preset) = 0;
    // filter in the form "Name|*.ext|Name|*.ext"; nullopt when cancelled.
    virtual std::optional<QString> saveFileName(const QString &filter) = 0;

    virtual bool hasPrinter() = 0;
    // Prints what the widget shows on the default printer.
    virtual PrintResult printWidget(QWidget *widget) = 0;
};
