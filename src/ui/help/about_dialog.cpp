#include "ui/help/about_dialog.h"

#include "ui/widgets/program_icon.h"
#include "ui/widgets/window_parts.h"
#include "ui/widgets/twips.h"

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace defwright {
namespace {

constexpr LabelFont kContactFont = {Typeface::MsSansSerif, 8.25};
constexpr LabelRow kTexts[] = {
    // name            text                                        left  top   width height   font
    {"Label1",         "Defwright",                                {1050, 240,  3885, 480},  LabelFont{Typeface::MsSansSerif, 13.5, true}},
    {"lblVersion",     "Version 1.3",                              {1050, 780,  3885, 225},  LabelFont{Typeface::MsSansSerif, 9.75, true}},
    {"lblDescription", "Concept and creation: the Defwright team", {1050, 1125, 4365, 210},  LabelFont{Typeface::MsSansSerif, 8.25, true}},
    {"Label2",         "IRC=#defwright@irc.example.net",           {1080, 1320, 3975, 255},  kContactFont},
    {"Label3",         "XMPP=defwright@xmpp.example.org",          {1080, 1560, 3975, 255},  kContactFont},
    {"Label5",         "Chat=defwright@chat.example.com",          {1080, 1800, 4095, 255},  kContactFont},
    {"Label4",         "E-mail=team@defwright.example",            {1080, 2040, 4095, 255},  kContactFont},
};

constexpr TwipsRect kPicIcon = {240, 240, 600, 930};

// Two lines, dark above light, draw one etched rule above the button: a grey
// one from (90, 2445) to (5654, 2445) and a white one, two pixels thick, from
// (105, 2460) to (5654, 2460).
struct SeparatorLine {
    const char* name;
    TwipsRect rect;
    QRgb colour;
};
constexpr SeparatorLine kSeparator[] = {
    // name      left top   width height   colour
    {"Line1(1)", {90,  2445, 5564, 15},  qRgb(128, 128, 128)},
    {"Line1(0)", {105, 2460, 5549, 30},  qRgb(255, 255, 255)},
};

void setTextColour(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

AboutDialog::AboutDialog(QWidget* owner)
    : QDialog(owner)
{
    setWindowProperties();
    createTexts();
    createPicture();
    createSeparator();
    createButton();
}

void AboutDialog::setWindowProperties()
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Defwright"));
    setWindowIcon(programIcon());
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setFont(windowFont(Typeface::MsSansSerif, 8.25));
    // The client area's place on the screen, not the frame's.
    setGeometry(pixelRect({2340, 1935, 5730, 3060}));
    setFixedSize(size());
}

void AboutDialog::createTexts()
{
    createLabels(this, kTexts);
    // The product name takes the colour of an active title bar, the nearest
    // thing to it being the palette's highlight.
    setTextColour(findChild<QLabel*>(QStringLiteral("Label1")), palette().color(QPalette::Highlight));
    setTextColour(findChild<QLabel*>(QStringLiteral("lblDescription")), Qt::black);
}

// A sunken picture box whose inside, 36 x 58 pixels, shows the icon.
void AboutDialog::createPicture()
{
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picIcon"));
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setLineWidth(2);
    picture->setAlignment(Qt::AlignCenter);
    picture->setPixmap(programIcon().pixmap(32, 32));
    picture->setGeometry(pixelRect(kPicIcon));
}

void AboutDialog::createSeparator()
{
    for (const SeparatorLine& line : kSeparator) {
        auto* rule = new QFrame(this);
        rule->setObjectName(QString::fromLatin1(line.name));
        rule->setGeometry(pixelRect(line.rect));
        rule->setAutoFillBackground(true);
        QPalette palette = rule->palette();
        palette.setColor(QPalette::Window, QColor::fromRgb(line.colour));
        rule->setPalette(palette);
    }
}

// OK is both the default and the cancel button: Enter presses it, and Escape
// closes the box just as pressing it does.
void AboutDialog::createButton()
{
    QPushButton* ok = createOkButton(this, "cmdOK", {4320, 2640, 1260, 345});
    ok->setDefault(true);
}

} // namespace defwright
