#pragma once
// What the recording and live viewing pages share: a resolution combo and the frame and
// bit rate rows, kept with the camera through three Get and three Set commands. The pages
// differ in the commands, the sizes they offer and what more they show.
#include "ClRateCommands.h"
#include "framework/ClWidgetBase.h"

#include <QSize>

class ClRateRows;
class QComboBox;
class QVBoxLayout;

class ClWidgetRatePage : public ClWidgetBase
{
    Q_OBJECT

public:
    void requestData(bool bIsPolling) override;
    ClRateRows* rateRows() const { return pclRates; }

public Q_SLOTS:
    void slotApply() override;

protected:
    // aGets, aReplies and aSets are in the order of ClRateCommands::Value; strName ("Rec",
    // "Live") names the page's widgets.
    ClWidgetRatePage(const QString& strName, const QString& strResolutionLabel, const std::array<QUuid, 3>& aGets,
                     const std::array<QUuid, 3>& aReplies, const std::array<QUuid, 3>& aSets, QWidget* parent);

    void receiveCommand(const PV_CMD& clCommand) override;
    // Shows the rows whose Get the camera answers; a camera gone (model -1) also takes its
    // values off the page.
    void showSupported(qint32 lModel, const QString& strVersion);
    bool isSupported(ClRateCommands::Value eValue) const;

    virtual QSize sizeShownAt(int lIndex) const = 0;
    virtual int indexShowing(const QSize& clSize) const = 0;
    // Whether the bit rate shown may go out with this Apply; the page explains a refusal.
    virtual bool mayApplyBitRate() { return true; }
    // A Set the camera refused with usCode; true when the page has told the user why.
    virtual bool explainFailedSet(quint16) { return false; }

    QComboBox* pclResolution = nullptr;
    ClRateRows* pclRates = nullptr;
    QVBoxLayout* pclLayout = nullptr;

private:
    void askAfter(const QUuid& uuidAnswered);
    void receiveOutcome(const PV_CMD& clCommand);

    const std::array<QUuid, 3> aGets;
    const std::array<QUuid, 3> aReplies;
    QList<QUuid> lstSupported;
    ClRateCommands clCommands;
};
