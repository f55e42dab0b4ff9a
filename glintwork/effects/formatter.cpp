// The Refresh: see formatter.h.
#include "formatter.h"

#include "caps.h"
#include "charcolours.h"
#include "colours.h"
#include "isnormal.h"
#include "numbers.h"
#include "progressstate.h"
#include "randomsource.h"
#include "recentcolours.h"
#include "richdocument.h"
#include "rtfsplicer.h"

#include <cmath>

namespace {

bool startsPair(const QString &text, qsizetype i)
{
    return i + 1 < text.size() && text[i].isHighSurrogate() && text[i + 1].isLowSurrogate();
}

} // namespace

Formatter::Formatter(RandomSource &random, RecentColours &recent, ProgressState &progress)
    : m_random(random), m_recent(recent), m_progress(progress)
{}

LengthWarning Formatter::lengthWarning(qsizetype n, int s)
{
    if (s != 1 && n > 712)
        return LengthWarning::VeryLong;
    if (s != 1 && n > 360)
        return LengthWarning::Long;
    if (s == 1 && n > 1512)
        return LengthWarning::VeryLong;
    return LengthWarning::None;
}

QStringList Formatter::cutPieces(const QString &work, bool wordMode)
{
    QStringList pieces;
    qsizetype at = 0;
    const qsizetype n = work.size();
    do {
        qsizetype take = n - at;
        if (wordMode) {
            const qsizetype blank = work.indexOf(QLatin1Char(' '), at + 1);
            if (blank >= 0)
                take = blank - at + 1;
        } else if (n - at > 6) {
            take = startsPair(work, at + 5) ? 7 : 6;
        }
        QString piece;
        piece.reserve(take + 4);
        for (qsizetype i = at; i < at + take; ++i) {
            const QChar c = work[i];
            if (c == QLatin1Char('\n'))
                continue;
            piece += c;
            if (c == QLatin1Char('\r'))
                piece += QLatin1Char('\n');
        }
        pieces.append(piece);
        at += take;
    } while (at < n);
    return pieces;
}

QList<std::pair<int, int>> Formatter::wordRanges(const QString &t)
{
    QList<std::pair<int, int>> ranges;
    const int len = int(t.size());
    int start = 0;
    int p = 0;
    do {
        const int blank = int(t.indexOf(QLatin1Char(' '), start));
        p = blank >= 0 ? blank + 1 : len;
        ranges.append({start, p - start});
        // The next range starts after the blank: the blank's 1-based position is the
        // 0-based start of the character after it.
        start = blank >= 0 ? blank + 1 : 0;
    } while (p != len);
    return ranges;
}

Formatter::Unit Formatter::unitAttributes(const EffectSettings &s, qsizetype g) const
{
    Unit unit;
    if (m_pool.isEmpty()) {
        // Without a selection any normal installed font will do; a list of symbol fonts
        // only (or none at all) leaves the box's default face.
        const int count = int(m_upperFonts.size());
        for (int draw = 0; count > 0 && draw < kMaxFontDraws; ++draw) {
            const int i = m_random.below(count);
            if (m_normalFonts[i]) {
                unit.face = m_upperFonts[i];
                break;
            }
        }
    } else if (s.checkAF) {
        unit.face = m_pool[g % m_pool.size()];
    } else {
        unit.face = m_pool[m_random.below(int(m_pool.size()))];
    }
    unit.size = SizeRules::unitSize(s.sizes, m_limits, m_charSize, g);
    if (unit.size) {
        const float offset = SizeRules::verticalOffset(s.pos, *unit.size, m_random);
        unit.offset = int(Numbers::clampToInt32(offset));
    }
    if (s.checkBI) {
        unit.bold = m_random.next() > 0.6f;
        unit.italic = m_random.next() > 0.6f;
    }
    return unit;
}

void Formatter::apply(RichTextBox &box, const Unit &unit)
{
    if (unit.face)
        box.setSelFontName(*unit.face);
    if (unit.size)
        box.setSelFontSize(*unit.size);
    if (unit.offset)
        box.setSelCharOffset(*unit.offset);
    if (unit.bold)
        box.setSelBold(*unit.bold);
    if (unit.italic)
        box.setSelItalic(*unit.italic);
}

std::optional<qint32> Formatter::unitColour(const EffectSettings &s, OutputMode mode,
                                            qsizetype u) const
{
    qint32 c = 0;
    if (s.oc == EffectSettings::OCRandom) {
        c = m_recent.NewColour(true, true, m_random);
    } else if (s.oc == EffectSettings::OCSingle) {
        c = s.label1Col;
    } else {
        if (u < 0 || u >= m_charColour.size())
            return std::nullopt;
        c = m_charColour[u];
    }
    if (mode == OutputMode::WordProcessor)
        c = nearestWindowsColour(c, false);
    return c;
}

void Formatter::setSymbolFonts(const QStringList &names)
{
    m_symbolFonts.clear();
    for (const QString &name : names)
        m_symbolFonts.insert(name.toUpper());
}

bool Formatter::isTextFont(const QString &name) const
{
    return IsNormal(name) && !m_symbolFonts.contains(name.toUpper());
}

void Formatter::autoSelect(EffectSettings &s, RefreshHost &host)
{
    const int count = int(s.fonts.size());
    if (count == 0)
        return;
    if (s.fontSelected.size() != s.fonts.size())
        s.fontSelected = QList<bool>(count, false);
    int selected = 0;
    for (int attempt = 0; attempt < 50 && selected < 14; ++attempt) {
        const int i = m_random.below(count);
        if (!s.fontSelected[i] && isTextFont(s.fonts[i])) {
            s.fontSelected[i] = true;
            host.selectFont(i);
            ++selected;
        }
    }
}

RefreshResult Formatter::refresh(EffectSettings &s, OutputMode mode, RichDocument &box,
                                 RefreshHost &host)
{
    RefreshResult result;
    const QString input = s.text;
    const qsizetype n = input.size();
    if (n == 0)
        return result;

    const int selected = s.selectedFontCount();
    switch (lengthWarning(n, selected)) {
    case LengthWarning::VeryLong:
        if (!host.confirmWarning(kVeryLongWarning))
            return result;
        break;
    case LengthWarning::Long:
        if (!host.confirmWarning(kLongWarning))
            return result;
        break;
    case LengthWarning::None:
        break;
    }
    result.ran = true;

    host.showFontList(false);
    host.enableRefresh(false);
    host.showOutput(false);
    m_progress.setVisible(true);
    host.setBusy(true);
    box.setRtf(QByteArray());
    if (host.outputShowsFirstToolTip())
        host.setOutputToolTip(kResultToolTip);

    if (selected == 0 && n > 20) {
        result.autoSelected = true;
        autoSelect(s, host);
    }

    m_limits = SizeRules::normaliseLimits(s, mode);
    m_pool.clear();
    for (const QString &name : s.selectedFontNames())
        m_pool.append(name.toUpper());
    m_upperFonts.clear();
    m_normalFonts.clear();
    for (const QString &name : std::as_const(s.fonts)) {
        m_upperFonts.append(name.toUpper());
        m_normalFonts.append(isTextFont(m_upperFonts.last()));
    }
    const QString work = Caps(input, s.cap, m_random);
    const QStringList pieces = cutPieces(work, s.mnuWW);

    m_progress.setMax(2.0 * double(n));
    m_progress.setValue(0);
    m_charColour = AssignCharColours(s, n, m_random);
    m_charSize = SizeRules::sizeTable(s, m_limits, m_random);
    if (s.sizes == EffectSettings::SizesNone) {
        box.setBaseFontSize(m_limits.minSize);
        result.baseFontSize = m_limits.minSize;
    }

    // Piece loop: the box holds one piece at a time.
    // The marker document depends only on the box's default formatting, which the piece
    // loop does not change, so it is taken first and each piece is spliced as soon as it
    // is written instead of keeping every piece's RTF until the end.
    box.setRtf(QByteArrayLiteral("$%^&"));
    RtfSplicer splicer(box.rtf());
    box.setRtf(QByteArray());
    qsizetype g = 0;
    for (const QString &piece : pieces) {
        box.setText(piece);
        if (s.mnuWW) {
            box.select(0, int(piece.size()));
            apply(box, unitAttributes(s, g));
            ++g;
        } else {
            const int len = int(piece.size());
            for (int k = 0; k < len; ++k) {
                // The two halves of a surrogate pair share one format; each still counts
                // as a unit.
                const bool pair = startsPair(piece, k);
                box.select(k, pair ? 2 : 1);
                apply(box, unitAttributes(s, g));
                m_progress.setValue(double(g));
                ++g;
                if (pair) {
                    ++k;
                    m_progress.setValue(double(g));
                    ++g;
                }
            }
        }
        splicer.append(box.rtf());
        box.setRtf(QByteArray());
    }

    box.setRtf(splicer.finish());

    // Colour pass over the spliced document.
    const QString t = box.text();
    if (s.mnuCW) {
        const auto ranges = wordRanges(t);
        for (qsizetype w = 0; w < ranges.size(); ++w) {
            m_progress.setValue(double(m_progress.value()) + 1);
            box.select(ranges[w].first, ranges[w].second);
            if (const auto c = unitColour(s, mode, w))
                box.setSelColour(*c);
        }
    } else {
        const int len = int(t.size());
        for (int i = 0; i < len; ++i) {
            m_progress.setValue(double(m_progress.value()) + 1);
            const bool pair = startsPair(t, i);
            box.select(i, pair ? 2 : 1);
            if (const auto c = unitColour(s, mode, i))
                box.setSelColour(*c);
            if (pair) {
                ++i;
                m_progress.setValue(double(m_progress.value()) + 1);
            }
        }
    }

    if (result.autoSelected) {
        s.fontSelected.fill(false);
        host.clearFontSelection();
    }

    // The user's text is kept whole: no clean-up pass deletes characters after the splice.
    host.showFontList(true);
    box.setSelLength(0);
    box.setSelStart(0);
    m_progress.setValue(m_progress.max());
    host.enableRefresh(true);
    m_progress.setVisible(false);
    host.outputReady(box);
    host.showOutput(true);
    host.setBusy(false);

    result.limits = m_limits;
    result.charSize = m_charSize;
    result.charColour = m_charColour;
    return result;
}
