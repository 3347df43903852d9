#include "TestPacket.h"

#include <QtTest>

#include "ClTovuCommand.h"

void TestPacket::requestLayout()
{
    const ClTovuCommand clCommand(0x5003);
    const QByteArray clBytes = clCommand.toByteArray();
    QCOMPARE(clBytes.size(), 32);
    QByteArray clExpected = QByteArray::fromHex("0000");
    clExpected.append(char(clCommand.sequence() & 0xFF));
    clExpected.append(char(clCommand.sequence() >> 8));
    clExpected.append(QByteArray::fromHex("20000000" "0350" "0000"));
    clExpected.append(QByteArray(20, '\0'));
    QCOMPARE(clBytes.toHex(), clExpected.toHex());
}

void TestPacket::shortResponseReadsZeros()
{
    ClTovuCommand clCommand(0x5003, 7, 7, 7, 7, 7);
    // type 0, sequence 0x1234, size 12, status 0, pad, and nothing more
    clCommand.fromByteArray(QByteArray::fromHex("0000" "3412" "0c000000" "0000" "0000"));
    QCOMPARE(clCommand.sequence(), quint16(0x1234));
    QCOMPARE(clCommand.size(), quint32(12));
    QCOMPARE(clCommand.code(), quint16(0));
    QCOMPARE(clCommand.param1(), 0u);
    QCOMPARE(clCommand.param5(), 0u);

    // A field cut in half reads as zero too, never as a partial value.
    clCommand.fromByteArray(QByteArray::fromHex("0000" "3412" "20000000" "0000" "0000" "ffff"));
    QCOMPARE(clCommand.param1(), 0u);
    clCommand.fromByteArray(QByteArray());
    QCOMPARE(clCommand.sequence(), quint16(0));
}

void TestPacket::statusReplacesRequestCode()
{
    ClTovuCommand clCommand(0x5003);
    QByteArray clResponse = clCommand.toByteArray();
    clResponse[8] = 0x03;
    clResponse[9] = 0x00;
    clResponse[12] = 0x05;
    clCommand.fromByteArray(clResponse);
    QCOMPARE(clCommand.code(), quint16(3));
    QCOMPARE(clCommand.param1(), 5u);
}

void TestPacket::switchEncoding()
{
    const ClTovuCommand clCommand;
    QCOMPARE(clCommand.onOffValue(true), 2u);
    QCOMPARE(clCommand.onOffValue(false), 1u);
    QVERIFY(clCommand.isOn(2));
    QVERIFY(!clCommand.isOn(1));
    QVERIFY(!clCommand.isOn(0));
    QVERIFY(!clCommand.isOn(3));
}

void TestPacket::explicitSequenceKept()
{
    const ClTovuCommand clData(0, 0, 0, 0, 0, 0, 0xBEEF, 2, 40);
    QCOMPARE(clData.sequence(), quint16(0xBEEF));
    QCOMPARE(clData.type(), quint16(2));
    QCOMPARE(clData.toByteArray().mid(4, 4).toHex(), QByteArray("28000000"));
}
