#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <optional>

namespace defwright {

class ScriptPane;

/// What to look for in a pane.
struct SearchQuery {
    QString text;
    bool matchCase = false;
    bool wholeWord = false;
    bool regularExpression = false;
};

enum class SearchOutcome { Found, FoundAfterWrap, NotFound, InvalidPattern };

/// Finding and replacing in one pane, through the editor's own search, so a
/// long script is searched where it lies. A match found is selected and
/// scrolled into view; folded lines around it are unfolded.
class PaneSearch {
public:
    /// The indicator that marks the matches in view.
    static constexpr int kMatchIndicator = 8;

    explicit PaneSearch(ScriptPane* pane);

    /// Finds the next match after the selection, or the one before it; past
    /// the end (or the start) it goes on from the other end.
    SearchOutcome find(const SearchQuery& query, bool forward);

    /// Replaces the selection when it is a match, then finds the next one.
    SearchOutcome replace(const SearchQuery& query, const QString& replacement);

    /// Replaces every match as one undoable edit and says how many it replaced;
    /// nothing when the pattern is not a valid regular expression.
    std::optional<long> replaceAll(const SearchQuery& query, const QString& replacement);

    /// Marks the matches on the lines in view; an empty query clears the marks.
    void markMatchesInView(const SearchQuery& query);

private:
    struct Match {
        long start;
        long end;
    };

    /// Searches from `from` towards `to` (backwards when `to` is less).
    std::optional<Match> search(const SearchQuery& query, long from, long to);
    std::optional<Match> foundAt(std::optional<std::size_t> offset, long from, long length);
    long replaceEach(const SearchQuery& query, const QByteArray& replacement);
    void select(const Match& match);
    [[nodiscard]] bool lastPatternWasInvalid();
    long send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const;

    ScriptPane* pane_;
};

} // namespace defwright
