#pragma once
// "Live viewing setting": the resolution, frame rate and bit rate of the live view stream.
#include "ClRateCommands.h"
#include "app/framework/ClWidgetBase.h"

#include <QSize>

class ClRateRows;
class QComboBox;

class ClWidgetLiveSetting : public ClWidgetBase
{
    Q_OBJECT

public:
    explicit ClWidgetLiveSetting(QWidget* parent = nullptr);

    void requestData(bool bIsPolling) override;
    void setCameraInfo(qint32 lModel, QString strVersion) override;

    static QSize sizeOfIndex(int lIndex);
    static int indexOfSize(const QSize& clSize);

    ClRateRows* rateRows() const { return pclRates; }

public Q_SLOTS:
    void slotApply() override;

protected:
    void receiveCommand(const PV_CMD& clCommand) override;

private:
    void askAfter(const QUuid& uuidAnswered);

    QComboBox* pclResolution = nullptr;
    ClRateRows* pclRates = nullptr;

    QList<QUuid> lstSupported;
    ClRateCommands clCommands;
};
