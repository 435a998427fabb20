#include "ui/panes/editor_document.h"

#include "ui/panes/script_pane.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace defwright {
namespace {

using Sci = QsciScintillaBase;

// Far wider than any script line is drawn; an offset beyond it is garbage.
constexpr long kMostXOffset = 1 << 20;

} // namespace

EditorDocument::EditorDocument(ScriptPane* pane)
    : pane_(pane)
    , document_(pane->SendScintillaPtrResult(Sci::SCI_CREATEDOCUMENT))
{
    pane_->documents_.push_back(this);
}

EditorDocument::~EditorDocument()
{
    if (pane_ != nullptr)
        pane_->forget(*this);
}

bool EditorDocument::isShown() const
{
    return pane_ != nullptr && pane_->shownDocument() == this;
}

std::string_view EditorDocument::bytes() const
{
    const Sci& view = pane_->viewOf(*this);
    const auto* text = static_cast<const char*>(view.SendScintillaPtrResult(Sci::SCI_GETCHARACTERPOINTER));
    return {text, static_cast<std::size_t>(view.SendScintilla(Sci::SCI_GETLENGTH))};
}

bool EditorDocument::isModified() const
{
    return pane_->viewOf(*this).SendScintilla(Sci::SCI_GETMODIFY) != 0;
}

// The bytes go in with their length, so a NUL character is kept like any other.
void EditorDocument::load(std::string_view paneText)
{
    Sci& view = pane_->viewOf(*this);
    view.SendScintilla(Sci::SCI_SETCODEPAGE, Sci::SC_CP_UTF8);
    view.SendScintilla(Sci::SCI_CLEARALL);
    view.SendScintilla(Sci::SCI_APPENDTEXT, static_cast<uintptr_t>(paneText.size()), paneText.data());
    view.SendScintilla(Sci::SCI_EMPTYUNDOBUFFER);
    view.SendScintilla(Sci::SCI_SETSAVEPOINT);
    view.SendScintilla(Sci::SCI_SETEMPTYSELECTION, 0UL);
    setView({});
}

void EditorDocument::replaceText(std::string_view paneText)
{
    if (isShown()) {
        pane_->replacePaneText(paneText);
        return;
    }
    Sci& view = pane_->viewOf(*this);
    view.SendScintilla(Sci::SCI_BEGINUNDOACTION);
    view.SendScintilla(Sci::SCI_SETTARGETRANGE, 0UL, view.SendScintilla(Sci::SCI_GETLENGTH));
    view.SendScintilla(Sci::SCI_REPLACETARGET, static_cast<uintptr_t>(paneText.size()), paneText.data());
    view.SendScintilla(Sci::SCI_ENDUNDOACTION);
}

void EditorDocument::applyEdits(std::span<const TextEdit> edits)
{
    if (isShown())
        pane_->replaceRanges(edits);
    else
        ScriptPane::replaceEach(pane_->viewOf(*this), edits);
}

void EditorDocument::setSavePoint()
{
    pane_->viewOf(*this).SendScintilla(Sci::SCI_SETSAVEPOINT);
}

void EditorDocument::useLineBreak(LineBreak lineBreak)
{
    if (isShown())
        pane_->useLineBreak(lineBreak);
    lineBreak_ = lineBreak;
}

void EditorDocument::replaceLineForLine(std::string_view paneText)
{
    const PaneView before = view();
    const long line = pane_->SendScintilla(Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(before.caret));
    const long column = pane_->SendScintilla(Sci::SCI_GETCOLUMN, static_cast<unsigned long>(before.caret));
    pane_->replacePaneText(paneText);
    const long caret = pane_->SendScintilla(Sci::SCI_FINDCOLUMN, static_cast<unsigned long>(line), column);
    setView({caret, caret, before.firstLine, before.xOffset});
}

PaneView EditorDocument::view() const
{
    if (!isShown())
        return view_;
    const auto get = [this](unsigned int message) { return pane_->SendScintilla(message); };
    return {get(Sci::SCI_GETCURRENTPOS), get(Sci::SCI_GETANCHOR), get(Sci::SCI_GETFIRSTVISIBLELINE),
            get(Sci::SCI_GETXOFFSET)};
}

void EditorDocument::setView(const PaneView& view)
{
    view_ = view;
    if (!isShown())
        return;
    // Neither scrolls the caret into view, which would lay its line out: the
    // view is put where it was instead.
    pane_->SendScintilla(Sci::SCI_SETANCHOR, static_cast<unsigned long>(placeIn(view.anchor)));
    pane_->SendScintilla(Sci::SCI_SETCURRENTPOS, static_cast<unsigned long>(placeIn(view.caret)));
    pane_->SendScintilla(Sci::SCI_SETFIRSTVISIBLELINE,
                         static_cast<unsigned long>(std::clamp(view.firstLine, 0L, long{INT_MAX})));
    pane_->SendScintilla(Sci::SCI_SETXOFFSET, static_cast<unsigned long>(std::clamp(view.xOffset, 0L, kMostXOffset)));
}

// A position kept from a text that may have changed since: inside it, on a
// character's first byte.
long EditorDocument::placeIn(long position) const
{
    const long inside = std::clamp(position, 0L, pane_->SendScintilla(Sci::SCI_GETLENGTH));
    if (inside == 0)
        return 0;
    const long before = pane_->SendScintilla(Sci::SCI_POSITIONBEFORE, static_cast<unsigned long>(inside));
    return pane_->SendScintilla(Sci::SCI_POSITIONAFTER, static_cast<unsigned long>(before));
}

int EditorDocument::markLine(int line)
{
    return static_cast<int>(pane_->viewOf(*this).SendScintilla(Sci::SCI_MARKERADD, static_cast<unsigned long>(line),
                                                                long{kPlaceMarker}));
}

int EditorDocument::markedLine(int handle) const
{
    return static_cast<int>(pane_->viewOf(*this).SendScintilla(Sci::SCI_MARKERLINEFROMHANDLE,
                                                                static_cast<unsigned long>(handle)));
}

void EditorDocument::unmark(int handle)
{
    pane_->viewOf(*this).SendScintilla(Sci::SCI_MARKERDELETEHANDLE, static_cast<unsigned long>(handle));
}

} // namespace defwright
