#pragma once
// The bar at the bottom of the main window: Reload and Apply, and the one-line message
// that slides in, stays five seconds and slides out.
#include <QPixmap>
#include <QWidget>

class QLabel;
class QPushButton;
class QSequentialAnimationGroup;

class ClLogWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ClLogWidget(QWidget* parent = nullptr);

    QLabel* messageLabel() const { return pclMessage; }
    QSequentialAnimationGroup* animation() const { return pclAnimation; }

Q_SIGNALS:
    void sigReload();
    void sigApply();

public Q_SLOTS:
    void slotSetLog(QString strText);
    void slotSetButtonEnable(bool bValidReload, bool bValidApply);

protected:
    bool eventFilter(QObject* pclWatched, QEvent* pclEvent) override;
    void paintEvent(QPaintEvent* pclEvent) override;

private:
    QPixmap clBackground;
    QLabel* pclMessage = nullptr;
    QPushButton* pclReload = nullptr;
    QPushButton* pclApply = nullptr;
    QSequentialAnimationGroup* pclAnimation = nullptr;
};
