// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Panel.h"
#include "QuibraDlg.h"

#include <QDialog>
#include <QFont>

#include <array>
#include <functional>
#include <optional>

class Announcer;
class KeyButton;
class QKeyEvent;
class QLineEdit;

// The converter's window: the display, the rate box and the 41 keys, laid
// out from the key table. It owns the converter and carries out its panel
// operations; clicks and the keyboard reach the converter through it.
class QuibraWindow final : public QDialog, public Panel {
    Q_OBJECT

public:
    explicit QuibraWindow(QWidget* parent = nullptr);
    ~QuibraWindow() override;

    // The first display, then the rate file.
    void initDialog();
    void openHelp();

    std::string readDisplay() override;
    void writeDisplay(std::string_view text) override;
    std::string readRateBox() override;
    void writeRateBox(std::string_view text) override;
    void setKeyEnabled(KeyId key, bool on) override;
    void setKeyPushed(KeyId key, bool on) override;
    void pause(int milliseconds) override;
    void showMessage(std::string_view text, MessageIcon icon) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void addKeys();
    QLineEdit* addTextField(const char* name, const DialogRect& rect);
    void setUpFocusChain();
    bool handleKey(const QKeyEvent& event);
    bool handleConvenienceKey(const QKeyEvent& event);
    // Every way into the converter goes through here, so that what follows
    // a key is shown, and announced to a screen reader, whichever way it
    // came: the display's new value, and the source unit when one begins
    // to wait, whose key is shown pressed in while it waits.
    void runConverter(const std::function<void()>& run, bool announceDisplay = true);
    void openSystemMenu(const QPoint& globalPosition, bool fromKeyboard);
    KeyButton* key(KeyId id) const { return keys_[static_cast<std::size_t>(keyIndex(id))]; }
    KeyId keyOf(const QWidget* button) const;

    std::array<KeyButton*, keyCount> keys_{};
    QLineEdit* display_ = nullptr;
    QLineEdit* rateBox_ = nullptr;
    Announcer* announcer_ = nullptr;
    QFont displayFont_;
    std::string displayText_;
    // The key being pressed; the focused key that a press disabled, and
    // where its focus went.
    KeyId lastPushed_ = KeyId::key0;
    struct FocusMove {
        KeyId from;
        QWidget* to;
    };
    std::optional<FocusMove> displacedFocus_;
    CQuibraDlg dlg_{*this};
};
