#include "shell/script_highlighter.h"

#include <QColor>

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

ScriptHighlighter::ScriptHighlighter(QTextDocument* document, const QPalette& palette)
    : QSyntaxHighlighter(document)
    , paneDocument_(document)
{
    for (const RuleText& rule : kRules)
        rules_.push_back({QRegularExpression(QString::fromLatin1(rule.pattern)), rule.role});
    usePalette(palette);
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
    rehighlight();
}

void ScriptHighlighter::prepareForLines(qsizetype lineCount)
{
    if (lineCount > kMaxColouredLines && isColouring())
        setDocument(nullptr);
}

void ScriptHighlighter::resumeIfShort()
{
    if (!isColouring() && paneDocument_->blockCount() <= kMaxColouredLines) {
        setDocument(paneDocument_);
        rehighlight();
    }
}

QTextCharFormat ScriptHighlighter::format(ScriptRole role) const
{
    return formats_[static_cast<std::size_t>(role)];
}

void ScriptHighlighter::highlightBlock(const QString& text)
{
    for (const Rule& rule : rules_) {
        QRegularExpressionMatchIterator matches = rule.pattern.globalMatch(text);
        while (matches.hasNext()) {
            const QRegularExpressionMatch match = matches.next();
            setFormat(int(match.capturedStart()), int(match.capturedLength()), format(rule.role));
        }
    }
}

} // namespace defwright
