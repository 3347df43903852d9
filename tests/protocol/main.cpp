#include <QCoreApplication>
#include <QLoggingCategory>
#include <QtTest>

#include "TestAvailability.h"
#include "TestCatalogue.h"
#include "TestPacket.h"
#include "TestPayload.h"

int main(int argc, char** argv)
{
    QCoreApplication clApp(argc, argv);
    // The picture that must not decode makes the JPEG reader complain; that is expected.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio.jpeg=false"));
    int lFailed = 0;
    {
        TestPacket clTest;
        lFailed += QTest::qExec(&clTest, argc, argv);
    }
    {
        TestCatalogue clTest;
        lFailed += QTest::qExec(&clTest, argc, argv);
    }
    {
        TestPayload clTest;
        lFailed += QTest::qExec(&clTest, argc, argv);
    }
    {
        TestAvailability clTest;
        lFailed += QTest::qExec(&clTest, argc, argv);
    }
    return lFailed == 0 ? 0 : 1;
}
