#include "PanelLook.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

QFont dialogFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"),
                      QStringLiteral("Noto Sans CJK JP")});
    font.setPointSize(9);
    return font;
}

QFont displayFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")});
    font.setWeight(QFont::Normal);
    return font;
}

QIcon applicationIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/icons/quibra-%1.png").arg(size), QSize(size, size));
    return icon;
}

QIcon helpIcon() { return QIcon(QStringLiteral(":/icons/help-32.png")); }

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::information:
        return QMessageBox::Information;
    case MessageIcon::exclamation:
        return QMessageBox::Warning;
    case MessageIcon::stop:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void showMessageBox(QWidget* parent, std::string_view text, MessageIcon icon)
{
    // The program holds no title of its own: the box is titled as the
    // program file is named, without its extension.
    const QString title = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    QMessageBox box(boxIcon(icon), title, fromUtf8(text), QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
