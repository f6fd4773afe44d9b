#include "codegen/styleattribute.h"
#include "support/librarytestmain.h"

using namespace tintmill;

class TestStyleAttribute : public QObject
{
    Q_OBJECT

private slots:
    void wrapsDeclarations_data()
    {
        QTest::addColumn<bool>("space");
        QTest::addColumn<bool>("style");
        QTest::addColumn<bool>("single");
        QTest::addColumn<QString>("wrapped");
        QTest::newRow("double quotes") << false << true << false << "style=\"x;\"";
        QTest::newRow("single quotes") << false << true << true << "style='x;'";
        QTest::newRow("leading space") << true << true << false << " style=\"x;\"";
        QTest::newRow("bare list") << false << false << false << "x;";
        QTest::newRow("space only") << true << false << true << " x;";
    }

    void wrapsDeclarations()
    {
        QFETCH(bool, space);
        QFETCH(bool, style);
        QFETCH(bool, single);
        QFETCH(QString, wrapped);
        const auto wrap = styleAttributeWrap(space, style, single ? Quote::Single : Quote::Double);
        QCOMPARE(wrap.opening + QStringLiteral("x;") + wrap.closing, wrapped);
    }
};

TINTMILL_LIBRARY_TEST_MAIN(TestStyleAttribute)
#include "tst_styleattribute.moc"
