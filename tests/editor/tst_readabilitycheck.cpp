#include "editor/pagecoloreditor.h"
#include "editor/readabilitycheck.h"
#include "editor/viewoptions.h"
#include "support/testmain.h"

#include <QSignalSpy>

using namespace tintmill;

namespace {
const QString startupData = QStringLiteral("FFFFFF000000FF00000000000000000000000000FF000000");
} // namespace

class TestReadabilityCheck : public QObject
{
    Q_OBJECT

private slots:
    // Nothing to apply leaves the colours, the selection and the marks alone.
    void applyWithoutASuggestionChangesNothing_data()
    {
        QTest::addColumn<int>("line");
        QTest::newRow("before the first line") << -1;
        QTest::newRow("no web-safe colour passes") << 0;
        QTest::newRow("past the last line") << 5;
    }

    void applyWithoutASuggestionChangesNothing()
    {
        QFETCH(int, line);
        PageColorEditor editor;
        ViewOptions view;
        ReadabilityCheck check(editor, view);
        editor.setSelectedRole(PageRole::VisitedLink);
        QSignalSpy selected(&editor, &PageColorEditor::selectedRoleChanged);
        QSignalSpy files(&editor, &PageColorEditor::fileHighlightClearRequested);
        QVERIFY(!check.applySuggestion(line));
        QCOMPARE(editor.PageColorData(), startupData);
        QCOMPARE(selected.count(), 0);
        QCOMPARE(files.count(), 0);
    }
};

TINTMILL_TEST_MAIN(TestReadabilityCheck)
#include "tst_readabilitycheck.moc"
