#pragma once
// Reads and writes settings by name with one camera, through envelopes like a page's: one
// command at a time, each with a deadline. Settings that share a command are read with one
// Get and written with one Set. A write goes in the table's stages (the network last) and
// is read back, so that the report says what the camera really kept. Knows nothing of
// windows or the command line: connect sigSendCommand to the USB worker (or the window's
// session) and hand every envelope that comes back to slotReceiveCommand.
#include "ClSettingDefinition.h"
#include "ClSettingsReport.h"
#include "protocol/PvCmd.h"

#include <QList>
#include <QObject>
#include <QTimer>
#include <QUuid>

class ClSettingsExchange : public QObject
{
    Q_OBJECT

public:
    explicit ClSettingsExchange(QObject* pclParent = nullptr);

    // The camera (its handle in "PARAM1"; null for a session that adds it) and the command
    // kinds its model and firmware support.
    void setCamera(void* pDevice, const QList<QUuid>& lstSupported);
    // How long one command may take before it counts as failed (default 15 s).
    void setDeadline(int lMs) { clDeadline.setInterval(lMs); }
    bool isBusy() const { return eState != State::Idle; }

    // Reads the named settings, every one of the table when lstNames is empty; unknown
    // names must have been refused before. Ends with sigReadDone.
    void read(const QStringList& lstNames);
    // Writes the values (each already checked with ClSettingValue::check). mapCurrent holds
    // the camera's values as read: a setting sharing its Set with a written one keeps its
    // current value. Ends with sigWriteDone, after reading every written setting back.
    void write(const QMap<QString, QVariant>& mapValues, const QMap<QString, QVariant>& mapCurrent);
    // The camera is gone (for a front end that learns it other than by the removal
    // notice): what is under way ends now, reporting what was and was not written.
    void cameraGone();

Q_SIGNALS:
    void sigSendCommand(PV_CMD clCommand);
    void sigReadDone(ClSettingsReport stReport);
    void sigWriteDone(ClSettingsReport stReport);
    // Each confirmed Set, for progress output.
    void sigWritten(QString strName);

public Q_SLOTS:
    void slotReceiveCommand(PV_CMD clCommand);

private:
    enum class State { Idle, Reading, Writing, ReadingBack };
    struct Step
    {
        QUuid uuidKind;
        QStringList lstNames;  // the settings this command reads or writes
        PV_CMD clArgs;
    };

    void planReads(const QStringList& lstNames);
    void next();
    void finishStep(const PV_CMD& clAnswer, const QString& strFailure);
    void failRemaining(const QString& strWhy);
    void finish();
    void onDeadline();
    bool concernsUs(const PV_CMD& clCommand) const;

    void* pDevice = nullptr;
    QList<QUuid> lstSupported;
    State eState = State::Idle;
    QList<Step> lstSteps;
    bool bWaiting = false;
    QMap<QString, QVariant> mapWanted;
    ClSettingsReport stReport;
    QTimer clDeadline;
};
