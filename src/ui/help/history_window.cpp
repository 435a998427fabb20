#include "ui/help/history_window.h"

namespace defwright {
namespace {

// Each release line ends with one blank.
constexpr LabelRow kTexts[] = {
    // name    text                                                  left top  width height
    {"Label1", "First release Version 1.1 - 4:20 AM EST 8/31/02 ",  {120, 120, 4335, 255}},
    {"Label2", "Second release Version 1.2 - 12:00 AM EST 9/2/02 ", {120, 480, 4335, 255}},
    {"Label3", "Third release Version 1.3 - 4:00 AM EST 9/2/02 ",   {120, 840, 4335, 255}},
};

} // namespace

HistoryWindow::HistoryWindow(QWidget* owner)
    : TextWindow(owner, "frmHistory", QStringLiteral("History"), kTexts, {3120, 1200, 1455, 375})
{
    // The client area's place on the screen, not the frame's.
    setGeometry(pixelRect({1965, 1875, 4680, 1665}));
}

} // namespace defwright
