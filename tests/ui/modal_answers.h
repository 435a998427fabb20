#pragma once

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>
#include <utility>

/// Answers the modal windows a command shows, one answer each, in order, from
/// a timer inside the window's own event loop; a popup menu shown with its
/// own event loop counts as one. Each answer must close its window; one left
/// without an answer is rejected and counted, so no test hangs.
class ModalAnswers : public QObject {
public:
    using Answer = std::function<void(QWidget*)>;

    ModalAnswers()
    {
        connect(&timer_, &QTimer::timeout, this, &ModalAnswers::answerActiveModal);
        timer_.start(10);
    }

    ModalAnswers& then(Answer answer)
    {
        answers_.push_back(std::move(answer));
        return *this;
    }

    [[nodiscard]] std::size_t unused() const { return answers_.size(); }
    [[nodiscard]] const QStringList& unexpected() const { return unexpected_; }

private:
    void answerActiveModal()
    {
        // An answer that waits runs the event loop, and this timer, again.
        if (answering_)
            return;
        // A window shown but not yet in its own event loop would miss being closed.
        if (QThread::currentThread()->loopLevel() <= loopLevel_)
            return;
        QWidget* modal = QApplication::activePopupWidget();
        if (modal == nullptr)
            modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible())
            return;
        if (answers_.empty()) {
            unexpected_ << QString::fromLatin1(modal->metaObject()->className()) + u' ' + modal->objectName();
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
            return;
        }
        const Answer answer = std::move(answers_.front());
        answers_.pop_front();
        answering_ = true;
        answer(modal);
        answering_ = false;
    }

    QTimer timer_;
    std::deque<Answer> answers_;
    QStringList unexpected_;
    bool answering_ = false;
    const int loopLevel_ = QThread::currentThread()->loopLevel();
};

/// Calls `open`, which shows a modal window and returns once it has closed, and
/// hands the window to `drive` while it is up; one `drive` leaves open is closed
/// then. Returns whether a modal window came up at all.
inline bool driveModalWindow(const std::function<void()>& open, const std::function<void(QWidget&)>& drive)
{
    ModalAnswers answers;
    answers.then([&drive](QWidget* window) {
        drive(*window);
        if (window->isVisible())
            window->close();
    });
    open();
    return answers.unused() == 0;
}

/// What a message box showed, kept for the test to check after it closed.
struct ShownBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    bool underWaitCursor = false;
};

/// Presses a message box's button, keeping what the box showed in `shown`.
inline ModalAnswers::Answer press(QMessageBox::StandardButton button, ShownBox* shown = nullptr)
{
    return [button, shown](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        if (shown != nullptr) {
            *shown = {box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                      box->standardButton(box->defaultButton()), QGuiApplication::overrideCursor() != nullptr};
        }
        QAbstractButton* pressed = box->button(button);
        if (pressed == nullptr) {
            box->reject();
            QFAIL(qPrintable(QStringLiteral("the box asks no such thing: ") + box->text()));
        }
        pressed->click();
    };
}
