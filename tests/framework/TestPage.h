#pragma once
// A page that records what the framework makes it do.
#include "ClWidgetBase.h"

#include <QEvent>
#include <QStringList>

class TestPage : public ClWidgetBase
{
    Q_OBJECT

public:
    explicit TestPage(QWidget* parent = nullptr, QStringList* pLog = nullptr, QString strName = {})
        : ClWidgetBase(parent), pLog(pLog), strName(std::move(strName))
    {
        strApplied = QStringLiteral("Time settings is applied");
    }

    void requestData(bool bIsPolling) override
    {
        ++lRequests;
        if (bIsPolling)
            ++lPolls;
        record(QStringLiteral("request"));
    }
    void activate(QWidget* pclMain) override
    {
        record(QStringLiteral("activate"));
        ClWidgetBase::activate(pclMain);
    }
    void deactivate(QWidget* pclMain) override
    {
        record(QStringLiteral("deactivate"));
        ClWidgetBase::deactivate(pclMain);
    }
    void setCameraInfo(qint32 lModel, QString strVersion) override
    {
        lLastModel = lModel;
        strLastVersion = strVersion;
    }
    void slotReceiveCommand(PV_CMD clCommand) override
    {
        lstReceived.append(clCommand);
        ClWidgetBase::slotReceiveCommand(clCommand);
    }
    bool event(QEvent* pclEvent) override
    {
        if (pclEvent->type() == QEvent::MouseButtonPress)
            ++lMousePresses;
        return ClWidgetBase::event(pclEvent);
    }

    int lRequests = 0;
    int lPolls = 0;
    int lMousePresses = 0;
    qint32 lLastModel = -2;
    QString strLastVersion;
    QList<PV_CMD> lstReceived;

private:
    void record(const QString& strWhat)
    {
        if (pLog != nullptr)
            pLog->append(strName + QLatin1Char(':') + strWhat);
    }

    QStringList* pLog;
    QString strName;
};
