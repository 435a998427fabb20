#pragma once

#include "core/files/line_breaks.h"
#include "core/script/field_changes.h"
#include "core/script/new_definition.h"
#include "ui/documents/document_tabs.h"
#include "ui/panes/definition_tie.h"
#include "ui/panes/script_pane.h"

#include <QObject>

#include <utility>

namespace defwright {

/// A field page and the definition of its pane that its fields stand for, in
/// one of the pane's documents. Tied, a change of a field changes only that
/// field's line of the definition, bringing its document to the front of the
/// pane, and an edit of it by hand shows in the fields; nothing is rebuilt.
/// The tie itself, its marker and its end are the pane's.
template <typename Kind, typename Page>
class TiedFields {
public:
    using Record = typename Kind::Record;
    using Reading = RecordReading<Kind>;

    /// @param context what the tie's news are delivered to; they stop when it goes
    TiedFields(Page* page, DocumentTabs* documents, QObject* context)
        : page_(page)
        , documents_(documents)
    {
        QObject::connect(tie(), &DefinitionTie::paneEdited, context, [this] { showDefinition(); });
    }

    [[nodiscard]] DefinitionTie* tie() const { return documents_->tie(); }

    /// Fills the fields from the definition at the caret of the document in
    /// front of the pane, without a question and without touching it, and
    /// ties them to it. False when the caret is in no definition of the kind.
    bool tieToCaret()
    {
        const ScriptPane* pane = documents_->pane();
        return tieToReading(readDefinition<Kind>(pane->bytes(), pane->caretPosition()));
    }

    /// The same for the definition whose header line begins at `headerStart`.
    bool tieToHeader(std::size_t headerStart)
    {
        return tieToReading(readDefinitionAt<Kind>(documents_->pane()->bytes(), headerStart));
    }

    /// While tied, makes the definition say what the fields now say, each
    /// changed field's line as the planner has it, all as one undo step.
    /// Going on with the typing in a field, the step of the previous change
    /// is undone first and this one made from the definition as it was before
    /// the typing began, so the whole word is one step. False when untied:
    /// the caller rebuilds the pane instead.
    bool applyFieldChanges(bool goesOn)
    {
        if (!tie()->isTied())
            return false;
        documents_->bringToFront(documents_->tiedDocument());
        Record fields = page_->record();
        ScriptPane* pane = documents_->pane();
        tie()->editPane([&] {
            if (std::exchange(typedStepMade_, false) && goesOn)
                pane->undo();
            if (goesOn)
                tied_ = beforeTyping_;
            else
                beforeTyping_ = tied_;
            pane->beginUndoAction();
            for (const FieldId& field : changedFields<Kind>(tied_, fields))
                typedStepMade_ = applyChange(field, recordField<Kind>(fields, field)) || typedStepMade_;
            pane->endUndoAction();
        });
        return true;
    }

    /// Inserts the definition that empty fields generate, without the banner,
    /// after the definition at the caret or else at the end, one blank line
    /// before it, as one undo step; empties the fields and ties them to it.
    void addDefinition()
    {
        ScriptPane* pane = documents_->pane();
        const NewDefinition added = planNewDefinition<Kind>(pane->bytes(), pane->caretPosition(), pane->lineBreak());
        tie()->editPane([&] { pane->replaceRange(added.edit.start, added.edit.end, added.edit.replacement); });
        tied_ = Record{};
        page_->showRecord(tied_);
        tie()->tieTo(added.header);
    }

private:
    bool tieToReading(std::optional<Reading> reading)
    {
        if (!reading)
            return false;
        tied_ = std::move(reading->record);
        page_->showRecord(tied_);
        tie()->tieTo(reading->lines.header.start());
        return true;
    }

    // What the fields show follows the definition; a field being typed into
    // is left alone when the definition still says what it holds.
    void showDefinition()
    {
        if (!tie()->isTied())
            return;
        std::optional<Reading> reading = readDefinitionAt<Kind>(documents_->pane()->bytesFrom(tie()->headerStart()), 0);
        if (!reading || reading->record == tied_)
            return;
        tied_ = std::move(reading->record);
        page_->showRecord(tied_);
    }

    // Whether the pane changed.
    bool applyChange(const FieldId& field, const std::string& value)
    {
        ScriptPane* pane = documents_->pane();
        const std::size_t header = tie()->headerStart();
        const std::optional<TextEdit> edit = planEdit<Kind>(pane->bytesFrom(header), 0, tied_, field, value,
                                                            lineBreakText(pane->lineBreak()));
        recordField<Kind>(tied_, field) = value;
        if (!edit || edit->changesNothing())
            return false;
        pane->replaceRange(header + edit->start, header + edit->end, edit->replacement);
        return true;
    }

    Page* page_;
    DocumentTabs* documents_;
    Record tied_;
    Record beforeTyping_; // the definition as it was before the typing in a field
    bool typedStepMade_ = false; // the last field change left a step to take over
};

} // namespace defwright
