#pragma once
// "Recording setting": the resolution, frame rate and bit rate the camera records with,
// and how long an SD card of a chosen size lasts at that bit rate.
#include "ClWidgetRatePage.h"

class QComboBox;
class QLabel;

class ClWidgetRecSetting : public ClWidgetRatePage
{
    Q_OBJECT

public:
    explicit ClWidgetRecSetting(QWidget* parent = nullptr);

    void setCameraInfo(qint32 lModel, QString strVersion) override;

    // The size of a resolution combo index, and the index showing a size (0 for others).
    static QSize sizeOfIndex(int lIndex);
    static int indexOfSize(const QSize& clSize);

    int maximumBitRate() const;

public Q_SLOTS:
    void slotApply() override;
    void slotChangeBitRate(int lValue);
    void slotChangeFrameRate();
    void slotChangeSDSize(int lIndex);
    void slotChangeRange();

protected:
    QSize sizeShownAt(int lIndex) const override { return sizeOfIndex(lIndex); }
    int indexShowing(const QSize& clSize) const override { return indexOfSize(clSize); }
    bool mayApplyBitRate() override;
    bool explainFailedSet(quint16 usCode) override;

private:
    void updateEstimate();
    void updateEditColour();

    QComboBox* pclSdSize = nullptr;
    QLabel* pclEstimate = nullptr;
    QWidget* pclSdRow = nullptr;

    qint64 llSdCapacity = 0;
    // One "Set failed for recording" box per Apply.
    bool bRecordingBoxShown = false;
};
