// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QuibraWindow.h"

#include "Announcer.h"
#include "DialogUnits.h"
#include "HelpDlg.h"
#include "KeyButton.h"
#include "KeyNavigation.h"
#include "KeyboardTranslation.h"
#include "Language.h"
#include "PanelLook.h"
#include "TextField.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QThread>

namespace {

// The one key drawn with a thin sunken edge.
constexpr KeyId sunkenEdgeKey = KeyId::rateKey;

// Over the application icon, in client pixels, bounds excluded.
bool inHelpSpot(const QPoint& point)
{
    return point.x() > 10 && point.x() < 32 && point.y() > 12 && point.y() < 43;
}

} // namespace

QuibraWindow::QuibraWindow(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint)
    , displayFont_(displayFont())
{
    setWindowTitle(tr("Unit Converter"));
    setAccessibleName(tr("単位換算"));
    setWindowIcon(applicationIcon());
    setFont(dialogFont());
    setFixedSize(toPixels(clientArea.width, clientArea.height));
    setMouseTracking(true);

    const QRect iconPlace = toPixels(iconRect);
    auto* icon = new IconLabel(windowIcon(), iconPlace.size(), this);
    icon->setGeometry(iconPlace);
    // The help spot lies over the icon: its pointer events are the window's.
    icon->setAttribute(Qt::WA_TransparentForMouseEvents);
    icon->setAccessibleName(tr("Quibra のアイコン"));
    icon->setAccessibleDescription(tr("クリックするとヘルプを開きます（F1）"));

    display_ = addTextField("display", displayRect);
    display_->setAccessibleName(tr("表示"));
    addKeys();
    rateBox_ = addTextField("rateBox", rateBoxRect);
    rateBox_->setAccessibleName(tr("為替レート（円）"));
    // The Linux gothics' digits are wider than those the layout was made
    // for: drawn narrower and without inner margins, a rate such as 110.5
    // fits the box whole instead of scrolling its first digit away.
    QFont rateFont = font();
    rateFont.setStretch(80);
    rateBox_->setFont(rateFont);
    rateBox_->setTextMargins(-2, 0, -2, 0);
    setUpFocusChain();
    announcer_ = new Announcer(this);

    // Installed on the application so that it sees a key before the focused
    // key does and before the dialog's own Return handling; it takes only
    // the keys meant for this window.
    qApp->installEventFilter(this);
}

QuibraWindow::~QuibraWindow() { qApp->removeEventFilter(this); }

void QuibraWindow::addKeys()
{
    for (const KeySpec& spec : allKeys()) {
        auto* button = new KeyButton(translated("Keys", spec.caption), this);
        button->setSunkenEdge(spec.id == sunkenEdgeKey);
        button->setObjectName(fromUtf8(spec.name));
        button->setAccessibleName(translated("Keys", spec.accessibleName));
        button->setAccessibleDescription(shortcutText(spec));
        button->setToolTip(button->accessibleDescription());
        button->setGeometry(toPixels(spec.rect));
        // Enter computes; it never clicks the focused key.
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this,
                [this, id = spec.id] { runConverter([this, id] { dlg_.press(id); }); });
        keys_[static_cast<std::size_t>(keyIndex(spec.id))] = button;
    }
}

QLineEdit* QuibraWindow::addTextField(const char* name, const DialogRect& rect)
{
    auto* field = new TextField(this);
    field->setObjectName(QLatin1String(name));
    field->setGeometry(toPixels(rect));
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Reached by Tab alone; what is typed there goes to the converter through
    // the window's filter, and a right click opens the window's menu.
    field->setFocusPolicy(Qt::TabFocus);
    field->setContextMenuPolicy(Qt::NoContextMenu);
    return field;
}

void QuibraWindow::setUpFocusChain()
{
    // The focus starts on the first key, not on the display.
    const QList<QWidget*> keys = inRowOrder({keys_.begin(), keys_.end()});
    const QList<QWidget*> controls = inRowOrder(QList(keys) << display_ << rateBox_);
    for (qsizetype i = 1; i < controls.size(); ++i)
        setTabOrder(controls[i - 1], controls[i]);
    keys.first()->setFocus();
}

void QuibraWindow::runConverter(const std::function<void()>& run, bool announceDisplay)
{
    const QString before = display_->text();
    const std::optional<KeyId> waitingBefore = dlg_.waitingKey();
    run();
    QStringList news;
    if (announceDisplay && display_->text() != before)
        news << display_->text();
    const std::optional<KeyId> waiting = dlg_.waitingKey();
    // Named before its name says that it waits.
    if (waiting && waiting != waitingBefore)
        news << tr("%1から換算").arg(key(*waiting)->accessibleName());
    for (const KeyId id : unitKeys)
        key(id)->setWaiting(id == waiting);
    if (!news.isEmpty())
        //: Between the new value and the unit waiting, in an announcement.
        announcer_->announce(news.join(tr("、")));
}

KeyId QuibraWindow::keyOf(const QWidget* button) const
{
    return keyAt(int(std::find(keys_.begin(), keys_.end(), button) - keys_.begin()));
}

void QuibraWindow::initDialog() { dlg_.initDialog(); }

void QuibraWindow::openHelp()
{
    CHelpDlg help(this);
    help.exec();
    activateWindow();
}

// The converter reads back its own text, which the display may show translated.
std::string QuibraWindow::readDisplay() { return displayText_; }

void QuibraWindow::writeDisplay(std::string_view text)
{
    displayText_ = text;
    display_->setFont(displayFont_);
    display_->setText(translated("Messages", text));
}

std::string QuibraWindow::readRateBox() { return rateBox_->text().toStdString(); }

void QuibraWindow::writeRateBox(std::string_view text) { rateBox_->setText(fromUtf8(text)); }

void QuibraWindow::setKeyEnabled(KeyId id, bool on)
{
    // Disabling the focused key would pass the focus down the chain, over
    // every key still to be disabled: it goes once, to the key pressed (or,
    // when the keyboard ran a disabled key, to where the chain would have
    // ended), and back when the keys are enabled again.
    if (!on && focusWidget() == key(id)) {
        QWidget* to = key(lastPushed_);
        if (!to->isEnabled() || lastPushed_ == id)
            for (to = key(id)->nextInFocusChain();
                 qobject_cast<KeyButton*>(to) == nullptr || isUnitKey(keyOf(to));
                 to = to->nextInFocusChain()) {
            }
        displacedFocus_ = {id, to};
        to->setFocus();
    }
    key(id)->setEnabled(on);
    if (on && displacedFocus_ && displacedFocus_->from == id) {
        if (focusWidget() == displacedFocus_->to)
            key(id)->setFocus();
        displacedFocus_.reset();
    }
}

void QuibraWindow::setKeyPushed(KeyId id, bool on)
{
    if (on)
        lastPushed_ = id;
    key(id)->setDown(on);
    // Painted and flushed now: the pause that follows holds the event loop.
    key(id)->repaint();
}

void QuibraWindow::pause(int milliseconds)
{
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void QuibraWindow::showMessage(std::string_view text, MessageIcon icon)
{
    showMessageBox(this, translated("Messages", text), icon);
}

void QuibraWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (inHelpSpot(event->position().toPoint()))
        setCursor(Qt::WhatsThisCursor);
    else
        unsetCursor();
    QDialog::mouseMoveEvent(event);
}

void QuibraWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && inHelpSpot(event->position().toPoint()))
        openHelp();
    QDialog::mouseReleaseEvent(event);
}

void QuibraWindow::contextMenuEvent(QContextMenuEvent* event)
{
    // A Linux window manager owns the window menu, so the entry that the
    // window adds to it lives here. A right click on a key is the key's.
    if (event->reason() == QContextMenuEvent::Mouse &&
        qobject_cast<QPushButton*>(childAt(event->pos())) != nullptr)
        return;
    const bool fromKeyboard = event->reason() != QContextMenuEvent::Mouse;
    openSystemMenu(fromKeyboard ? mapToGlobal(QPoint(0, 0)) : event->globalPos(), fromKeyboard);
}

void QuibraWindow::openSystemMenu(const QPoint& globalPosition, bool fromKeyboard)
{
    QMenu menu(this);
    QAction* about = menu.addAction(tr("Quibra のﾊﾞｰｼﾞｮﾝ情報(&A)..."));
    // Opened from the keyboard, Enter takes the entry at once.
    if (fromKeyboard)
        menu.setActiveAction(about);
    if (menu.exec(globalPosition) == about)
        openHelp();
}
