#include "platform/toggle.h"
#include "support/testmain.h"
#include "ui/widgets/binding.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QSignalSpy>

using namespace tintmill;

class TestBinding : public QObject
{
    Q_OBJECT

private slots:
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

TINTMILL_TEST_MAIN(TestBinding)
#include "tst_binding.moc"
