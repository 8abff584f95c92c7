// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// gui-replay: drives the real window on the offscreen platform from replay
// tokens read from standard input, and prints after each token what a
// person would see: the active window (a menu by where it opened), the
// focus, the pointer, the display, the rate box and what the window
// announced to a screen reader (the keys' looks, disabled or pressed in, are
// the pictures'). Tokens run one at a time from the event loop, so a token
// that opens a modal window (a message box, the help window, the window
// menu) is followed by tokens that act inside it.
//
//   click:NAME      a mouse click on the button of that name
//   type:C          the key that types the character C (UTF-8)
//   keypad:C        the same on the numeric keypad; keypad:Enter
//   key:SEQUENCE    a key with its modifiers, as Qt names it: Ctrl+V, F1, Tab
//   clipboard:TEXT  the clipboard's text, percent-encoded
//   move:X,Y  release:X,Y  rightclick:X,Y   the mouse, in window pixels
//   menukey         the Menu key (a keyboard context-menu event)
//   close           the close box of the active window
//   grab:NAME       a picture of the active window, drawn as it is now
//   tips:NAME       a picture of the captions and tooltips of its buttons
//   pushed:C        type:C, with a picture of the main window as the window
//                   system has it during the key's pause (not drawn anew:
//                   a pushed look that is only drawn later is not in it),
//                   which must last 20 ms at least
//   scale:N         as the first token: N device pixels to a pixel (1.5 too)
// A picture must be tests/gui/pictures/NAME.png, pixel for pixel; when it is
// not, the run fails and leaves NAME.png and NAME-diff.png beside gui-replay.
// Qt 6.4 (Debian 12) drew the references: under another Qt, whose style and
// font rasteriser draw otherwise, the pictures are skipped. After looking at
// the new pictures, renew the references with
//   QUIBRA_RENEW_PICTURES=1 ctest --preset dev -R 'gui\.trace\..*\.C$'

#include "Announcer.h"
#include "KeyButton.h"
#include "Language.h"
#include "QuibraWindow.h"
#include "TextPanel.h"

#include <QTest>
#include <QtWidgets>

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace {

[[noreturn]] void fail(const QString& why)
{
    std::fprintf(stderr, "gui-replay: %s\n", qPrintable(why));
    std::_Exit(2);
}

void compare(const QString& name, const QImage& picture)
{
    const QString reference = QStringLiteral(QUIBRA_PICTURES "/%1.png").arg(name);
    const bool renew = qEnvironmentVariableIsSet("QUIBRA_RENEW_PICTURES");
    const QString actual = QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
    if (!QByteArray(qVersion()).startsWith("6.4.") || picture == QImage(reference) ||
        !picture.save(renew ? reference : actual + ".png") || renew)
        return;
    QProcess::execute("compare", {reference, actual + ".png", actual + "-diff.png"});
    fail(QStringLiteral("picture %1 differs from %2: see %3.png and %3-diff.png")
             .arg(name, reference, actual));
}

// What the window system was given, not a new rendering: on the offscreen
// platform, the window's backing store.
QImage onScreen(QWidget* window) { return window->screen()->grabWindow(window->winId()).toImage(); }

QWidget* activeWindow(QWidget& main)
{
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != &main)
        return modal;
    return main.isVisible() ? &main : nullptr;
}

// The queued calls a widget has been given.
struct CallCount final : QObject {
    int calls = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        calls += event->type() == QEvent::MetaCall;
        return false;
    }
};

QString describe(QWidget* window, QWidget& main)
{
    if (window == nullptr || window == &main)
        return QLatin1String(window ? "main" : "closed");
    if (const QPoint at = main.mapFromGlobal(window->pos()); qobject_cast<QMenu*>(window))
        return QStringLiteral("menu at %1,%2").arg(at.x()).arg(at.y());
    if (auto* box = qobject_cast<QMessageBox*>(window))
        return QStringLiteral("box %1: %2")
            .arg(box->windowTitle(), box->text().replace(QLatin1Char('\n'), QLatin1String("\\n")));
    QStringList texts;
    if (auto* area = window->findChild<QPlainTextEdit*>()) {
        // A long help text arrives in parts, each posted by the one before:
        // all of it first. Qt posts a few calls of its own to the area; a
        // run of calls that add nothing is parts that never end.
        CallCount count;
        area->installEventFilter(&count);
        for (int calls = -1, idle = 0; calls != count.calls;) {
            const int length = area->document()->characterCount();
            calls = count.calls;
            QCoreApplication::sendPostedEvents(area);
            idle = area->document()->characterCount() == length ? idle + 1 : 0;
            if (idle > 10)
                fail(QStringLiteral("the help text's parts add nothing and never end"));
        }
        for (QTextBlock block = area->document()->begin(); block.isValid(); block = block.next()) {
            QString text = block.text().replace(QChar(0), QChar(0x2400)); // NUL as its picture
            texts << (text.size() > 40 ? text.left(20) + QStringLiteral("…") + text.right(20)
                                       : text);
        }
        if (texts.size() > 4)
            texts = texts.mid(0, 2) << QStringLiteral("…%1 lines…").arg(texts.size())
                                    << texts.mid(texts.size() - 2);
    }
    return window->windowTitle() + ": " + texts.join(QLatin1Char('/'));
}

// What a person would not read whole in a window: a caption or label wider
// than its widget, a label with nothing to read, and in an English session a
// text still in Japanese.
QStringList misfits(QWidget* window)
{
    static const QRegularExpression japanese(QStringLiteral("[\\x{3000}-\\x{FFEF}]"));
    QStringList found;
    const QWidgetList widgets = window->findChildren<QWidget*>() << window;
    for (QWidget* widget : widgets) {
        // A message box, and its label, wrap the lines where they must.
        const QString text = widget->property("text").toString();
        const int width = widget->fontMetrics().size(Qt::TextShowMnemonic, text).width();
        if (widget != window && widget->isVisible() && !widget->property("wordWrap").toBool() &&
            width > widget->width())
            found << QStringLiteral("%1 is too small for %2").arg(widget->objectName(), text);
        // Neither text nor a named picture (Qt's own aside): a screen reader
        // finds an empty label.
        if (auto* label = qobject_cast<QLabel*>(widget);
            label && label->isVisible() && text.isEmpty() &&
            !label->objectName().startsWith("qt_") &&
            (label->pixmap().isNull() || label->accessibleName().isEmpty()))
            found << QStringLiteral("an empty label");
        for (const QString& said : {text, widget->windowTitle(), widget->accessibleName(),
                                    widget->accessibleDescription(), widget->toolTip()})
            if (said.contains(japanese) && QLocale::system().uiLanguages()[0].startsWith("en"))
                found << QStringLiteral("%1 in Japanese: %2").arg(widget->objectName(), said);
    }
    return found;
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
        qApp->installEventFilter(this);
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

private:
    void record()
    {
        QWidget* window = activeWindow(main_);
        for (const QString& misfit : misfits(window ? window : &main_))
            std::printf("misfit: %s\n", qPrintable(misfit));
        // A focus without a name reads as none: a message box's own button,
        // which Qt 6.8 focuses as the box is shown and Qt 6.4 only once the
        // box is active. The keys all have names.
        const QWidget* focus = window ? window->focusWidget() : nullptr;
        const QString focusName =
            focus && !focus->objectName().isEmpty() ? focus->objectName() : QStringLiteral("-");
        const auto* announcer = main_.findChild<Announcer*>();
        const int said = announcer->count() - announcements_;
        const QString last = announcer->lastText();
        const QString shape = main_.cursor().shape() == Qt::WhatsThisCursor ? "help" : "arrow";
        QString heard = said == 1 ? last : QStringLiteral("%1 (%2 times)").arg(last).arg(said);
        QStringList fields{pending_, describe(window, main_), focusName, shape};
        fields << main_.findChild<QLineEdit*>("display")->text()
               << main_.findChild<QLineEdit*>("rateBox")->text()
               << (said == 0 ? QStringLiteral("-") : heard);
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
        const QPoint at(rest.section(',', 0, 0).toInt(), rest.section(',', 1).toInt());
        if (kind == QLatin1String("click")) {
            auto* button = window->findChild<QAbstractButton*>(rest);
            if (button == nullptr)
                fail(QStringLiteral("no button %1 in the active window").arg(rest));
            QTest::mouseClick(button, Qt::LeftButton);
        } else if (kind == QLatin1String("grab")) {
            compare(rest, window->grab().toImage());
        } else if (kind == QLatin1String("tips")) {
            QLabel tips;
            for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
                tips.setText(tips.text() + button->text() + "  " + button->toolTip() + "\n");
            tips.resize(tips.sizeHint());
            compare(rest, tips.grab().toImage());
        } else if (kind == QLatin1String("scale")) {
            if (index_ != 1)
                fail(pending_ + QStringLiteral(" is not the first token"));
        } else if (kind == QLatin1String("clipboard")) {
            QGuiApplication::clipboard()->setText(QUrl::fromPercentEncoding(rest.toUtf8()));
        } else if (kind == QLatin1String("move") || kind == QLatin1String("release")) {
            // To the widget under the pointer, as the window system's would go.
            const bool move = kind == QLatin1String("move");
            QWidget* target = main_.childAt(at) ? main_.childAt(at) : &main_;
            QMouseEvent event(move ? QEvent::MouseMove : QEvent::MouseButtonRelease,
                              target->mapFrom(&main_, at), main_.mapToGlobal(at),
                              move ? Qt::NoButton : Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(target, &event);
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
            const QKeySequence sequence = QKeySequence::fromString(rest);
            if (kind == QLatin1String("key")
                    ? sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown
                    : rest.toUcs4().size() != 1 && pending_ != QLatin1String("keypad:Enter"))
                fail(pending_ + QStringLiteral(" is no key"));
            pushed_ = kind == QLatin1String("pushed") ? "pushed-" + rest : QString();
            QKeyEvent press = keyEvent(QEvent::KeyPress, kind, rest);
            QElapsedTimer held;
            held.start();
            QApplication::sendEvent(focus, &press);
            if (kind == QLatin1String("pushed") && held.elapsed() < 20)
                fail(pending_ + QStringLiteral(" was not held down 20 ms"));
            QKeyEvent release = keyEvent(QEvent::KeyRelease, kind, rest);
            QApplication::sendEvent(window->focusWidget() ? window->focusWidget() : window,
                                    &release);
            if (!pushed_.isEmpty()) // not painted while it was down
                compare(std::exchange(pushed_, QString()), onScreen(&main_));
        }
    }

    // A key painted down after a pushed: token is the key pressed: painted,
    // and then pictured, it is what the window system is given next.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const auto* key = qobject_cast<QPushButton*>(watched);
        if (pushed_.isEmpty() || event->type() != QEvent::Paint || !key || !key->isDown())
            return false;
        watched->event(event);
        compare(std::exchange(pushed_, QString()), onScreen(&main_));
        return true;
    }

    QuibraWindow& main_;
    std::vector<std::string> tokens_;
    std::size_t index_ = 0;
    QString pending_ = QStringLiteral("start");
    int announcements_ = 0;
    QString pushed_;
};

} // namespace

int main(int argc, char* argv[])
{
    std::vector<std::string> tokens =
        scriptTokens(std::string{std::istreambuf_iterator<char>(std::cin), {}});
    if (!tokens.empty() && tokens[0].starts_with("scale:"))
        qputenv("QT_SCALE_FACTOR", tokens[0].substr(6).c_str());
    QApplication app(argc, argv);
    installTranslations(QStringLiteral(TRANSLATIONS));
    // The desktop's font, which the program leaves to the message boxes and
    // the menu, fixed for the pictures (the style is fixed by the tests'
    // QT_STYLE_OVERRIDE); bold, as some desktops have it, which the window's
    // own fonts must not take.
    QApplication::setFont(QFont(QStringLiteral("IPAGothic"), 10, QFont::Bold));
    static const QRegularExpression valid(
        QStringLiteral("^((click|type|keypad|key|clipboard|grab|tips|pushed):.*|scale:[\\d.]+|"
                       "(move|release|rightclick):\\d+,\\d+|menukey|close)$"));
    for (const std::string& token : tokens)
        if (!valid.match(QString::fromStdString(token)).hasMatch())
            return std::fprintf(stderr, "gui-replay: unknown token: %s\n", token.c_str()), 2;
    QuibraWindow window;
    window.initDialog();
    Driver driver(window, std::move(tokens));
    QTimer::singleShot(0, &driver, &Driver::next);
    window.exec();
    driver.next(); // the last token's record
    return 0;
}
