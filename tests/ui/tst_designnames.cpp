#include "support/colorfilewindow.h"
#include "support/panes.h"
#include "support/testmain.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QRegularExpression>
#include <QTimer>

using namespace tintmill;
using test::ColorFileWindow;

namespace {

// Every object name set in `root`'s tree, a control array's elements by the
// array's name. Qt names parts of its own too: "qt_…", a tab bar's scroll
// buttons and a layout of its dialogs; those are not ours.
void collectNames(const QObject &root, QSet<QString> &names)
{
    static const QRegularExpression element(QStringLiteral("_\\d+$"));
    static const QStringList qtsOwn{QStringLiteral("ScrollLeftButton"),
                                    QStringLiteral("ScrollRightButton"), QStringLiteral("_layout")};
    for (const QObject *object : root.findChildren<QObject *>()) {
        QString name = object->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || qtsOwn.contains(name))
            continue;
        names.insert(name.remove(element));
    }
}

} // namespace

// docs/design-names.md lists every name the windows give their controls, so
// that a name in a report leads to its code: a name added without a row
// there fails here.
class TestDesignNames : public QObject
{
    Q_OBJECT

private slots:
    void everyObjectNameIsListed()
    {
        QFile list(QStringLiteral(TINTMILL_DESIGN_NAMES));
        QVERIFY(list.open(QIODevice::ReadOnly));
        const QString listed = QString::fromUtf8(list.readAll());

        ColorFileWindow w;
        QSet<QString> names{w.window->objectName()};
        for (const test::PaneRow &pane : test::panes())
            w.find<QAction>(QString::fromLatin1(pane.menuItem))->trigger();
        collectNames(*w.window, names);
        // The two dialogs, while each is open.
        w.press("CmdOpen", w.pageFile(QStringLiteral("a.iro"), "a"));
        w.window->setRunDialog([&names](QDialog &dialog) {
            names.insert(dialog.objectName());
            collectNames(dialog, names);
        });
        w.press("CmdOverW");
        QTimer::singleShot(0, w.window.get(), [&names] {
            QWidget *about = QApplication::activeModalWidget();
            QVERIFY(about);
            names.insert(about->objectName());
            collectNames(*about, names);
            about->close();
        });
        w.find<QAction>(QStringLiteral("mnuVer"))->trigger();

        QStringList missing;
        for (const QString &name : std::as_const(names)) {
            if (!listed.contains(u'`' + name + u'`'))
                missing << name;
        }
        missing.sort();
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
    }
};

TINTMILL_TEST_MAIN(TestDesignNames)
#include "tst_designnames.moc"
