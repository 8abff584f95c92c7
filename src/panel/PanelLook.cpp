// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PanelLook.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPainter>
#include <QResource>
#include <QStyle>

#include <cstring>

namespace {

// The faces of a list that are installed, in its order; the whole list when
// none is. Qt looks a face that is not installed up through fontconfig's
// substitutions, which at start-up cost more than the rest of the window.
QStringList installedFamilies(const QStringList& wanted)
{
    const QStringList installed = QFontDatabase::families();
    QStringList found;
    for (const QString& family : wanted)
        if (installed.contains(family, Qt::CaseInsensitive))
            found << family;
    return found.isEmpty() ? wanted : found;
}

} // namespace

QFont dialogFont()
{
    QFont font;
    font.setFamilies(installedFamilies({QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"),
                                        QStringLiteral("Noto Sans CJK JP")}));
    font.setPointSize(9);
    font.setWeight(QFont::Normal);
    return font;
}

QFont displayFont()
{
    QFont font;
    font.setFamilies(
        installedFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")}));
    return font;
}

namespace {

// Raw pixels: decoding a PNG would have Qt scan and load its image-format
// plugins at start-up.
QImage iconImage(const QString& path, int size)
{
    QImage image(size, size, QImage::Format_RGBA8888);
    const QByteArray pixels = QResource(path).uncompressedData();
    if (pixels.size() != image.sizeInBytes())
        return {};
    std::memcpy(image.bits(), pixels.constData(), static_cast<std::size_t>(pixels.size()));
    return image;
}

// Each size compiled in as NAME-SIZE.rgba. QIcon takes the smallest that is
// as large as a request, and scales it down smoothly.
QIcon compiledInIcon(const QString& name)
{
    QIcon icon;
    const QDir icons(QStringLiteral(":/icons"));
    for (const QString& file : icons.entryList({name + QStringLiteral("-*.rgba")})) {
        const int size = file.sliced(name.size() + 1).chopped(5).toInt();
        icon.addPixmap(QPixmap::fromImage(iconImage(icons.filePath(file), size)));
    }
    return icon;
}

} // namespace

QIcon applicationIcon() { return compiledInIcon(QStringLiteral("quibra")); }

QIcon helpIcon() { return compiledInIcon(QStringLiteral("help")); }

IconLabel::IconLabel(const QIcon& icon, QSize size, QWidget* parent)
    : QLabel(parent)
    , icon_(icon)
    , size_(size)
{
    // The label's own pixmap is never shown; it makes the label a picture
    // to screen readers.
    setPixmap(icon.pixmap(size));
}

void IconLabel::paintEvent(QPaintEvent*)
{
    // The ratio asked for at every paint: a window moved to a screen of
    // another scale, or whose screen changed its scale, is painted anew.
    QPainter painter(this);
    style()->drawItemPixmap(&painter, contentsRect(), int(alignment()),
                            icon_.pixmap(size_, devicePixelRatioF()));
}

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

void showMessageBox(QWidget* parent, const QString& text, MessageIcon icon)
{
    // The program holds no title of its own: the box is titled as the
    // program file is named, without its extension.
    const QString title = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Qt 6.8 has the box reach a screen reader before its text does: Orca 48
    // says only "alert" and the title. As the box's description, the text is
    // said with them.
    box.setAccessibleDescription(box.text());
#endif
    box.exec();
}
