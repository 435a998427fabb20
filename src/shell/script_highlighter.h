#pragma once

#include <QPalette>
#include <QRegularExpression>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>

#include <array>
#include <vector>

namespace defwright {

/// What a coloured stretch of a script line is.
enum class ScriptRole { Key, Value, Range, Trigger, Header, Comment };

/// Colours a script pane's lines: comments, section headers, trigger lines,
/// keys and their values, and ranges in braces. The colours are only drawn;
/// the text, the caret, the selection and undo are the document's own and stay
/// as they are.
///
/// Colouring a line costs about as much as the document's own work of taking
/// it in, so a very long script, such as a whole server's item file, is shown
/// without colours and opens as fast as it would with none.
class ScriptHighlighter : public QSyntaxHighlighter {
    Q_OBJECT

public:
    static constexpr int kMaxColouredLines = 25'000;

    explicit ScriptHighlighter(QTextDocument* document, const QPalette& palette);

    /// Stops colouring before a text of `lineCount` lines comes into the
    /// document, if that is more than are coloured. Stopping before the text
    /// comes is what makes it cheap: afterwards every line would be coloured.
    void prepareForLines(qsizetype lineCount);

    /// Colours the document again if it has become short enough.
    void resumeIfShort();

    [[nodiscard]] bool isColouring() const { return document() != nullptr; }

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

    QTextDocument* paneDocument_;
    std::vector<Rule> rules_;
    std::array<QTextCharFormat, 6> formats_;
};

} // namespace defwright
