#include "ui/panes/script_lexer.h"

#include "ui/panes/script_line_styles.h"

#include <Qsci/qsciscintilla.h>

#include <QColor>
#include <QFont>
#include <QPalette>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace defwright {
namespace {

using Sci = QsciScintillaBase;

/// How each style looks: a hue and saturation, and whether it is bold or italic.
/// The lightness is chosen against the pane's background.
struct Look {
    int hue;
    int saturation;
    bool bold;
    bool italic;
};

constexpr std::array<Look, 6> kLooks{{
    {215, 200, false, false}, // Key: blue
    {30, 60, false, false},   // Value: a muted brown
    {300, 170, false, false}, // Range: magenta
    {15, 220, true, false},   // Trigger: red-orange
    {265, 180, true, false},  // Header: violet
    {120, 150, false, true},  // Comment: green
}};

constexpr std::array<const char*, 7> kDescriptions{"Plain", "Key", "Value", "Range", "Trigger", "Header", "Comment"};

double relativeLuminance(const QColor& colour)
{
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

/// The hue at the lightness nearest the middle that still reads well on the
/// background: darker on a light pane, lighter on a dark one.
QColor readableColour(const Look& look, const QColor& background)
{
    constexpr double kReadable = 4.5;
    // Below this luminance, light text stands out more than dark text does.
    const bool darkBackground = relativeLuminance(background) < 0.18;
    const int step = darkBackground ? 5 : -5;
    QColor colour;
    for (int lightness = 128; lightness >= 0 && lightness <= 255; lightness += step) {
        colour = QColor::fromHsl(look.hue, look.saturation, lightness);
        if (contrast(colour, background) >= kReadable)
            break;
    }
    return colour;
}

} // namespace

ScriptLexer::ScriptLexer(QObject* parent)
    : QsciLexerCustom(parent)
{
}

QString ScriptLexer::description(int style) const
{
    if (style < 0 || style >= static_cast<int>(kDescriptions.size()))
        return {};
    return QString::fromLatin1(kDescriptions[static_cast<std::size_t>(style)]);
}

void ScriptLexer::setEditor(QsciScintilla* editor)
{
    if (this->editor() != nullptr)
        disconnect(this->editor(), &Sci::SCN_MODIFIED, this, nullptr);
    QsciLexerCustom::setEditor(editor);
    changed_.reset();
    if (editor == nullptr)
        return;
    connect(editor, &Sci::SCN_MODIFIED, this,
            [this](int position, int modification, const char*, int, int, int, int, int, int, int) {
                if ((modification & (Sci::SC_MOD_BEFOREINSERT | Sci::SC_MOD_BEFOREDELETE)) != 0)
                    changing(position);
            });
}

void ScriptLexer::useLook(const QPalette& palette, const QFont& font)
{
    const QColor background = palette.color(QPalette::Base);
    setDefaultPaper(background);
    setDefaultColor(palette.color(QPalette::Text));
    setDefaultFont(font);
    setPaper(background, -1);
    setFont(font, -1);
    setColor(palette.color(QPalette::Text), static_cast<int>(ScriptStyle::Plain));
    for (std::size_t role = 0; role < kLooks.size(); ++role) {
        const int style = static_cast<int>(role) + 1;
        QFont styled = font;
        styled.setBold(kLooks[role].bold);
        styled.setItalic(kLooks[role].italic);
        setFont(styled, style);
        setColor(readableColour(kLooks[role], background), style);
    }
}

void ScriptLexer::styleText(int start, int end)
{
    if (editor() == nullptr || end <= start)
        return;
    colourChangedLines();
    const long first = send(Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(start));
    const long last = send(Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(end - 1));
    if (last - first < kLinesAtOnce) {
        styleLines(first, last, true);
        return;
    }
    // The lines in view (folded ones left out), and the last two asked for,
    // which folding asks for line by line to find a block's end.
    const long top = send(Sci::SCI_GETFIRSTVISIBLELINE);
    const long shown = send(Sci::SCI_LINESONSCREEN) + 1;
    for (long display = top; display <= top + shown; ++display) {
        const long line = send(Sci::SCI_DOCLINEFROMVISIBLE, static_cast<unsigned long>(display));
        if (line >= first && line <= last)
            styleLines(line, line, false);
    }
    styleLines(std::max(first, last - 2), last, false);
    // What is out of view stays to be coloured: the pane asks again.
    send(Sci::SCI_STARTSTYLING, static_cast<unsigned long>(start));
}

void ScriptLexer::styleLines(long first, long last, bool knownToo)
{
    for (long line = first; line <= last; ++line) {
        if (knownToo || send(Sci::SCI_GETLINESTATE, static_cast<unsigned long>(line)) != colouring_)
            styleLine(line);
    }
}

void ScriptLexer::styleLine(long line)
{
    const long start = send(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const long length = send(Sci::SCI_LINELENGTH, static_cast<unsigned long>(line));
    const long textLength = send(Sci::SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line)) - start;
    const auto* text = reinterpret_cast<const char*>(static_cast<std::intptr_t>(
        send(Sci::SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), textLength)));
    std::vector<ScriptStyle> styles(static_cast<std::size_t>(length), ScriptStyle::Plain);
    const std::string_view lineText(text, static_cast<std::size_t>(textLength));
    if (textLength <= kLongestColouredLine)
        styleScriptLine(lineText, std::span(styles).first(static_cast<std::size_t>(textLength)));
    send(Sci::SCI_STARTSTYLING, static_cast<unsigned long>(start));
    editor()->SendScintilla(Sci::SCI_SETSTYLINGEX, static_cast<unsigned long>(length),
                            static_cast<void*>(styles.data()));
    const int level = opensSection(lineText) ? Sci::SC_FOLDLEVELBASE | Sci::SC_FOLDLEVELHEADERFLAG
                                             : Sci::SC_FOLDLEVELBASE + 1;
    send(Sci::SCI_SETFOLDLEVEL, static_cast<unsigned long>(line), level);
    send(Sci::SCI_SETLINESTATE, static_cast<unsigned long>(line), colouring_);
}

// The pane tells of an edit before it is made, when the lines it adds are not
// known yet; they are once the edit is in place, which the next edit or the
// next colouring finds.
void ScriptLexer::changing(int position)
{
    colourChangedLines();
    changed_ = ChangedLines{send(Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(position)),
                            send(Sci::SCI_GETLINECOUNT)};
}

// A changed line is coloured again once it is in place: at the next edit or
// the next colouring, whichever comes first. Marking it uncoloured instead
// would change its line state, and for that the editor redraws the whole
// view, or gives up a paint of one line and paints them all: a millisecond a
// key. The editor's mark of how far the text is coloured is put back, so that
// lines it had not coloured yet are still asked for. When many lines change at
// once, as when a file comes in, starting the numbering again is cheaper than
// visiting them.
void ScriptLexer::colourChangedLines()
{
    constexpr long kManyLines = 64;
    if (!changed_)
        return;
    const long linesAdded = send(Sci::SCI_GETLINECOUNT) - changed_->linesBefore;
    const long first = changed_->first;
    changed_.reset();
    if (std::abs(linesAdded) >= kManyLines) {
        ++colouring_;
        return;
    }
    const long colouredTo = send(Sci::SCI_GETENDSTYLED);
    styleLines(first, first + std::max(linesAdded, 0L), true);
    send(Sci::SCI_STARTSTYLING, static_cast<unsigned long>(colouredTo));
}

long ScriptLexer::send(unsigned int message, unsigned long wParam, long lParam) const
{
    return editor()->SendScintilla(message, wParam, lParam);
}

} // namespace defwright
