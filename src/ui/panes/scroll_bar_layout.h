#pragma once

class QAbstractScrollArea;

namespace defwright {

/// Qt lays a scroll area out again after every change of either scroll bar's
/// range, and each layout raises both bars; with both shown, each is raised
/// over the other and both are repainted. In a script pane the vertical range
/// changes with every line added, so each new line repainted both bars. The
/// layout depends only on whether each bar has anything to scroll, so after
/// this call the area is laid out when that changes, and on resizes as before.
void layOutScrollBarsOnlyWhenNeeded(QAbstractScrollArea* area);

} // namespace defwright
