#pragma once
#include <QObject>

class TestCatalogue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyRowBuildsItsOwnClass();
    void namesAndKindsAreUnique();
    void fixedKindsKeepTheirValues();
    void valueCommandsAndOnlyThoseHaveReplyKinds();
    void setCodeIsGetCodePlus0x0800();
    void exchangesOfThePayloadCommands();
    void lookups();
    void numberAndSwitchArguments();
    void switchRepliesAreOnlyTrueForTwo();
    void replyValueTypes_data();
    void replyValueTypes();
    void wideStorageValues();
    void factoryCheckDefaults_data();
    void factoryCheckDefaults();
    void radioStartAndEndShareTheirCode();
    void multiValueCommands();
    void valueReplyKeepsTheRequestKeys();
};
