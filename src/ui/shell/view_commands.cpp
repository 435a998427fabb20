#include "ui/shell/view_commands.h"

#include "ui/panes/script_page.h"
#include "ui/panes/script_pane.h"
#include "ui/widgets/tab_control.h"

#include <QAction>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

#include <algorithm>
#include <utility>

namespace defwright {
namespace {

constexpr QLatin1StringView kFitScript("view/fitScript");
constexpr QLatin1StringView kZoom("view/zoom");

} // namespace

ViewCommands::ViewCommands(QMainWindow* window, TabControl* tabs, QSize designClient, QList<ScriptPage*> scripts)
    : QObject(window)
    , window_(window)
    , tabs_(tabs)
    , designClient_(designClient)
    , designTabs_(tabs->geometry())
    , scripts_(std::move(scripts))
    , mnuView_(new QMenu(tr("&View"), window->menuBar()))
{
    mnuView_->setObjectName(QStringLiteral("mnuView"));
    mnuFitScript_ = action("mnuFitScript", tr("&Fit Script to Window"), {});
    mnuFitScript_->setCheckable(true);
    connect(mnuFitScript_, &QAction::toggled, this, &ViewCommands::mnuFitScript_Click);
    mnuView_->addSeparator();
    zoomActions_ = {
        action("mnuZoomIn", tr("Zoom &In"),
               {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}),
        action("mnuZoomOut", tr("Zoom &Out"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)}),
        action("mnuResetZoom", tr("&Reset Zoom"), {QKeySequence(Qt::CTRL | Qt::Key_0)}),
    };
    connect(zoomActions_[0], &QAction::triggered, this, &ViewCommands::mnuZoomIn_Click);
    connect(zoomActions_[1], &QAction::triggered, this, &ViewCommands::mnuZoomOut_Click);
    connect(zoomActions_[2], &QAction::triggered, this, &ViewCommands::mnuResetZoom_Click);
    for (const ScriptPage* script : std::as_const(scripts_))
        connect(script->pane(), &ScriptPane::zoomed, this, &ViewCommands::paneZoomed);

    window->centralWidget()->installEventFilter(this);
    const QSettings settings;
    mnuFitScript_->setChecked(settings.value(kFitScript, false).toBool());
    zoomTo(settings.value(kZoom, 0).toInt());
}

// Each entry's shortcut works wherever the focus is in the window.
QAction* ViewCommands::action(const char* name, const QString& caption, const QList<QKeySequence>& shortcuts)
{
    auto* created = new QAction(caption, window_);
    created->setObjectName(QString::fromLatin1(name));
    created->setShortcuts(shortcuts);
    window_->addAction(created);
    mnuView_->addAction(created);
    return created;
}

QList<QKeySequence> ViewCommands::shortcuts() const
{
    QList<QKeySequence> sequences;
    for (const QAction* action : zoomActions_)
        sequences.append(action->shortcuts());
    return sequences;
}

void ViewCommands::mnuFitScript_Click(bool on)
{
    QSettings().setValue(kFitScript, on);
    fitToWindow();
}

void ViewCommands::mnuZoomIn_Click()
{
    zoomTo(zoom_ + 1);
}

void ViewCommands::mnuZoomOut_Click()
{
    zoomTo(zoom_ - 1);
}

void ViewCommands::mnuResetZoom_Click()
{
    zoomTo(0);
}

// A stored level out of range (edited by hand, say) is brought back into it.
void ViewCommands::zoomTo(int level)
{
    const int bounded = std::clamp(level, kMinZoom, kMaxZoom);
    const bool changed = bounded != zoom_;
    zoom_ = bounded;
    for (ScriptPage* script : std::as_const(scripts_))
        script->pane()->zoomTo(zoom_);
    if (changed)
        QSettings().setValue(kZoom, zoom_);
}

// Ctrl with the mouse wheel zooms one pane by the editor's own means; the
// other pane follows, so both keep one size.
void ViewCommands::paneZoomed(int level)
{
    if (level != zoom_)
        zoomTo(level);
}

bool ViewCommands::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == window_->centralWidget())
        fitToWindow();
    return QObject::eventFilter(watched, event);
}

// The room beyond the design size goes to the tab control and, on the
// script pages, to the panes; a smaller window clips the design layout.
void ViewCommands::fitToWindow()
{
    QSize extra(0, 0);
    if (mnuFitScript_->isChecked())
        extra = (window_->centralWidget()->size() - designClient_).expandedTo(QSize(0, 0));
    tabs_->setGeometry(designTabs_.adjusted(0, 0, extra.width(), extra.height()));
    for (ScriptPage* script : std::as_const(scripts_))
        script->stretch(extra);
}

} // namespace defwright
