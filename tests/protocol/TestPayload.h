#pragma once
#include <QObject>

class TestPayload : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textRequestLayout();
    void emptyTextSendsThePlainPacket();
    void textResponses();
    void textLengthBeyondThePacket();
    void streamPassword();
    void dateTexts();
    void gpsInformation();
    void ipv4BothWays();
    void ipv4MalformedTexts();
    void dateAndTimePacking();
    void pictureSizes();
    void countryCodes();
    void wifiJoinRequest();
    void radioTests();
    void dataToCamera();
    void dataCollection();
    void dataCollectionRefusesAWrongHead();
    void dataCollectionTrustsNoLength();
    void blockReplies();
    void wifiStateExchange();
    void listTextPacketLengthsBeyondThePacket();
    void accesspointList();
    void accesspointListBoundsTheEntryCount();
    void scheduleList();
    void scheduleTimes();
    void metaTypes();
};
