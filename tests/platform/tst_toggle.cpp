#include "platform/toggle.h"
#include "support/testmain.h"
#include "ui/widgets/binding.h"

#include <QCheckBox>
#include <QRadioButton>
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

    void checkBoxMirrorsAndDrivesItsToggle()
    {
        Toggle toggle(true);
        QCheckBox box;
        bindToggle(&box, toggle);
        QVERIFY(box.isChecked());
        toggle.setEnabled(false);
        QVERIFY(!box.isEnabled());
        toggle.setEnabled(true);
        box.click();
        QVERIFY(!toggle.isChecked());
        toggle.setChecked(true);
        QVERIFY(box.isChecked());
    }

    void optionButtonsMirrorAndDriveTheirGroup()
    {
        OptionGroup group(2);
        QWidget parent;
        auto *first = new QRadioButton(&parent);
        auto *second = new QRadioButton(&parent);
        bindOptionGroup({first, second}, group);
        QVERIFY(first->isChecked());
        second->click();
        QCOMPARE(group.selected(), 1);
        group.setEnabled(0, false);
        QVERIFY(!first->isEnabled());
        group.select(0);
        QVERIFY(first->isChecked());
        QVERIFY(!second->isChecked());
    }
};

TINTMILL_TEST_MAIN(TestToggle)
#include "tst_toggle.moc"
