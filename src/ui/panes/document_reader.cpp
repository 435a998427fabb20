#include "ui/panes/document_reader.h"

#include "ui/panes/editor_document.h"

#include <Qsci/qsciscintillabase.h>

namespace defwright {

DocumentReader::DocumentReader(QWidget* pane)
    : pane_(pane)
{
}

// Made when first needed: most runs never read a document out of view.
QsciScintillaBase& DocumentReader::viewOf(const EditorDocument& document)
{
    if (view_ == nullptr) {
        view_ = new QsciScintillaBase(pane_);
        view_->hide();
        // The editor's notices of edits run its own screen-reader support,
        // which counts characters from the start of the text: tens of
        // milliseconds a key in a long script, for a view nobody reads.
        view_->SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK, 0UL);
        view_->SendScintilla(QsciScintillaBase::SCI_MARKERDEFINE, EditorDocument::kPlaceMarker,
                             QsciScintillaBase::SC_MARK_EMPTY);
    }
    if (attached_ != &document) {
        view_->SendScintilla(QsciScintillaBase::SCI_SETDOCPOINTER, 0UL, document.document_);
        attached_ = &document;
    }
    return *view_;
}

void DocumentReader::forget(const EditorDocument& document)
{
    if (attached_ == &document)
        letGo();
}

void DocumentReader::letGo()
{
    if (attached_ == nullptr)
        return;
    view_->SendScintilla(QsciScintillaBase::SCI_SETDOCPOINTER, 0UL, static_cast<void*>(nullptr));
    attached_ = nullptr;
}

} // namespace defwright
