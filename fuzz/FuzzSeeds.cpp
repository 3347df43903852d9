// Writes the seed corpus of the fuzz targets into <folder>/corpus/<target>/: packets and
// exchanges as the emulated camera answers every command of the catalogue, its pictures,
// manifests written with the tool's XML writer and settings files as the tool writes them.
#include "ClScriptedDevice.h"
#include "data/ClCreateXml.h"
#include "data/ClCreateXmlNetwork.h"
#include "data/ClUpdateServer.h"
#include "protocol/ClCommandCatalogue.h"
#include "protocol/ClReceiveDataCommand.h"
#include "usb/ClUsbController.h"
#include "usb/ClUsbExchange.h"
#include "virtualcamera/ClVirtualCamera.h"
#include "virtualcamera/ClVirtualUsbBus.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

namespace {
QString g_strFolder;

void writeSeed(const char* pszTarget, const QString& strName, const QByteArray& clBytes)
{
    const QString strDir = g_strFolder + QStringLiteral("/corpus/") + QLatin1String(pszTarget);
    QDir().mkpath(strDir);
    QFile clFile(strDir + QLatin1Char('/') + strName);
    if (!clFile.open(QIODevice::WriteOnly) || clFile.write(clBytes) != clBytes.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(clFile.fileName()));
}

// Every transfer the camera sends for one request, until a read finds nothing.
QList<QByteArray> transfersFor(ClUsbController& clCamera, const ClTovuCommand& clCommand)
{
    QList<QByteArray> lstTransfers;
    clCamera.bulkWrite(clCommand.toByteArray(), 1000);
    for (;;) {
        unsigned short usError = 0;
        const QByteArray clTransfer = clCamera.bulkRead(300, 0xFF, &usError);
        if (clTransfer.isEmpty())
            return lstTransfers;
        lstTransfers.append(clTransfer);
    }
}

void writeCameraSeeds(int lModel)
{
    ClVirtualUsbBus clBus;
    clBus.plug(new ClVirtualCamera(lModel));
    clBus.findDevices();
    ClUsbController clCamera(clBus.getBusses()->devices, &clBus);
    if (!clCamera.open())
        return;
    const QVector<ClCommandEntry>& vecEntries = ClCommandCatalogue::entries();
    int lExchangeIndex = 0;
    for (int i = 0; i < vecEntries.size(); ++i) {
        const ClCommandEntry& stEntry = vecEntries.at(i);
        if (stEntry.eExchange == ClExchange::SendData)
            continue;
        // Factory checks and firmware starts change the camera for the rest of the run.
        if (QByteArray(stEntry.pszClassName).contains("Exec")
            || QByteArray(stEntry.pszClassName).startsWith("ClTovuCommandSave"))
            continue;
        const std::unique_ptr<ClTovuCommand> upCommand = stEntry.pfnBuild(PV_CMD());
        const QList<QByteArray> lstTransfers = transfersFor(clCamera, *upCommand);
        const QString strName = QStringLiteral("%1-%2").arg(QLatin1String(stEntry.pszClassName)).arg(lModel);
        if (stEntry.eExchange == ClExchange::Plain) {
            if (!lstTransfers.isEmpty() && lModel == 0)
                writeSeed("packet", strName, QByteArray(1, char(i)) + lstTransfers.first());
            continue;
        }
        QByteArray clScript(1, char(lExchangeIndex++));
        for (const QByteArray& clTransfer : lstTransfers) {
            const bool bOwn = clTransfer.mid(2, 2) == upCommand->toByteArray().mid(2, 2);
            clScript += ClScriptedDevice::record(clTransfer, bOwn);
        }
        writeSeed("exchange", strName, clScript);
    }
    // The pictures, collected the way the worker collects them.
    const ClCommandEntry* pstPicture = ClCommandCatalogue::findByClass("ClTovuCommandReqJpeg");
    std::unique_ptr<ClTovuCommand> upPicture = pstPicture->pfnBuild(PV_CMD());
    if (ClUsbExchange(clCamera, 300).run(pstPicture->eExchange, *upPicture) == 0)
        writeSeed("picture", QStringLiteral("live-%1.jpg").arg(lModel),
                  dynamic_cast<const ClReceiveDataCommand&>(*upPicture).receivedData());
    clCamera.close();
}

QByteArray manifest(const QList<QStringList>& lstGroups)
{
    ClCreateXml clXml;
    const QDomNode clRoot = clXml.element(QDomNode(), QStringLiteral("update"));
    clXml.addText(clXml.element(clRoot, QStringLiteral("process")), QStringLiteral("tovu,helper"));
    for (const QStringList& lstGroup : lstGroups) {
        const QDomNode clGroup = clXml.element(clRoot, lstGroup.first());
        for (int i = 1; i + 2 < lstGroup.size(); i += 3) {
            QDomNode clFile = clGroup.ownerDocument().createElement(QStringLiteral("file"));
            clGroup.toElement().appendChild(clFile);
            clXml.setAttribute(clFile, QStringLiteral("version"), lstGroup.at(i + 1));
            clXml.setAttribute(clFile, QStringLiteral("hash"), lstGroup.at(i + 2));
            clXml.addText(clFile, lstGroup.at(i));
        }
    }
    return clXml.toByteArray();
}

void writeFileSeeds()
{
    const QString strHash = QStringLiteral("0123456789abcdef0123456789abcdef");
    const QStringList lstFirm
        = {QStringLiteral("firm"), QStringLiteral("tovu_fw.bin"), QStringLiteral("01.02.003"), strHash};
    const QStringList lstTool = {QStringLiteral("tool"),
                                 QStringLiteral("tovu-setting-tool_99.0.0_amd64.deb"),
                                 QStringLiteral("99.00.000"),
                                 strHash,
                                 QStringLiteral("tovu-setting-tool_99.0.0_arm64.deb"),
                                 QStringLiteral("99.00.000"),
                                 strHash,
                                 QStringLiteral("TovuSetup.msi"),
                                 QStringLiteral("99.0"),
                                 strHash};
    const QStringList lstOwn = {QStringLiteral("own"), QStringLiteral("helper.exe"), QStringLiteral("1.0"), strHash};
    writeSeed("manifest", QStringLiteral("firmware"),
              "\x01"
              "01.02.000\n"
                  + manifest({lstFirm}));
    writeSeed("manifest", QStringLiteral("firmware-auto"),
              "\x03"
              "01.01.009\n"
                  + manifest({lstFirm, lstOwn}));
    writeSeed("manifest", QStringLiteral("tool"), "\x00\n" + manifest({lstTool}));
    writeSeed("manifest", QStringLiteral("tool-auto"), "\x02\n" + manifest({lstTool, lstOwn}));

    struct stSettings
    {
        const char* pszName;
        bool bProxy;
        const char* pszType;
        bool bAuth;
        const char* pszUrl;
        bool bAuto;
    };
    const stSettings astSettings[] = {
        {"defaults", false, "", false, "", false},
        {"http-proxy-credentials", true, "Http", true, "", true},
        {"socks-other-server", true, "Socks5", false, "http://mirror.example:8080/tovu/", true},
    };
    for (const stSettings& stEntry : astSettings) {
        ClCreateXmlNetwork clWriter;
        clWriter.build(stEntry.bProxy, QStringLiteral("192.168.1.20"), QStringLiteral("3128"),
                       QLatin1String(stEntry.pszType), stEntry.bAuth, QStringLiteral("tovu"),
                       QStringLiteral("s3cr\u00e9t"),
                       *stEntry.pszUrl ? QLatin1String(stEntry.pszUrl) : ClUpdateServer::url(), stEntry.bAuto);
        writeSeed("settings", QLatin1String(stEntry.pszName), clWriter.toByteArray());
    }
}
}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication clApp(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds <fuzz folder>\n");
        return 2;
    }
    g_strFolder = QString::fromLocal8Bit(argv[1]);
    writeCameraSeeds(0);
    writeCameraSeeds(1);
    writeFileSeeds();
    return 0;
}
