#pragma once

#include "core/files/line_breaks.h"
#include "core/script/script_text.h"
#include "ui/documents/document_tabs.h"
#include "ui/panes/definition_tie.h"
#include "ui/panes/script_pane.h"
#include "ui/shell/record_kind.h"

#include <QObject>

#include <algorithm>
#include <utility>

namespace defwright {

/// A field page and the definition of its pane that its fields stand for, in
/// one of the pane's documents. Tied, a change of a field changes only that
/// field's line of the definition, bringing its document to the front of the
/// pane, and an edit of it by hand shows in the fields; nothing is rebuilt.
/// The tie itself, its marker and its end are the pane's.
template <typename Record, typename Page>
class TiedFields {
public:
    using Reading = DefinitionReading<Record>;

    /// @param context what the tie's news are delivered to; they stop when it goes
    TiedFields(RecordKind<Record> kind, Page* page, DocumentTabs* documents, QObject* context)
        : kind_(kind)
        , page_(page)
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
        return tieToReading(kind_.readAtCaret(pane->bytes(), pane->caretPosition()));
    }

    /// The same for the definition whose header line begins at `headerStart`.
    bool tieToHeader(std::size_t headerStart)
    {
        return tieToReading(kind_.readAtHeader(documents_->pane()->bytes(), headerStart));
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
            for (const FieldId& field : changedFields(fields))
                typedStepMade_ = applyChange(field, fieldOf(fields, field)) || typedStepMade_;
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
        const std::string_view text = pane->bytes();
        const std::size_t at = placeForNew(text, pane->caretPosition());
        const std::string lineBreak(lineBreakText(pane->lineBreak()));
        const std::string generated = kind_.script(Record{});
        const std::string_view definition = std::string_view(generated).substr(bannerText().size() + kLineBreak.size());
        std::string inserted = at == 0 ? std::string() : lineBreak + lineBreak;
        const std::size_t header = at + inserted.size();
        inserted += withLineBreaks(definition, pane->lineBreak());
        if (at == 0 && !text.empty())
            inserted += lineBreak;
        tie()->editPane([&] { pane->replaceRange(at, at, inserted); });
        tied_ = Record{};
        page_->showRecord(tied_);
        tie()->tieTo(header);
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
        std::optional<Reading> reading = kind_.readAtHeader(documents_->pane()->bytesFrom(tie()->headerStart()), 0);
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
        const std::optional<TextEdit> edit = kind_.planEdit(pane->bytesFrom(header), 0, tied_, field, value,
                                                            lineBreakText(pane->lineBreak()));
        fieldOf(tied_, field) = value;
        if (!edit || edit->changesNothing())
            return false;
        pane->replaceRange(header + edit->start, header + edit->end, edit->replacement);
        return true;
    }

    [[nodiscard]] std::vector<FieldId> changedFields(Record& fields)
    {
        std::vector<FieldId> changed;
        if (fields.identifier != tied_.identifier)
            changed.push_back(FieldId{});
        const std::vector<SlotFields> before = kind_.slotFields(tied_);
        const std::vector<SlotFields> after = kind_.slotFields(fields);
        const auto differs = [](const std::string* was, const std::string* is) { return was != nullptr && *was != *is; };
        for (std::size_t slot = 0; slot < before.size(); ++slot) {
            const bool plain = kind_.layout().lineSlots[slot].form == SlotForm::Plain;
            if (differs(before[slot].name, after[slot].name))
                changed.push_back({slot, FieldPart::Name});
            if (differs(before[slot].value, after[slot].value))
                changed.push_back({slot, plain ? FieldPart::Value : FieldPart::Low});
            if (differs(before[slot].high, after[slot].high))
                changed.push_back({slot, FieldPart::High});
        }
        return changed;
    }

    [[nodiscard]] std::string& fieldOf(Record& record, const FieldId& field) const
    {
        if (field.slot == FieldId::kIdentifier)
            return record.identifier;
        const SlotFields fields = kind_.slotFields(record)[field.slot];
        if (field.part == FieldPart::Name)
            return *fields.name;
        return field.part == FieldPart::High ? *fields.high : *fields.value;
    }

    // After the definition that holds the caret, or after the last line that
    // is not blank.
    [[nodiscard]] std::size_t placeForNew(std::string_view text, std::size_t caret) const
    {
        const std::optional<DefinitionPlace> place = definitionAt(text, caret, kind_.layout().kind);
        if (place && place->start <= caret)
            return place->end;
        const std::size_t last = text.find_last_not_of(" \t\r\n");
        return last == std::string_view::npos ? 0 : std::min(text.size(), text.find_first_of("\r\n", last));
    }

    RecordKind<Record> kind_;
    Page* page_;
    DocumentTabs* documents_;
    Record tied_;
    Record beforeTyping_; // the definition as it was before the typing in a field
    bool typedStepMade_ = false; // the last field change left a step to take over
};

} // namespace defwright
