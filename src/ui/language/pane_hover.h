#pragma once

#include <QObject>
#include <QStringList>

#include <cstddef>

namespace defwright {

class DocumentTabs;
class LanguageInfo;
class PaneProblems;

/// The tooltips of a script pane: resting on a marked span, the mouse shows
/// its problems, and on a key, a trigger or a name, what the language and
/// the folder know of it (LanguageInfo); on a margin symbol, the problems of
/// its line. Where there is nothing to say, no tooltip shows.
class PaneHover : public QObject {
    Q_OBJECT

public:
    PaneHover(DocumentTabs* documents, PaneProblems* problems, const LanguageInfo* info);

    /// What the tooltip says at byte `position` of the document shown, one line a fact.
    [[nodiscard]] QStringList linesAt(std::size_t position) const;
    /// The problems whose spans begin on `line`, as its margin symbol's tooltip gives them.
    [[nodiscard]] QStringList lineProblems(std::size_t line) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DocumentTabs* documents_;
    PaneProblems* problems_;
    const LanguageInfo* info_;
};

} // namespace defwright
