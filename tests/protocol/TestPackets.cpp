// Packets byte by byte: the request layout, responses read field by field, and the
// encodings that are more than parameters (texts, times, data blocks). Each case is one a
// camera or a page has got wrong before it is right: short packets, lengths that lie, zero
// bytes inside texts. Addresses, sizes and countries are rows of the catalogue test.
#include <QLoggingCategory>
#include <QtTest>

#include "CommandTestSupport.h"
#include "protocol/ClResultCode.h"
#include "protocol/ClTovuCommandDataReceive.h"
#include "protocol/ClTovuCommandWifiInfo1.h"
#include "protocol/ClTovuCommands.h"

using namespace CommandTestSupport;

namespace {
const QString strKey2 = QStringLiteral("PARAM2");

// A text response: head, length, the given bytes, then param3..param5.
QByteArray textResponse(quint16 usSequence, quint32 ulLength, const QByteArray& clText, quint32 ulP3 = 0,
                        quint32 ulP4 = 0, quint32 ulP5 = 0)
{
    return head(usSequence, quint32(clText.size() + 28)) + le32(ulLength) + clText + le32(ulP3) + le32(ulP4)
        + le32(ulP5);
}

PV_CMD reply(const ClTovuCommand& clCommand)
{
    PV_CMD clReply;
    clCommand.writeReply(clReply);
    return clReply;
}

// The first transfer of a data block: type 2, the sequence, the total, this part's length.
QByteArray firstPart(quint16 usSequence, quint32 ulTotal, quint32 ulPart, const QByteArray& clData)
{
    return le16(2) + le16(usSequence) + le32(ulTotal) + le32(ulPart) + clData;
}
}  // namespace

class TestPackets : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // The picture that must not decode makes the JPEG reader complain; that is expected.
        QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio.jpeg=false"));
    }

    void requestLayout()
    {
        const ClTovuCommand clCommand(0x5003);
        const quint16 usSequence = clCommand.sequence();
        const QByteArray clExpected = QByteArray::fromHex("0000") + char(usSequence & 0xFF) + char(usSequence >> 8)
            + QByteArray::fromHex("20000000"
                                  "0350"
                                  "0000")
            + QByteArray(20, '\0');
        QCOMPARE(clCommand.toByteArray().toHex(), clExpected.toHex());
    }

    void sequencesNeverRepeatNorZero()
    {
        // Commands built in one burst (many in the same millisecond), once round all 16-bit
        // numbers: each differs from the one before, and the wrap skips 0, which would make a
        // data packet pick a number of its own instead of its command's.
        quint16 usPrevious = ClTovuCommand(0x5003).sequence();
        for (int i = 0; i < 0x10000 + 10; ++i) {
            const quint16 usSequence = ClTovuCommand(0x5003).sequence();
            QVERIFY(usSequence != 0);
            QVERIFY2(usSequence != usPrevious, qPrintable(QString::number(usSequence)));
            usPrevious = usSequence;
        }
        // A sequence given is kept (data packets reuse their command's).
        QCOMPARE(ClTovuCommand(0x5003, 0, 0, 0, 0, 0, 0x1234).sequence(), quint16(0x1234));
    }

    void shortResponseReadsZeros()
    {
        ClTovuCommand clCommand(0x5003, 7, 7, 7, 7, 7);
        // type 0, sequence 0x1234, size 12, status 0, pad, and nothing more
        clCommand.fromByteArray(QByteArray::fromHex("0000"
                                                    "3412"
                                                    "0c000000"
                                                    "0000"
                                                    "0000"));
        QCOMPARE(clCommand.sequence(), quint16(0x1234));
        QCOMPARE(clCommand.size(), quint32(12));
        QCOMPARE(clCommand.code(), quint16(0));
        QCOMPARE(clCommand.param1(), 0u);
        QCOMPARE(clCommand.param5(), 0u);

        // A field cut in half reads as zero too, never as a partial value.
        clCommand.fromByteArray(QByteArray::fromHex("0000"
                                                    "3412"
                                                    "20000000"
                                                    "0000"
                                                    "0000"
                                                    "ffff"));
        QCOMPARE(clCommand.param1(), 0u);
        clCommand.fromByteArray(QByteArray());
        QCOMPARE(clCommand.sequence(), quint16(0));
    }

    void statusReplacesRequestCode()
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

    void textRequests()
    {
        // The length counts UTF-8 bytes, not characters.
        const QByteArray clUnicode = ClTovuCommandSetSsid(envelope({QStringLiteral("caf\u00e9")})).toByteArray();
        QCOMPARE(u32At(clUnicode, 12), 5u);
        QCOMPARE(clUnicode.mid(16, 5), QByteArray("caf\xc3\xa9"));

        // An empty text sends the plain 32-byte packet.
        const ClTovuCommandSetCameraName clEmpty(envelope({QString()}));
        QCOMPARE(clEmpty.toByteArray().toHex(), (head(clEmpty.sequence(), 32, 0x5830) + QByteArray(20, '\0')).toHex());
    }

    void textResponses()
    {
        // The text ends at its first zero byte; the numbers after it are still read.
        ClTovuCommandGetCameraName clName;
        clName.fromByteArray(textResponse(clName.sequence(), 6, QByteArray("ab\0xyz", 6), 7, 8, 9));
        QCOMPARE(reply(clName).value(strKey2), QVariant(QStringLiteral("ab")));
        QCOMPARE(clName.param3(), 7u);
        QCOMPARE(clName.param5(), 9u);

        // A length beyond the bytes received: the bytes that came, nothing read beyond them.
        ClTovuCommandGetSerialNo clSerial;
        clSerial.fromByteArray(head(clSerial.sequence(), 32) + le32(0xFFFFFFFF) + "abc");
        QCOMPARE(clSerial.text(), QStringLiteral("abc"));
        QCOMPARE(clSerial.param3(), 0u);
        clSerial.fromByteArray(head(clSerial.sequence(), 32) + QByteArray("\x05\x00", 2));
        QCOMPARE(clSerial.text(), QString());

        // The two texts of the list packets are bounded the same way.
        ClTovuCommandWifiInfo1 clPacket;
        clPacket.fromByteArray(head(1, 32) + le32(0) + le32(0xFFFFFFF0) + "net");
        QCOMPARE(clPacket.firstText(), QStringLiteral("net"));
        QCOMPARE(clPacket.secondText(), QString());
        clPacket.fromByteArray(head(1, 32) + le32(0) + le32(2) + "ab" + le32(0x7FFFFFFF) + "cd");
        QCOMPARE(clPacket.firstText(), QStringLiteral("ab"));
        QCOMPARE(clPacket.secondText(), QStringLiteral("cd"));
    }

    void timePacking()
    {
        // An invalid date and time sends the PC's clock.
        const ClTovuCommandSetTime clNow(envelope({QDateTime()}));
        QCOMPARE(clNow.param1(), QDate::currentDate().toString(QStringLiteral("yyyyMMdd")).toUInt());
    }

    void dataCollection()
    {
        // In parts: the first with its head, the later ones plain data; nothing after the end.
        ClTovuCommandDataReceive clCollector(0x1234, 10);
        QCOMPARE(clCollector.addTransfer(firstPart(0x1234, 10, 4, "0123")), quint16(0));
        QVERIFY(!clCollector.isComplete());
        QCOMPARE(clCollector.addTransfer("456"), quint16(0));
        QCOMPARE(clCollector.addTransfer("789"), quint16(0));
        QVERIFY(clCollector.isComplete());
        QCOMPARE(clCollector.addTransfer("more"), quint16(0));
        QCOMPARE(clCollector.data(), QByteArray("0123456789"));

        // A first packet naming another sequence or another total is refused.
        ClTovuCommandDataReceive clWrongSequence(0x1234, 4);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("data head does not match"));
        QCOMPARE(clWrongSequence.addTransfer(firstPart(0x1235, 4, 4, "abcd")), ClResultCode::usDataMismatch);
        QCOMPARE(clWrongSequence.data(), QByteArray());
        ClTovuCommandDataReceive clWrongTotal(0x1234, 4);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("data head does not match"));
        QCOMPARE(clWrongTotal.addTransfer(firstPart(0x1234, 5, 4, "abcd")), ClResultCode::usDataMismatch);

        // The camera's claim reserves nothing: memory follows the bytes that arrive.
        const quint32 ulMax = ClTovuCommandDataReceive::ulMaxBlockSize;
        ClTovuCommandDataReceive clLarge(1, ulMax);
        QCOMPARE(clLarge.addTransfer(firstPart(1, ulMax, 3, "abc")), quint16(0));
        QVERIFY(clLarge.data().capacity() < 1024 * 1024);
        // A claim beyond the limit is refused even when it matches the response.
        ClTovuCommandDataReceive clHuge(1, ulMax + 1);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("data head does not match"));
        QCOMPARE(clHuge.addTransfer(firstPart(1, ulMax + 1, 3, "abc")), ClResultCode::usDataMismatch);
    }

    void pictureThatDoesNotDecode()
    {
        // A JPEG start followed by rubbish: a result code instead of an empty picture.
        ClTovuCommandStreamSteal clSteal;
        clSteal.setReceivedData(QByteArray::fromHex("ffd8ffe000104a464946") + QByteArray(100, 'x'));
        PV_CMD clReply;
        QCOMPARE(clSteal.writeReply(clReply), ClResultCode::usDataMismatch);
        QVERIFY(!clReply.contains(strKey2));
    }
};

QTEST_GUILESS_MAIN(TestPackets)
#include "TestPackets.moc"
