#include "ui/help/splash_window.h"

#include "ui/widgets/program_icon.h"
#include "ui/widgets/window_parts.h"
#include "ui/widgets/twips.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

namespace defwright {
namespace {

constexpr TwipsRect kFrame1 = {150, 60, 7080, 4050};

// Inside Frame1, in the frame's own coordinates.
constexpr LabelFont kVerdana = {Typeface::Verdana, 9.75};
constexpr LabelRow kFrameContents[] = {
    // name     text                                   left  top   width height   font
    {"imgLogo", "",                                    {360,  795,  1815, 2385}},
    {"Label1",  "Defwright",                           {2280, 840,  4575, 735},  LabelFont{Typeface::Verdana, 24, true}},
    {"Label2",  "Version 1.4",                         {2400, 1440, 3495, 255},  kVerdana},
    {"Label3",  "Concept, Creation, and Distribution", {2400, 1680, 3735, 255},  kVerdana},
    {"Label4",  "The Defwright team",                  {2400, 1920, 3975, 255},  kVerdana},
    {"Label5",  "(Click Splash Screen to Continue)",   {2280, 3600, 4095, 255},  LabelFont{Typeface::Verdana, 8.25}},
};

} // namespace

SplashWindow::SplashWindow(QWidget* owner)
    : QDialog(owner)
{
    setWindowProperties();
    createFrameContents(createFrame());
    centreOnScreen();
}

void SplashWindow::setWindowProperties()
{
    setObjectName(QStringLiteral("frmSplash"));
    // A splash screen has no title bar and no task bar button of its own.
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setFixedSize(pixelSize(7380, 4245)); // the client area, which is all there is
}

QFrame* SplashWindow::createFrame()
{
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(pixelRect(kFrame1));
    return frame;
}

void SplashWindow::createFrameContents(QFrame* frame)
{
    const QList<QLabel*> contents = createLabels(frame, kFrameContents);
    // A label hands the clicks it has no use for to its parent, where they would
    // close the splash; the texts and the logo keep theirs.
    for (QLabel* label : contents)
        label->setAttribute(Qt::WA_NoMousePropagation);

    auto* logo = frame->findChild<QLabel*>(QStringLiteral("imgLogo"));
    logo->setScaledContents(true);
    logo->setPixmap(programIcon().pixmap(32, 32));
}

void SplashWindow::centreOnScreen()
{
    move(screen()->availableGeometry().center() - rect().center());
}

// Reached only by clicks on the margin or on the frame's empty area.
void SplashWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        accept();
}

// The splash has no button, so no key does anything: not Enter, not Escape.
void SplashWindow::keyPressEvent(QKeyEvent* event)
{
    event->accept();
}

} // namespace defwright
