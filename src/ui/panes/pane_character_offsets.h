#pragma once

#include <QString>

class QsciScintillaBase;

namespace defwright {

/// Turns the byte positions of a pane's UTF-8 text into the character offsets
/// a screen reader counts in (one per Unicode character, as the editor's own
/// screen-reader support counted them) and back. The editor keeps an index of
/// the offset at which each line starts, so only the characters of one line are
/// ever counted, wherever in a long script it lies.
class PaneCharacterOffsets {
public:
    explicit PaneCharacterOffsets(const QsciScintillaBase* pane);

    [[nodiscard]] int offsetAt(long position) const;

    /// The position of the character at `offset`, an offset past the end
    /// giving the end of the text.
    [[nodiscard]] long positionAt(int offset) const;

    [[nodiscard]] int count() const;

    /// The text between two positions.
    [[nodiscard]] QString text(long start, long end) const;

private:
    long send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const;

    const QsciScintillaBase* pane_;
};

} // namespace defwright
