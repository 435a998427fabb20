#pragma once

#include <QCoreApplication>
#include <QMessageBox>
#include <QString>

#include <cstddef>

class QWidget;

namespace defwright {

/// What the File commands ask and tell, each in a box over the window with
/// the program's name as its title. Where an answer could lose work, the
/// default keeps it.
class FileQuestions {
    Q_DECLARE_TR_FUNCTIONS(FileQuestions)

public:
    enum class Unencodable { Cancel, WriteQuestionMarks, SaveAsUtf8 };
    enum class Closing { Save, Discard, Cancel };

    explicit FileQuestions(QWidget* window);

    [[nodiscard]] bool confirmOverwrite(const QString& path) const;
    [[nodiscard]] bool confirmOverwriteChanged(const QString& path) const;
    [[nodiscard]] Unencodable askUnencodable(std::size_t count) const;
    [[nodiscard]] Closing askClosing(const QString& name) const;
    void cannotOpen(const QString& path, const QString& reason) const;
    void cannotSave(const QString& path, const QString& reason) const;
    QMessageBox::StandardButton showMessage(QMessageBox::Icon icon, const QString& text,
                                            QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                            QMessageBox::StandardButton defaultButton = QMessageBox::Ok) const;

private:
    QWidget* window_;
};

} // namespace defwright
