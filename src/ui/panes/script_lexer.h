#pragma once

#include <Qsci/qscilexercustom.h>

#include <optional>

class QPalette;

namespace defwright {

/// Colours a script pane: comments, section headers, trigger lines, keys and
/// their values, and ranges in braces, with colours chosen to read well on the
/// pane's background. It also marks each "[...]" header line as the start of a
/// block the pane can fold.
///
/// A line longer than kLongestColouredLine stays plain. The editor lays out
/// a line whole, measuring every character, each time it changes; the colours
/// of a key typed into a line would make it lay the line out a second time,
/// and for a line of megabytes each time takes seconds.
///
/// The pane asks for colours up to the end of what it shows. Every line is
/// coloured on its own, so when that would mean a long stretch of lines out of
/// view, as after a whole server file comes in with the view at its end, only
/// the lines in view are coloured; each remembers that it is, and the rest
/// follow as they come into view.
class ScriptLexer : public QsciLexerCustom {
    Q_OBJECT

public:
    /// More lines than this asked for at once are coloured only where in view.
    static constexpr int kLinesAtOnce = 2000;
    /// In bytes; no script line of a server's is near it.
    static constexpr long kLongestColouredLine = 20000;

    explicit ScriptLexer(QObject* parent = nullptr);

    [[nodiscard]] const char* language() const override { return "Script"; }
    [[nodiscard]] QString description(int style) const override;
    void styleText(int start, int end) override;
    void setEditor(QsciScintilla* editor) override;

    /// Chooses the colours and fonts again for the pane's palette and font.
    void useLook(const QPalette& palette, const QFont& font);

    /// Colours the lines of the last edit now, before the pane shows another
    /// document.
    void colourPendingLines() { colourChangedLines(); }

private:
    void styleLines(long first, long last, bool knownToo);
    void styleLine(long line);
    void changing(int position);
    void colourChangedLines();
    long send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const;

    // Lines coloured for good carry this number as their line state; a new
    // number makes every line uncoloured at once.
    int colouring_ = 1;

    // The edit the pane told of last: its first line and the line count before it.
    struct ChangedLines {
        long first;
        long linesBefore;
    };
    std::optional<ChangedLines> changed_;
};

} // namespace defwright
