#pragma once
#include <QObject>

class TestPacket : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void requestLayout();
    void shortResponseReadsZeros();
    void statusReplacesRequestCode();
    void switchEncoding();
    void explicitSequenceKept();
};
