#include "ui/folder/name_at_focus.h"

#include "core/index/definition_name.h"
#include "ui/documents/front_document.h"
#include "ui/documents/pane_document.h"
#include "ui/index/pane_text.h"
#include "ui/panes/pane_caret.h"
#include "ui/index/scripts_index.h"
#include "ui/widgets/wait_cursor.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

namespace defwright {

NameAtFocus nameAtFocus(const QWidget* window, const FrontDocument* front)
{
    QWidget* focus = QApplication::focusWidget();
    auto* box = qobject_cast<QLineEdit*>(focus);
    if (auto* combo = qobject_cast<QComboBox*>(focus); combo != nullptr && combo->isEditable())
        box = combo->lineEdit();
    if (box != nullptr && box->window() == window) {
        const QByteArray text = box->text().toUtf8();
        const auto caret = static_cast<std::size_t>(box->text().left(box->cursorPosition()).toUtf8().size());
        return {fromUtf8(nameAt({text.constData(), static_cast<std::size_t>(text.size())}, caret)), front->document()};
    }
    return {nameAtCaret(*front->document()->pane()), front->document()};
}

void waitForIndex(ScriptsIndex* index)
{
    if (index->isBuilding())
        withWaitCursor([index] { index->waitUntilBuilt(); });
}

} // namespace defwright
