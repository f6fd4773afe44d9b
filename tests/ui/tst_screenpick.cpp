#include "support/colortext.h"
#include "support/testmain.h"
#include "ui/tools/nearest/x11screenpicker.h"

#include <QApplication>
#include <QSignalSpy>
#include <QWidget>

using namespace tintmill;
using test::rrggbb;

namespace {

QWidget *patch(const QColor &color, QWidget *parent)
{
    auto *widget = new QWidget(parent);
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    return widget;
}

QWidget *pickOverlay()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("frmScreenPick") && widget->isVisible())
            return widget;
    }
    return nullptr;
}

} // namespace

// Runs on an X server (Xvfb): the screen is really read.
class TestScreenPick : public QObject
{
    Q_OBJECT

private slots:
    void picksTheColourUnderThePointer_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QPoint>("point");
        // "#RRGGBB" picked, or "cancelled".
        QTest::addColumn<QString>("outcome");

        // The probe window spans x 100..299, y 100..199: #1E90FF left of
        // x 200, #FA8072 from x 200 on.
        QTest::newRow("left half") << "click" << QPoint(150, 150) << "#1E90FF";
        QTest::newRow("last pixel of the left half") << "click" << QPoint(199, 199) << "#1E90FF";
        QTest::newRow("first pixel of the right half") << "click" << QPoint(200, 100) << "#FA8072";
        QTest::newRow("Esc") << "escape" << QPoint(150, 150) << "cancelled";
        QTest::newRow("right button") << "right" << QPoint(150, 150) << "cancelled";
        QTest::newRow("given up by the program") << "cancel" << QPoint(150, 150) << "cancelled";
    }
    void picksTheColourUnderThePointer()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("reads an X server's screen; run under xvfb-run with QT_QPA_PLATFORM=xcb");
        QFETCH(QString, action);
        QFETCH(QPoint, point);

        QWidget probe(nullptr, Qt::FramelessWindowHint);
        probe.setGeometry(100, 100, 200, 100);
        patch(QColor(0x1E, 0x90, 0xFF), &probe)->setGeometry(0, 0, 100, 100);
        patch(QColor(0xFA, 0x80, 0x72), &probe)->setGeometry(100, 0, 100, 100);
        probe.show();
        QVERIFY(QTest::qWaitForWindowExposed(&probe));
        QCOMPARE(probe.geometry().topLeft(), QPoint(100, 100));
        // Until the X server has the window's pixels.
        QTest::qWait(200);

        X11ScreenPicker picker;
        QSignalSpy picked(&picker, &ScreenColorPicker::picked);
        QSignalSpy cancelled(&picker, &ScreenColorPicker::cancelled);
        picker.pick();
        QVERIFY(picker.isPicking());
        QWidget *overlay = pickOverlay();
        QVERIFY(overlay != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(overlay));
        QCOMPARE(overlay->mapToGlobal(QPoint(0, 0)), QPoint(0, 0));
        QTest::mouseMove(overlay, point);
        if (action == QLatin1String("click"))
            QTest::mouseClick(overlay, Qt::LeftButton, {}, point);
        else if (action == QLatin1String("right"))
            QTest::mouseClick(overlay, Qt::RightButton, {}, point);
        else if (action == QLatin1String("cancel"))
            picker.cancel();
        else
            QTest::keyClick(overlay, Qt::Key_Escape);

        QCOMPARE(picked.count() + cancelled.count(), 1);
        QVERIFY(!picker.isPicking());
        const QString outcome = picked.isEmpty()
                                    ? QStringLiteral("cancelled")
                                    : rrggbb(picked.first().first().value<ColorNumber>());
        QTEST(outcome, "outcome");
        if (!cancelled.isEmpty())
            QCOMPARE(cancelled.first().first().toString(), QString());
        QTRY_VERIFY(pickOverlay() == nullptr);
    }
};

TINTMILL_TEST_MAIN(TestScreenPick)
#include "tst_screenpick.moc"
