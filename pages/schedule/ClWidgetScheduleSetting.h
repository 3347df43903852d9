#pragma once
// Page 5, the weekly recording schedule of the Tovu-S: one row per weekday and an
// every-day row, each with its switch and a period on a 24-hour axis, and the switch of
// the whole schedule. Reload reads the schedule; Apply writes the switch, then the rows
// one after the other, and stops at the first failure.
#include "ClWidgetWeekday.h"
#include "framework/ClWidgetBase.h"

#include <QMap>

class QCheckBox;
class QLabel;

class ClWidgetScheduleSetting : public ClWidgetBase
{
    Q_OBJECT

public:
    explicit ClWidgetScheduleSetting(QWidget* parent = nullptr);

    void setCameraInfo(qint32 lModel, QString strVersion) override;
    void requestData(bool bIsPolling) override;

    // Row numbers (1 Monday ... 7 Sunday, 8 every day) and the camera's day codes
    // (1 Sunday ... 7 Saturday, 8 every day); -1 for anything else.
    static int rowOfDayCode(int lDayCode);
    static int dayCodeOfRow(int lRow);
    // The row a row's period continues on after midnight.
    static int nextRow(int lRow);

    ClWidgetWeekday* row(int lRow) const { return mapRows.value(lRow); }

Q_SIGNALS:
    void sigChangeSchedEnable(bool bIsEnable);

public Q_SLOTS:
    void slotApply() override;
    void slotShowIndicator(ClWidgetWeekday::eBarType eType);
    void slotHideIndicator();
    void slotActiveEveryday();
    void slotLeaveEveryday();
    void slotChangedEverydayRange();
    void slotChangedEverydayEnable(bool bEnable);
    void slotUpdateTotal();

protected:
    void receiveCommand(const PV_CMD& clCommand) override;
    void resizeEvent(QResizeEvent* pclEvent) override;
    bool eventFilter(QObject* pclWatched, QEvent* pclEvent) override;
    void paintEvent(QPaintEvent* pclEvent) override;

private:
    void buildRows(class QVBoxLayout* pclLayout);
    void showSchedule(const PV_CMD& clAnswer);
    void forgetSchedule();
    void writeRow(int lRow);
    void finishApply(bool bApplied);
    void placeIndicator(QLabel* pclLabel, ClWidgetWeekday* pclRow, const QTime& tmTime);
    QLabel* decoration(const QString& strPath, const QString& strObjectName);

    QMap<int, ClWidgetWeekday*> mapRows;
    QCheckBox* pclEnable = nullptr;
    QWidget* pclContent = nullptr;
    QLabel* pclScale = nullptr;
    QLabel* pclIndicatorStart = nullptr;
    QLabel* pclIndicatorEnd = nullptr;
    QLabel* pclRegion = nullptr;
    QLabel* pclRegionAfterMidnight = nullptr;
    QPixmap clBackground;
    qint32 lApplyStep = 0;
    bool bApplying = false;
    bool bSupported = false;
    // A schedule has been read: only then is there anything to write.
    bool bLoaded = false;
};
