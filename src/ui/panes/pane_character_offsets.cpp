#include "ui/panes/pane_character_offsets.h"

#include <Qsci/qsciscintillabase.h>

#include <algorithm>
#include <cstdint>

namespace defwright {
namespace {

using Sci = QsciScintillaBase;

constexpr long kCharacters = Sci::SC_LINECHARACTERINDEX_UTF32;

} // namespace

// The index costs one pass over the text when made, and the editor keeps it
// up to date at each edit from then on.
PaneCharacterOffsets::PaneCharacterOffsets(const QsciScintillaBase* pane)
    : pane_(pane)
{
    if ((send(Sci::SCI_GETLINECHARACTERINDEX) & kCharacters) == 0)
        send(Sci::SCI_ALLOCATELINECHARACTERINDEX, kCharacters);
}

int PaneCharacterOffsets::offsetAt(long position) const
{
    position = std::clamp(position, 0L, send(Sci::SCI_GETLENGTH));
    const long line = send(Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(position));
    const long lineStart = send(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const long lineOffset = send(Sci::SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(line), kCharacters);
    return static_cast<int>(lineOffset +
                            send(Sci::SCI_COUNTCHARACTERS, static_cast<unsigned long>(lineStart), position));
}

long PaneCharacterOffsets::positionAt(int offset) const
{
    if (offset <= 0)
        return 0;
    if (offset >= count())
        return send(Sci::SCI_GETLENGTH);
    const long line = send(Sci::SCI_LINEFROMINDEXPOSITION, static_cast<unsigned long>(offset), kCharacters);
    const long lineStart = send(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const long intoLine = offset - send(Sci::SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(line), kCharacters);
    return intoLine == 0 ? lineStart : send(Sci::SCI_POSITIONRELATIVE, static_cast<unsigned long>(lineStart), intoLine);
}

int PaneCharacterOffsets::count() const
{
    return offsetAt(send(Sci::SCI_GETLENGTH));
}

QString PaneCharacterOffsets::text(long start, long end) const
{
    if (end <= start)
        return {};
    const auto* bytes = reinterpret_cast<const char*>(static_cast<std::intptr_t>(
        send(Sci::SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), end - start)));
    return QString::fromUtf8(bytes, end - start);
}

long PaneCharacterOffsets::send(unsigned int message, unsigned long wParam, long lParam) const
{
    return pane_->SendScintilla(message, wParam, lParam);
}

} // namespace defwright
