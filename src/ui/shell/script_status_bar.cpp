#include "ui/shell/script_status_bar.h"

#include "ui/documents/document_tabs.h"
#include "ui/documents/front_document.h"
#include "ui/documents/pane_document.h"
#include "ui/panes/definition_tie.h"
#include "ui/panes/pane_caret.h"
#include "ui/panes/script_pane.h"
#include "ui/widgets/wait_cursor.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

#include <algorithm>
#include <array>
#include <utility>

namespace defwright {
namespace {

constexpr int kNoteMilliseconds = 20000;

const std::array<std::pair<TextEncoding, const char*>, 3> kEncodings = {{
    {TextEncoding::Utf8, QT_TRANSLATE_NOOP("ScriptStatusBar", "UTF-8")},
    {TextEncoding::Utf8WithBom, QT_TRANSLATE_NOOP("ScriptStatusBar", "UTF-8 with BOM")},
    {TextEncoding::Windows1252, QT_TRANSLATE_NOOP("ScriptStatusBar", "Windows-1252")},
}};

const std::array<std::pair<LineBreak, const char*>, 3> kLineBreaks = {{
    {LineBreak::CrLf, QT_TRANSLATE_NOOP("ScriptStatusBar", "CR LF")},
    {LineBreak::Lf, QT_TRANSLATE_NOOP("ScriptStatusBar", "LF")},
    {LineBreak::Cr, QT_TRANSLATE_NOOP("ScriptStatusBar", "CR")},
}};

template <typename Value>
QString nameOf(const std::array<std::pair<Value, const char*>, 3>& names, Value value)
{
    for (const auto& [each, name] : names) {
        if (each == value)
            return ScriptStatusBar::tr(name);
    }
    return {};
}

// Screen readers hear the part's name and what it shows, as one; an empty
// part is heard as "none".
void showPart(QWidget* part, QLabel* label, const QString& name, const QString& text)
{
    if (label != nullptr && label->text() != text)
        label->setText(text);
    const QString shown = text.isEmpty() ? ScriptStatusBar::tr("none") : text;
    const QString spoken = ScriptStatusBar::tr("%1: %2").arg(name, shown);
    if (part->accessibleName() != spoken)
        part->setAccessibleName(spoken);
}

} // namespace

ScriptStatusBar::ScriptStatusBar(const FrontDocument* front, QWidget* parent)
    : QStatusBar(parent)
    , front_(front)
    , fileName_(addPart("lblStatusFile", false))
    , tie_(addPart("lblStatusFields", true))
    , modified_(addPart("lblStatusModified", true))
    , caret_(addPart("lblStatusCaret", true))
    , encodingMenu_(new QMenu(this))
    , lineBreakMenu_(new QMenu(this))
    , encoding_(addChoice("cmdStatusEncoding", encodingMenu_))
    , lineBreaks_(addChoice("cmdStatusLineBreaks", lineBreakMenu_))
{
    setObjectName(QStringLiteral("sbrStatus"));
    fillEncodingMenu(encodingMenu_);
    fillLineBreakMenu(lineBreakMenu_);
    for (const DocumentTabs* pane : front_->panes()) {
        connect(pane->pane(), &ScriptPane::cursorPositionChanged, this, &ScriptStatusBar::showCaret);
        connect(pane->tie(), &DefinitionTie::changed, this, &ScriptStatusBar::showTie);
    }
    connect(front_, &FrontDocument::frontChanged, this, &ScriptStatusBar::showFront);
    connect(front_, &FrontDocument::documentChanged, this, [this](const PaneDocument* document) {
        if (document == front_->document())
            showFront();
    });
    connect(front_, &FrontDocument::documentAdded, this, &ScriptStatusBar::tellOpened);
    showFront();
}

// The file's name stands at the left and gives way to a passing note; the
// other parts stay at the right.
QLabel* ScriptStatusBar::addPart(const char* name, bool permanent)
{
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(name));
    if (permanent)
        addPermanentWidget(label);
    else
        addWidget(label, 1);
    return label;
}

QToolButton* ScriptStatusBar::addChoice(const char* name, QMenu* menu)
{
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoRaise(true);
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    addPermanentWidget(button);
    connect(menu, &QMenu::aboutToShow, this, &ScriptStatusBar::checkChoices);
    return button;
}

void ScriptStatusBar::fillEncodingMenu(QMenu* menu)
{
    for (const auto& [encoding, name] : kEncodings) {
        QAction* action = menu->addAction(tr(name));
        action->setCheckable(true);
        action->setData(static_cast<int>(encoding));
        connect(action, &QAction::triggered, this,
                [this, encoding] { front_->document()->setEncoding(encoding); });
    }
}

void ScriptStatusBar::fillLineBreakMenu(QMenu* menu)
{
    for (const auto& [lineBreak, name] : kLineBreaks) {
        QAction* action = menu->addAction(tr(name));
        action->setCheckable(true);
        action->setData(static_cast<int>(lineBreak));
        connect(action, &QAction::triggered, this, [this, lineBreak] {
            withWaitCursor([this, lineBreak] { front_->document()->convertLineBreaks(lineBreak); });
        });
    }
}

void ScriptStatusBar::showFront()
{
    const PaneDocument* document = front_->document();
    const QString path = document->filePath();
    showPart(fileName_, fileName_, tr("File"), path.isEmpty() ? tr("No file") : document->fileName());
    fileName_->setToolTip(QDir::toNativeSeparators(path));
    showPart(modified_, modified_, tr("Changes"), document->isModified() ? tr("Modified") : QString());
    const ScriptFormat& format = document->format();
    encoding_->setText(nameOf(kEncodings, format.encoding));
    showPart(encoding_, nullptr, tr("Encoding"), encoding_->text());
    lineBreaks_->setText(format.mixedLineBreaks ? tr("Mixed") : nameOf(kLineBreaks, format.lineBreak));
    showPart(lineBreaks_, nullptr, tr("Line breaks"), lineBreaks_->text());
    lineBreaks_->setToolTip(format.mixedLineBreaks
                                ? tr("Lines end in more than one way, and each is kept. New lines end with %1.")
                                      .arg(nameOf(kLineBreaks, format.lineBreak))
                                : QString());
    showTie();
    showCaret();
}

// Tied to a document not in front, the fields say which.
void ScriptStatusBar::showTie()
{
    const DocumentTabs* pane = front_->tabs();
    const DefinitionTie* tie = pane->tie();
    QString text;
    if (const PaneDocument* tied = pane->tiedDocument(); tied == front_->document())
        text = tr("Fields: %1, line %2").arg(tie->header()).arg(tie->headerLine() + 1);
    else if (tied != nullptr)
        text = tr("Fields: %1 in %2, line %3")
                   .arg(tie->header(), tied->filePath().isEmpty() ? pane->names().formName : tied->fileName())
                   .arg(tie->headerLine() + 1);
    showPart(tie_, tie_, tr("Tied fields"), text);
    tie_->setVisible(tie->isTied());
}

void ScriptStatusBar::showCaret()
{
    const ScriptPane* pane = front_->document()->pane();
    showPart(caret_, caret_, tr("Caret"), tr("Ln %1, Col %2").arg(pane->caretLine() + 1).arg(caretColumn(*pane) + 1));
    fitCaret(false);
}

// The caret's part keeps a fixed size that only grows, so that a key typed
// does not lay the whole bar out again and repaint the window under it. A new
// font or style may make it narrower.
void ScriptStatusBar::fitCaret(bool narrower)
{
    const QSize wanted = caret_->sizeHint();
    if (!narrower && wanted.width() <= caret_->maximumWidth() && caret_->minimumSize() == caret_->maximumSize())
        return;
    caret_->setFixedSize(narrower ? wanted.width() : std::max(wanted.width(), caret_->minimumWidth()), wanted.height());
}

void ScriptStatusBar::changeEvent(QEvent* event)
{
    QStatusBar::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitCaret(true);
}

// What the bar cannot show for long: that the lines end in more than one way,
// and which break new lines will get.
void ScriptStatusBar::tellOpened(const PaneDocument* document)
{
    const ScriptFormat& format = document->format();
    if (document->filePath().isEmpty())
        return;
    if (!format.mixedLineBreaks) {
        clearMessage();
        return;
    }
    showMessage(tr("The lines of %1 end in more than one way: each is kept as it is, and new lines end with %2.")
                    .arg(QFileInfo(document->filePath()).fileName(), nameOf(kLineBreaks, format.lineBreak)),
                kNoteMilliseconds);
}

void ScriptStatusBar::checkChoices()
{
    const ScriptFormat& format = front_->document()->format();
    for (QAction* action : encodingMenu_->actions())
        action->setChecked(action->data().toInt() == static_cast<int>(format.encoding));
    for (QAction* action : lineBreakMenu_->actions())
        action->setChecked(!format.mixedLineBreaks && action->data().toInt() == static_cast<int>(format.lineBreak));
}

} // namespace defwright
