#include "ui/panes/definition_tie.h"

#include "ui/panes/editor_document.h"
#include "ui/panes/script_pane.h"

#include <utility>

namespace defwright {
namespace {

constexpr int kTieMarker = 1;
constexpr int kSymbolMargin = 1;
constexpr int kSymbolMarginWidth = 14;

} // namespace

DefinitionTie::DefinitionTie(ScriptPane* pane, const DefinitionKind& kind, QObject* parent)
    : QObject(parent)
    , pane_(pane)
    , kind_(kind)
{
    pane_->markerDefine(QsciScintilla::RightTriangle, kTieMarker);
    pane_->setMarginMarkerMask(kSymbolMargin, 1 << kTieMarker);
    connect(pane_, &QsciScintillaBase::SCN_MODIFIED, this, &DefinitionTie::noteDeletion);
    connect(pane_, &QsciScintilla::textChanged, this, &DefinitionTie::checkHeader);
    connect(pane_, &ScriptPane::documentShown, this, &DefinitionTie::showMarginSymbol);
}

// Edits and notices of the pane are of the document it shows, which may be another.
bool DefinitionTie::isShown() const
{
    return isTied() && document_->isShown();
}

std::size_t DefinitionTie::headerStart() const
{
    return static_cast<std::size_t>(pane_->SendScintilla(ScriptPane::SCI_POSITIONFROMLINE, line_));
}

void DefinitionTie::tieTo(std::size_t headerStart)
{
    if (pane_->shownDocument() == nullptr)
        return;
    if (isTied())
        document_->unmark(marker_);
    document_ = pane_->shownDocument();
    const auto line = static_cast<int>(pane_->SendScintilla(ScriptPane::SCI_LINEFROMPOSITION, headerStart));
    marker_ = pane_->markerAdd(line, kTieMarker);
    showMarginSymbol();
    if (!readHeader()) {
        end();
        return;
    }
    emit changed();
}

void DefinitionTie::end()
{
    if (!isTied())
        return;
    document_->unmark(marker_);
    document_ = nullptr;
    marker_ = -1;
    line_ = -1;
    header_.clear();
    showMarginSymbol();
    emit changed();
}

void DefinitionTie::editPane(const std::function<void()>& edits)
{
    editing_ = true;
    edits();
    editing_ = false;
    if (!isTied())
        return;
    if (!readHeader()) {
        end();
        return;
    }
    emit changed();
}

// A deletion that takes the header's first byte takes the header: the marker
// would otherwise stay on its line, which may now begin with the next header.
// The editor tells of a deletion before it happens, and the text may not be
// touched then, so this only takes note.
void DefinitionTie::noteDeletion(int position, int modification, const char* /*text*/, int length)
{
    if (!isShown() || editing_ || (modification & ScriptPane::SC_MOD_BEFOREDELETE) == 0)
        return;
    const std::size_t start = headerStart();
    const auto from = static_cast<std::size_t>(position);
    if (from <= start && start < from + static_cast<std::size_t>(length))
        headerDeleted_ = true;
}

void DefinitionTie::checkHeader()
{
    if (!isShown() || editing_)
        return;
    const int line = line_;
    const QString header = header_;
    const bool deleted = std::exchange(headerDeleted_, false);
    if (deleted || !readHeader()) {
        end();
        return;
    }
    if (line != line_ || header != header_)
        emit changed();
    emit paneEdited();
}

// Whether the marked line still is a header of the kind, and where and what it is.
bool DefinitionTie::readHeader()
{
    line_ = pane_->markerLine(marker_);
    if (line_ < 0)
        return false;
    const std::size_t start = headerStart();
    const auto end = static_cast<std::size_t>(pane_->SendScintilla(ScriptPane::SCI_GETLINEENDPOSITION, line_));
    const std::string_view text = pane_->bytesFrom(start).substr(0, end - start);
    const ScriptLine line = scriptLineAt(text, 0);
    if (!headerPlace(text, line, kind_))
        return false;
    header_ = QString::fromUtf8(line.section.of(text));
    return true;
}

void DefinitionTie::showMarginSymbol()
{
    pane_->setMarginWidth(kSymbolMargin, isShown() ? kSymbolMarginWidth : 0);
}

} // namespace defwright
