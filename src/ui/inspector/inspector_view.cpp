#include "ui/inspector/inspector_view.h"

#include "ui/inspector/inspector_model.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace defwright {

InspectorView::InspectorView(QWidget* parent)
    : QTableView(parent)
{
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setEditTriggers(DoubleClicked | EditKeyPressed);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    // Rows of one height, laid out without measuring them: a definition of
    // fifty thousand lines shows as fast as one of five.
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setHighlightSections(false);
}

bool InspectorView::isOwnKey(const QKeyEvent& event)
{
    if (event.modifiers() != Qt::NoModifier && event.modifiers() != Qt::KeypadModifier)
        return false;
    switch (event.key()) {
    case Qt::Key_F2:
    case Qt::Key_Delete:
    case Qt::Key_Insert:
    case Qt::Key_Escape:
        return true;
    default:
        return false;
    }
}

// While a value is being edited, its editor has the focus and these keys are its own.
bool InspectorView::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && isOwnKey(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QTableView::event(event);
}

void InspectorView::keyPressEvent(QKeyEvent* event)
{
    if (!isOwnKey(*event)) {
        QTableView::keyPressEvent(event);
        return;
    }
    const int row = currentIndex().row();
    switch (event->key()) {
    case Qt::Key_F2:
        if (row >= 0) {
            const QModelIndex value = model()->index(row, InspectorModel::ValueColumn);
            setCurrentIndex(value);
            if (!(model()->flags(value) & Qt::ItemIsEditable))
                emit editRefused(row);
            edit(value);
        }
        break;
    case Qt::Key_Delete:
        if (row >= 0)
            emit removeRequested(row);
        break;
    case Qt::Key_Insert:
        emit addRequested();
        break;
    default:
        emit leaveRequested();
        break;
    }
}

} // namespace defwright
