#pragma once

#include "core/index/definition_list.h"
#include "core/index/definition_search.h"

#include <QFrame>

#include <vector>

class QLineEdit;
class QListView;

namespace defwright {

class DefinitionListModel;

/// Go to Definition by Name: a box to type into over a list of every
/// section, filtered as one types (every word, any order, any case). The
/// arrows move in the list, Enter takes the row, Escape closes. A popup over
/// the pane, not a dialog: it goes as soon as it loses the focus.
class DefinitionPopup : public QFrame {
    Q_OBJECT

public:
    /// @param paneRows how many rows, from the first, are sections of the pane's own text
    DefinitionPopup(DefinitionList list, std::size_t paneRows, QWidget* pane);

signals:
    void chosen(const DefinitionHit& hit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void filter(const QString& typed);
    void take();

    std::size_t paneRows_;
    DefinitionListModel* model_;
    QLineEdit* filter_;
    QListView* list_;
};

} // namespace defwright
