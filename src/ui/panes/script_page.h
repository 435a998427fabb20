#pragma once

#include "ui/widgets/twips.h"

#include <QWidget>

#include <span>
#include <string_view>

class QPushButton;
class QTabBar;

namespace defwright {

class FindBar;
class FormBuilder;
class ScriptPane;

/// How one of the two script pages is laid out: the pane and its frame, and
/// the column of trigger buttons in the "Other Triggers" frame beside it.
struct ScriptPageLayout {
    const char* paneFrameName;
    std::string_view paneFrameCaption;
    bool paneInsideFrame; // else the pane stands on the page, in front of its frame
    const char* paneName;
    const char* tabBarName;
    std::string_view tabBarCaption; // what screen readers hear the tabs called
    const char* triggerFrameName;
    TwipsRect triggerFrame;
    const char* buttonName;
    std::span<const std::string_view> triggers;
};

/// A "Compiled ... Script" page: a script pane with the tabs of its
/// documents above it, and the buttons that insert trigger blocks into it.
/// The tabs take the top of the pane's place and the find bar, while it is
/// open, its bottom, so the page's layout stays as it is.
///
/// Stretched, the pane and its frame take the extra room and the trigger
/// frame moves along to stay at the pane's right, keeping its size.
class ScriptPage : public QWidget {
    Q_OBJECT

public:
    /// @param corner where the page's client area starts, in the window's twips
    ScriptPage(const ScriptPageLayout& layout, TwipsPoint corner, QWidget* parent = nullptr);

    [[nodiscard]] ScriptPane* pane() const { return pane_; }
    [[nodiscard]] QTabBar* tabBar() const { return tabBar_; }
    [[nodiscard]] FindBar* findBar() const { return findBar_; }
    [[nodiscard]] QWidgetList focusOrder() const;

    /// Grows the pane by `extra` beyond its design size; none puts the page
    /// back as designed.
    void stretch(QSize extra);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    /// A trigger button was clicked; `index` is its place in the column, top first.
    void triggerClicked(int index);

private:
    void createPane(const ScriptPageLayout& layout, const FormBuilder& page);
    void createTabBar(const ScriptPageLayout& layout, const FormBuilder& holder);
    void createTriggerButtons(const ScriptPageLayout& layout, const FormBuilder& page);

    void fitPane();

    ScriptPane* pane_ = nullptr;
    QTabBar* tabBar_ = nullptr;
    FindBar* findBar_ = nullptr;
    QWidget* paneFrame_ = nullptr;
    QWidget* triggerFrame_ = nullptr;
    QRect paneFrameDesign_;
    QRect paneDesign_;
    QRect triggerFrameDesign_;
    QRect paneRect_; // the pane's place, its tabs and find bar included
    QList<QPushButton*> buttons_;
};

} // namespace defwright
