#pragma once

#include "core/index/reference_search.h"

#include <QString>
#include <QWidget>

#include <vector>

class QLabel;

namespace defwright {

class PlaceList;

/// Every place of the scripts folder that names a definition, grouped by
/// file: each place's line and the line's text, the places that define it in
/// bold, and how many there are. Enter or a double-click on a place asks for
/// it; Copy and Ctrl+C copy places as "file:line: text". A window of its own
/// beside the main one, not modal, so the list stays while the places are visited.
class ReferencesWindow : public QWidget {
    Q_OBJECT

public:
    explicit ReferencesWindow(QWidget* owner);

    /// Shows the places that name `name`; files are named relative to `folder`.
    void showReferences(const QString& name, const std::vector<ReferenceHit>& hits, const QString& folder);
    /// How many places in how many files it shows: "12 places in 5 files".
    [[nodiscard]] QString countText() const;

signals:
    /// A place was chosen: its file and line, from 0.
    void placeChosen(const QString& file, int line);

private:
    QLabel* count_;
    PlaceList* list_;
};

} // namespace defwright
