#include "TestListWidgetBase.h"
#include "TestLogWidget.h"
#include "TestMessageBox.h"
#include "TestWidgetBase.h"

#include <QApplication>
#include <QtTest>

int main(int argc, char** argv)
{
    QApplication clApp(argc, argv);
    int lFailed = 0;
    {
        TestWidgetBase clTest;
        lFailed += QTest::qExec(&clTest, argc, argv);
    }
    {
        TestMessageBox clTest;
        lFailed += QTest::qExec(&clTest, argc, argv);
    }
    {
        TestLogWidget clTest;
        lFailed += QTest::qExec(&clTest, argc, argv);
    }
    {
        TestListWidgetBase clTest;
        lFailed += QTest::qExec(&clTest, argc, argv);
    }
    return lFailed == 0 ? 0 : 1;
}
