#pragma once

#include "ui/widgets/twips.h"

#include <QStringList>
#include <QWidget>

class QStackedWidget;

namespace defwright {

/// A tab control whose tabs stand two to a row, as the main window's four pages
/// need: the row holding the current tab moves next to the page, the other
/// row stands above it. Each tab is drawn by the style, like QTabBar's.
class TabControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex NOTIFY currentChanged)

public:
    static constexpr int kTabsPerRow = 2;
    static constexpr int kRowHeightTwips = 330;
    static constexpr int kFrameTwips = 30;

    explicit TabControl(QWidget* parent = nullptr);

    /// Adds a page under a new tab and returns its index.
    int addPage(QWidget* page, const QString& caption);

    [[nodiscard]] int count() const;
    [[nodiscard]] int currentIndex() const;
    [[nodiscard]] QString tabText(int index) const;
    /// Where tab `index` is drawn now; it moves with the current tab's row.
    [[nodiscard]] QRect tabRect(int index) const;

    /// Where the pages' area starts, measured in twips from this control's corner.
    [[nodiscard]] static TwipsPoint pageOffset(int rows);

public slots:
    void setCurrentIndex(int index);

signals:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    [[nodiscard]] int rowCount() const;
    [[nodiscard]] QRect frameRect() const;
    [[nodiscard]] QRect pagesRect() const;
    [[nodiscard]] int tabAt(const QPoint& position) const;
    void drawTab(QPainter& painter, int index) const;
    [[nodiscard]] int keyStep(const QKeyEvent& event) const;
    void announceCurrentTab(int index);

    QStackedWidget* pages_;
    QStringList captions_;
};

} // namespace defwright
