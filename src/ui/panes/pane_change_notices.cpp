#include "ui/panes/pane_change_notices.h"

#include "ui/panes/pane_character_offsets.h"

#include <Qsci/qsciscintillabase.h>

#include <QAccessible>

namespace defwright {
namespace {

using Sci = QsciScintillaBase;

// Past these a screen reader is told of no more edits until the next telling,
// as after Replace All, nor of the text of an edit, as when a file comes in:
// what it reads of the pane is still right, and the caret is still told.
constexpr std::size_t kMostEditsTold = 64;
constexpr long kMostBytesTold = 1024 * 1024;

} // namespace

PaneChangeNotices::PaneChangeNotices(QsciScintillaBase* pane)
    : QObject(pane)
    , pane_(pane)
    , lines_(send(Sci::SCI_GETLINECOUNT))
{
    // The editor itself needs the fold notice: on it, a folded block whose
    // header line stops being one is unfolded.
    send(Sci::SCI_SETMODEVENTMASK, Sci::SC_MOD_BEFOREINSERT | Sci::SC_MOD_BEFOREDELETE | Sci::SC_MOD_CHANGEFOLD);
    connect(pane, &Sci::SCN_MODIFIED, this,
            [this](int position, int modification, const char*, int length, int, int, int, int, int, int) {
                if ((modification & (Sci::SC_MOD_BEFOREINSERT | Sci::SC_MOD_BEFOREDELETE)) != 0)
                    editing(position, modification, length);
            });
    // Connected before anything else of the window can connect, so those who
    // redraw on this notice know of the edits by then.
    connect(pane, &Sci::SCN_UPDATEUI, this, &PaneChangeNotices::tell);
}

void PaneChangeNotices::tell()
{
    tellingSoon_ = false;
    edited();
    tellEdits();
    if (std::exchange(changed_, false)) {
        emit textChanged();
        const long lines = send(Sci::SCI_GETLINECOUNT);
        if (std::exchange(lines_, lines) != lines)
            emit linesChanged();
    }
    tellCaret();
}

// A switch is no edit, so no text is told as inserted or removed: a reader
// asks for the new text as it needs it.
void PaneChangeNotices::documentShown()
{
    editing_.reset();
    edits_.clear();
    changed_ = false;
    lines_ = send(Sci::SCI_GETLINECOUNT);
    emit linesChanged();
    caret_ = -1;
    selection_ = {-1, -1};
    tellCaret();
}

// The editor is about to make an edit; the one before it is in place now.
void PaneChangeNotices::editing(long position, int modification, long length)
{
    edited();
    changed_ = true;
    if (!tellingSoon_) {
        tellingSoon_ = true;
        QMetaObject::invokeMethod(this, &PaneChangeNotices::tell, Qt::QueuedConnection);
    }
    if (!QAccessible::isActive() || edits_.size() >= kMostEditsTold || length > kMostBytesTold)
        return;
    const PaneCharacterOffsets offsets(pane_);
    const bool inserted = (modification & Sci::SC_MOD_BEFOREINSERT) != 0;
    editing_ = Edit{inserted, offsets.offsetAt(position), position, length,
                    inserted ? QString() : offsets.text(position, position + length)};
}

void PaneChangeNotices::edited()
{
    if (!editing_)
        return;
    if (editing_->inserted)
        editing_->text = PaneCharacterOffsets(pane_).text(editing_->position, editing_->position + editing_->length);
    edits_.push_back(std::move(*editing_));
    editing_.reset();
}

void PaneChangeNotices::tellEdits()
{
    for (const Edit& edit : std::exchange(edits_, {})) {
        if (edit.inserted) {
            QAccessibleTextInsertEvent event(pane_, edit.offset, edit.text);
            QAccessible::updateAccessibility(&event);
        } else {
            QAccessibleTextRemoveEvent event(pane_, edit.offset, edit.text);
            QAccessible::updateAccessibility(&event);
        }
    }
}

void PaneChangeNotices::tellCaret()
{
    if (!QAccessible::isActive())
        return;
    const PaneCharacterOffsets offsets(pane_);
    const int caret = offsets.offsetAt(send(Sci::SCI_GETCURRENTPOS));
    if (std::exchange(caret_, caret) != caret) {
        QAccessibleTextCursorEvent event(pane_, caret);
        QAccessible::updateAccessibility(&event);
    }
    const std::pair selection(offsets.offsetAt(send(Sci::SCI_GETSELECTIONSTART)),
                              offsets.offsetAt(send(Sci::SCI_GETSELECTIONEND)));
    const std::pair before = std::exchange(selection_, selection);
    if (before != selection && (selection.first != selection.second || before.first != before.second)) {
        QAccessibleTextSelectionEvent event(pane_, selection.first, selection.second);
        QAccessible::updateAccessibility(&event);
    }
}

long PaneChangeNotices::send(unsigned int message, unsigned long wParam, long lParam) const
{
    return pane_->SendScintilla(message, wParam, lParam);
}

} // namespace defwright
