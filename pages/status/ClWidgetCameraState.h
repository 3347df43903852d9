#pragma once
// Page 1, the camera's state: battery, Wi-Fi link with strength and channel, and the SD
// card's file system and use as a three-dimensional pie, asked as a chain every five
// seconds while shown; and the three maintenance actions (format, initialise, restart),
// each behind a confirmation.
#include "ClPiechart.h"
#include "framework/ClWidgetBase.h"

class ClLabelWifiState;
class ClPushButton;
class ClWidgetProgress;
class QLabel;

class ClWidgetCameraState : public ClWidgetBase
{
    Q_OBJECT

public:
    explicit ClWidgetCameraState(QWidget* parent = nullptr);
    ~ClWidgetCameraState() override;

    void requestData(bool bIsPolling) override;
    // A camera gone leaves nothing of itself on the page.
    void setCameraInfo(qint32 lModel, QString strVersion) override;
    const ClPiechart& pieChart() const { return clPie; }
    // The share of the card the camera's data uses, in per cent, as the chart shows it:
    // 0 for a card of size 0, at most 100.
    static double usedPercent(quint64 ullTotal, quint64 ullUsed);
    // "FAT12", "FAT16", "FAT32" or empty.
    static QString fileSystemName(quint32 ulCode);

public Q_SLOTS:
    void slotClicked();

protected:
    void receiveCommand(const PV_CMD& clCommand) override;
    void paintEvent(QPaintEvent* pclEvent) override;

private:
    void announceSd(const QString& strFree, const QString& strTotal);
    QLabel* caption(const QString& strText, int lX, int lY, const char* pszName = nullptr);
    QLabel* icon(const char* pszPath, int lX, int lY);
    void showBattery(const PV_CMD& clCommand);
    void showWifi(const PV_CMD& clCommand);
    void showSd(const PV_CMD& clCommand);
    void handleFailure(const QUuid& uuidExecuted, quint16 usCode);

    ClWidgetProgress* pclBattery = nullptr;
    ClLabelWifiState* pclWifiState = nullptr;
    QWidget* pclSignalPanel = nullptr;
    QLabel* pclRssi = nullptr;
    QLabel* pclChannel = nullptr;
    QLabel* pclFileSystem = nullptr;
    QWidget* pclSdGauge = nullptr;
    ClPushButton* pclFormat = nullptr;
    ClPushButton* pclInit = nullptr;
    ClPushButton* pclReset = nullptr;
    ClPiechart clPie;
};
