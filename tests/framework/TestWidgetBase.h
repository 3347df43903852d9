#pragma once
#include <QObject>

class TestWidgetBase : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void sendStampsKindAndSender();
    void reloadTwiceWithinGuardQueriesOnce();
    void appliedShownOnceAfterLastCompletion_data();
    void appliedShownOnceAfterLastCompletion();
    void failedSetSuppressesApplied();
    void completionWithoutApplyChangesNothing();
    void pollingFailuresShowOneBox();
    void userActionAllowsNewBox();
    void errorTexts_data();
    void errorTexts();
    void englishCatalogueWording();
    void delayedSendGoesOutOnceLater();
    void hiddenPageDoesNotPoll();
    void attachConnectsAndDetachUndoes();
    void detachDropsUnfinishedApply();
    void mouseEventsOfFilteredObjectGoToPage();

private:
    QStringList lstBoxTexts;
};
