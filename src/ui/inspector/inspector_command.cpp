#include "ui/inspector/inspector_command.h"

#include "ui/inspector/definition_inspector.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QSettings>
#include <QStyle>

namespace defwright {
namespace {

constexpr QLatin1StringView kState("inspector/state");
constexpr int kWidthLetters = 56;

} // namespace

InspectorCommand::InspectorCommand(QMainWindow* window, FrontDocument* front, const VocabularySource* vocabulary,
                                   QMenu* scriptMenu)
    : QObject(window)
    , window_(window)
    , inspector_(new DefinitionInspector(front, vocabulary, window))
    , mnuDefinitionInspector_(new QAction(tr("Definition &Inspector"), this))
{
    inspector_->hide();
    window_->addDockWidget(Qt::RightDockWidgetArea, inspector_);
    inspector_->resize(inspector_->fontMetrics().averageCharWidth() * kWidthLetters, inspector_->height());
    mnuDefinitionInspector_->setObjectName(QStringLiteral("mnuDefinitionInspector"));
    mnuDefinitionInspector_->setCheckable(true);
    mnuDefinitionInspector_->setShortcut(QKeySequence(Qt::Key_F4));
    scriptMenu->addSeparator();
    scriptMenu->addAction(mnuDefinitionInspector_);
    // Its key works wherever the focus is in the window, and in the inspector floating on its own.
    window_->addAction(mnuDefinitionInspector_);
    inspector_->addAction(mnuDefinitionInspector_);
    connect(mnuDefinitionInspector_, &QAction::triggered, this, &InspectorCommand::mnuDefinitionInspector_Click);
    connect(inspector_->toggleViewAction(), &QAction::toggled, this, &InspectorCommand::inspectorToggled);
    window_->installEventFilter(this);
}

QList<QKeySequence> InspectorCommand::shortcuts() const
{
    return {mnuDefinitionInspector_->shortcut()};
}

void InspectorCommand::restore()
{
    kept_ = true;
    window_->restoreState(QSettings().value(kState).toByteArray());
}

bool InspectorCommand::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_ && event->type() == QEvent::Close && kept_)
        QSettings().setValue(kState, window_->saveState());
    return QObject::eventFilter(watched, event);
}

// The action's check mark follows the inspector; a click on it while the
// inspector is shown but the focus is elsewhere only gives it the focus.
void InspectorCommand::mnuDefinitionInspector_Click(bool checked)
{
    const bool inInspector = inspector_->isAncestorOf(QApplication::focusWidget());
    if (!checked && !inInspector) {
        mnuDefinitionInspector_->setChecked(true);
        inspector_->focusRows();
    } else if (checked) {
        showInspector();
    } else {
        hideInspector();
    }
}

// Docked, the inspector keeps the size it last had, and the window grows by it.
void InspectorCommand::showInspector()
{
    const QSize size = inspector_->size();
    grown_ = window_->isMaximized() || window_->isFullScreen() ? QSize() : room(size);
    window_->resize(window_->size() + grown_);
    inspector_->show();
    inspector_->raise();
    if (!inspector_->isFloating()) {
        const bool across = grown_.height() > 0;
        window_->resizeDocks({inspector_}, {across ? size.height() : size.width()},
                             across ? Qt::Vertical : Qt::Horizontal);
    }
    inspector_->focusRows();
}

void InspectorCommand::hideInspector()
{
    inspector_->returnToPane();
    inspector_->hide();
}

// However the inspector went (this command, its close button), the window
// gives back the room it grew by for it.
void InspectorCommand::inspectorToggled(bool shown)
{
    mnuDefinitionInspector_->setChecked(shown);
    if (shown)
        return;
    if (!window_->isMaximized() && !window_->isFullScreen())
        window_->resize(window_->size() - grown_);
    grown_ = {};
}

// The room a docked inspector of `size` takes beside or under the pages.
QSize InspectorCommand::room(QSize size) const
{
    if (inspector_->isFloating())
        return {};
    const int separator = window_->style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, window_);
    switch (window_->dockWidgetArea(inspector_)) {
    case Qt::LeftDockWidgetArea:
    case Qt::RightDockWidgetArea:
        return {size.width() + separator, 0};
    case Qt::TopDockWidgetArea:
    case Qt::BottomDockWidgetArea:
        return {0, size.height() + separator};
    default:
        return {};
    }
}

} // namespace defwright
