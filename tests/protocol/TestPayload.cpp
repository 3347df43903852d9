#include "TestPayload.h"

#include <QBuffer>
#include <QImage>
#include <QtTest>

#include "ClCommandCatalogue.h"
#include "ClResultCode.h"
#include "ClTovuCommandDataReceive.h"
#include "ClTovuCommands.h"
#include "ClTovuCommandWifiInfo1.h"
#include "CommandTestSupport.h"

using namespace CommandTestSupport;

namespace {
const QString strKey2 = QStringLiteral("PARAM2");

// A text response: head, length, the given bytes, then param3..param5.
QByteArray textResponse(quint16 usSequence, quint32 ulLength, const QByteArray& clText, quint32 ulP3 = 0,
                        quint32 ulP4 = 0, quint32 ulP5 = 0)
{
    return head(usSequence, quint32(clText.size() + 28)) + le32(ulLength) + clText + le32(ulP3) + le32(ulP4) +
           le32(ulP5);
}

QByteArray twoTextPacket(quint16 usSequence, quint32 ulP1, const QByteArray& clFirst, const QByteArray& clSecond,
                         quint16 usStatus = 0)
{
    return head(usSequence, quint32(24 + clFirst.size() + clSecond.size()), usStatus) + le32(ulP1) +
           le32(quint32(clFirst.size())) + clFirst + le32(quint32(clSecond.size())) + clSecond;
}

QByteArray plainPacket(quint16 usSequence, quint32 ulP1, quint32 ulP2 = 0, quint32 ulP3 = 0, quint32 ulP4 = 0,
                       quint32 ulP5 = 0, quint16 usStatus = 0)
{
    return head(usSequence, 32, usStatus) + le32(ulP1) + le32(ulP2) + le32(ulP3) + le32(ulP4) + le32(ulP5);
}

QByteArray hhmm(const char* pszDigits)
{
    return QByteArray(pszDigits, 4);
}

PV_CMD reply(const ClTovuCommand& clCommand, quint16* pusResult = nullptr)
{
    PV_CMD clReply;
    const quint16 usResult = clCommand.writeReply(clReply);
    if (pusResult)
        *pusResult = usResult;
    return clReply;
}

QByteArray encoded(const QImage& clImage, const char* pszFormat)
{
    QByteArray clBytes;
    QBuffer clBuffer(&clBytes);
    clBuffer.open(QIODevice::WriteOnly);
    clImage.save(&clBuffer, pszFormat);
    return clBytes;
}
}  // namespace

void TestPayload::textRequestLayout()
{
    const ClTovuCommandSetCameraName clCommand(envelope(QStringLiteral("cam")));
    const QByteArray clBytes = clCommand.toByteArray();
    QCOMPARE(clBytes.size(), 31);
    QCOMPARE(clCommand.size(), 31u);
    const QByteArray clExpected = head(clCommand.sequence(), 31) + le32(3) + "cam" + QByteArray(12, '\0');
    QCOMPARE(clBytes.left(8).toHex(), clExpected.left(8).toHex());
    QCOMPARE(u16At(clBytes, 8), quint16(0x5830));
    QCOMPARE(clBytes.mid(10).toHex(), clExpected.mid(10).toHex());

    // The length counts UTF-8 bytes, not characters.
    const ClTovuCommandSetSsid clUnicode(envelope(QStringLiteral("caf\u00e9")));
    QCOMPARE(clUnicode.param1(), 5u);
    QCOMPARE(clUnicode.toByteArray().size(), 33);
    QCOMPARE(clUnicode.toByteArray().mid(16, 5), QByteArray("caf\xc3\xa9"));
}

void TestPayload::emptyTextSendsThePlainPacket()
{
    const ClTovuCommandSetCameraName clCommand(envelope(QString()));
    const QByteArray clBytes = clCommand.toByteArray();
    QCOMPARE(clBytes.size(), 32);
    QCOMPARE(u32At(clBytes, 4), 32u);
    QCOMPARE(clBytes.mid(12), QByteArray(20, '\0'));
    QCOMPARE(ClTovuCommandGetCameraName().toByteArray().size(), 32);
}

void TestPayload::textResponses()
{
    ClTovuCommandGetCameraName clCommand;
    clCommand.fromByteArray(textResponse(clCommand.sequence(), 6, QByteArray("ab\0xyz", 6), 7, 8, 9));
    QCOMPARE(clCommand.text(), QStringLiteral("ab"));
    QCOMPARE(clCommand.param1(), 6u);
    QCOMPARE(clCommand.param3(), 7u);
    QCOMPARE(clCommand.param5(), 9u);
    QCOMPARE(reply(clCommand).value(strKey2), QVariant(QStringLiteral("ab")));

    clCommand.fromByteArray(textResponse(clCommand.sequence(), 3, "h\xc3\xa9"));
    QCOMPARE(clCommand.text(), QStringLiteral("h\u00e9"));

    // Length 0: the plain layout, param2 included, and no stale text.
    clCommand.fromByteArray(plainPacket(clCommand.sequence(), 0, 2, 3, 4, 5));
    QCOMPARE(clCommand.text(), QString());
    QCOMPARE(clCommand.param2(), 2u);
    QCOMPARE(clCommand.param5(), 5u);
}

void TestPayload::textLengthBeyondThePacket()
{
    ClTovuCommandGetSerialNo clCommand;
    // A length of 4 GiB with three bytes behind it: the three bytes, nothing read beyond.
    clCommand.fromByteArray(head(clCommand.sequence(), 32) + le32(0xFFFFFFFF) + "abc");
    QCOMPARE(clCommand.text(), QStringLiteral("abc"));
    QCOMPARE(clCommand.param3(), 0u);
    QCOMPARE(clCommand.param5(), 0u);

    clCommand.fromByteArray(head(clCommand.sequence(), 32) + le32(1000) + "serial-1");
    QCOMPARE(clCommand.text(), QStringLiteral("serial-1"));
    // Cut inside the length itself.
    clCommand.fromByteArray(head(clCommand.sequence(), 32) + QByteArray("\x05\x00", 2));
    QCOMPARE(clCommand.text(), QString());
}

void TestPayload::streamPassword()
{
    const ClTovuCommandSetStreamAuthorizationPassword clSet(envelope(QStringLiteral("pass\u00e4")));
    QCOMPARE(clSet.text(), QStringLiteral("cGFzc+Q="));
    QCOMPARE(clSet.param1(), 8u);
    QCOMPARE(clSet.toByteArray().mid(16, 8), QByteArray("cGFzc+Q="));

    ClTovuCommandGetStreamAuthorizationPassword clGet;
    clGet.fromByteArray(textResponse(clGet.sequence(), 8, "cGFzc+Q="));
    QCOMPARE(reply(clGet).value(strKey2), QVariant(QStringLiteral("pass\u00e4")));
    // The decoded bytes end at their first zero byte.
    clGet.fromByteArray(textResponse(clGet.sequence(), 4, QByteArray("a\0b", 3).toBase64()));
    QCOMPARE(clGet.password(), QStringLiteral("a"));
}

void TestPayload::dateTexts()
{
    const QDateTime dtCreated(QDate(2014, 3, 5), QTime(7, 8, 9));
    QCOMPARE(ClTovuCommandSetCreateDay(envelope(dtCreated)).text(), QStringLiteral("2014/03/05 07:08:09"));
    const QDateTime dtNow = QDateTime::currentDateTime();
    const QDateTime dtSent = QDateTime::fromString(ClTovuCommandSetCreateDay(envelope()).text(),
                                                   QStringLiteral("yyyy/MM/dd hh:mm:ss"));
    QVERIFY(qAbs(dtSent.secsTo(dtNow)) <= 2);

    ClTovuCommandGetCreateDay clCreated;
    clCreated.fromByteArray(textResponse(clCreated.sequence(), 19, "2014/03/05 07:08:09"));
    QCOMPARE(reply(clCreated).value(strKey2).toDateTime(), dtCreated);

    ClTovuCommandGetUpdateSetting clUpdate;
    clUpdate.fromByteArray(textResponse(clUpdate.sequence(), 19, "2020/01/02T03:04:05"));
    QCOMPARE(reply(clUpdate).value(strKey2).toDateTime(), QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5)));
    clUpdate.fromByteArray(textResponse(clUpdate.sequence(), 5, "never"));
    QVERIFY(!reply(clUpdate).value(strKey2).toDateTime().isValid());
}

void TestPayload::gpsInformation()
{
    ClTovuCommandGetGpsInfo clCommand(envelope(3));
    QCOMPARE(clCommand.param1(), 3u);
    QCOMPARE(clCommand.toByteArray().size(), 32);
    clCommand.fromByteArray(textResponse(clCommand.sequence(), 9, "35.6N,139"));
    PV_CMD clReply = envelope(3);
    clCommand.writeReply(clReply);
    QCOMPARE(clReply.value(strKey2), QVariant(3));
    QCOMPARE(clReply.value(QStringLiteral("PARAM3")), QVariant(QStringLiteral("35.6N,139")));
}

void TestPayload::ipv4BothWays()
{
    const ClTovuCommandSetInfraAddress clSet(envelope(QStringLiteral("192.168.0.10")));
    QCOMPARE(clSet.param1(), 0xC0A8000Au);
    QCOMPARE(u32At(clSet.toByteArray(), 12), 0xC0A8000Au);

    ClTovuCommandGetInfraAddress clGet;
    clGet.fromByteArray(plainPacket(clGet.sequence(), 0xC0A8000A));
    QCOMPARE(reply(clGet).value(strKey2), QVariant(QStringLiteral("192.168.0.10")));
    QCOMPARE(ClTovuCommandIpv4::toText(0xFFFFFF00), QStringLiteral("255.255.255.0"));
}

void TestPayload::ipv4MalformedTexts()
{
    QCOMPARE(ClTovuCommandIpv4::fromText(QStringLiteral("1.2.3")), 0x01020300u);
    QCOMPARE(ClTovuCommandIpv4::fromText(QStringLiteral("a.b.c.d")), 0u);
    QCOMPARE(ClTovuCommandIpv4::fromText(QStringLiteral("")), 0u);
    // Neither a part beyond 255 nor a fifth part may change the other bytes.
    QCOMPARE(ClTovuCommandIpv4::fromText(QStringLiteral("10.300.0.1")), 0x0A000001u);
    QCOMPARE(ClTovuCommandIpv4::fromText(QStringLiteral("1.2.3.4.5")), 0x01020304u);
    QCOMPARE(ClTovuCommandIpv4::fromText(QStringLiteral("1.2.3.-4")), 0x01020300u);
}

void TestPayload::dateAndTimePacking()
{
    const ClTovuCommandSetTime clSet(envelope(QDateTime(QDate(2014, 3, 5), QTime(7, 8, 9))));
    QCOMPARE(clSet.param1(), 20140305u);
    QCOMPARE(clSet.param2(), 70809u);

    // An invalid date and time sends the PC's clock.
    const ClTovuCommandSetTime clNow(envelope(QDateTime()));
    QCOMPARE(clNow.param1(), quint32(QDate::currentDate().toString(QStringLiteral("yyyyMMdd")).toUInt()));

    ClTovuCommandGetTime clGet;
    clGet.fromByteArray(plainPacket(clGet.sequence(), 20231231, 235958));
    QCOMPARE(reply(clGet).value(strKey2).toDateTime(), QDateTime(QDate(2023, 12, 31), QTime(23, 59, 58)));
}

void TestPayload::pictureSizes()
{
    QCOMPARE(ClTovuCommandSetRecImagesize(envelope(QSize(1280, 720))).param1(), 2u);
    QCOMPARE(ClTovuCommandSetRecImagesize(envelope(QSize(1280, 960))).param1(), 0u);
    QCOMPARE(ClTovuCommandSetRecImagesize(envelope(QSize(1920, 1080))).param1(), 1u);
    QCOMPARE(ClTovuCommandSetRecImagesize(envelope(QSize(320, 240))).param1(), 4u);
    QCOMPARE(ClTovuCommandSetLiveImagesize(envelope(QSize(800, 480))).param1(), 1u);
    QCOMPARE(ClTovuCommandSetLiveImagesize(envelope(QSize(320, 240))).param1(), 2u);
    QCOMPARE(ClTovuCommandSetLiveImagesize(envelope(QSize(1280, 720))).param1(), 0u);

    ClTovuCommandGetRecImagesize clRec;
    clRec.fromByteArray(plainPacket(clRec.sequence(), 3));
    QCOMPARE(reply(clRec).value(strKey2), QVariant(QSize(640, 480)));
    clRec.fromByteArray(plainPacket(clRec.sequence(), 0));
    QCOMPARE(reply(clRec).value(strKey2), QVariant(QSize(-1, -1)));
    ClTovuCommandGetLiveImagesize clLive;
    clLive.fromByteArray(plainPacket(clLive.sequence(), 2));
    QCOMPARE(reply(clLive).value(strKey2), QVariant(QSize(320, 240)));
    clLive.fromByteArray(plainPacket(clLive.sequence(), 3));
    QCOMPARE(reply(clLive).value(strKey2), QVariant(QSize(-1, -1)));
}

void TestPayload::countryCodes()
{
    const ClTovuCommandSetCountry clSet(envelope(QStringLiteral("JP")));
    QCOMPARE(clSet.param1(), quint32('J'));
    QCOMPARE(clSet.param2(), quint32('P'));
    const ClTovuCommandSetCountry clShort(envelope(QStringLiteral("U")));
    QCOMPARE(clShort.param1(), quint32('U'));
    QCOMPARE(clShort.param2(), 0u);

    ClTovuCommandGetCountry clGet;
    clGet.fromByteArray(plainPacket(clGet.sequence(), 0x1275, 0x73));
    QCOMPARE(reply(clGet).value(strKey2), QVariant(QStringLiteral("us")));
    clGet.fromByteArray(plainPacket(clGet.sequence(), 0, 0));
    QCOMPARE(reply(clGet).value(strKey2), QVariant(QString()));
}

void TestPayload::wifiJoinRequest()
{
    const ClTovuCommandConnectWifi clCommand(envelope(QStringLiteral("home"), QStringLiteral("secret1")));
    const QByteArray clBytes = clCommand.toByteArray();
    QCOMPARE(clBytes.size(), 4 + 7 + 24);
    QCOMPARE(u32At(clBytes, 4), 35u);
    QCOMPARE(u16At(clBytes, 8), quint16(0x6807));
    QCOMPARE(clBytes.mid(12).toHex(),
             (le32(4) + "home" + le32(7) + "secret1" + le32(0)).toHex());
}

void TestPayload::radioTests()
{
    const ClTovuCommandMfgTx clOff(envelope(false, 1, 2, 3, 4, QStringLiteral("00:11:22:33:44:55")));
    QCOMPARE(clOff.toByteArray().mid(12), QByteArray(20, '\0'));

    const ClTovuCommandMfgTx clOn(envelope(true, 0x101, 2, 0x1234, 7, QStringLiteral("a0:11:22:33:44:f5")));
    QCOMPARE(clOn.param1(), 0x01u);
    QCOMPARE(clOn.param2(), 0x02000234u);
    QCOMPARE(clOn.param3(), 7u);
    QCOMPARE(clOn.param4(), 0x332211A0u);
    QCOMPARE(clOn.param5(), 0xF544u);
    // A short or broken address leaves the missing bytes 0.
    const ClTovuCommandMfgTx clShort(true, 0, 0, 0, 0, QStringLiteral("0102zz"));
    QCOMPARE(clShort.param4(), 0x00000201u);
    QCOMPARE(clShort.param5(), 0u);

    QCOMPARE(ClTovuCommandMfgAcc(envelope(true, 9)).param1(), 9u);
    QCOMPARE(ClTovuCommandMfgAcc(envelope(false, 9)).param1(), 0u);
}

void TestPayload::dataToCamera()
{
    const ClTovuCommandExecFwUpdateData clCommand(envelope(QByteArray("abc")));
    QCOMPARE(clCommand.param1(), 3u);
    QCOMPARE(clCommand.block(), QByteArray("abc"));
    const QByteArray clData = clCommand.dataPacket().toByteArray();
    QCOMPARE(clData.toHex(), (le16(2) + le16(clCommand.sequence()) + le32(3) + "abc").toHex());

    QCOMPARE(ClTovuCommandSetMotionArea(envelope(QByteArray())).dataPacket().toByteArray(), QByteArray());
    // A command sequence of 0 stays 0 in its data packet.
    QCOMPARE(ClTovuCommandDataSend(0, "x").sequence(), quint16(0));
}

void TestPayload::dataCollection()
{
    ClTovuCommandDataReceive clCollector(0x1234, 10);
    QVERIFY(!clCollector.isComplete());
    QCOMPARE(clCollector.addTransfer(le16(2) + le16(0x1234) + le32(10) + le32(4) + "0123"), quint16(0));
    QCOMPARE(clCollector.data(), QByteArray("0123"));
    QVERIFY(!clCollector.isComplete());
    QCOMPARE(clCollector.addTransfer("456"), quint16(0));
    QCOMPARE(clCollector.addTransfer("789"), quint16(0));
    QVERIFY(clCollector.isComplete());
    QCOMPARE(clCollector.data(), QByteArray("0123456789"));
    // Once complete, nothing more is taken.
    QCOMPARE(clCollector.addTransfer("more"), quint16(0));
    QCOMPARE(clCollector.data(), QByteArray("0123456789"));

    // A first part longer than the transfer: what arrived.
    ClTovuCommandDataReceive clShort(7, 6);
    QCOMPARE(clShort.addTransfer(le16(2) + le16(7) + le32(6) + le32(500) + "ab"), quint16(0));
    QCOMPARE(clShort.data(), QByteArray("ab"));
}

void TestPayload::dataCollectionRefusesAWrongHead()
{
    ClTovuCommandDataReceive clWrongSequence(0x1234, 4);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("data head does not match"));
    QCOMPARE(clWrongSequence.addTransfer(le16(2) + le16(0x1235) + le32(4) + le32(4) + "abcd"),
             ClResultCode::usDataMismatch);
    QVERIFY(!clWrongSequence.isComplete());
    QCOMPARE(clWrongSequence.data(), QByteArray());

    ClTovuCommandDataReceive clWrongTotal(0x1234, 4);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("data head does not match"));
    QCOMPARE(clWrongTotal.addTransfer(le16(2) + le16(0x1234) + le32(5) + le32(4) + "abcd"),
             ClResultCode::usDataMismatch);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("data head does not match"));
    QCOMPARE(clWrongTotal.addTransfer(QByteArray("\x02", 1)), ClResultCode::usDataMismatch);
}

void TestPayload::dataCollectionTrustsNoLength()
{
    // The camera's claim reserves nothing: memory follows the bytes that arrive.
    ClTovuCommandDataReceive clLarge(1, ClTovuCommandDataReceive::ulMaxBlockSize);
    QCOMPARE(clLarge.addTransfer(le16(2) + le16(1) + le32(ClTovuCommandDataReceive::ulMaxBlockSize) + le32(3) + "abc"),
             quint16(0));
    QVERIFY(clLarge.data().capacity() < 1024 * 1024);

    // A claim beyond the limit is refused even when it matches the response.
    const quint32 ulHuge = ClTovuCommandDataReceive::ulMaxBlockSize + 1;
    ClTovuCommandDataReceive clHuge(1, ulHuge);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("data head does not match"));
    QCOMPARE(clHuge.addTransfer(le16(2) + le16(1) + le32(ulHuge) + le32(3) + "abc"), ClResultCode::usDataMismatch);
}

void TestPayload::blockReplies()
{
    ClTovuCommandReqLog clLog;
    clLog.setReceivedData(QByteArray("boot ok\0junk", 12));
    QCOMPARE(reply(clLog).value(strKey2), QVariant(QStringLiteral("boot ok")));

    ClTovuCommandReqAudio clAudio;
    clAudio.setReceivedData(QByteArray("\0\1\2", 3));
    QCOMPARE(reply(clAudio).value(strKey2), QVariant(QByteArray("\0\1\2", 3)));

    ClTovuCommandReqJpeg clJpeg;
    respond(clJpeg, 1234);
    QCOMPARE(clJpeg.expectedSize(), 1234u);
    QImage clPicture(64, 48, QImage::Format_RGB32);
    clPicture.fill(Qt::darkCyan);
    const QByteArray clJpegBytes = encoded(clPicture, "JPG");
    QVERIFY(clJpegBytes.startsWith("\xff\xd8"));
    clJpeg.setReceivedData(clJpegBytes);
    quint16 usResult = 0xFFFF;
    PV_CMD clReply = reply(clJpeg, &usResult);
    QCOMPARE(usResult, quint16(0));
    QCOMPARE(clReply.value(strKey2).value<QImage>().size(), QSize(64, 48));

    // The format comes from the data, whatever the command.
    ClTovuCommandStreamSteal clSteal;
    clSteal.setReceivedData(encoded(clPicture, "PNG"));
    QCOMPARE(reply(clSteal).value(strKey2).value<QImage>().size(), QSize(64, 48));

    clSteal.setReceivedData(clJpegBytes.left(20) + QByteArray(100, 'x'));
    clReply = reply(clSteal, &usResult);
    QCOMPARE(usResult, ClResultCode::usDataMismatch);
    QVERIFY(!clReply.contains(strKey2));
}

void TestPayload::wifiStateExchange()
{
    ClTovuCommandGetWifiInfo clCommand;
    const quint16 usSequence = clCommand.sequence();
    respond(clCommand, 1);
    QVERIFY(!clCommand.addPacket(twoTextPacket(usSequence + 1, 0, "other", "x")));
    QVERIFY(!clCommand.addPacket(twoTextPacket(usSequence, 0, "failed", "x", 0x0003)));
    QVERIFY(clCommand.addPacket(twoTextPacket(usSequence, 0, QByteArray("home\0pad", 8), "00:11:22")));
    QVERIFY(!clCommand.isComplete());
    QVERIFY(clCommand.addPacket(plainPacket(usSequence, 0, 6, 0xFFFFFFFE, 3, 70)));
    QVERIFY(clCommand.isComplete());
    QVERIFY(!clCommand.addPacket(plainPacket(usSequence, 0)));

    const PV_CMD clReply = reply(clCommand);
    QCOMPARE(clReply.value(QStringLiteral("PARAM2")), QVariant(uint(1)));
    QCOMPARE(clReply.value(QStringLiteral("PARAM3")), QVariant(QStringLiteral("home")));
    QCOMPARE(clReply.value(QStringLiteral("PARAM4")), QVariant(QStringLiteral("00:11:22")));
    QCOMPARE(clReply.value(QStringLiteral("PARAM5")), QVariant(uint(6)));
    QCOMPARE(clReply.value(QStringLiteral("PARAM6")), QVariant(-2));
    QCOMPARE(clReply.value(QStringLiteral("PARAM7")), QVariant(3));
    QCOMPARE(clReply.value(QStringLiteral("PARAM8")), QVariant(uint(70)));
}

void TestPayload::listTextPacketLengthsBeyondThePacket()
{
    ClTovuCommandWifiInfo1 clPacket;
    clPacket.fromByteArray(head(1, 32) + le32(0) + le32(0xFFFFFFF0) + "net");
    QCOMPARE(clPacket.firstText(), QStringLiteral("net"));
    QCOMPARE(clPacket.secondText(), QString());

    clPacket.fromByteArray(head(1, 32) + le32(0) + le32(2) + "ab" + le32(0x7FFFFFFF) + "cd");
    QCOMPARE(clPacket.firstText(), QStringLiteral("ab"));
    QCOMPARE(clPacket.secondText(), QStringLiteral("cd"));

    // The packets this side builds read back the same.
    const ClTovuCommandWifiInfo1 clBuilt(9, 1, QStringLiteral("first"), QStringLiteral("second"));
    clPacket.fromByteArray(clBuilt.toByteArray());
    QCOMPARE(clPacket.sequence(), quint16(9));
    QCOMPARE(clPacket.firstText(), QStringLiteral("first"));
    QCOMPARE(clPacket.secondText(), QStringLiteral("second"));
}

void TestPayload::accesspointList()
{
    ClTovuCommandGetAccesspointList clCommand;
    const quint16 usSequence = clCommand.sequence();
    respond(clCommand, 3);
    QCOMPARE(clCommand.entryCount(), 3u);
    QVERIFY(clCommand.addPacket(twoTextPacket(usSequence, 0, "alpha", "aa")));
    QVERIFY(!clCommand.addPacket(plainPacket(usSequence ^ 1, 1, 9, 9, 9, 9)));
    QVERIFY(clCommand.addPacket(plainPacket(usSequence, 1, 11, 2, 6, 80)));
    QVERIFY(clCommand.addPacket(twoTextPacket(usSequence, 0, "beta", "bb")));
    // Entry number 5 where 2 is due: dropped, but it counts.
    QVERIFY(clCommand.addPacket(plainPacket(usSequence, 5, 0, 0, 0, 0)));
    QVERIFY(clCommand.addPacket(twoTextPacket(usSequence, 0, "gamma", "")));
    QVERIFY(!clCommand.isComplete());
    QVERIFY(clCommand.addPacket(plainPacket(usSequence, 3, 1, 4, 1, 40)));
    QVERIFY(clCommand.isComplete());

    const AccesspointList lstEntries = reply(clCommand).value(strKey2).value<AccesspointList>();
    QCOMPARE(lstEntries.size(), 2);
    QCOMPARE(lstEntries.at(0).strSsid, QStringLiteral("alpha"));
    QCOMPARE(lstEntries.at(0).strSecondText, QStringLiteral("aa"));
    QCOMPARE(lstEntries.at(0).ulEncryption, 2u);
    QCOMPARE(lstEntries.at(0).ulSignal, 80u);
    QCOMPARE(lstEntries.at(1).strSsid, QStringLiteral("gamma"));
    QCOMPARE(lstEntries.at(1).ulNumber1, 1u);

    ClTovuCommandGetAccesspointList clEmpty;
    respond(clEmpty, 0);
    QVERIFY(clEmpty.isComplete());
    QVERIFY(reply(clEmpty).value(strKey2).value<AccesspointList>().isEmpty());
}

void TestPayload::accesspointListBoundsTheEntryCount()
{
    ClTovuCommandGetAccesspointList clCommand;
    respond(clCommand, 0xFFFFFFFF);
    QCOMPARE(clCommand.entryCount(), ClTovuCommandGetAccesspointList::ulMaxEntries);
    for (quint32 i = 0; i < 2 * ClTovuCommandGetAccesspointList::ulMaxEntries; ++i)
        QVERIFY(clCommand.addPacket(plainPacket(clCommand.sequence(), i / 2 + 1)));
    QVERIFY(clCommand.isComplete());
    QCOMPARE(quint32(clCommand.entries().size()), ClTovuCommandGetAccesspointList::ulMaxEntries);
}

void TestPayload::scheduleList()
{
    ClTovuCommandGetScheSetting clCommand;
    const QByteArray clRequest = clCommand.toByteArray();
    QCOMPARE(clRequest.size(), 32);
    QCOMPARE(clRequest.mid(12), QByteArray(20, '\0'));

    const quint16 usSequence = clCommand.sequence();
    const quint32 ulStart = u32At(hhmm("0730"), 0);
    const quint32 ulEnd = u32At(hhmm("1805"), 0);
    for (int lDay = 0; lDay < 7; ++lDay) {
        if (lDay == 3)
            QVERIFY(!clCommand.addPacket(plainPacket(usSequence + 7, 3, 2, ulStart, ulEnd)));
        QVERIFY(clCommand.addPacket(plainPacket(usSequence, quint32(lDay), lDay % 2 ? 2 : 1, ulStart, ulEnd)));
    }
    QVERIFY(!clCommand.isComplete());
    // Day 0 again: the later packet replaces the earlier one.
    QVERIFY(clCommand.addPacket(plainPacket(usSequence, 0, 2, 0, ulEnd)));
    QVERIFY(clCommand.isComplete());

    const ScheduleSettings mapEntries = reply(clCommand).value(strKey2).value<ScheduleSettings>();
    QCOMPARE(mapEntries.size(), 7);
    QCOMPARE(mapEntries.value(1).bOn, true);
    QCOMPARE(mapEntries.value(2).bOn, false);
    QCOMPARE(mapEntries.value(1).tmStart, QTime(7, 30));
    QCOMPARE(mapEntries.value(1).tmEnd, QTime(18, 5));
    QCOMPARE(mapEntries.value(0).bOn, true);
    QVERIFY(!mapEntries.value(0).tmStart.isValid());
}

void TestPayload::scheduleTimes()
{
    const ClTovuCommandSetScheSetting clSet(envelope(2, true, QTime(7, 30), QTime(18, 5)));
    const QByteArray clBytes = clSet.toByteArray();
    QCOMPARE(u32At(clBytes, 12), 2u);
    QCOMPARE(u32At(clBytes, 16), 2u);
    QCOMPARE(clBytes.mid(20, 8), QByteArray("07301805"));
    QCOMPARE(u32At(clBytes, 28), 0u);

    const ClTovuCommandSetScheDayTime clDay(envelope(-1, 4, false, QTime(0, 0), QTime(23, 59)));
    QCOMPARE(clDay.param1(), 0xFFFFFFFFu);
    QCOMPARE(clDay.param2(), 4u);
    QCOMPARE(clDay.param3(), 1u);
    QCOMPARE(clDay.toByteArray().mid(24, 8), QByteArray("00002359"));

    ClTovuCommandGetScheDayTime clGet(envelope(5));
    QCOMPARE(clGet.param1(), 5u);
    clGet.fromByteArray(plainPacket(clGet.sequence(), 5, 1, 2, u32At(hhmm("0915"), 0), u32At(hhmm("2400"), 0)));
    const PV_CMD clReply = reply(clGet);
    QCOMPARE(clReply.value(QStringLiteral("PARAM2")), QVariant(5));
    QCOMPARE(clReply.value(QStringLiteral("PARAM3")), QVariant(1));
    QCOMPARE(clReply.value(QStringLiteral("PARAM4")), QVariant(true));
    QCOMPARE(clReply.value(QStringLiteral("PARAM5")), QVariant(QTime(9, 15)));
    QVERIFY(!clReply.value(QStringLiteral("PARAM6")).toTime().isValid());
}

void TestPayload::metaTypes()
{
    PvCmd::registerMetaTypes();
    PvCmd::registerMetaTypes();
    QCOMPARE(QMetaType::fromName("AccesspointList"), QMetaType::fromType<AccesspointList>());
    QCOMPARE(QMetaType::fromName("ScheduleSettings"), QMetaType::fromType<ScheduleSettings>());
    QCOMPARE(QMetaType::fromName("PV_CMD"), QMetaType::fromType<PV_CMD>());

    AccesspointList lstEntries = {stAccesspoint{QStringLiteral("net"), QStringLiteral("x"), 1, 2, 3, 4}};
    const QVariant clValue = QVariant::fromValue(lstEntries);
    QCOMPARE(clValue.value<AccesspointList>(), lstEntries);
}
