#pragma once
// Row 2 of the basic settings: the Wi-Fi regulatory country and the delay after which the
// camera switches Wi-Fi off by itself, in whole minutes from 1 to 10.
#include "framework/ClWidgetBase.h"

class QComboBox;
class QGroupBox;
class QSpinBox;

class ClWidgetBasicWifi : public ClWidgetBase
{
    Q_OBJECT

public:
    explicit ClWidgetBasicWifi(QWidget* parent = nullptr);

    void requestData(bool bIsPolling) override;
    // A camera gone leaves nothing of its settings on the page.
    void setCameraInfo(qint32 lModel, QString strVersion) override;

    // The longest delay the page takes for a setting; a longer one is no value any
    // firmware offers and is shown, but not rewritten unless the user changes it.
    static constexpr quint32 ulLongestDelay = 3600;

public Q_SLOTS:
    void slotApply() override;

protected:
    void receiveCommand(const PV_CMD& clCommand) override;

private:
    quint32 shownSeconds() const;
    qint32 shownCountry() const;

    qint32 country = 0;
    qint32 countryPending = 0;
    quint32 autoOffSec = 0;
    quint32 autoOffSecPending = 0;
    // A delay beyond every range, as the controls showed it when it came.
    bool bAutoOffUnreadable = false;
    quint32 ulAutoOffShown = 0;

    QComboBox* pclCountry = nullptr;
    QGroupBox* pclAutoOff = nullptr;
    QSpinBox* pclMinutes = nullptr;
};
