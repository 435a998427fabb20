#pragma once

#include <QString>

#include <string_view>

namespace defwright {

/// The text face of a script pane: the whole script, every line break as the
/// pane holds it, and ways to replace it.
class ScriptDocument {
public:
    virtual ~ScriptDocument() = default;

    [[nodiscard]] virtual QString script() const = 0;

    /// The line the caret stands on, counting from 0.
    [[nodiscard]] virtual int caretLine() const = 0;

    /// Replaces the whole text as one undoable edit and puts the caret at the
    /// end; every line break of `script` becomes the pane's own.
    virtual void replaceScript(const QString& script) = 0;

    /// The same with the text already as the pane holds it, UTF-8, its line
    /// breaks kept, so a large file goes in without a copy in UTF-16.
    virtual void replacePaneText(std::string_view paneText) = 0;

protected:
    ScriptDocument() = default;
    ScriptDocument(const ScriptDocument&) = default;
    ScriptDocument& operator=(const ScriptDocument&) = default;
};

} // namespace defwright
