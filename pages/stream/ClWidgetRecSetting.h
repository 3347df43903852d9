#pragma once
// "Recording setting": the resolution, frame rate and bit rate the camera records with,
// and how long an SD card of a chosen size lasts at that bit rate.
#include "ClRateCommands.h"
#include "app/framework/ClWidgetBase.h"

#include <QSize>

class ClRateRows;
class QComboBox;
class QLabel;

class ClWidgetRecSetting : public ClWidgetBase
{
    Q_OBJECT

public:
    explicit ClWidgetRecSetting(QWidget* parent = nullptr);

    void requestData(bool bIsPolling) override;
    void setCameraInfo(qint32 lModel, QString strVersion) override;

    // The size of a resolution combo index, and the index showing a size (0 for others).
    static QSize sizeOfIndex(int lIndex);
    static int indexOfSize(const QSize& clSize);

    int maximumBitRate() const;
    ClRateRows* rateRows() const { return pclRates; }

public Q_SLOTS:
    void slotApply() override;
    void slotChangeBitRate(int lValue);
    void slotChangeFrameRate();
    void slotChangeSDSize(int lIndex);
    void slotChangeRange();

protected:
    void receiveCommand(const PV_CMD& clCommand) override;

private:
    void askAfter(const QUuid& uuidAnswered);
    void updateEstimate();
    void updateEditColour();

    QComboBox* pclResolution = nullptr;
    ClRateRows* pclRates = nullptr;
    QComboBox* pclSdSize = nullptr;
    QLabel* pclEstimate = nullptr;
    QWidget* pclSdRow = nullptr;

    QList<QUuid> lstSupported;
    ClRateCommands clCommands;
    qint64 llSdCapacity = 0;
    // One "Set failed for recording" box per Apply.
    bool bRecordingBoxShown = false;
};
