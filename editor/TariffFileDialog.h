#pragma once

#include <QFileDialog>

namespace hovorix::desktop {
class Prompter;
}

namespace hovorix::editor {

// The file dialog of the editor: INI files or all files, a name typed without
// an extension gets ".ini", the folder of the chosen name must exist, and a
// dialog for opening refuses read-only files, since the editor saves back to
// the file it opened. The dialog stays open after a refusal, as it does when
// it asks before overwriting.
class TariffFileDialog : public QFileDialog {
    Q_OBJECT
public:
    enum class Purpose { Open, Save };

    TariffFileDialog(Purpose purpose, const QString& title, desktop::Prompter& prompter, QWidget* parent);

    Purpose purpose() const { return purpose_; }
    // The name the user chose; empty when there is none.
    QString chosenFile() const;

    void accept() override;

    // Read-only: no one may write the file, or this user may not.
    static bool isReadOnly(const QString& file);

private:
    Purpose purpose_;
    desktop::Prompter& prompter_;
};

}  // namespace hovorix::editor
