#include "editor/startup.h"
#include "support/librarytestmain.h"

#include <stdexcept>

using namespace tintmill;

namespace {

// Records the steps as they run; can be told to fail at one of them.
class RecordingSteps final : public StartupSteps
{
public:
    QStringList ran;
    QString failAt;

    void setTabOrder() override { step("tab order"); }
    void setPageColorCaptions() override { step("captions"); }
    void clearOpenAndRememberedFlags() override { step("flags"); }
    void resetListScrolling() override { step("scrolling"); }
    void setGeneratorOptions() override { step("generator options"); }
    void updateBlockSwatch() override { step("swatch"); }
    void disableTextareaOptions() override { step("textarea options"); }
    void setScrollbarDefaults() override { step("scrollbar defaults"); }
    void writePreviewPage() override { step("preview page"); }
    void enablePreviewRefresh() override { step("preview refresh"); }
    void readSettings() override { step("settings"); }

private:
    void step(const QString &name)
    {
        if (name == failAt)
            throw std::runtime_error("step failed");
        ran.append(name);
    }
};

const QStringList allSteps{"tab order",
                           "captions",
                           "flags",
                           "scrolling",
                           "generator options",
                           "swatch",
                           "textarea options",
                           "scrollbar defaults",
                           "preview page",
                           "preview refresh",
                           "settings"};

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void runsEveryStepInOrder()
    {
        RecordingSteps steps;
        QCOMPARE(runStartup(steps), 11);
        QCOMPARE(steps.ran, allSteps);
    }

    void aFailingStepEndsStartupQuietly()
    {
        RecordingSteps steps;
        steps.failAt = QStringLiteral("scrolling");
        QCOMPARE(runStartup(steps), 3);
        QCOMPARE(steps.ran, allSteps.mid(0, 3));
    }

    void aFailingSettingsReadSkipsNothingElse()
    {
        RecordingSteps steps;
        steps.failAt = QStringLiteral("settings");
        QCOMPARE(runStartup(steps), 10);
        QCOMPARE(steps.ran, allSteps.mid(0, 10));
    }
};

TINTMILL_LIBRARY_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
