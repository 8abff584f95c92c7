#include "GuiTest.h"

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cmath>

namespace {

// Where a control belongs: dialog units at 1.5 pixels, edges rounded up.
QRect pixelsOf(const DialogRect& rect)
{
    const auto edge = [](int units) { return static_cast<int>(std::ceil(units * 1.5)); };
    return QRect(QPoint(edge(rect.x), edge(rect.y)),
                 QPoint(edge(rect.x + rect.width) - 1, edge(rect.y + rect.height) - 1));
}

QString text(std::string_view utf8) { return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())); }

// Contrast of two colours as the accessibility guidelines define it.
double contrast(QColor a, QColor b)
{
    const auto luminance = [](QColor c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

// The window as the key table lays it out, and what only its pixels and
// its accessibility interface show; what the keys do is in the traces.
class WindowTest final : public QObject {
    Q_OBJECT

private slots:
    void init() { scratch_ = std::make_unique<ScratchDirectory>(); }
    void cleanup()
    {
        qApp->setStyleSheet({});
        scratch_.reset();
    }

    void controlsFollowTheTable();
    void windowIsAFixedUnitConverter();
    void rateKeyCaptionSurvivesAStyleSheet();
    void focusFrameStandsOut();

private:
    std::unique_ptr<ScratchDirectory> scratch_;
};

void WindowTest::controlsFollowTheTable()
{
    QuibraWindow window;
    QList<QWidget*> controls;
    for (const KeySpec& spec : allKeys()) {
        auto* key = window.findChild<QPushButton*>(text(spec.name));
        QCOMPARE(key->text(), text(spec.caption));
        QCOMPARE(key->property(controlIdProperty).toInt(), spec.controlId);
        QCOMPARE(key->geometry(), pixelsOf(spec.rect));
        QCOMPARE(key->accessibleName(), text(spec.accessibleName));
        QVERIFY(key->accessibleDescription().startsWith(QStringLiteral("キーボード: ")));
        QCOMPARE(key->toolTip(), key->accessibleDescription());
        controls << key;
    }
    // A few by hand, against a slip in the table or in the conversion.
    QCOMPARE(window.findChild<QWidget*>("equalsKey")->geometry(), QRect(116, 270, 66, 26));
    QCOMPARE(window.findChild<QWidget*>("backKey")->toolTip(),
             QStringLiteral("キーボード: →, ', BackSpace, フォーカスして Ctrl+Enter"));
    for (const auto& [name, id, rect] : {std::tuple{"display", displayControlId, displayRect},
                                         std::tuple{"rateBox", rateBoxControlId, rateBoxRect}}) {
        auto* field = window.findChild<QLineEdit*>(QLatin1String(name));
        QCOMPARE(field->property(controlIdProperty).toInt(), id);
        QCOMPARE(field->geometry(), pixelsOf(rect));
        QVERIFY(field->isReadOnly() && field->hasFrame());
        QCOMPARE(field->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        controls << field;
    }
    auto* icon = window.findChild<QLabel*>();
    QCOMPARE(icon->geometry(), pixelsOf(iconRect));
    QVERIFY(!icon->pixmap().isNull() && !icon->accessibleName().isEmpty());
    controls << icon;

    QCOMPARE(controls.size(), 44);
    for (qsizetype i = 0; i < controls.size(); ++i) {
        QVERIFY(window.rect().contains(controls[i]->geometry()));
        for (qsizetype j = i + 1; j < controls.size(); ++j)
            QVERIFY2(!controls[i]->geometry().intersects(controls[j]->geometry()),
                     qPrintable(controls[i]->objectName() + " overlaps " + controls[j]->objectName()));
    }
}

void WindowTest::windowIsAFixedUnitConverter()
{
    writeFile("rate.dat", "110.5");
    const auto window = openWindow();
    QCOMPARE(window->windowTitle(), QStringLiteral("Unit Converter"));
    QCOMPARE(window->accessibleName(), QStringLiteral("単位換算"));
    QCOMPARE(window->size(), QSize(189, 308));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    const Qt::WindowFlags flags = window->windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Window); // a taskbar entry of its own
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!window->windowIcon().isNull());
    // The first face of each list that is installed: IPAPGothic and Comic Neue on Debian.
    QCOMPARE(QFontInfo(window->font()).family(), QStringLiteral("IPAPGothic"));
    QCOMPARE(window->font().pointSize(), 9);
    auto* display = window->findChild<QLineEdit*>("display");
    QCOMPARE(QFontInfo(display->font()).family(), QStringLiteral("Comic Neue"));
    QCOMPARE(display->text(), QStringLiteral("0."));
    QCOMPARE(window->findChild<QLineEdit*>("rateBox")->text(), QStringLiteral("110.5"));
    QCOMPARE(QAccessible::queryAccessibleInterface(display)->text(QAccessible::Name),
             QStringLiteral("表示"));
}

void WindowTest::rateKeyCaptionSurvivesAStyleSheet()
{
    // A theme's or a user's rule for every widget: the Rate key's edge must
    // not cover its caption. Its pixels are compared with the bare key's.
    const auto window = openWindow();
    auto* rate = window->findChild<QPushButton*>("rateKey");
    qApp->setStyleSheet(QStringLiteral("QWidget { background: white; color: black; }"));
    const QImage styled = rate->grab().toImage();
    int dark = 0;
    for (int y = 4; y < styled.height() - 4; ++y)
        for (int x = 4; x < styled.width() - 4; ++x)
            dark += qGray(styled.pixel(x, y)) < 128;
    QVERIFY2(dark > 20, qPrintable(QStringLiteral("%1 caption pixels").arg(dark)));
}

void WindowTest::focusFrameStandsOut()
{
    const auto window = openWindow();
    auto* key = window->findChild<QPushButton*>("key5");
    const QImage plain = key->grab().toImage();
    key->setFocus();
    const QImage focused = key->grab().toImage();
    // Along the middle row, from the edge inwards: where the focused key
    // differs, its frame must stand out from the key's own pixels there.
    const int y = plain.height() / 2;
    double best = 1;
    for (int x = 0; x < plain.width() / 3; ++x)
        best = std::max(best, contrast(plain.pixelColor(x, y), focused.pixelColor(x, y)));
    QVERIFY2(best >= 3, qPrintable(QStringLiteral("contrast %1").arg(best)));
}

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
