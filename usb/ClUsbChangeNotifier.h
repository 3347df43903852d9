#pragma once
// Tells the USB worker that devices may have come or gone, so that it scans the bus again.
// It never says what changed: the scan finds that out.
#include <QObject>

class ClUsbChangeNotifier : public QObject
{
    Q_OBJECT

public:
    explicit ClUsbChangeNotifier(QObject* pclParent = nullptr);
    ~ClUsbChangeNotifier() override;

    // Starts watching; called once on the thread that receives sigChanged().
    virtual void start();

Q_SIGNALS:
    void sigChanged();
};
