#include "ui/panes/script_pane.h"

#include "core/files/line_breaks.h"
#include "ui/panes/pane_change_notices.h"
#include "ui/panes/pane_look.h"
#include "ui/panes/script_lexer.h"
#include "ui/panes/script_pane_accessible.h"
#include "ui/panes/scroll_bar_layout.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QMenu>

#include <algorithm>
#include <cstdint>

namespace defwright {
namespace {

constexpr int kNumberMargin = 0;
constexpr int kSymbolMargin = 1;
constexpr int kFoldMargin = 3; // margin 2 is the problems' (see PaneMarks)

} // namespace

ScriptPane::ScriptPane(QWidget* parent)
    : QsciScintilla(parent)
    , lexer_(new ScriptLexer(this))
    , notices_(new PaneChangeNotices(this))
    , reader_(this)
{
    QAccessible::installFactory(&ScriptPaneAccessible::create);
    connect(notices_, &PaneChangeNotices::textChanged, this, &QsciScintilla::textChanged);
    connect(notices_, &PaneChangeNotices::linesChanged, this, &QsciScintilla::linesChanged);
    setUtf8(true);
    setEolMode(EolWindows);
    setWrapMode(WrapNone);
    send(SCI_SETSCROLLWIDTH, 1);
    send(SCI_SETSCROLLWIDTHTRACKING, 1);
    // A line laid out stays so while the page shows it: a long one is not
    // measured again at every paint and caret move.
    send(SCI_SETLAYOUTCACHE, SC_CACHE_PAGE);
    layOutScrollBarsOnlyWhenNeeded(this);
    setAutoFillBackground(true);
    setLexer(lexer_);
    setMarginType(kNumberMargin, NumberMargin);
    setMarginWidth(kSymbolMargin, 0);
    send(SCI_MARKERDEFINE, EditorDocument::kPlaceMarker, SC_MARK_EMPTY);
    setFolding(BoxedTreeFoldStyle, kFoldMargin);
    setCaretLineVisible(true);
    setToolTip(tr("Tab and Shift+Tab move to the next control; Ctrl+I types a tab character."));
    connect(this, &QsciScintilla::linesChanged, this, &ScriptPane::fitLineNumbers);
    connect(this, &QsciScintillaBase::SCN_UPDATEUI, this, [this] { lightBraces(*this); });
    connect(this, &QsciScintillaBase::SCN_ZOOM, this, &ScriptPane::fitLineNumbers);
    connect(this, &QsciScintillaBase::SCN_ZOOM, this, [this] { emit zoomed(static_cast<int>(send(SCI_GETZOOM))); });
    useLook();
}

// The documents outlive the pane when the window goes. The editor lets go of
// a text through one of its views, so they let go of theirs now.
ScriptPane::~ScriptPane()
{
    reader_.letGo();
    for (EditorDocument* document : documents_)
        release(*document);
}

// The colours and notices pending for the document that goes are settled
// first, while it is still the one the editor works on.
void ScriptPane::showDocument(EditorDocument& document)
{
    if (shown_ == &document)
        return;
    notices_->tell();
    lexer_->colourPendingLines();
    if (shown_ != nullptr)
        shown_->view_ = shown_->view();
    shown_ = &document;
    SendScintilla(SCI_SETDOCPOINTER, 0UL, document.document_);
    reader_.forget(document); // a second view of a document being edited would follow every edit
    send(SCI_SETCODEPAGE, SC_CP_UTF8);
    useLineBreak(document.lineBreak_); // the editor gives a document the line break of its view
    document.setView(document.view_);
    notices_->documentShown();
    fitLineNumbers();
    emit documentShown();
}

QsciScintillaBase& ScriptPane::viewOf(const EditorDocument& document) const
{
    if (&document == shown_)
        return *const_cast<ScriptPane*>(this);
    return reader_.viewOf(document);
}

// A document that goes is let go by every view of it, so its text goes with it.
void ScriptPane::forget(EditorDocument& document)
{
    std::erase(documents_, &document);
    reader_.forget(document);
    release(document);
}

void ScriptPane::release(EditorDocument& document)
{
    if (shown_ == &document) {
        shown_ = nullptr;
        SendScintilla(SCI_SETDOCPOINTER, 0UL, static_cast<void*>(nullptr));
    }
    SendScintilla(SCI_RELEASEDOCUMENT, 0UL, document.document_);
    document.document_ = nullptr;
    document.pane_ = nullptr;
}

void ScriptPane::replaceScript(const QString& script)
{
    const QByteArray bytes = paneBytes(script);
    replacePaneText({bytes.constData(), static_cast<std::size_t>(bytes.size())});
}

void ScriptPane::replacePaneText(std::string_view paneText)
{
    putInPlace(0, send(SCI_GETLENGTH), paneText);
}

void ScriptPane::insertScript(const QString& script)
{
    const QByteArray bytes = paneBytes(script);
    putInPlace(send(SCI_GETSELECTIONSTART), send(SCI_GETSELECTIONEND),
               {bytes.constData(), static_cast<std::size_t>(bytes.size())});
}

void ScriptPane::replaceRange(std::size_t start, std::size_t end, std::string_view bytes)
{
    putInPlace(static_cast<long>(start), static_cast<long>(end), bytes);
}

void ScriptPane::replaceRanges(std::span<const TextEdit> edits)
{
    replaceEach(*this, edits);
    notices_->tell();
}

// From the last to the first, so each edit's offsets still hold when it is made.
void ScriptPane::replaceEach(QsciScintillaBase& view, std::span<const TextEdit> edits)
{
    view.SendScintilla(SCI_BEGINUNDOACTION);
    for (auto edit = edits.rbegin(); edit != edits.rend(); ++edit) {
        view.SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(edit->start), static_cast<long>(edit->end));
        view.SendScintilla(SCI_REPLACETARGET, static_cast<uintptr_t>(edit->replacement.size()), edit->replacement.data());
    }
    view.SendScintilla(SCI_ENDUNDOACTION);
}

// The bytes go in with their length, so a NUL character is kept like any other.
void ScriptPane::putInPlace(long start, long end, std::string_view bytes)
{
    const auto length = static_cast<long>(bytes.size());
    send(SCI_BEGINUNDOACTION);
    send(SCI_SETTARGETRANGE, static_cast<unsigned long>(start), end);
    SendScintilla(SCI_REPLACETARGET, static_cast<uintptr_t>(bytes.size()), bytes.data());
    send(SCI_ENDUNDOACTION);
    send(SCI_GOTOPOS, static_cast<unsigned long>(start + length));
    notices_->tell();
}

QString ScriptPane::script() const
{
    const auto* bytes = static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
    return QString::fromUtf8(bytes, send(SCI_GETLENGTH));
}

// The editor keeps its text in two parts around the place of the last edit
// and joins them here, so it costs a move of what follows that place.
std::string_view ScriptPane::bytes() const
{
    const auto* text = static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
    return {text, static_cast<std::size_t>(send(SCI_GETLENGTH))};
}

// Asked for a range, the editor joins its two parts at the range's start,
// and only when the range holds the place of the last edit: for a line or a
// definition near the caret, a few bytes. The pointer comes back as a long,
// which holds it only where a long is as wide as a pointer (not on Win64).
std::string_view ScriptPane::bytesIn(std::size_t start, std::size_t end) const
{
    const auto length = static_cast<std::size_t>(send(SCI_GETLENGTH));
    end = std::min(end, length);
    start = std::min(start, end);
    if constexpr (sizeof(long) < sizeof(void*))
        return bytes().substr(start, end - start);
    const long range = send(SCI_GETRANGEPOINTER, start, static_cast<long>(end - start));
    return {reinterpret_cast<const char*>(static_cast<std::intptr_t>(range)), end - start};
}

std::string_view ScriptPane::bytesFrom(std::size_t start) const
{
    return bytesIn(start, static_cast<std::size_t>(send(SCI_GETLENGTH)));
}

std::size_t ScriptPane::caretPosition() const
{
    return static_cast<std::size_t>(send(SCI_GETCURRENTPOS));
}

int ScriptPane::caretLine() const
{
    return static_cast<int>(send(SCI_LINEFROMPOSITION, static_cast<unsigned long>(send(SCI_GETCURRENTPOS))));
}

LineBreak ScriptPane::lineBreak() const
{
    switch (eolMode()) {
    case EolUnix:
        return LineBreak::Lf;
    case EolMac:
        return LineBreak::Cr;
    case EolWindows:
        break;
    }
    return LineBreak::CrLf;
}

void ScriptPane::useLineBreak(LineBreak lineBreak)
{
    setEolMode(lineBreak == LineBreak::Lf ? EolUnix : lineBreak == LineBreak::Cr ? EolMac : EolWindows);
    if (shown_ != nullptr)
        shown_->lineBreak_ = lineBreak;
}

QByteArray ScriptPane::paneBytes(const QString& script) const
{
    QByteArray bytes = script.toUtf8();
    const std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (hasOnlyLineBreaks(text, lineBreak()))
        return bytes;
    return QByteArray::fromStdString(withLineBreaks(text, lineBreak()));
}

// The editor keeps Tab for indenting; in this window it moves the focus, as
// in every other control, and Ctrl+I types the tab character instead.
bool ScriptPane::focusNextPrevChild(bool next)
{
    if (isListActive())
        return false; // Tab takes the choice of the completion list
    return QWidget::focusNextPrevChild(next);
}

void ScriptPane::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_I && event->modifiers() == Qt::ControlModifier)
        SendScintilla(SCI_REPLACESEL, "\t");
    else
        QsciScintilla::keyPressEvent(event);
    notices_->tell();
}

void ScriptPane::changeEvent(QEvent* event)
{
    QsciScintilla::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
        useLook();
}

// Ctrl+A is the window's Save As, so the menu shows no key for Select All.
void ScriptPane::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    const QList<QKeySequence> selectAll = QKeySequence::keyBindings(QKeySequence::SelectAll);
    for (QAction* action : menu->actions()) {
        if (selectAll.contains(action->shortcut()))
            action->setShortcut({});
    }
    emit contextMenuOpening(menu, event->reason() == QContextMenuEvent::Mouse ? std::optional(event->pos()) : std::nullopt);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void ScriptPane::useLook()
{
    usePaletteLook(*this, *lexer_);
    fitLineNumbers();
}

// Wide enough for the highest line number and a digit more, so the margin
// does not grow at every tenth line typed.
void ScriptPane::fitLineNumbers()
{
    const QString widest(QString::number(send(SCI_GETLINECOUNT)).size() + 1, u'9');
    setMarginWidth(kNumberMargin, widest);
}

long ScriptPane::send(unsigned int message, unsigned long wParam, long lParam) const
{
    return SendScintilla(message, wParam, lParam);
}

} // namespace defwright
