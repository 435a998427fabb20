#include "ui/panes/script_pane.h"

#include "core/files/line_breaks.h"
#include "ui/panes/pane_change_notices.h"
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
constexpr int kFoldMargin = 2;

// The pane's own colours, mixed from the palette's: a line a shade off the background.
QColor mixed(const QColor& a, const QColor& b, double share)
{
    return QColor::fromRgbF(float(a.redF() * (1 - share) + b.redF() * share),
                            float(a.greenF() * (1 - share) + b.greenF() * share),
                            float(a.blueF() * (1 - share) + b.blueF() * share));
}

} // namespace

ScriptPane::ScriptPane(QWidget* parent)
    : QsciScintilla(parent)
    , lexer_(new ScriptLexer(this))
    , notices_(new PaneChangeNotices(this))
{
    QAccessible::installFactory(&ScriptPaneAccessible::create);
    connect(notices_, &PaneChangeNotices::textChanged, this, &QsciScintilla::textChanged);
    connect(notices_, &PaneChangeNotices::linesChanged, this, &QsciScintilla::linesChanged);
    setUtf8(true);
    setEolMode(EolWindows);
    setWrapMode(WrapNone);
    send(SCI_SETSCROLLWIDTH, 1);
    send(SCI_SETSCROLLWIDTHTRACKING, 1);
    layOutScrollBarsOnlyWhenNeeded(this);
    setAutoFillBackground(true);
    setLexer(lexer_);
    setMarginType(kNumberMargin, NumberMargin);
    setMarginWidth(kSymbolMargin, 0);
    setFolding(BoxedTreeFoldStyle, kFoldMargin);
    setCaretLineVisible(true);
    setToolTip(tr("Tab and Shift+Tab move to the next control; Ctrl+I types a tab character."));
    connect(this, &QsciScintilla::linesChanged, this, &ScriptPane::fitLineNumbers);
    connect(this, &QsciScintillaBase::SCN_UPDATEUI, this, &ScriptPane::lightBraces);
    connect(this, &QsciScintillaBase::SCN_ZOOM, this, &ScriptPane::fitLineNumbers);
    useLook();
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
// which holds one only where a long is as wide as a pointer (not on 64-bit
// Windows).
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
// in every other control, and Ctrl+I types the tab character instead. While
// a completion list is open, Tab takes its choice.
bool ScriptPane::focusNextPrevChild(bool next)
{
    if (isListActive())
        return false; // Tab takes the choice of the completion list
    return QWidget::focusNextPrevChild(next);
}

void ScriptPane::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_I && event->modifiers() == Qt::ControlModifier) {
        SendScintilla(SCI_REPLACESEL, "\t");
    } else {
        QsciScintilla::keyPressEvent(event);
    }
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
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void ScriptPane::useLook()
{
    const QPalette colours = palette();
    lexer_->useLook(colours, font());
    setCaretForegroundColor(colours.color(QPalette::Text));
    setCaretLineBackgroundColor(mixed(colours.color(QPalette::Base), colours.color(QPalette::Highlight), 0.12));
    setSelectionBackgroundColor(colours.color(QPalette::Highlight));
    setSelectionForegroundColor(colours.color(QPalette::HighlightedText));
    setMarginsBackgroundColor(colours.color(QPalette::Window));
    setMarginsForegroundColor(colours.color(QPalette::PlaceholderText));
    setMarginsFont(font());
    setFoldMarginColors(colours.color(QPalette::Window), colours.color(QPalette::Window));
    setMatchedBraceBackgroundColor(mixed(colours.color(QPalette::Base), colours.color(QPalette::Highlight), 0.35));
    setMatchedBraceForegroundColor(colours.color(QPalette::Text));
    setUnmatchedBraceForegroundColor(QColor(Qt::red));
    fitLineNumbers();
}

// Wide enough for the highest line number and a digit more, so the margin
// does not grow at every tenth line typed.
void ScriptPane::fitLineNumbers()
{
    const QString widest(QString::number(send(SCI_GETLINECOUNT)).size() + 1, u'9');
    setMarginWidth(kNumberMargin, widest);
}

// Only "{" and "}" are lit: square brackets and parentheses in a script are
// not ranges.
void ScriptPane::lightBraces()
{
    const long caret = send(SCI_GETCURRENTPOS);
    for (const long at : {caret, caret - 1}) {
        const long character = at >= 0 ? send(SCI_GETCHARAT, static_cast<unsigned long>(at)) : 0;
        if (character == '{' || character == '}') {
            const long match = send(SCI_BRACEMATCH, static_cast<unsigned long>(at));
            if (match >= 0)
                send(SCI_BRACEHIGHLIGHT, static_cast<unsigned long>(at), match);
            else
                send(SCI_BRACEBADLIGHT, static_cast<unsigned long>(at));
            return;
        }
    }
    send(SCI_BRACEHIGHLIGHT, static_cast<unsigned long>(-1), -1);
}

long ScriptPane::send(unsigned int message, unsigned long wParam, long lParam) const
{
    return SendScintilla(message, wParam, lParam);
}

} // namespace defwright
