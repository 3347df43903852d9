#pragma once
#include <QObject>

class TestAvailability : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void recordCounts();
    void replyKindsShareTheirRequestsFlags();
    void extraKinds();
    void radioTestsOnlyForModel2();
    void model0Windows();
    void model1Window();
    void model2Window();
    void malformedVersions_data();
    void malformedVersions();
    void unknownModels();
    void intervalTimerOnlyOnModel0();
    void pageControls();
    void windowBounds();
};
