#include "platform/toggle.h"
#include "support/librarytestmain.h"

#include <QSignalSpy>

using namespace tintmill;

class TestToggle : public QObject
{
    Q_OBJECT

private slots:
    void settingFromCodeRunsTheClickOnlyOnAChange()
    {
        Toggle toggle;
        QSignalSpy clicks(&toggle, &Toggle::clicked);
        toggle.setChecked(false);
        QCOMPARE(clicks.count(), 0);
        toggle.setChecked(true);
        QCOMPARE(clicks.count(), 1);
        toggle.setEnabled(false); // enabling is not a click
        QCOMPARE(clicks.count(), 1);
    }

    void optionGroupReportsEveryClick()
    {
        OptionGroup group(3);
        QSignalSpy clicks(&group, &OptionGroup::clicked);
        QSignalSpy changes(&group, &OptionGroup::changed);
        group.select(0);
        group.select(2);
        QCOMPARE(clicks.count(), 2);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(group.selected(), 2);
        group.select(7); // no such option
        QCOMPARE(group.selected(), 2);
    }
};

TINTMILL_LIBRARY_TEST_MAIN(TestToggle)
#include "tst_toggle.moc"
