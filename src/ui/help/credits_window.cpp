#include "ui/help/credits_window.h"

namespace defwright {
namespace {

constexpr LabelRow kTexts[] = {
    // name     text                                                                         left top   width height  font (none: the window's), wraps
    {"Label1",  "Credits:",                                                                  {120, 120,  2295, 255}, LabelFont{Typeface::MsSansSerif, 9.75, true}},
    {"Label2",  "Everyone on the test shard - for trying every build and saying what broke", {120, 480,  3975, 495}, {}, true},
    {"Label3",  "The server's scripters - for the script format",                            {120, 960,  4095, 255}},
    {"Label4",  "The game masters - for testing every trigger",                              {120, 1200, 3975, 255}},
    {"Label6",  "The item crafters - for the type list",                                     {120, 1440, 3975, 255}},
    {"Label7",  "The NPC builders - for the brain list",                                     {120, 1680, 3975, 255}},
    {"Label5",  "The forum regulars - for the skill names",                                  {120, 1920, 3975, 255}},
    {"Label8",  "The shard owners - for hosting the tests",                                  {120, 2160, 4095, 255}},
    {"Label10", "The first users - for their patience",                                      {120, 2400, 3975, 255}},
    {"Label11", "Our families - for the late nights",                                        {120, 2640, 4095, 255}},
    {"Label9",  "Thanks to all of you",                                                      {120, 3000, 4455, 255}, LabelFont{Typeface::MsSansSerif, 8.25, true}},
};

} // namespace

// Placed where new windows go by default; only the size is its own.
CreditsWindow::CreditsWindow(QWidget* owner)
    : TextWindow(owner, "frmCredits", QStringLiteral("Shout-outs"), kTexts, {3240, 3360, 1335, 375})
{
    resize(pixelSize(4680, 3825));
}

} // namespace defwright
