// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QPlainTextEdit;

// The help window: the help file in a read-only text area, "Version" and
// "OK". The help file is loaded when the window is set up, before it shows,
// and again when it is confirmed with OK or left through "Version".
class CHelpDlg final : public QDialog {
    Q_OBJECT

public:
    explicit CHelpDlg(QWidget* parent = nullptr);

    // OK, the button or Enter: loads the help text again, then closes.
    void accept() override;

private:
    void loadHelpText();
    void OnButtonVersion();

    QPlainTextEdit* helpText_ = nullptr;
};

// The version window: the version line and OK.
class CVersionDlg final : public QDialog {
    Q_OBJECT

public:
    explicit CVersionDlg(QWidget* parent = nullptr);
};
