// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// gui-replay: drives the real window on the offscreen platform from replay
// tokens read from standard input, and prints after each token what a
// person would see: the active window, the focus, the pointer, the display,
// the rate box, the disabled unit keys, the one pressed in (the source unit
// that waits for its target) and what the window announced to a screen
// reader. Tokens run one at a time from the
// event loop, so a token that opens a modal window (a message box, the help
// window, the window menu) is followed by tokens that act inside it.
//
//   click:NAME      a mouse click on the button of that name
//   type:C          the key that types the character C (UTF-8)
//   keypad:C        the same on the numeric keypad; keypad:Enter
//   key:SEQUENCE    a key with its modifiers, as Qt names it: Ctrl+V, F1, Tab
//   clipboard:TEXT  the clipboard's text, percent-encoded
//   move:X,Y  release:X,Y  rightclick:X,Y   the mouse, in window pixels
//   menukey         the Menu key (a keyboard context-menu event)
//   close           the close box of the active window

#include "Announcer.h"
#include "HelpText.h"
#include "KeyButton.h"
#include "QuibraWindow.h"
#include "TextPanel.h"

#include <QTest>
#include <QtWidgets>

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace {

QWidget* activeWindow(QWidget& main)
{
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != &main)
        return modal;
    return main.isVisible() ? &main : nullptr;
}

QString describe(QWidget* window, QWidget& main)
{
    static const char* const icons[] = {"none", "information", "warning", "critical", "question"};
    if (window == nullptr || window == &main)
        return QLatin1String(window ? "main" : "closed");
    if (auto* box = qobject_cast<QMessageBox*>(window))
        return QStringLiteral("box %1 %2: %3")
            .arg(QLatin1String(icons[box->icon()]), box->windowTitle(),
                 box->text().replace(QLatin1Char('\n'), QLatin1String("\\n")));
    QStringList texts;
    if (auto* menu = qobject_cast<QMenu*>(window)) {
        for (QAction* action : menu->actions())
            texts << (action == menu->activeAction() ? "*" : "") + action->text();
        return QStringLiteral("menu ") + texts.join(QLatin1Char('|'));
    }
    if (auto* area = window->findChild<QPlainTextEdit*>()) {
        // A long help text arrives in parts from the event loop: all of it first.
        if (!QTest::qWaitFor([area] { return !area->property(helpTextComingProperty).toBool(); },
                             60000))
            texts << QStringLiteral("(still loading)");
        for (QTextBlock block = area->document()->begin(); block.isValid(); block = block.next()) {
            QString text = block.text().replace(QChar(0), QChar(0x2400)); // NUL as its picture
            texts << (text.size() > 40 ? text.left(20) + QStringLiteral("…") + text.right(20)
                                       : text);
        }
        if (texts.size() > 4)
            texts = texts.mid(0, 2) << QStringLiteral("…%1 lines…").arg(texts.size())
                                    << texts.mid(texts.size() - 2);
    } else {
        for (const QLabel* label : window->findChildren<QLabel*>())
            if (!label->text().isEmpty())
                texts << label->text();
    }
    return window->windowTitle() + ": " + texts.join(QLatin1Char('/'));
}

// As X11 reports keys: printable keys type their character with any
// modifier, Ctrl with a letter a control character.
QKeyEvent keyEvent(QEvent::Type type, const QString& kind, const QString& rest)
{
    if (kind == QLatin1String("key")) {
        const QKeyCombination combination = QKeySequence::fromString(rest)[0];
        const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
        const int key = combination.key();
        static const QHash<int, QString> texts{{Qt::Key_Return, "\r"},
                                               {Qt::Key_Backspace, "\b"},
                                               {Qt::Key_Delete, "\x7f"},
                                               {Qt::Key_Escape, "\x1b"},
                                               {Qt::Key_Tab, "\t"}};
        QString text;
        if (key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde)
            text = modifiers & Qt::ControlModifier && QChar(key).isLetter() ? QChar(key - 64)
                   : modifiers & Qt::ShiftModifier                          ? QChar(key)
                                                                            : QChar(key).toLower();
        else if (!(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            text = texts.value(key);
        return QKeyEvent(type, key, modifiers, text);
    }
    const bool keypad = kind == QLatin1String("keypad");
    if (keypad && rest == QLatin1String("Enter"))
        return QKeyEvent(type, Qt::Key_Enter, Qt::KeypadModifier, QStringLiteral("\r"));
    const int key = int(rest.toUpper().toUcs4().value(0));
    return QKeyEvent(type, key, keypad ? Qt::KeypadModifier : Qt::NoModifier, rest);
}

class Driver final : public QObject {
public:
    Driver(QuibraWindow& main, std::vector<std::string> tokens)
        : main_(main)
        , tokens_(std::move(tokens))
    {
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
            focusChanges_ += now != nullptr && now->window() == &main_;
        });
    }

    // Prints the record of the token before, then runs the next. The next
    // step is queued first: if this token opens a modal window, it runs in
    // that window's event loop.
    void next()
    {
        if (!pending_.isEmpty())
            record();
        if (index_ == tokens_.size())
            return closeAll();
        pending_ = QString::fromStdString(tokens_[index_++]);
        focusChanges_ = 0;
        announcements_ = main_.findChild<Announcer*>()->count();
        QTimer::singleShot(0, this, &Driver::next);
        run(pending_.section(QLatin1Char(':'), 0, 0), pending_.section(QLatin1Char(':'), 1));
    }

    // One window at a time, from the event loop: closing a message box may
    // let the window it came before open.
    void closeAll()
    {
        if (QWidget* window = activeWindow(main_)) {
            window->close();
            QTimer::singleShot(0, this, &Driver::closeAll);
        }
    }

    void finish()
    {
        if (!pending_.isEmpty())
            record();
    }

private:
    void record()
    {
        QWidget* window = activeWindow(main_);
        // A focus without a name reads as none: a message box's own button,
        // which Qt 6.8 focuses as the box is shown and Qt 6.4 only once the
        // box is active, after the token's record. The keys all have names.
        const QWidget* focus = window ? window->focusWidget() : nullptr;
        QString focusName = focus && !focus->objectName().isEmpty() ? focus->objectName() : "-";
        if (focusChanges_ > 1)
            focusName += QStringLiteral(" (%1 moves)").arg(focusChanges_);
        QStringList disabled;
        QStringList checked;
        for (const KeyId id : unitKeys) {
            const auto name = QString::fromUtf8(keySpec(id).name.data());
            const auto* key = main_.findChild<KeyButton*>(name);
            if (!key->isEnabled())
                disabled << name;
            if (key->isWaiting())
                checked << name;
        }
        const auto* announcer = main_.findChild<Announcer*>();
        const int said = announcer->count() - announcements_;
        const QString last = announcer->lastText();
        const auto listed = [](const QStringList& names) {
            return names.isEmpty() ? QStringLiteral("-") : names.join(QLatin1Char(','));
        };
        const QString shape = main_.cursor().shape() == Qt::WhatsThisCursor ? "help" : "arrow";
        QString heard = said == 1 ? last : QStringLiteral("%1 (%2 times)").arg(last).arg(said);
        QStringList fields{pending_, describe(window, main_), focusName, shape};
        fields << main_.findChild<QLineEdit*>("display")->text()
               << main_.findChild<QLineEdit*>("rateBox")->text() << listed(disabled)
               << listed(checked) << (said == 0 ? QStringLiteral("-") : heard);
        std::printf("%s\n", fields.join(QLatin1Char('\t')).toUtf8().constData());
        std::fflush(stdout);
        pending_.clear();
    }

    void run(const QString& kind, const QString& rest)
    {
        QWidget* window = activeWindow(main_);
        if (window == nullptr)
            return;
        QWidget* focus = window->focusWidget() ? window->focusWidget() : window;
        const QStringList xy = rest.split(QLatin1Char(','));
        const QPoint at(xy.value(0).toInt(), xy.value(1).toInt());
        if (kind == QLatin1String("click")) {
            auto* button = window->findChild<QAbstractButton*>(rest);
            if (button == nullptr) {
                std::fprintf(stderr, "gui-replay: no button %s in the active window\n",
                             qPrintable(rest));
                std::_Exit(2);
            }
            QTest::mouseClick(button, Qt::LeftButton);
        } else if (kind == QLatin1String("clipboard")) {
            QGuiApplication::clipboard()->setText(QUrl::fromPercentEncoding(rest.toUtf8()));
        } else if (kind == QLatin1String("move") || kind == QLatin1String("release")) {
            const bool move = kind == QLatin1String("move");
            QMouseEvent event(move ? QEvent::MouseMove : QEvent::MouseButtonRelease, at,
                              main_.mapToGlobal(at), move ? Qt::NoButton : Qt::LeftButton,
                              Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(&main_, &event);
        } else if (kind == QLatin1String("rightclick") || kind == QLatin1String("menukey")) {
            const bool mouse = kind == QLatin1String("rightclick");
            QWidget* target = !mouse ? focus : main_.childAt(at) ? main_.childAt(at) : &main_;
            QContextMenuEvent event(mouse ? QContextMenuEvent::Mouse : QContextMenuEvent::Keyboard,
                                    mouse ? target->mapFrom(&main_, at) : QPoint(),
                                    mouse ? main_.mapToGlobal(at) : focus->mapToGlobal(QPoint()));
            QApplication::sendEvent(target, &event);
        } else if (kind == QLatin1String("close")) {
            window->close();
        } else {
            QKeyEvent press = keyEvent(QEvent::KeyPress, kind, rest);
            QApplication::sendEvent(focus, &press);
            QKeyEvent release = keyEvent(QEvent::KeyRelease, kind, rest);
            QApplication::sendEvent(window->focusWidget() ? window->focusWidget() : window,
                                    &release);
        }
    }

    QuibraWindow& main_;
    std::vector<std::string> tokens_;
    std::size_t index_ = 0;
    QString pending_ = QStringLiteral("start");
    int focusChanges_ = 0;
    int announcements_ = 0;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    std::vector<std::string> tokens =
        scriptTokens(std::string{std::istreambuf_iterator<char>(std::cin), {}});
    static const QRegularExpression valid(
        QStringLiteral("^((click|type|keypad|key|clipboard):.*|(move|release|rightclick):\\d+,\\d+|"
                       "menukey|close)$"));
    for (const std::string& token : tokens)
        if (!valid.match(QString::fromStdString(token)).hasMatch())
            return std::fprintf(stderr, "gui-replay: unknown token: %s\n", token.c_str()), 2;
    QuibraWindow window;
    window.initDialog();
    Driver driver(window, std::move(tokens));
    QTimer::singleShot(0, &driver, &Driver::next);
    window.exec();
    driver.finish();
    return 0;
}
