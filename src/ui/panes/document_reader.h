#pragma once

class QsciScintillaBase;
class QWidget;

namespace defwright {

class EditorDocument;

/// A view of a pane's documents that is never drawn: what is read or marked
/// in a document the pane does not show goes through it. It keeps the last
/// document it was given, so asking one document many things attaches it once.
class DocumentReader {
public:
    /// @param pane the pane whose documents it reads; its views go with it
    explicit DocumentReader(QWidget* pane);

    [[nodiscard]] QsciScintillaBase& viewOf(const EditorDocument& document);

    /// The document goes: the reader lets go of it, so its text goes with it.
    void forget(const EditorDocument& document);
    /// Lets go of the document it holds, whichever.
    void letGo();

private:
    QWidget* pane_;
    QsciScintillaBase* view_ = nullptr;
    const EditorDocument* attached_ = nullptr;
};

} // namespace defwright
