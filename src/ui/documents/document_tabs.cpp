#include "ui/documents/document_tabs.h"

#include "ui/documents/native_paths.h"
#include "ui/documents/pane_document.h"
#include "ui/panes/definition_tie.h"
#include "ui/panes/script_page.h"
#include "ui/panes/script_pane.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QStyle>
#include <QTabBar>

#include <algorithm>
#include <utility>

namespace defwright {

DocumentTabs::DocumentTabs(ScriptPage* page, Names names, const DefinitionKind& definitions, QObject* parent)
    : QObject(parent)
    , page_(page)
    , bar_(page->tabBar())
    , names_(std::move(names))
    , tie_(new DefinitionTie(page->pane(), definitions, this))
    , form_(new PaneDocument(page->pane(), PaneDocument::Role::FormScript, this))
{
    page->pane()->showDocument(form_->editor());
    add(form_);
    const auto side = static_cast<QTabBar::ButtonPosition>(
        bar_->style()->styleHint(QStyle::SH_TabBar_CloseButtonPosition, nullptr, bar_));
    bar_->setTabButton(0, side, nullptr);
    bringToFront(form());
    connect(bar_, &QTabBar::currentChanged, this, &DocumentTabs::tabChosen);
    connect(bar_, &QTabBar::tabMoved, this, &DocumentTabs::tabMoved);
    connect(bar_, &QTabBar::tabCloseRequested, this, [this](int index) {
        if (documents_.at(index) != form_)
            emit closeRequested(documents_.at(index));
    });
    bar_->installEventFilter(this);
}

ScriptPane* DocumentTabs::pane() const
{
    return page_->pane();
}

PaneDocument* DocumentTabs::documentOf(const QString& path) const
{
    const QString wanted = canonicalPath(path);
    const auto found = std::find_if(documents_.cbegin(), documents_.cend(), [&wanted](const PaneDocument* document) {
        return !document->filePath().isEmpty() && samePath(document->canonicalFilePath(), wanted);
    });
    return found != documents_.cend() ? *found : nullptr;
}

PaneDocument* DocumentTabs::tiedDocument() const
{
    for (PaneDocument* document : documents_) {
        if (tie_->isTied() && tie_->document() == &document->editor())
            return document;
    }
    return nullptr;
}

PaneDocument* DocumentTabs::open(const QString& path, const ScriptFormat& format, std::string_view paneText)
{
    auto* document = new PaneDocument(pane(), PaneDocument::Role::File, this);
    document->open(path, format, paneText);
    add(document);
    return document;
}

void DocumentTabs::add(PaneDocument* document)
{
    documents_.append(document);
    bar_->addTab(QString());
    showTab(document);
    connect(document, &PaneDocument::changed, this, [this, document] { showTabSoon(document); });
    emit documentAdded(document);
}

// Typing into a field changes whether the form's script differs twice a key
// (its step taken back, then made again), and a tab's new text lays the bar
// out again: the tab is shown once the key is done, as it then stands.
void DocumentTabs::showTabSoon(const PaneDocument* document)
{
    if (pendingTabs_.isEmpty())
        QMetaObject::invokeMethod(this, &DocumentTabs::showPendingTabs, Qt::QueuedConnection);
    pendingTabs_.insert(document);
}

void DocumentTabs::showPendingTabs()
{
    for (const PaneDocument* document : std::exchange(pendingTabs_, {})) {
        if (documents_.contains(document))
            showTab(document);
    }
}

// The tab says what the status bar says of it: its name, and whether it
// differs from its file; what is set again only when it changed.
void DocumentTabs::showTab(const PaneDocument* document)
{
    const auto index = static_cast<int>(documents_.indexOf(document));
    const QString path = document->filePath();
    const QString name = path.isEmpty() ? names_.formName : document->fileName();
    const QString text = QString(name).replace(u'&', QStringLiteral("&&"))
                         + (document->isModified() ? QStringLiteral("*") : QString());
    if (bar_->tabText(index) != text) {
        bar_->setTabText(index, text);
        bar_->setAccessibleTabName(index, document->isModified() ? tr("%1, modified").arg(name) : name);
    }
    QString tip = shownPath(path);
    if (document->isFormScript())
        tip = path.isEmpty() ? tr("The script the fields write") : tr("The script the fields write, in %1").arg(tip);
    if (bar_->tabToolTip(index) != tip)
        bar_->setTabToolTip(index, tip);
}

void DocumentTabs::bringToFront(PaneDocument* document)
{
    if (document == front_)
        return;
    front_ = document;
    pane()->showDocument(document->editor());
    bar_->setCurrentIndex(static_cast<int>(documents_.indexOf(document)));
    pane()->setAccessibleDescription(bar_->accessibleTabName(bar_->currentIndex()));
    QAccessibleEvent told(pane(), QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&told);
    emit frontChanged();
}

void DocumentTabs::tabChosen(int index)
{
    if (index >= 0 && index < documents_.size())
        bringToFront(documents_.at(index));
}

PaneDocument* DocumentTabs::neighbour(int step) const
{
    const auto count = static_cast<int>(documents_.size());
    const auto at = static_cast<int>(documents_.indexOf(front_));
    return documents_.at(((at + step) % count + count) % count);
}

void DocumentTabs::tabMoved(int from, int to)
{
    documents_.move(from, to);
    emit orderChanged();
}

// A drag may put a file before the form's script; once it is let go, the
// form's script goes back to the first place.
void DocumentTabs::keepFormFirst()
{
    const auto at = static_cast<int>(documents_.indexOf(form()));
    if (at > 0)
        bar_->moveTab(at, 0);
}

bool DocumentTabs::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != bar_ || event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::MiddleButton) {
        const int index = bar_->tabAt(mouse->position().toPoint());
        if (index >= 0 && documents_.at(index) != form_)
            emit closeRequested(documents_.at(index));
        return true;
    }
    QMetaObject::invokeMethod(this, &DocumentTabs::keepFormFirst, Qt::QueuedConnection);
    return false;
}

// The neighbour on the right, or else on the left, comes to the front before
// the document goes, so the pane never shows a document that has gone.
void DocumentTabs::close(PaneDocument* document)
{
    const auto index = static_cast<int>(documents_.indexOf(document));
    if (index < 0 || document == form_)
        return;
    emit documentClosing(document);
    if (tiedDocument() == document)
        tie_->end();
    if (front_ == document)
        bringToFront(documents_.at(index + 1 < documents_.size() ? index + 1 : index - 1));
    documents_.removeAt(index);
    bar_->removeTab(index);
    delete document;
}

} // namespace defwright
