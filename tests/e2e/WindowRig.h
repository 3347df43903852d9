#pragma once
// The real main window on a virtual USB bus, as the page e2e tests drive it: timeouts at
// once, no update check reaching out, and every box answered Yes where it asks, else OK,
// with its text kept.
#include "app/ClButtonMode.h"
#include "app/ClMainWidget.h"
#include "app/ClWidgetSelectMode.h"
#include "framework/ClListWidgetBase.h"
#include "framework/ClMessageBox.h"
#include "framework/ClPageListView.h"
#include "session/ClCameraSession.h"
#include "update/ClTovuDownload.h"
#include "usb/ClUsbService.h"
#include "virtualcamera/ClVirtualCamera.h"
#include "virtualcamera/ClVirtualUsbBus.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

class WindowRig
{
public:
    explicit WindowRig(int lSettleMs)
    {
        ClMessageBox::setTestResponder([this](const QString& strText, QMessageBox::StandardButtons clButtons) {
            lstBoxes.append(strText);
            return clButtons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
        });
        upBus->setImmediateTimeouts(true);
        upWindow = std::make_unique<ClMainWidget>(upBus.get());
        upWindow->usbService()->setSettleDelay(lSettleMs);
        upWindow->downloader()->stop();
        upWindow->page(7)->findChild<QCheckBox*>("checkAutoUpdate")->setChecked(false);
    }
    ~WindowRig()
    {
        upWindow.reset();
        upBus.reset();
        ClMessageBox::setTestResponder({});
    }

    ClVirtualUsbBus& bus() { return *upBus; }
    ClMainWidget& window() { return *upWindow; }
    template <class T> T* find(const char* pszName) const { return upWindow->findChild<T*>(pszName); }

    static void click(QWidget* pclWidget) { QTest::mouseClick(pclWidget, Qt::LeftButton); }
    void apply() { click(find<QPushButton>("buttonApply")); }
    void reload() { click(find<QPushButton>("buttonReload")); }
    QString log() const { return find<QLabel>("labelLog")->text(); }
    // Clicks a row of a section's list, as a user picks a page.
    static void openRow(ClListWidgetBase* pclSection, int lRow)
    {
        ClPageListView* pclList = pclSection->listView();
        const QRect clRect = pclList->visualRect(pclList->model()->index(lRow, 0));
        QTest::mouseClick(pclList->viewport(), Qt::LeftButton, {}, clRect.center());
    }

    QStringList lstBoxes;

private:
    std::unique_ptr<ClVirtualUsbBus> upBus = std::make_unique<ClVirtualUsbBus>();
    std::unique_ptr<ClMainWidget> upWindow;
};
