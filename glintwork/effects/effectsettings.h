// Glintwork's effect settings: one record with a field per control of the main window.
// The window reads its controls into the record, hands it to the engine, and writes the
// record back; the settings file stores it and the reset fills it with the defaults.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

// The destination the output is tailored for. None only between start-up and the first
// mode switch, so that the first switch always rebuilds the font list.
enum class OutputMode : int { None = -1, Normal = 0, Html = 1, WordProcessor = 2 };

// One swatch of the alternate (`CL`) or blend (`CB`) row: its displayed colour
// (`BackColor`), its own colour as decimal text (`Tag`) and its mark (`Caption`,
// empty while in use, "X" while excluded).
struct ColourLabel {
    qint32 colour = 0;
    QString tag;
    QString mark;

    bool inUse() const { return mark.isEmpty(); }
    friend bool operator==(const ColourLabel &, const ColourLabel &) = default;
};

struct EffectSettings {
    static constexpr int kAlternateCount = 9; // CL 0 .. 8
    static constexpr int kBlendCount = 4;     // CB 0 .. 3
    static constexpr int kMaxSelectedFonts = 20;

    // Option indices of the groups, named after their captions.
    enum Sizes {
        SizesNone,
        SizesRandom,
        SizesAlternate,
        SizesFirstLetters,
        SizesBalloon,
        SizesConstrict,
        SizesWave
    };
    enum Cap { CapNone, CapRandom, CapUpper, CapLower, CapFirstLetters, CapAlternate };
    enum Pos { PosNone, PosRandom, PosCentre };
    enum OC { OCSingle, OCRandom, OCAlternate, OCBlend, OCPredefined };

    // The input text; line breaks are CR LF.
    QString text = QStringLiteral("Type something here and click Refresh...");

    // `ListFonts`: its entries (filled by the output mode) and which of them are selected.
    // Both lists always have the same length.
    QStringList fonts;
    QList<bool> fontSelected;

    int checkAF = 0;
    int checkBI = 1;
    int sizes = SizesRandom;
    // The size boxes: the text shown, and the list position (-1 after the user typed a
    // value that is not an item). The text is what the formatter reads.
    QString comboS = QStringLiteral("20");
    int comboSIndex = 5;
    QString comboB = QStringLiteral("32");
    int comboBIndex = 7;
    QString textWL = QStringLiteral("5");
    int pos = PosRandom;
    int cap = CapNone;
    int oc = OCRandom;
    qint32 label1Col = 0;
    std::array<ColourLabel, kAlternateCount> cl = defaultAlternateLabels();
    int checkRandom = 0;
    std::array<ColourLabel, kBlendCount> cb = defaultBlendLabels();
    QString textBL = QStringLiteral("20");
    int comboPC = 0;
    bool mnuWW = false;
    bool mnuCW = false;
    OutputMode outputMode = OutputMode::Normal;
    bool mnuTT = true;

    // The defaults of the reset (the font list is left empty: the mode fills it).
    static EffectSettings defaults() { return {}; }

    // The colours, tags and marks of the rows as the reset leaves them (CL 7 and 8
    // excluded and silver).
    static std::array<ColourLabel, kAlternateCount> defaultAlternateLabels();
    static std::array<ColourLabel, kBlendCount> defaultBlendLabels();

    int selectedFontCount() const;
    // The names of the selected entries, in list order.
    QStringList selectedFontNames() const;
    // Empties the list (and its selection) and fills it with the names, nothing selected.
    void setFonts(const QStringList &names);

    friend bool operator==(const EffectSettings &, const EffectSettings &) = default;
};
