#pragma once

#include <QList>
#include <QPalette>
#include <QRegularExpression>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <QTextLayout>

#include <array>
#include <vector>

class QPlainTextEdit;

namespace defwright {

/// What a coloured stretch of a script line is.
enum class ScriptRole { Key, Value, Range, Trigger, Header, Comment };

/// Colours a script pane's lines: comments, section headers, trigger lines,
/// keys and their values, and ranges in braces. The colours are only drawn;
/// the text, the caret, the selection and undo are the document's own and stay
/// as they are.
///
/// Colouring a line costs about as much as the document's own work of taking
/// it in. So once a long script, such as a whole server's item file, comes
/// into the pane, the highlighter lets go of the document and from then on
/// colours the lines in view as they come into view; the scripter sees the
/// same colours, and the file opens as fast as it would with none.
class ScriptHighlighter : public QSyntaxHighlighter {
    Q_OBJECT

public:
    static constexpr int kMaxWholeDocumentLines = 10'000;

    explicit ScriptHighlighter(QPlainTextEdit* pane);

    /// To be called before a text of `lineCount` lines comes into the pane.
    /// A long one makes the highlighter colour only the lines in view from now
    /// on; deciding before the text comes is what keeps it cheap.
    void prepareForLines(qsizetype lineCount);

    /// Whether every line is coloured, or only those in view.
    [[nodiscard]] bool coloursWholeDocument() const { return document() != nullptr; }

    /// Chooses the colours again for another palette, such as a dark theme.
    void usePalette(const QPalette& palette);

    /// The format a role is drawn with under the current palette.
    [[nodiscard]] QTextCharFormat format(ScriptRole role) const;

protected:
    void highlightBlock(const QString& text) override;

private:
    struct Rule {
        QRegularExpression pattern;
        ScriptRole role;
    };

    [[nodiscard]] QList<QTextLayout::FormatRange> formatRanges(const QString& line) const;
    void colourLinesInView();
    void forgetColours(int from, int charsRemoved, int charsAdded);

    QPlainTextEdit* pane_;
    std::vector<Rule> rules_;
    std::array<QTextCharFormat, 6> formats_;
    // Lines coloured in view carry this number as their state; a new number
    // makes every line uncoloured at once.
    int colouring_ = 0;
};

} // namespace defwright
