#pragma once

#include <QString>

#include <string_view>

namespace defwright {

/// What the File commands need of a script pane, and nothing more: the whole
/// script with CR LF between lines, and a way to replace it.
class ScriptDocument {
public:
    virtual ~ScriptDocument() = default;

    [[nodiscard]] virtual QString script() const = 0;

    /// The line the caret stands on, counting from 0.
    [[nodiscard]] virtual int caretLine() const = 0;

    /// Replaces the whole text as one undoable edit and puts the caret at the end.
    virtual void replaceScript(const QString& script) = 0;

    /// The same with the text already as the pane holds it, UTF-8 with every
    /// line break a CR LF, so a large file goes in without a copy in UTF-16.
    virtual void replacePaneText(std::string_view paneText) = 0;

protected:
    ScriptDocument() = default;
    ScriptDocument(const ScriptDocument&) = default;
    ScriptDocument& operator=(const ScriptDocument&) = default;
};

} // namespace defwright
