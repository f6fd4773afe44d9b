#include "editor/pagecoloreditor.h"
#include "editor/readabilitycheck.h"
#include "editor/viewoptions.h"
#include "support/librarytestmain.h"

#include <QSignalSpy>

using namespace tintmill;

class TestReadabilityCheck : public QObject
{
    Q_OBJECT

private slots:
    // Nothing to apply leaves the colours, the selection and the marks alone.
    void applyWithoutASuggestionChangesNothing_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<bool>("greyVisitedLink");
        QTest::newRow("before the first line") << -1 << false;
        // Black text fails on the blue block only; no text colour passes on
        // white and blue, and no background passes with black and grey.
        QTest::newRow("no web-safe colour passes") << 0 << true;
        QTest::newRow("past the last line") << 5 << false;
    }

    void applyWithoutASuggestionChangesNothing()
    {
        QFETCH(int, line);
        PageColorEditor editor;
        ViewOptions view;
        ReadabilityCheck check(editor, view);
        // As the workbench wires it: the check follows the colours.
        QObject::connect(&editor, &PageColorEditor::colorsChanged, &check,
                         &ReadabilityCheck::invalidate);
        editor.setSelectedRole(PageRole::VisitedLink);
        QFETCH(bool, greyVisitedLink);
        if (greyVisitedLink)
            editor.ColorChange(129); // #999999
        const QString before =
            greyVisitedLink ? QStringLiteral("FFFFFF000000FF00000000009999990000000000FF000000")
                            : QStringLiteral("FFFFFF000000FF00000000000000000000000000FF000000");
        QSignalSpy selected(&editor, &PageColorEditor::selectedRoleChanged);
        QSignalSpy files(&editor, &PageColorEditor::changedByHand);
        QVERIFY(!check.applySuggestion(line));
        QCOMPARE(editor.PageColorData(), before);
        QCOMPARE(selected.count(), 0);
        QCOMPARE(files.count(), 0);
    }
};

TINTMILL_LIBRARY_TEST_MAIN(TestReadabilityCheck)
#include "tst_readabilitycheck.moc"
