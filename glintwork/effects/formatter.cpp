// The Refresh: see formatter.h.
#include "effects/formatter.h"

#include "core/numbers.h"
#include "core/progressstate.h"
#include "core/randomsource.h"
#include "effects/caps.h"
#include "effects/charcolours.h"
#include "effects/colours.h"
#include "effects/randomfont.h"
#include "effects/recentcolours.h"
#include "effects/textunits.h"
#include "richtext/richdocument.h"

#include <QCoreApplication>

#include <cmath>

namespace {

// One piece of the work: every LF dropped and every CR made CR LF.
QString piece(const QString &work, qsizetype at, qsizetype take)
{
    QString out;
    out.reserve(take + 4);
    for (qsizetype i = at; i < at + take; ++i) {
        const QChar c = work[i];
        if (c == QLatin1Char('\n'))
            continue;
        out += c;
        if (c == QLatin1Char('\r'))
            out += QLatin1Char('\n');
    }
    return out;
}

} // namespace

QString Formatter::warningTitle()
{
    return QCoreApplication::translate("Formatter", "Warning!");
}

QString Formatter::veryLongWarning()
{
    return QCoreApplication::translate(
        "Formatter",
        "You have entered a very long string of text.  Formatting this many characters is "
        "likely to slow down both this program and any program you output the results to.  "
        "Are you sure that you want to proceed (this could take several minutes to render)?");
}

QString Formatter::longWarning()
{
    return QCoreApplication::translate(
        "Formatter",
        "You have entered a long string of text.  On a slow computer, formatting this many "
        "characters may slow down both this program and any program you output the results "
        "to.  Are you sure that you want to proceed?");
}

QString Formatter::firstToolTip()
{
    return QCoreApplication::translate(
        "Formatter", "When you click 'Refresh...', the formatted text will appear here");
}

QString Formatter::resultToolTip()
{
    return QCoreApplication::translate(
        "Formatter",
        "This is the formatted text - copy and paste, save, or print it, or change settings "
        "and click 'Refresh...' again.");
}

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
    forEachPiece(work, wordMode, [&pieces](const QString &p) { pieces.append(p); });
    return pieces;
}

void Formatter::forEachPiece(const QString &work, bool wordMode, const PieceVisitor &visit)
{
    const qsizetype n = work.size();
    qsizetype at = 0;
    if (wordMode) {
        do {
            const qsizetype blank = work.indexOf(QLatin1Char(' '), at + 1);
            const qsizetype take = blank >= 0 ? blank - at + 1 : n - at;
            visit(piece(work, at, take));
            at += take;
        } while (at < n);
        return;
    }
    // A piece ends with the first unit that reaches six code units past its start; the
    // last six or fewer make the last piece.
    TextUnits::forEachSpan(work, [&](const TextUnits::Span &span) {
        const qsizetype end = span.start + span.length;
        if (n - at > 6 && end >= at + 6) {
            visit(piece(work, at, end - at));
            at = end;
        }
    });
    if (at < n || n == 0)
        visit(piece(work, at, n - at));
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
    } else if (s.alternateSelectedFonts) {
        unit.poolIndex = int(g % m_pool.size());
        unit.face = m_pool[unit.poolIndex];
    } else {
        unit.poolIndex = m_random.below(int(m_pool.size()));
        unit.face = m_pool[unit.poolIndex];
    }
    unit.size = SizeRules::unitSize(s.sizeEffect, m_limits, m_charSize, g);
    if (unit.size) {
        const float offset = SizeRules::verticalOffset(s.characterPosition, *unit.size, m_random);
        unit.offset = int(Numbers::clampToInt32(offset));
    }
    if (s.randomBoldItalic) {
        unit.bold = m_random.next() > 0.6f;
        unit.italic = m_random.next() > 0.6f;
    }
    return unit;
}

void Formatter::fitFace(Unit &unit, const QString &text, const EffectSettings &s, qsizetype g)
{
    if (!m_chooser.active())
        return;
    unit.face = m_chooser.choose(text, unit.poolIndex, unit.face.value_or(QString()), g,
                                 s.alternateSelectedFonts, m_random);
    if (unit.face->isEmpty())
        unit.face.reset();
}

void Formatter::mendWord(RichTextBox &box, const QString &piece, const QString &face,
                         const EffectSettings &s, qsizetype g)
{
    if (!m_chooser.active() || m_chooser.canDraw(face, piece))
        return;
    for (const TextUnits::Span &span : TextUnits::spans(piece)) {
        const QString text = piece.mid(span.start, span.length);
        if (m_chooser.canDraw(face, text))
            continue;
        Unit part;
        part.face = face;
        fitFace(part, text, s, g);
        if (part.face && *part.face != face) {
            box.select(int(span.start), int(span.length));
            box.setSelFontName(*part.face);
        }
    }
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
    if (s.colouring == EffectSettings::ColourRandom) {
        c = m_recent.NewColour(true, true, m_random);
    } else if (s.colouring == EffectSettings::ColourSingle) {
        c = s.singleColour;
    } else {
        if (u < 0 || u >= m_charColour.size())
            return std::nullopt;
        c = m_charColour[u];
    }
    if (mode == OutputMode::WordProcessor)
        c = nearestWindowsColour(c, false);
    return c;
}

void Formatter::colourUnits(const EffectSettings &s, OutputMode mode, RichTextBox &box)
{
    // The ranges run over the spliced document's text.
    const QString t = box.text();
    if (s.colourWordByWord) {
        const auto ranges = wordRanges(t);
        for (qsizetype w = 0; w < ranges.size(); ++w) {
            m_progress.setValue(double(m_progress.value()) + 1);
            box.select(ranges[w].first, ranges[w].second);
            if (const auto c = unitColour(s, mode, w))
                box.setSelColour(*c);
        }
        return;
    }
    // One colour per user-perceived character, and per word of a joining script: a colour
    // change inside such a word breaks its join in some readers. The unit index is the
    // span's first code unit, and every code unit still moves the bar.
    TextUnits::forEachSpan(t, [&](const TextUnits::Span &span) {
        m_progress.setValue(double(m_progress.value()) + double(span.length));
        box.select(int(span.start), int(span.length));
        if (const auto c = unitColour(s, mode, span.start))
            box.setSelColour(*c);
    });
}

void Formatter::setSymbolFonts(const QStringList &names)
{
    m_symbolFonts.clear();
    for (const QString &name : names)
        m_symbolFonts.insert(name.toUpper());
    m_symbolFaces = SymbolFaces(names);
}

bool Formatter::isTextFont(const QString &name) const
{
    return isRandomFontCandidate(name) && !m_symbolFonts.contains(name.toUpper());
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
        if (!host.confirmWarning(veryLongWarning()))
            return result;
        break;
    case LengthWarning::Long:
        if (!host.confirmWarning(longWarning()))
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
    box.setSymbolFaces(m_symbolFaces);
    if (host.outputShowsFirstToolTip())
        host.setOutputToolTip(resultToolTip());

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
    QList<bool> poolText;
    for (const QString &name : std::as_const(m_pool))
        poolText.append(isTextFont(name));
    m_chooser.begin(m_catalog, m_pool, poolText);
    QString work = capitalise(input, s.capitalisation, m_random);

    m_progress.setMax(2.0 * double(n));
    m_progress.setValue(0);
    m_charColour = AssignCharColours(s, n, m_random);
    m_charSize = SizeRules::sizeTable(s, m_limits, m_random);
    if (s.sizeEffect == EffectSettings::SizeNone) {
        box.setBaseFontSize(m_limits.minSize);
        result.baseFontSize = m_limits.minSize;
    }

    // Piece loop: the box holds one piece at a time. Each piece's RTF is read back into
    // the joined document as soon as it is written: the same content as reading all the
    // pieces spliced into one document, without the spliced bytes of a long text.
    box.setRtf(QByteArray());
    RichDocument joined = box;
    joined.reserve(int(n));
    qsizetype g = 0;
    forEachPiece(work, s.formatWordByWord, [&](const QString &piece) {
        box.setText(piece);
        if (s.formatWordByWord) {
            box.select(0, int(piece.size()));
            Unit unit = unitAttributes(s, g);
            fitFace(unit, piece, s, g);
            apply(box, unit);
            if (unit.face)
                mendWord(box, piece, *unit.face, s, g);
            ++g;
        } else {
            // A user-perceived character, or a whole word of a joining script, shares one
            // format; each of its code units still counts as a unit of the tables.
            for (const TextUnits::Span &span : TextUnits::spans(piece)) {
                box.select(int(span.start), int(span.length));
                Unit unit = unitAttributes(s, g);
                fitFace(unit, piece.mid(span.start, span.length), s, g);
                apply(box, unit);
                g += span.length;
                m_progress.setValue(double(g - 1));
            }
        }
        joined.appendAsRtf(box);
        box.setRtf(QByteArray());
    });
    work = QString();

    box = std::move(joined);
    box.setSelStart(0);

    colourUnits(s, mode, box);

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
