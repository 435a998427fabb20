#include "ui/inspector/definition_inspector.h"

#include "core/definitions/row_edits.h"
#include "core/files/line_breaks.h"
#include "ui/documents/document_tabs.h"
#include "ui/documents/front_document.h"
#include "ui/documents/pane_document.h"
#include "ui/index/vocabulary_source.h"
#include "ui/inspector/add_row_dialog.h"
#include "ui/inspector/header_above.h"
#include "ui/inspector/inspector_model.h"
#include "ui/inspector/inspector_view.h"
#include "ui/inspector/problem_check.h"
#include "ui/inspector/value_delegate.h"
#include "ui/panes/script_pane.h"

#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

#include <utility>

namespace defwright {
namespace {

constexpr int kKeyColumnLetters = 14;
constexpr int kValueColumnLetters = 22;

QLabel* label(const char* name, QWidget* parent)
{
    auto* created = new QLabel(parent);
    created->setObjectName(QString::fromLatin1(name));
    created->setWordWrap(true);
    created->setTextFormat(Qt::PlainText);
    return created;
}

} // namespace

DefinitionInspector::DefinitionInspector(FrontDocument* front, const VocabularySource* vocabulary, QWidget* parent)
    : QDockWidget(tr("Definition Inspector"), parent)
    , front_(front)
    , vocabulary_(vocabulary)
    , view_(new InspectorView)
    , model_(new InspectorModel(this))
    , check_(new ProblemCheck(this))
{
    setObjectName(QStringLiteral("dockInspector"));
    auto* body = new QWidget(this);
    place_ = label("lblInspectorPlace", body);
    note_ = label("lblInspectorNote", body);
    note_->hide();
    view_->setObjectName(QStringLiteral("tblInspector"));
    view_->setAccessibleName(tr("Definition rows"));
    view_->setModel(model_);
    view_->setItemDelegateForColumn(InspectorModel::ValueColumn, new ValueDelegate(view_));
    const int letter = view_->fontMetrics().averageCharWidth();
    view_->horizontalHeader()->resizeSection(InspectorModel::KeyColumn, letter * kKeyColumnLetters);
    view_->horizontalHeader()->resizeSection(InspectorModel::ValueColumn, letter * kValueColumnLetters);
    auto* layout = new QVBoxLayout(body);
    layout->addWidget(place_);
    layout->addWidget(view_, 1);
    layout->addWidget(note_);
    setWidget(body);
    setFocusProxy(view_);

    connect(model_, &InspectorModel::valueEdited, this, &DefinitionInspector::changeValue);
    connect(view_, &InspectorView::removeRequested, this, &DefinitionInspector::removeRow);
    connect(view_, &InspectorView::addRequested, this, &DefinitionInspector::addRow);
    connect(view_, &InspectorView::leaveRequested, this, &DefinitionInspector::returnToPane);
    connect(view_, &InspectorView::editRefused, this,
            [this] { tell(tr("Only a body line's value is edited here; the header and the triggers in the pane.")); });
    connect(view_, &QAbstractItemView::activated, this, [this](const QModelIndex& row) { goToRow(row.row()); });
    connect(check_, &ProblemCheck::checked, this, [this](quint64 revision, const ProblemCheck::Problems& problems) {
        if (revision == revision_)
            model_->showProblems(problems);
    });
    connect(front_, &FrontDocument::frontChanged, this, [this] { noteChange(nullptr, Change::Reread); });
    // The folder's words change the problems alone: the rows, and a value being typed, stay.
    connect(vocabulary_, &VocabularySource::changed, this, &DefinitionInspector::checkShown);
    for (const DocumentTabs* tabs : front_->panes())
        watch(tabs->pane());
}

void DefinitionInspector::focusRows()
{
    view_->setFocus(Qt::ShortcutFocusReason);
    if (!view_->currentIndex().isValid() && model_->rowCount() > 0)
        view_->setCurrentIndex(model_->index(0, InspectorModel::KeyColumn));
}

void DefinitionInspector::returnToPane()
{
    PaneDocument* document = front_->document();
    front_->bringToFront(document);
    document->pane()->setFocus(Qt::ShortcutFocusReason);
}

void DefinitionInspector::showEvent(QShowEvent* event)
{
    QDockWidget::showEvent(event);
    noteChange(nullptr, Change::Reread);
}

// The editor tells of an edit before it makes it, so the rows are known to be
// behind from then on, until they are read again once the edit is made.
void DefinitionInspector::watch(ScriptPane* pane)
{
    constexpr int kTextModified = QsciScintillaBase::SC_MOD_INSERTTEXT | QsciScintillaBase::SC_MOD_DELETETEXT
        | QsciScintillaBase::SC_MOD_BEFOREINSERT | QsciScintillaBase::SC_MOD_BEFOREDELETE;
    connect(pane, &QsciScintillaBase::SCN_MODIFIED, this, [this, pane](int /*position*/, int modification) {
        if ((modification & kTextModified) != 0)
            noteChange(pane, Change::Text);
    });
    connect(pane, &QsciScintilla::cursorPositionChanged, this, [this, pane] { noteChange(pane, Change::Caret); });
}

// Only pointers are compared here: a pane may be on its way out as it tells.
void DefinitionInspector::noteChange(const ScriptPane* pane, Change change)
{
    if (pane != nullptr && frontPane_ != nullptr && pane != frontPane_)
        return;
    textChanged_ = textChanged_ || change == Change::Text;
    reread_ = reread_ || change == Change::Reread;
    if (followPending_ || !isVisible())
        return;
    followPending_ = true;
    QMetaObject::invokeMethod(this, &DefinitionInspector::follow, Qt::QueuedConnection);
}

void DefinitionInspector::follow()
{
    followPending_ = false;
    if (!isVisible())
        return;
    const PaneDocument* document = front_->document();
    frontPane_ = document->pane();
    const bool changed = std::exchange(textChanged_, false) | std::exchange(reread_, false)
        || &document->editor() != inspected_;
    const std::optional<InspectedDefinition>& shown = model_->definition();
    const bool reread = changed || (shown && !shown->holds(frontPane_->caretPosition()))
        || (!shown && frontPane_->caretLine() > searchedFrom_);
    // Without a change, no header stands at or above the line searched from last.
    if (reread)
        readAtCaret(changed || shown ? 0 : searchedFrom_ + 1);
    showCaretRow(reread);
}

void DefinitionInspector::readAtCaret(int highest)
{
    inspected_ = &front_->document()->editor();
    const int caretLine = frontPane_->caretLine();
    const std::optional<HeaderLine> header = headerAbove(*frontPane_, caretLine, highest);
    std::optional<InspectedDefinition> definition;
    if (header)
        definition = inspectDefinition(frontPane_->bytesFrom(header->start), header->start, header->line);
    searchedFrom_ = definition ? -1 : caretLine;
    model_->show(std::move(definition));
    showPlace();
    checkShown();
}

void DefinitionInspector::checkShown()
{
    if (model_->definition())
        check_->check(std::make_shared<const InspectedDefinition>(*model_->definition()), vocabulary(), ++revision_);
}

// The row the user chose stays current until the caret really moves: the
// editor may tell of a caret moved long before, at its first paint after.
void DefinitionInspector::showCaretRow(bool reread)
{
    const std::optional<InspectedDefinition>& shown = model_->definition();
    const std::size_t caret = frontPane_->caretPosition();
    if (!shown || !shown->holds(caret) || (!reread && caret == caretShown_))
        return;
    caretShown_ = caret;
    const int row = static_cast<int>(shown->rowAt(caret - shown->start));
    const QModelIndex current = view_->currentIndex();
    if (current.row() != row)
        view_->setCurrentIndex(model_->index(row, std::max(current.column(), 0)));
}

void DefinitionInspector::showPlace()
{
    QString place = tr("The caret is in no definition.");
    if (const std::optional<InspectedDefinition>& shown = model_->definition()) {
        const PaneDocument* document = front_->document();
        const QString file = document->isFormScript() ? front_->tabs()->names().formName : document->fileName();
        place = tr("%1 in %2, line %3")
                    .arg(QString::fromUtf8(shown->rows.header.section.of(shown->text)), file,
                         QString::number(shown->shown.front().number + 1));
    }
    if (place_->text() != place) {
        place_->setText(place);
        place_->setAccessibleName(place);
    }
}

void DefinitionInspector::tell(const QString& note)
{
    note_->setText(note);
    note_->setAccessibleName(note);
    note_->setVisible(!note.isEmpty());
}

// An edit planned on the rows lands where it should only while they show
// what the pane holds: after an edit of the pane not followed yet, they are
// read again and nothing is changed.
bool DefinitionInspector::isReady()
{
    if (textChanged_ || &front_->document()->editor() != inspected_) {
        follow();
        tell(tr("The definition changed in the pane; nothing was edited."));
        return false;
    }
    if (!model_->definition()) {
        tell(tr("The caret is in no definition."));
        return false;
    }
    return true;
}

void DefinitionInspector::apply(const std::optional<TextEdit>& edit, const QString& refusal)
{
    if (!edit) {
        tell(refusal);
        return;
    }
    tell({});
    if (edit->changesNothing())
        return;
    const std::size_t start = model_->definition()->start;
    frontPane_->replaceRange(start + edit->start, start + edit->end, edit->replacement);
    follow();
}

void DefinitionInspector::changeValue(int row, const QString& value)
{
    if (!isReady())
        return;
    const QString refusal = value.contains(u'\n') || value.contains(u'\r')
        ? tr("A value stays on one line; nothing was edited.")
        : tr("That value would make the line a header or a trigger; nothing was edited.");
    apply(planValueChange(model_->definition()->text, model_->row(row).line, value.toStdString()), refusal);
}

void DefinitionInspector::removeRow(int row)
{
    if (!isReady())
        return;
    if (model_->row(row).kind != InspectedRow::Kind::Line) {
        tell(tr("The header and the triggers are taken away in the pane."));
        return;
    }
    apply(planRowRemoval(model_->definition()->text, model_->row(row).line), {});
}

void DefinitionInspector::addRow()
{
    if (!isReady())
        return;
    const InspectedDefinition& shown = *model_->definition();
    const std::shared_ptr<const FolderVocabulary> words = vocabulary();
    AddRowDialog dialog(QString::fromUtf8(shown.rows.header.section.of(shown.text)), shown.kind, *words, this);
    if (dialog.exec() != QDialog::Accepted || !isReady())
        return;
    const InspectedDefinition& now = *model_->definition();
    apply(planRowAddition(now.text, now.rows, dialog.key().toStdString(), dialog.value().toStdString(),
                          lineBreakText(frontPane_->lineBreak())),
          tr("That key and value do not make a line of their own; nothing was added."));
}

void DefinitionInspector::goToRow(int row)
{
    if (!model_->definition())
        return;
    const int line = static_cast<int>(model_->row(row).number);
    returnToPane();
    frontPane_->setCursorPosition(line, 0);
}

std::shared_ptr<const FolderVocabulary> DefinitionInspector::vocabulary() const
{
    return vocabulary_->vocabulary();
}

} // namespace defwright
