#pragma once

#include <QObject>

namespace defwright {

class ScriptPane;
class ScriptsIndex;

/// Completion in a script pane with the editor's own list: the keys of an
/// ITEMDEF's or CHARDEF's fields at a line's start, trigger names after
/// "ON=@", and the names the folder defines in the value of a naming key. The
/// list comes after two letters of a key, the "@" of a trigger or the first
/// letter of a name, or on Ctrl+Space; Enter or Tab takes the choice, Escape
/// closes it. Nothing typed changes until a choice is taken.
class PaneCompletion : public QObject {
    Q_OBJECT

public:
    PaneCompletion(ScriptPane* pane, const ScriptsIndex* index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void offer(bool asked);
    [[nodiscard]] QByteArray sectionKind(long line) const;

    ScriptPane* pane_;
    const ScriptsIndex* index_;
};

} // namespace defwright
