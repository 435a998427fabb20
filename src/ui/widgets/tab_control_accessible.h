#pragma once

#include <QAccessibleWidget>
#include <QHash>

namespace defwright {

class TabControl;

/// What a screen reader sees of a TabControl: a page tab list whose first
/// children are its tabs, one PageTabAccessible each, followed by the area
/// that shows the current page, so the fields stay reachable in the tree.
class TabControlAccessible : public QAccessibleWidget {
public:
    explicit TabControlAccessible(TabControl* control);
    ~TabControlAccessible() override;
    TabControlAccessible(const TabControlAccessible&) = delete;
    TabControlAccessible& operator=(const TabControlAccessible&) = delete;

    /// The factory that QAccessible::installFactory takes: this interface for
    /// a TabControl, nothing for any other object.
    static QAccessibleInterface* create(const QString& className, QObject* object);

    [[nodiscard]] int childCount() const override;
    [[nodiscard]] QAccessibleInterface* child(int index) const override;
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override;
    [[nodiscard]] QAccessibleInterface* focusChild() const override;

private:
    [[nodiscard]] TabControl* control() const;
    [[nodiscard]] int tabCount() const;

    // A tab's interface is made when first asked for and kept, so a screen
    // reader sees the same object each time; the ids are Qt's registry's.
    mutable QHash<int, QAccessible::Id> tabs_;
};

} // namespace defwright
