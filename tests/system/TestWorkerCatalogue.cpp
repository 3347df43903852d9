// Every command of the catalogue through the real worker thread to an emulated camera: the
// request the camera decoded (code, parameters, text and data layout) and the envelope the
// page gets back (a value reply that keeps "Sender" and the request's other keys, with
// values of the right types, or a result reply without "Sender").
#include "CatalogueRows.h"
#include "ClAvailability.h"
#include "ClCommandCatalogue.h"
#include "ClCommandKinds.h"
#include "ClResultCode.h"
#include "ClVirtualCamera.h"
#include "ClWorkerRig.h"

#include <QtTest>

class TestWorkerCatalogue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void everyCommand_data();
    void everyCommand();

private:
    QHash<QByteArray, CatalogueRow> m_hashRows;
};

void TestWorkerCatalogue::initTestCase()
{
    PvCmd::registerMetaTypes();
    m_hashRows = catalogueRows();
}

void TestWorkerCatalogue::everyCommand_data()
{
    QTest::addColumn<QByteArray>("clClass");
    for (const ClCommandEntry& stEntry : ClCommandCatalogue::entries())
        QTest::newRow(stEntry.pszClassName) << QByteArray(stEntry.pszClassName);
}

void TestWorkerCatalogue::everyCommand()
{
    QFETCH(QByteArray, clClass);
    const ClCommandEntry* pstEntry = ClCommandCatalogue::findByClass(clClass.constData());
    QVERIFY(pstEntry);
    QVERIFY2(m_hashRows.contains(clClass), "the catalogue has a command without a row here");
    const CatalogueRow& stRow = m_hashRows[clClass];

    // A camera that supports the command: the Tovu where it can, else the Tovu-S, else the
    // third model.
    int lModel = 2;
    if (pstEntry->ucAvailability & ClAvailability::Model0Late)
        lModel = 0;
    else if (pstEntry->ucAvailability & ClAvailability::Model1)
        lModel = 1;
    ClWorkerRig clRig;
    auto* pclCamera = new ClVirtualCamera(lModel);
    if (stRow.fnPrepare)
        stRow.fnPrepare(*pclCamera);
    void* pHandle = clRig.plug(pclCamera);
    QVERIFY(pHandle);
    pclCamera->clearRequests();

    PV_CMD clArgs = stRow.clArgs;
    clArgs.insert(QStringLiteral("Tag"), QStringLiteral("kept"));
    const PV_CMD clAnswer = clRig.request(pHandle, pstEntry->uuidRequest, clArgs);
    QVERIFY2(!clAnswer.isEmpty(), "no answer");

    // What the camera received.
    const QList<ClVirtualCamera::Request> lstRequests = pclCamera->requests();
    QVERIFY(!lstRequests.isEmpty());
    const ClVirtualCamera::Request& stRequest = lstRequests.first();
    QCOMPARE(stRequest.stPacket.usType, 0);
    QCOMPARE(stRequest.stPacket.usCode, pstEntry->usCode);
    QCOMPARE(stRequest.stPacket.ulSize, quint32(stRequest.lLength));
    if (stRow.lRequestLength >= 0)
        QCOMPARE(stRequest.lLength, stRow.lRequestLength);
    if (stRow.bCheckParams) {
        for (int i = 0; i < 5; ++i) {
            const quint32 ulExpected = i < stRow.lstRequest.size() ? stRow.lstRequest.at(i) : 0;
            QVERIFY2(stRequest.stPacket.arrParams[size_t(i)] == ulExpected,
                     qPrintable(QStringLiteral("param%1 is 0x%2, not 0x%3")
                                    .arg(i + 1)
                                    .arg(stRequest.stPacket.arrParams[size_t(i)], 0, 16)
                                    .arg(ulExpected, 0, 16)));
        }
    }
    QCOMPARE(stRequest.clText, stRow.clText);
    QCOMPARE(stRequest.clSecondText, stRow.clSecondText);
    if (stRow.clData.isEmpty()) {
        QCOMPARE(lstRequests.size(), 1);
    } else {
        QCOMPARE(lstRequests.size(), 2);
        const ClVirtualCamera::Request& stData = lstRequests.at(1);
        QCOMPARE(stData.stPacket.usType, 2);
        QCOMPARE(stData.stPacket.usSequence, stRequest.stPacket.usSequence);
        QCOMPARE(stData.ulDataLength, quint32(stRow.clData.size()));
        QCOMPARE(stData.lLength, stRow.clData.size() + 8);
        QCOMPARE(stData.clData, stRow.clData.left(ClVirtualCameraCore::lKeptBytes));
    }

    // What the page gets.
    const QUuid uuidGot = clAnswer.value(QStringLiteral("CMD")).toUuid();
    QCOMPARE(clAnswer.value(QStringLiteral("PARAM1")).value<void*>(), pHandle);
    if (stRow.lstReply.isEmpty()) {
        const bool bTransport = ClResultCode::isTransportCode(stRow.usStatus);
        QCOMPARE(uuidGot, bTransport ? ClCommandKinds::transportError() : ClCommandKinds::result());
        QCOMPARE(clAnswer.keys(), (QStringList{QStringLiteral("CMD"), QStringLiteral("PARAM1"),
                                               QStringLiteral("PARAM2"), QStringLiteral("PARAM3")}));
        QCOMPARE(clAnswer.value(QStringLiteral("PARAM2")).toUuid(), pstEntry->uuidRequest);
        QCOMPARE(clAnswer.value(QStringLiteral("PARAM3")).metaType(), QMetaType::fromType<quint16>());
        QCOMPARE(clAnswer.value(QStringLiteral("PARAM3")).value<quint16>(), stRow.usStatus);
        return;
    }
    QVERIFY(!pstEntry->uuidReply.isNull());
    QVERIFY2(uuidGot == pstEntry->uuidReply,
             qPrintable(QStringLiteral("a result reply with code 0x%1")
                            .arg(clAnswer.value(QStringLiteral("PARAM3")).toUInt(), 0, 16)));
    QCOMPARE(clAnswer.value(QStringLiteral("Sender")).value<QObject*>(), &clRig);
    QCOMPARE(clAnswer.value(QStringLiteral("Tag")).toString(), QStringLiteral("kept"));
    for (int i = 0; i < stRow.lstReply.size(); ++i) {
        const QString strKey = QStringLiteral("PARAM%1").arg(i + 2);
        const CatalogueRow::Expect& stExpect = stRow.lstReply.at(i);
        const QVariant clValue = clAnswer.value(strKey);
        QVERIFY2(clValue.metaType() == stExpect.clType,
                 qPrintable(QStringLiteral("%1 is a %2, not a %3")
                                .arg(strKey, QString::fromLatin1(clValue.metaType().name()),
                                     QString::fromLatin1(stExpect.clType.name()))));
        if (!stExpect.bAny)
            QVERIFY2(clValue == stExpect.clValue,
                     qPrintable(QStringLiteral("%1 is %2, not %3")
                                    .arg(strKey, clValue.toString(), stExpect.clValue.toString())));
    }
    if (stRow.fnCheck)
        stRow.fnCheck(clAnswer);
}

QTEST_GUILESS_MAIN(TestWorkerCatalogue)
#include "TestWorkerCatalogue.moc"
