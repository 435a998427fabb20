#pragma once

#include "core/files/script_format.h"

#include <QStatusBar>

class QLabel;
class QMenu;
class QToolButton;

namespace defwright {

class FrontDocument;
class PaneDocument;

/// The bar under the window's client area: of the document in front, its
/// file, the definition the fields are tied to, whether it differs from that
/// file, the caret's line and column, and the file's encoding and line breaks. The last two are buttons that offer the
/// others. Each part tells screen readers what it is and what it shows.
class ScriptStatusBar : public QStatusBar {
    Q_OBJECT

public:
    ScriptStatusBar(const FrontDocument* front, QWidget* parent);

protected:
    void changeEvent(QEvent* event) override;

private:
    QLabel* addPart(const char* name, bool permanent);
    QToolButton* addChoice(const char* name, QMenu* menu);
    void fillEncodingMenu(QMenu* menu);
    void fillLineBreakMenu(QMenu* menu);
    void showFront();
    void showCaret();
    void fitCaret(bool narrower);
    void showTie();
    void tellOpened(const PaneDocument* document);
    void checkChoices();

    const FrontDocument* front_;
    QLabel* fileName_;
    QLabel* tie_;
    QLabel* modified_;
    QLabel* caret_;
    QMenu* encodingMenu_;
    QMenu* lineBreakMenu_;
    QToolButton* encoding_;
    QToolButton* lineBreaks_;
};

} // namespace defwright
