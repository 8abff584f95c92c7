// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QuibraWindow.h"

#include "DialogUnits.h"
#include "HelpDlg.h"
#include "KeyboardTranslation.h"
#include "PanelLook.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QThread>

namespace {

const QString aboutEntry = QStringLiteral("Quibra のﾊﾞｰｼﾞｮﾝ情報(&A)...");

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
    setWindowTitle(QStringLiteral("Unit Converter"));
    setWindowIcon(applicationIcon());
    setFont(dialogFont());
    setFixedSize(toPixels(clientArea.width, clientArea.height));
    setMouseTracking(true);

    auto* icon = new QLabel(this);
    icon->setGeometry(toPixels(iconRect));
    icon->setPixmap(QPixmap::fromImage(
        iconImage("quibra", 32)
            .scaled(icon->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    // The help spot lies over the icon: its pointer events are the window's.
    icon->setAttribute(Qt::WA_TransparentForMouseEvents);

    display_ = addTextField("display", displayControlId, displayRect);
    display_->setAccessibleName(QStringLiteral("表示"));
    addKeys();
    rateBox_ = addTextField("rateBox", rateBoxControlId, rateBoxRect);
    rateBox_->setAccessibleName(QStringLiteral("為替レート（円）"));
    // The Linux gothics' digits are wider than those the layout was made
    // for: drawn narrower and without inner margins, a rate such as 110.5
    // fits the box whole instead of scrolling its first digit away.
    QFont rateFont = font();
    rateFont.setStretch(80);
    rateBox_->setFont(rateFont);
    rateBox_->setTextMargins(-2, 0, -2, 0);

    // Installed on the application so that it sees a key before the focused
    // key does and before the dialog's own Return handling; it takes only
    // the keys meant for this window.
    qApp->installEventFilter(this);
}

QuibraWindow::~QuibraWindow() { qApp->removeEventFilter(this); }

void QuibraWindow::addKeys()
{
    for (const KeySpec& spec : allKeys()) {
        auto* button = new QPushButton(fromUtf8(spec.caption), this);
        button->setObjectName(fromUtf8(spec.name));
        button->setProperty(controlIdProperty, spec.controlId);
        button->setAccessibleName(fromUtf8(spec.accessibleName));
        button->setGeometry(toPixels(spec.rect));
        // Enter computes; it never clicks the focused key.
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, id = spec.id] { dlg_.press(id); });
        keys_[static_cast<std::size_t>(keyIndex(spec.id))] = button;
    }
    auto* edge = new QFrame(key(sunkenEdgeKey));
    edge->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    edge->setLineWidth(1);
    edge->setGeometry(key(sunkenEdgeKey)->rect());
    edge->setAttribute(Qt::WA_TransparentForMouseEvents);
}

QLineEdit* QuibraWindow::addTextField(const char* name, int controlId, const DialogRect& rect)
{
    auto* field = new QLineEdit(this);
    field->setObjectName(QLatin1String(name));
    field->setProperty(controlIdProperty, controlId);
    field->setGeometry(toPixels(rect));
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The keyboard belongs to the keys; a right click opens the window's menu.
    field->setFocusPolicy(Qt::NoFocus);
    field->setContextMenuPolicy(Qt::NoContextMenu);
    return field;
}

void QuibraWindow::initDialog() { dlg_.initDialog(); }

void QuibraWindow::openHelp()
{
    CHelpDlg help(this);
    help.exec();
    activateWindow();
}

std::string QuibraWindow::readDisplay() { return display_->text().toStdString(); }

void QuibraWindow::writeDisplay(std::string_view text)
{
    display_->setFont(displayFont_);
    display_->setText(fromUtf8(text));
}

std::string QuibraWindow::readRateBox() { return rateBox_->text().toStdString(); }

void QuibraWindow::writeRateBox(std::string_view text) { rateBox_->setText(fromUtf8(text)); }

void QuibraWindow::setKeyEnabled(KeyId id, bool on) { key(id)->setEnabled(on); }

void QuibraWindow::setKeyPushed(KeyId id, bool on)
{
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
    showMessageBox(this, text, icon);
}

bool QuibraWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this)
        return false;
    return handleKey(*static_cast<QKeyEvent*>(event));
}

bool QuibraWindow::handleKey(const QKeyEvent& event)
{
    if (event.matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(display_->text());
        return true;
    }
    // The X11 platform turns the Menu key into a context-menu event itself.
    if (event.key() == Qt::Key_F10 && event.modifiers() == Qt::ShiftModifier) {
        openSystemMenu(mapToGlobal(QPoint(0, 0)));
        return true;
    }
    if (const auto message = keyPressMessage(event))
        if (dlg_.keyboardFilter(*message))
            return true;
    bool handled = false;
    for (const KeyboardMessage& message : characterMessages(event))
        handled = dlg_.keyboardFilter(message) || handled;
    return handled;
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
    openSystemMenu(fromKeyboard ? mapToGlobal(QPoint(0, 0)) : event->globalPos());
}

void QuibraWindow::openSystemMenu(const QPoint& globalPosition)
{
    QMenu menu(this);
    const QAction* about = menu.addAction(aboutEntry);
    if (menu.exec(globalPosition) == about)
        openHelp();
}
