#include "ui/help/text_window.h"

#include "ui/widgets/program_icon.h"
#include "ui/widgets/fonts.h"

#include <QKeyEvent>

namespace defwright {

TextWindow::TextWindow(QWidget* owner, const char* name, const QString& caption, std::span<const LabelRow> texts,
                       const TwipsRect& okButton)
    : QDialog(owner)
{
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(caption);
    setWindowIcon(programIcon());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);
    setFont(windowFont(Typeface::MsSansSerif, 8.25));
    createLabels(this, texts);
    createOkButton(this, "Command1", okButton);
}

void TextWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace defwright
