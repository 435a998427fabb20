#include "ui/panes/script_highlighter.h"

#include <QColor>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace defwright {
namespace {

/// The rules, applied in this order to every line; where two match the same
/// characters, the later one's colour is drawn. The whole match is coloured.
struct RuleText {
    ScriptRole role;
    const char* pattern;
};

constexpr std::array kRules{
    RuleText{ScriptRole::Key, R"(^\s*\K[^=\s][^=]*?(?=\s*=))"},
    RuleText{ScriptRole::Value, R"(^[^=]*=\K.+)"},
    RuleText{ScriptRole::Range, R"(\{[^{}\r\n]*\})"},
    RuleText{ScriptRole::Trigger, R"(^\s*\K(?i:ON)\s*=\s*@\S+)"},
    RuleText{ScriptRole::Header, R"(^\s*\K\[[^\]]*\])"},
    RuleText{ScriptRole::Comment, R"(//.*)"},
};

/// How each role looks: a hue and saturation, and whether it is bold or italic.
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

ScriptHighlighter::ScriptHighlighter(QPlainTextEdit* pane)
    : QSyntaxHighlighter(pane->document())
    , pane_(pane)
{
    for (const RuleText& rule : kRules)
        rules_.push_back({QRegularExpression(QString::fromLatin1(rule.pattern)), rule.role});
    usePalette(pane->palette());
    // Queued: colouring a line lays it out again, which must not happen in the
    // middle of the pane's own update that asked for it.
    connect(pane, &QPlainTextEdit::updateRequest, this, &ScriptHighlighter::colourLinesInView, Qt::QueuedConnection);
    connect(pane->document(), &QTextDocument::contentsChange, this, &ScriptHighlighter::forgetColours);
}

void ScriptHighlighter::prepareForLines(qsizetype lineCount)
{
    if (lineCount > kMaxWholeDocumentLines && coloursWholeDocument()) {
        setDocument(nullptr);
        ++colouring_;
    }
}

void ScriptHighlighter::usePalette(const QPalette& palette)
{
    const QColor background = palette.color(QPalette::Base);
    for (std::size_t role = 0; role < kLooks.size(); ++role) {
        const Look& look = kLooks[role];
        QTextCharFormat format;
        format.setForeground(readableColour(look, background));
        format.setFontWeight(look.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(look.italic);
        formats_[role] = format;
    }
    if (coloursWholeDocument()) {
        rehighlight();
    } else {
        ++colouring_;
        colourLinesInView();
    }
}

QTextCharFormat ScriptHighlighter::format(ScriptRole role) const
{
    return formats_[static_cast<std::size_t>(role)];
}

void ScriptHighlighter::highlightBlock(const QString& text)
{
    for (const QTextLayout::FormatRange& range : formatRanges(text))
        setFormat(range.start, range.length, range.format);
}

// Later rules draw over earlier ones; the line's runs of one role come back
// in order and without overlap, as the layout draws them.
QList<QTextLayout::FormatRange> ScriptHighlighter::formatRanges(const QString& line) const
{
    constexpr int kPlain = -1;
    std::vector<int> roles(static_cast<std::size_t>(line.size()), kPlain);
    for (const Rule& rule : rules_) {
        QRegularExpressionMatchIterator matches = rule.pattern.globalMatch(line);
        while (matches.hasNext()) {
            const QRegularExpressionMatch match = matches.next();
            std::fill_n(roles.begin() + match.capturedStart(), match.capturedLength(), static_cast<int>(rule.role));
        }
    }
    QList<QTextLayout::FormatRange> ranges;
    for (std::size_t start = 0, end = 0; start < roles.size(); start = end) {
        end = start + 1;
        while (end < roles.size() && roles[end] == roles[start])
            ++end;
        if (roles[start] != kPlain)
            ranges.append({int(start), int(end - start), formats_[static_cast<std::size_t>(roles[start])]});
    }
    return ranges;
}

void ScriptHighlighter::colourLinesInView()
{
    if (coloursWholeDocument())
        return;
    const QTextBlock last = pane_->cursorForPosition(QPoint(0, pane_->viewport()->height())).block();
    QTextBlock first;
    for (QTextBlock line = pane_->cursorForPosition(QPoint(0, 0)).block(); line.isValid(); line = line.next()) {
        if (line.userState() != colouring_) {
            line.layout()->setFormats(formatRanges(line.text()));
            line.setUserState(colouring_);
            if (!first.isValid())
                first = line;
        }
        if (line == last)
            break;
    }
    if (first.isValid())
        pane_->document()->markContentsDirty(first.position(), last.position() + last.length() - first.position());
}

// A changed line must be coloured again. When many change at once, as when a
// file comes in, starting the numbering again is cheaper than visiting them.
void ScriptHighlighter::forgetColours(int from, int /*charsRemoved*/, int charsAdded)
{
    constexpr int kManyLines = 64;
    if (coloursWholeDocument())
        return;
    const QTextBlock end = pane_->document()->findBlock(from + charsAdded);
    QTextBlock line = pane_->document()->findBlock(from);
    for (int visited = 0; line.isValid(); line = line.next(), ++visited) {
        if (visited == kManyLines) {
            ++colouring_;
            return;
        }
        line.setUserState(-1);
        if (line == end)
            return;
    }
}

} // namespace defwright
