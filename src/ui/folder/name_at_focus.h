#pragma once

#include <QString>

class QWidget;

namespace defwright {

class FrontDocument;
class PaneDocument;
class ScriptsIndex;

/// A name to look up, and the document it is looked up from.
struct NameAtFocus {
    QString name;
    PaneDocument* from = nullptr;
};

/// From a field box of the window, the name at the box's cursor; from
/// anywhere else, the name at the caret of the document in front (see nameAt()).
[[nodiscard]] NameAtFocus nameAtFocus(const QWidget* window, const FrontDocument* front);

/// Lookups wait for a build still running, under the wait cursor; the window
/// keeps drawing meanwhile.
void waitForIndex(ScriptsIndex* index);

} // namespace defwright
