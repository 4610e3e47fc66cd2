// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
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
// it asks before overwriting. For opening, a typed name that exists is taken
// as typed ("zaloha" opens the file zaloha); only a new name gets ".ini".
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

protected:
    // Nothing of the dialog stays on the screen once it closes.
    void hideEvent(QHideEvent* event) override;

private:
    // The name as the dialog returns it, with the default extension where it
    // belongs.
    QString withExtension(const QString& selected) const;

    Purpose purpose_;
    desktop::Prompter& prompter_;
};

}  // namespace hovorix::editor
