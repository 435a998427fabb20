#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QRect>
#include <QSize>

class QAction;
class QMainWindow;
class QMenu;

namespace defwright {

class ScriptPage;
class TabControl;

/// The View menu: whether the script pages grow with the window, and how
/// large both panes show their text. Both choices outlive the run.
///
/// Off, the window keeps its design layout whatever its size. On, the tab
/// control fills the client area, keeping its design margins, and the script
/// pages give all the extra room to their panes; the field pages keep their
/// design layout in the top-left corner. At the design size the two look the same.
class ViewCommands : public QObject {
    Q_OBJECT

public:
    static constexpr int kMinZoom = -10;
    static constexpr int kMaxZoom = 20;

    /// @param designClient the client area the window was designed for; the
    ///        tab control's geometry at construction is its design place
    ViewCommands(QMainWindow* window, TabControl* tabs, QSize designClient, QList<ScriptPage*> scripts);

    /// "&View", to stand in the menu bar between Edit and Script.
    [[nodiscard]] QMenu* menu() const { return mnuView_; }

    /// The zoom shortcuts, which must win over the editors' own keys.
    [[nodiscard]] QList<QKeySequence> shortcuts() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* action(const char* name, const QString& caption, const QList<QKeySequence>& shortcuts);
    void mnuFitScript_Click(bool on);
    void mnuZoomIn_Click();
    void mnuZoomOut_Click();
    void mnuResetZoom_Click();
    void zoomTo(int level);
    void paneZoomed(int level);
    void fitToWindow();

    QMainWindow* window_;
    TabControl* tabs_;
    QSize designClient_;
    QRect designTabs_;
    QList<ScriptPage*> scripts_;
    QMenu* mnuView_;
    QAction* mnuFitScript_ = nullptr;
    QList<QAction*> zoomActions_;
    int zoom_ = 0;
};

} // namespace defwright
