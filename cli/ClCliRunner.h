#pragma once
// tovu-settings as a whole, for one argument list: reads the options, checks every value
// and profile before any camera is touched, takes the single-instance lock the window
// takes, finds the cameras through the USB worker (on the given bus, a virtual bus of its
// own for --virtual-camera, or the real one), picks the camera(s) and runs the command.
// main only wires it to the process; tests run it in process on a virtual bus.
//
// Exit codes: 0 success; 1 a camera or setting failure (no camera, an unknown serial, a
// camera that failed or went, a value that did not stick, the window holding the lock);
// 2 bad usage, when nothing was sent because the options, a value or a profile are wrong,
// or because several cameras are attached and none was chosen: the command would
// otherwise have to guess which camera to change, and a script must learn it asked wrongly.
#include "ClCliCamera.h"
#include "ClCliOptions.h"

#include <QObject>
#include <QStringList>

class ClSettingsProfile;
class ClUsbApi;
class ClUsbService;
class QTextStream;

class ClCliRunner : public QObject
{
    Q_OBJECT

public:
    static constexpr int lExitSuccess = 0;
    static constexpr int lExitFailure = 1;
    static constexpr int lExitUsage = 2;

    // pclApi: the bus to use (it must outlive the run); null for the real USB bus, or a
    // virtual bus of the runner's own when --virtual-camera is given.
    ClCliRunner(ClUsbApi* pclApi, QTextStream& clOut, QTextStream& clErr, QObject* pclParent = nullptr);

    // A full argument list, program name first. Returns the exit code.
    int run(const QStringList& lstArguments);

    // The lock the window holds while it runs.
    static QString lockKey() { return QStringLiteral("Tovu_USB_Communication"); }

Q_SIGNALS:
    // The cameras have been found and asked who they are; the command starts.
    void sigCamerasFound();
    // A setting a camera confirmed while being written.
    void sigWritten(QString strSerial, QString strName);

private:
    int usage(const QString& strError);
    // The values of --set, each checked against the table; false after telling what is wrong.
    bool readAssignments(QMap<QString, QVariant>& mapValues);
    int runOnCameras(const QList<ClCliCamera>& lstCameras, const QMap<QString, QVariant>& mapValues,
                     const ClSettingsProfile* pclProfile, ClUsbService& clService);
    // The cameras the command is for; an empty list with the exit code in *plExit.
    QList<ClCliCamera> chooseCameras(const QList<ClCliCamera>& lstFound, int* plExit);

    ClUsbApi* pclApi;
    QTextStream& clOut;
    QTextStream& clErr;
    ClCliOptions stOptions;
};
