#include "ui/panes/document_reader.h"

#include "ui/panes/editor_document.h"

#include <Qsci/qsciscintilla.h>

namespace defwright {

DocumentReader::DocumentReader(QWidget* pane)
    : pane_(pane)
{
}

// Made when first needed: most runs never read a document out of view.
QsciScintillaBase& DocumentReader::viewOf(const EditorDocument& document)
{
    if (view_ == nullptr) {
        view_ = new QsciScintilla(pane_);
        view_->hide();
        view_->setUtf8(true);
        // The editor's notices of edits run its own screen-reader support,
        // which counts characters from the start of the text: tens of
        // milliseconds a key in a long script, for a view nobody reads.
        view_->SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK, 0UL);
        view_->SendScintilla(QsciScintillaBase::SCI_MARKERDEFINE, EditorDocument::kPlaceMarker,
                             QsciScintillaBase::SC_MARK_EMPTY);
    }
    if (attached_ != &document) {
        view_->setDocument(document.document_);
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
    view_->setDocument(QsciDocument());
    attached_ = nullptr;
}

} // namespace defwright
