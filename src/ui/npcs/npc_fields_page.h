#pragma once

#include "core/npcs/npc_record.h"
#include "ui/widgets/twips.h"

#include <QWidget>

class QPushButton;

namespace defwright {

class NpcBasicFrame;
class NpcCreateFrame;

/// The "Basic NPC Defs" page: two frames of NPC fields in one place, one shown
/// at a time, and the two buttons that switch between them.
class NpcFieldsPage : public QWidget {
    Q_OBJECT

public:
    /// @param corner where the page's client area starts, in the window's twips
    explicit NpcFieldsPage(TwipsPoint corner, QWidget* parent = nullptr);

    /// The start state: the basic frame shown with both switch buttons.
    void hideCreateFrame();

    /// Which frame shows: the start state, or the basic or the creation frame
    /// after a switch, each with the one button that leads to the other.
    enum class Frames { Start, Basic, Create };
    [[nodiscard]] Frames frames() const;
    void showFrames(Frames frames);

    /// Reads every field, those of the hidden frame too.
    [[nodiscard]] NpcRecord record() const;

    /// Fills every field of both frames from the record and shows the basic
    /// frame, which holds the first field; then tells of one change, so the
    /// script is rebuilt once.
    void setRecord(const NpcRecord& npc);

    /// Fills every field of both frames from the record and tells of no change.
    void showRecord(const NpcRecord& npc);

    /// Shows the basic frame, which holds the first field.
    void showBasicFrame();

    [[nodiscard]] QWidgetList focusOrder() const;

signals:
    void fieldChanged();

private slots:
    void Command2_Click();
    void Command3_Click();

private:
    NpcBasicFrame* frmnpcdefs_;
    NpcCreateFrame* frmcreate_;
    QPushButton* Command2_;
    QPushButton* Command3_;
};

} // namespace defwright
