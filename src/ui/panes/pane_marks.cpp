#include "ui/panes/pane_marks.h"

#include "ui/panes/script_pane.h"

#include <QEvent>
#include <QPalette>
#include <QPoint>

#include <array>

namespace defwright {
namespace {

using Sci = QsciScintillaBase;

constexpr int kMarksMargin = 2;
constexpr int kMarksMarginWidth = 12;

// By severity: error, warning, hint. Indicator 8 marks the find bar's matches;
// markers 1 and 2 are the tie's and the documents' places.
constexpr std::array<int, 3> kIndicators = {9, 10, 11};
constexpr std::array<int, 3> kMarkers = {3, 4, 5};
constexpr std::array<int, 3> kIndicatorStyles = {Sci::INDIC_SQUIGGLEPIXMAP, Sci::INDIC_SQUIGGLEPIXMAP, Sci::INDIC_DOTS};
constexpr std::array<int, 3> kSymbols = {Sci::SC_MARK_CIRCLE, Sci::SC_MARK_ARROW, Sci::SC_MARK_SMALLRECT};

// Red, amber and blue: darker on a light background, lighter on a dark one.
constexpr std::array<QRgb, 3> kOnLight = {0xd32f2f, 0xb86e00, 0x1f6fbf};
constexpr std::array<QRgb, 3> kOnDark = {0xff6b6b, 0xffb74d, 0x6cb4f0};

constexpr unsigned long kMarkerMask = (1UL << kMarkers[0]) | (1UL << kMarkers[1]) | (1UL << kMarkers[2]);

// The editor takes colours as 0xBBGGRR.
long editorColour(QRgb rgb)
{
    return static_cast<long>(qRed(rgb) | (qGreen(rgb) << 8) | (qBlue(rgb) << 16));
}

std::size_t at(Severity severity)
{
    return static_cast<std::size_t>(severity);
}

} // namespace

PaneMarks::PaneMarks(ScriptPane* pane)
    : QObject(pane)
    , pane_(pane)
{
    for (std::size_t i = 0; i < kIndicators.size(); ++i) {
        send(Sci::SCI_INDICSETSTYLE, kIndicators[i], kIndicatorStyles[i]);
        send(Sci::SCI_MARKERDEFINE, kMarkers[i], kSymbols[i]);
    }
    send(Sci::SCI_SETMARGINTYPEN, kMarksMargin, Sci::SC_MARGIN_SYMBOL);
    send(Sci::SCI_SETMARGINMASKN, kMarksMargin, static_cast<long>(kMarkerMask));
    send(Sci::SCI_SETMARGINWIDTHN, kMarksMargin, kMarksMarginWidth);
    send(Sci::SCI_SETMARGINSENSITIVEN, kMarksMargin, 0);
    useColours();
    pane->installEventFilter(this);
}

void PaneMarks::clear(std::size_t start, std::size_t end)
{
    for (const int indicator : kIndicators) {
        send(Sci::SCI_SETINDICATORCURRENT, static_cast<unsigned long>(indicator));
        send(Sci::SCI_INDICATORCLEARRANGE, start, static_cast<long>(end - start));
    }
    // A line that begins at `end` is not cleared, unless it is the text's empty last line.
    long last = send(Sci::SCI_LINEFROMPOSITION, end);
    if (end > start && static_cast<long>(end) < send(Sci::SCI_GETLENGTH)
        && send(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(last)) == static_cast<long>(end))
        --last;
    for (long line = send(Sci::SCI_MARKERNEXT, static_cast<unsigned long>(send(Sci::SCI_LINEFROMPOSITION, start)),
                          static_cast<long>(kMarkerMask));
         line >= 0 && line <= last;
         line = send(Sci::SCI_MARKERNEXT, static_cast<unsigned long>(line + 1), static_cast<long>(kMarkerMask))) {
        // A line taken out leaves its symbols to the line above, so one line may hold a symbol twice.
        while ((send(Sci::SCI_MARKERGET, static_cast<unsigned long>(line)) & static_cast<long>(kMarkerMask)) != 0) {
            for (const int marker : kMarkers)
                send(Sci::SCI_MARKERDELETE, static_cast<unsigned long>(line), marker);
        }
    }
}

void PaneMarks::mark(Severity severity, TextSpan span)
{
    send(Sci::SCI_SETINDICATORCURRENT, static_cast<unsigned long>(kIndicators.at(at(severity))));
    send(Sci::SCI_INDICATORFILLRANGE, span.start, static_cast<long>(span.size()));
    const int marker = kMarkers.at(at(severity));
    const auto line = static_cast<unsigned long>(send(Sci::SCI_LINEFROMPOSITION, span.start));
    if ((send(Sci::SCI_MARKERGET, line) & (1L << marker)) == 0)
        send(Sci::SCI_MARKERADD, line, marker);
}

bool PaneMarks::overSymbols(const QPoint& point) const
{
    long left = 0;
    for (int margin = 0; margin < kMarksMargin; ++margin)
        left += send(Sci::SCI_GETMARGINWIDTHN, static_cast<unsigned long>(margin));
    return point.x() >= left && point.x() < left + send(Sci::SCI_GETMARGINWIDTHN, kMarksMargin);
}

bool PaneMarks::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == pane_ && event->type() == QEvent::PaletteChange)
        useColours();
    return false;
}

void PaneMarks::useColours()
{
    const bool dark = pane_->palette().color(QPalette::Base).lightness() < 128;
    const std::array<QRgb, 3>& colours = dark ? kOnDark : kOnLight;
    for (std::size_t i = 0; i < colours.size(); ++i) {
        send(Sci::SCI_INDICSETFORE, static_cast<unsigned long>(kIndicators[i]), editorColour(colours[i]));
        send(Sci::SCI_MARKERSETFORE, static_cast<unsigned long>(kMarkers[i]), editorColour(colours[i]));
        send(Sci::SCI_MARKERSETBACK, static_cast<unsigned long>(kMarkers[i]), editorColour(colours[i]));
    }
}

long PaneMarks::send(unsigned int message, unsigned long wParam, long lParam) const
{
    return pane_->SendScintilla(message, wParam, lParam);
}

} // namespace defwright
