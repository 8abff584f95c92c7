// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HelpDlg.h"

#include "DialogUnits.h"
#include "HelpText.h"
#include "PanelLook.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

constexpr Qt::WindowFlags modalFrame = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                       Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

void setUpWindow(QDialog& window, const QString& title, int width, int height)
{
    window.setWindowTitle(title);
    window.setFont(dialogFont());
    window.setFixedSize(toPixels(width, height));
}

QLabel* addIcon(QWidget* window, const QIcon& icon, const QString& name, const DialogRect& rect)
{
    auto* label = new IconLabel(icon, QSize(32, 32), window);
    label->setAccessibleName(name);
    label->setGeometry(toPixels(rect));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QLabel* addText(QWidget* window, const QString& text, const DialogRect& rect)
{
    auto* label = new QLabel(text, window);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(toPixels(rect));
    return label;
}

QPushButton* addButton(QWidget* window, const char* name, const QString& caption,
                       const DialogRect& rect)
{
    auto* button = new QPushButton(caption, window);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(toPixels(rect));
    return button;
}

} // namespace

CHelpDlg::CHelpDlg(QWidget* parent)
    : QDialog(parent, modalFrame)
{
    setUpWindow(*this, tr("About Quibra"), 221, 165);

    helpText_ = new QPlainTextEdit(this);
    helpText_->setObjectName(QStringLiteral("helpText"));
    helpText_->setGeometry(toPixels(DialogRect{7, 9, 208, 128}));
    helpText_->setReadOnly(true);
    helpText_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    helpText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    helpText_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    helpText_->setAccessibleName(tr("ヘルプ"));
    helpText_->setUndoRedoEnabled(false);

    QPushButton* version = addButton(this, "versionButton", tr("Version"), {117, 145, 44, 14});
    version->setAutoDefault(false);
    connect(version, &QPushButton::clicked, this, &CHelpDlg::OnButtonVersion);
    QPushButton* ok = addButton(this, "okButton", tr("OK"), {171, 145, 44, 14});
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CHelpDlg::accept);

    addText(this, tr("Quibra 単位換算電卓"), {25, 148, 87, 10});
    addIcon(this, helpIcon(), tr("ヘルプのアイコン"), {4, 141, 20, 20});

    // Before the window first shows: with no help file the message comes first.
    loadHelpText();
}

void CHelpDlg::accept()
{
    loadHelpText();
    QDialog::accept();
}

void CHelpDlg::loadHelpText()
{
    const std::optional<QString> text = tryLoadHelpText(helpFileName);
    if (!text) {
        // The text area keeps what it shows.
        showMessageBox(isVisible() ? this : parentWidget(), tr("Helpファイルが見つかりません。"),
                       MessageIcon::exclamation);
        return;
    }
    showInParts(*helpText_, *text);
}

void CHelpDlg::OnButtonVersion()
{
    loadHelpText();
    // Ended, and hidden at once; its modal run returns after the version window's.
    done(QDialog::Accepted);
    CVersionDlg version(parentWidget());
    version.exec();
}

CVersionDlg::CVersionDlg(QWidget* parent)
    : QDialog(parent, modalFrame)
{
    setUpWindow(*this, tr("Quibraのﾊﾞｰｼﾞｮﾝ情報"), 227, 47);

    QPushButton* ok = addButton(this, "okButton", tr("OK"), {169, 10, 44, 14});
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CVersionDlg::accept);

    addIcon(this, applicationIcon(), tr("Quibra のアイコン"), {11, 10, 20, 20});
    addText(this, tr("Quibra Version %1").arg(QStringLiteral(QUIBRA_VERSION)), {40, 10, 119, 8});
    addText(this, tr("ポケット電卓の単位換算"), {40, 23, 119, 8});
}
