#include "ClUpdateView.h"

#include "ClProgressDialog.h"
#include "app/framework/ClMessageBox.h"
#include "update/ClTovuDownload.h"

ClUpdateView::ClUpdateView(ClTovuDownload* pclDownload, QWidget* pclWindow)
    : QObject(pclWindow), pclDownload(pclDownload), pclWindow(pclWindow), pclDialog(new ClProgressDialog(pclWindow))
{
    pclDialog->setModal(true);
    pclDialog->setWindowTitle(ClMessageBox::applicationTitle());

    connect(pclDownload, &ClTovuDownload::sigMessage, this, &ClUpdateView::slotMessage);
    connect(pclDownload, &ClTovuDownload::sigQuestion, this, &ClUpdateView::slotQuestion);
    connect(pclDownload, &ClDownload::sigProgressStart, this, &ClUpdateView::slotProgressStart);
    connect(pclDownload, &ClDownload::sigTotalProgress, pclDialog, &ClProgressDialog::slotTotalProgress);
    connect(pclDownload, &ClDownload::sigPartProgress, pclDialog, &ClProgressDialog::slotPartProgress);
    connect(pclDownload, &ClDownload::sigProgressInstalling, pclDialog, &ClProgressDialog::slotChangeView);
    connect(pclDownload, &ClTovuDownload::sigProgressEnd, pclDialog, &ClProgressDialog::close);
    // Writing into the camera: the same dialog, without Cancel.
    connect(pclDownload, &ClTovuDownload::sigWriteStart, this, [this](qint32 lBlocks) {
        pclDialog->showWriting(lBlocks);
        pclDialog->show();
    });
    connect(pclDownload, &ClTovuDownload::sigWriteProgress, pclDialog, &ClProgressDialog::slotTotalProgress);
    connect(pclDownload, &ClTovuDownload::sigWriteEnd, pclDialog, &ClProgressDialog::slotWriteEnd);
    // Cancel confirmed in the dialog abandons the run.
    connect(pclDialog, &ClProgressDialog::sigCancel, pclDownload, &ClDownload::slotCancel);
}

ClUpdateView::~ClUpdateView()
{
    // The dialog lives as long as this view, even if the window outlives both.
    delete pclDialog.data();
}

ClProgressDialog* ClUpdateView::progressDialog() const
{
    return pclDialog;
}

void ClUpdateView::slotMessage(QString strTitle, QString strText)
{
    ClMessageBox clBox(pclWindow, strText, strTitle, QMessageBox::Ok);
    clBox.exec();
}

void ClUpdateView::slotQuestion(QString strTitle, QString strText)
{
    ClMessageBox clAsk(pclWindow, strText, strTitle, QMessageBox::Yes | QMessageBox::No);
    const bool bYes = clAsk.exec() == 1;
    if (pclDownload)
        pclDownload->slotAnswer(bYes);
}

void ClUpdateView::slotProgressStart(qint32 lFileCount)
{
    pclDialog->reset();
    pclDialog->slotTotalFiles(lFileCount);
    pclDialog->show();
}
