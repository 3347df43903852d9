#pragma once
#include <QObject>

class TestListWidgetBase : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstPageBecomesCurrent();
    void iconsNormalAndSelected();
    void pressingRowMovesAttachment();
    void detachedContainerOnlySwitches();
    void removingShownPageAttachesNext();
    void cameraInfoReachesEveryPage();
};
