#include "ui/panes/find_bar.h"

#include "ui/panes/script_pane.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace defwright {
namespace {

QLineEdit* field(QWidget* bar, const char* name, QLabel* label, const QString& accessibleName)
{
    auto* box = new QLineEdit(bar);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(accessibleName);
    box->installEventFilter(bar);
    label->setBuddy(box);
    return box;
}

template <typename Control>
Control* named(Control* control, const char* name)
{
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

} // namespace

FindBar::FindBar(ScriptPane* pane, QWidget* parent)
    : QWidget(parent)
    , pane_(pane)
    , search_(pane)
{
    setObjectName(QStringLiteral("findBar"));
    createControls();
    layOut();
    connect(pane_, &QsciScintillaBase::SCN_UPDATEUI, this, [this] {
        const long top = pane_->SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE);
        if (isVisible() && (marksStale_ || top != markedTop_)) {
            search_.markMatchesInView(query());
            markedTop_ = top;
            marksStale_ = false;
        }
    });
    connect(pane_, &QsciScintilla::textChanged, this, [this] { marksStale_ = true; });
    connect(pane_, &ScriptPane::documentShown, this, [this] { marksStale_ = true; });
    hide();
}

void FindBar::createControls()
{
    auto* findLabel = new QLabel(tr("F&ind:"), this);
    findText_ = field(this, "txtFind", findLabel, tr("Text to find"));
    previous_ = named(new QPushButton(tr("Previ&ous"), this), "cmdFindPrevious");
    next_ = named(new QPushButton(tr("&Next"), this), "cmdFindNext");
    close_ = named(new QPushButton(tr("Close"), this), "cmdCloseFind");
    matchCase_ = named(new QCheckBox(tr("Match &case"), this), "chkMatchCase");
    wholeWord_ = named(new QCheckBox(tr("&Whole word"), this), "chkWholeWord");
    regularExpression_ = named(new QCheckBox(tr("Re&gular expression"), this), "chkRegularExpression");
    replaceLabel_ = new QLabel(tr("Re&place with:"), this);
    replaceText_ = field(this, "txtReplace", replaceLabel_, tr("Replace with"));
    replace_ = named(new QPushButton(tr("&Replace"), this), "cmdReplace");
    replaceAll_ = named(new QPushButton(tr("Replace &All"), this), "cmdReplaceAll");
    lineLabel_ = new QLabel(tr("&Line:"), this);
    lineNumber_ = field(this, "txtLine", lineLabel_, tr("Line number"));
    goToLine_ = named(new QPushButton(tr("&Go"), this), "cmdGoToLine");
    status_ = named(new QLabel(this), "lblFindStatus");
    status_->setWordWrap(true);
    status_->setAccessibleName(tr("Find status"));
    findRow_ = {findLabel, findText_, previous_, next_, matchCase_, wholeWord_, regularExpression_};
    replaceRow_ = {replaceLabel_, replaceText_, replace_, replaceAll_};
    lineRow_ = {lineLabel_, lineNumber_, goToLine_};

    connect(previous_, &QPushButton::clicked, this, [this] { find(false); });
    connect(next_, &QPushButton::clicked, this, [this] { find(true); });
    connect(close_, &QPushButton::clicked, this, &FindBar::close);
    connect(replace_, &QPushButton::clicked, this, &FindBar::replace);
    connect(replaceAll_, &QPushButton::clicked, this, &FindBar::replaceAll);
    connect(goToLine_, &QPushButton::clicked, this, &FindBar::goToLine);
    const auto queryChanged = [this] {
        search_.markMatchesInView(query());
        marksStale_ = false;
    };
    connect(findText_, &QLineEdit::textChanged, this, queryChanged);
    for (QCheckBox* option : {matchCase_, wholeWord_, regularExpression_})
        connect(option, &QCheckBox::toggled, this, queryChanged);
}

void FindBar::layOut()
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setSpacing(3);
    grid->addWidget(findRow_[0], 0, 0);
    grid->addWidget(findText_, 0, 1);
    grid->addWidget(previous_, 0, 2);
    grid->addWidget(next_, 0, 3);
    grid->addWidget(close_, 0, 4);
    auto* options = new QHBoxLayout;
    options->addWidget(matchCase_);
    options->addWidget(wholeWord_);
    options->addWidget(regularExpression_);
    options->addStretch();
    grid->addLayout(options, 1, 0, 1, 5);
    grid->addWidget(replaceLabel_, 2, 0);
    grid->addWidget(replaceText_, 2, 1);
    grid->addWidget(replace_, 2, 2);
    grid->addWidget(replaceAll_, 2, 3, 1, 2);
    grid->addWidget(lineLabel_, 3, 0);
    grid->addWidget(lineNumber_, 3, 1);
    grid->addWidget(goToLine_, 3, 2);
    grid->addWidget(status_, 4, 0, 1, 5);
}

void FindBar::open(Mode mode)
{
    showMode(mode);
    QLineEdit* first = mode == Mode::GoToLine ? lineNumber_ : findText_;
    if (mode != Mode::GoToLine && pane_->hasSelectedText() && !pane_->selectedText().contains(u'\n'))
        findText_->setText(pane_->selectedText());
    first->setFocus(Qt::ShortcutFocusReason);
    first->selectAll();
}

void FindBar::showMode(Mode mode)
{
    for (QWidget* control : findRow_)
        control->setVisible(mode != Mode::GoToLine);
    for (QWidget* control : replaceRow_)
        control->setVisible(mode == Mode::Replace);
    for (QWidget* control : lineRow_)
        control->setVisible(mode == Mode::GoToLine);
    status_->clear();
    marksStale_ = true;
    show();
}

void FindBar::findNext()
{
    if (isHidden() || !findText_->isVisible())
        open(Mode::Find);
    find(true);
}

void FindBar::findPrevious()
{
    if (isHidden() || !findText_->isVisible())
        open(Mode::Find);
    find(false);
}

QWidgetList FindBar::focusOrder() const
{
    return {findText_, previous_, next_, close_, matchCase_, wholeWord_, regularExpression_,
            replaceText_, replace_, replaceAll_, lineNumber_, goToLine_};
}

void FindBar::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

// Enter in a field does that field's work; Shift+Enter finds backwards.
bool FindBar::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    if (watched == findText_)
        find(!(key->modifiers() & Qt::ShiftModifier));
    else if (watched == replaceText_)
        replace();
    else if (watched == lineNumber_)
        goToLine();
    return true;
}

void FindBar::find(bool forward)
{
    if (!hasQuery())
        return;
    const SearchOutcome outcome = search_.find(query(), forward);
    sayOutcome(outcome);
    if (outcome == SearchOutcome::FoundAfterWrap) {
        say(forward ? tr("Passed the end of the script; went on from the top.")
                    : tr("Passed the start of the script; went on from the bottom."));
    }
}

void FindBar::replace()
{
    if (hasQuery())
        sayOutcome(search_.replace(query(), replaceText_->text()));
}

void FindBar::replaceAll()
{
    if (!hasQuery())
        return;
    const std::optional<long> replaced = search_.replaceAll(query(), replaceText_->text());
    if (!replaced)
        sayOutcome(SearchOutcome::InvalidPattern);
    else if (*replaced == 0)
        sayOutcome(SearchOutcome::NotFound);
    else
        say(*replaced == 1 ? tr("Replaced 1 match.") : tr("Replaced %1 matches.").arg(*replaced));
}

void FindBar::goToLine()
{
    const QString typed = lineNumber_->text().trimmed();
    bool isNumber = false;
    const long line = typed.toLong(&isNumber);
    const long lines = pane_->SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT);
    if (typed.isEmpty()) {
        say(tr("Type a line number."));
    } else if (!isNumber) {
        say(tr("\"%1\" is not a line number.").arg(typed));
    } else if (line < 1 || line > lines) {
        say(tr("There is no line %1: the script has lines 1 to %2.").arg(line).arg(lines));
    } else {
        pane_->SendScintilla(QsciScintillaBase::SCI_ENSUREVISIBLEENFORCEPOLICY, static_cast<unsigned long>(line - 1));
        pane_->SendScintilla(QsciScintillaBase::SCI_GOTOLINE, static_cast<unsigned long>(line - 1));
        close();
    }
}

void FindBar::close()
{
    hide();
    search_.markMatchesInView({});
    pane_->setFocus(Qt::OtherFocusReason);
}

bool FindBar::hasQuery()
{
    if (!findText_->text().isEmpty())
        return true;
    say(tr("Type the text to find."));
    findText_->setFocus(Qt::OtherFocusReason);
    return false;
}

void FindBar::say(const QString& message)
{
    status_->setText(message);
}

SearchQuery FindBar::query() const
{
    return {findText_->text(), matchCase_->isChecked(), wholeWord_->isChecked(), regularExpression_->isChecked()};
}

void FindBar::sayOutcome(SearchOutcome outcome)
{
    switch (outcome) {
    case SearchOutcome::Found:
    case SearchOutcome::FoundAfterWrap:
        say({});
        break;
    case SearchOutcome::NotFound:
        say(tr("\"%1\" was not found.").arg(findText_->text()));
        break;
    case SearchOutcome::InvalidPattern:
        say(tr("This is not a valid regular expression."));
        break;
    }
}

} // namespace defwright
