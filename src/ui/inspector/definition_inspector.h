#pragma once

#include "core/language/folder_vocabulary.h"
#include "core/script/text_edit.h"

#include <QDockWidget>
#include <QString>

#include <memory>
#include <optional>

class QLabel;

namespace defwright {

class EditorDocument;
class FrontDocument;
class InspectorModel;
class InspectorView;
class ProblemCheck;
class ScriptPane;
class VocabularySource;

/// The definition inspector: every line of the definition that holds the
/// caret of the document in front, whatever its kind, as rows (see
/// InspectorModel), marked with the language's problems. It follows the
/// caret, the edits of the pane and the document in front while it is
/// shown, and reads the definition again only when the caret leaves it or
/// the text changed.
///
/// A value edited, a row deleted or a row added changes the pane as the
/// core plans it, one undo step each; Enter or a double-click on a row that
/// is not edited there puts the caret on its line.
class DefinitionInspector : public QDockWidget {
    Q_OBJECT

public:
    DefinitionInspector(FrontDocument* front, const VocabularySource* vocabulary, QWidget* parent);

    /// Gives the rows the focus.
    void focusRows();
    /// Gives the pane in front the focus, showing its page.
    void returnToPane();

protected:
    void showEvent(QShowEvent* event) override;

private:
    enum class Change { Caret, Text, Reread };

    void watch(ScriptPane* pane);
    void noteChange(const ScriptPane* pane, Change change);
    void follow();
    void readAtCaret(int highest);
    void checkShown();
    void showCaretRow(bool reread);
    void showPlace();
    void tell(const QString& note);
    [[nodiscard]] bool isReady();
    void apply(const std::optional<TextEdit>& edit, const QString& refusal);
    void changeValue(int row, const QString& value);
    void removeRow(int row);
    void addRow();
    void goToRow(int row);
    [[nodiscard]] std::shared_ptr<const FolderVocabulary> vocabulary() const;

    FrontDocument* front_;
    const VocabularySource* vocabulary_;
    quint64 revision_ = 0; // counts the readings, so a check of an older one is let go
    QLabel* place_;
    InspectorView* view_;
    InspectorModel* model_;
    ProblemCheck* check_;
    QLabel* note_;
    const EditorDocument* inspected_ = nullptr;
    ScriptPane* frontPane_ = nullptr; // the pane of the document the rows are of
    bool textChanged_ = true; // the pane's text changed since the rows were read
    bool reread_ = true;      // the document in front or the folder's vocabulary may have changed
    bool followPending_ = false;
    std::size_t caretShown_ = 0; // where the caret stood when its row was last made current
    int searchedFrom_ = -1; // the line a search found no header at or above, while the text stays
};

} // namespace defwright
