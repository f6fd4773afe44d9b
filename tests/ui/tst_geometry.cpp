#include "support/colorfilewindow.h"
#include "support/mainwindowfixture.h"
#include "support/panes.h"
#include "support/testmain.h"

#include <QAbstractScrollArea>
#include <QDialog>
#include <QDockWidget>
#include <QFile>
#include <QMap>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <functional>

using namespace tintmill;
using test::ColorFileWindow;
using test::MainWindowFixture;

namespace {

using Places = QMap<QString, QRect>;

// Qt's own parts of a widget (the scroll bars and headers of a scroll area,
// the tab strip and its scroll buttons) are placed by the style, not by us,
// and differ between styles, so they have no rows.
bool isStylePlaced(const QWidget *widget)
{
    const QWidget *parent = widget->parentWidget();
    const auto *area = qobject_cast<const QAbstractScrollArea *>(parent);
    return qobject_cast<const QTabBar *>(widget) || qobject_cast<const QTabBar *>(parent) ||
           (area && widget != area->viewport());
}

// A tab control's page stack and a scroll area's viewport (named "qt_...")
// only carry our widgets: those are placed in the stack's or viewport's parent.
bool isCarrier(const QWidget *widget)
{
    return widget->objectName().startsWith(QLatin1String("qt_"));
}

// An unnamed widget is found from its nearest named ancestor by the class and
// place among like siblings of each widget on the way.
QString key(const QWidget *widget, const QString &parentKey)
{
    const QString name = widget->objectName();
    if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")))
        return name;
    const char *className = widget->metaObject()->className();
    int index = 0;
    for (const QObject *sibling : widget->parent()->children()) {
        if (sibling == widget)
            break;
        if (sibling->isWidgetType() && qstrcmp(sibling->metaObject()->className(), className) == 0)
            ++index;
    }
    return QStringLiteral("%1/%2_%3").arg(parentKey, QLatin1String(className)).arg(index);
}

// Every widget in `parent` except other windows and Qt's own parts, each
// where it sits in its parent.
void collect(const QWidget *parent, const QString &parentKey, QPoint offset, Places &places)
{
    for (QObject *object : parent->children()) {
        auto *widget = qobject_cast<QWidget *>(object);
        if (!widget || widget->isWindow() || isStylePlaced(widget))
            continue;
        const QPoint at = offset + widget->pos();
        if (isCarrier(widget)) {
            collect(widget, parentKey, at, places);
            continue;
        }
        QString widgetKey = key(widget, parentKey);
        // A name given twice would make its row ambiguous: the second never matches.
        if (places.contains(widgetKey))
            widgetKey += QStringLiteral(" (again)");
        places.insert(widgetKey, QRect(at, widget->size()));
        collect(widget, widgetKey, QPoint(), places);
    }
}

Places expectedPlaces(const QString &window)
{
    Places places;
    QFile file(QStringLiteral(TINTMILL_GEOMETRY_TABLE));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return places;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        const QStringList f = line.split(QLatin1Char('\t'));
        if (line.startsWith(QLatin1Char('#')) || f.size() != 6 || f.at(0) != window)
            continue;
        places.insert(f.at(1),
                      QRect(f.at(2).toInt(), f.at(3).toInt(), f.at(4).toInt(), f.at(5).toInt()));
    }
    return places;
}

QString row(const QString &window, const QString &key, QRect r)
{
    return QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6")
        .arg(window, key)
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height());
}

// The main window, every page of both tab controls shown once so that each
// has been laid out, and one page file open for the overwrite dialog.
struct LaidOutWindow : ColorFileWindow
{
    LaidOutWindow()
    {
        for (QTabWidget *tabs : {&window->editorTabs(), &window->mainTabs()})
            for (int page = tabs->count() - 1; page >= 0; --page)
                tabs->setCurrentIndex(page);
        press("CmdOpen", pageFile(QStringLiteral("a.iro"), "a"));
    }

    // The places in `name`, which `open` brings up.
    Places placesIn(const QString &name, const std::function<void()> &open)
    {
        Places places;
        const auto take = [&](QWidget *shown) {
            QVERIFY2(shown, qPrintable(name));
            places.insert(name, QRect(QPoint(), shown->size()));
            collect(shown, name, QPoint(), places);
        };
        window->setRunDialog([&](QDialog &dialog) {
            dialog.show();
            take(&dialog);
        });
        QTimer::singleShot(0, window.get(), [&] {
            if (auto *modal = QApplication::activeModalWidget()) {
                take(modal);
                modal->close();
            }
        });
        open();
        if (places.isEmpty()) {
            auto *tool = window->findChild<QWidget *>(name);
            if (tool && QTest::qWaitForWindowExposed(tool))
                take(tool);
        }
        return places;
    }
};

} // namespace

class TestGeometry : public QObject
{
    Q_OBJECT

private slots:
    void everyWidgetSitsWhereDesigned_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("frmColor") << QStringLiteral("frmColor");
        QTest::newRow("frmOverW") << QStringLiteral("frmOverW");
        QTest::newRow("frmAbout") << QStringLiteral("frmAbout");
    }

    void everyWidgetSitsWhereDesigned()
    {
        QFETCH(QString, window);
        LaidOutWindow w;
        Places actual;
        if (window == QLatin1String("frmColor")) {
            actual.insert(window, QRect(QPoint(), w.window->size()));
            collect(w.window.get(), window, QPoint(), actual);
        } else {
            const QMap<QString, std::function<void()>> openers{
                {QStringLiteral("frmOverW"),
                 [&w] {
                     w.press("CmdOverW");
                 }},
                {QStringLiteral("frmAbout"),
                 [&w] {
                     w.find<QAction>("mnuVer")->trigger();
                 }},
            };
            actual = w.placesIn(window, openers.value(window));
        }
        QVERIFY(!actual.isEmpty());

        // Each difference is one line, in the table's own form.
        const Places expected = expectedPlaces(window);
        QStringList problems;
        for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
            if (!actual.contains(it.key()))
                problems << QStringLiteral("missing:  ") + row(window, it.key(), it.value());
            else if (actual.value(it.key()) != it.value())
                problems << QStringLiteral("expected: ") + row(window, it.key(), it.value())
                         << QStringLiteral("actual:   ") +
                                row(window, it.key(), actual.value(it.key()));
        }
        for (auto it = actual.cbegin(); it != actual.cend(); ++it)
            if (!expected.contains(it.key()))
                problems << QStringLiteral("unlisted: ") + row(window, it.key(), it.value());
        for (const QString &problem : std::as_const(problems))
            qInfo().noquote() << problem;
        QVERIFY2(problems.isEmpty(), "a widget is not where the table puts it (listed above)");
    }

    // A pane's parts are laid out by layouts that reflow to its width, so
    // they have no rows in the table: at its designed size and at its
    // narrowest, no part covers another or runs off the page.
    void panePartsNeitherOverlapNorRunOff_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("pane");
        QTest::addColumn<bool>("narrowest");
        for (const test::PaneRow &pane : test::panes()) {
            for (const bool narrowest : {false, true})
                QTest::addRow("%s %s", pane.pane, narrowest ? "narrowest" : "designed")
                    << pane.menuItem << pane.pane << narrowest;
        }
    }

    void panePartsNeitherOverlapNorRunOff()
    {
        QFETCH(QString, item);
        QFETCH(QString, pane);
        QFETCH(bool, narrowest);
        MainWindowFixture f;
        f.find<QAction>(item)->trigger();
        auto *dock = f.find<QDockWidget>(pane);
        QVERIFY(dock && dock->isVisible());
        auto *content = dock->findChild<QWidget *>(QStringLiteral("paneContent"));
        if (narrowest)
            f.window->resizeDocks({dock}, {1}, Qt::Horizontal);
        QCoreApplication::processEvents();
        // Squeezed, never narrower than its parts reflow to.
        QVERIFY(content->width() >= content->minimumSizeHint().width());

        // Every part shown, ours rather than the style's, where it is on the page.
        QList<const QWidget *> parts;
        for (const QWidget *widget : content->findChildren<QWidget *>()) {
            bool ours = widget->isVisibleTo(content) && !isCarrier(widget);
            for (const QWidget *up = widget; ours && up != content; up = up->parentWidget())
                ours = !isStylePlaced(up);
            if (ours)
                parts << widget;
        }
        const auto place = [content](const QWidget *widget) {
            return QRect(widget->mapTo(content, QPoint()), widget->size());
        };
        QStringList problems;
        for (const QWidget *one : std::as_const(parts)) {
            const QString name = one->metaObject()->className() + (u' ' + one->objectName());
            if (!content->rect().contains(place(one)))
                problems << name + QStringLiteral(" runs off the page");
            for (const QWidget *other : std::as_const(parts)) {
                if (std::less<>()(one, other) && !one->isAncestorOf(other) &&
                    !other->isAncestorOf(one) && place(one).intersects(place(other)))
                    problems << name + QStringLiteral(" covers ") + other->objectName();
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }
};

TINTMILL_TEST_MAIN(TestGeometry)
#include "tst_geometry.moc"
