#include "ClUpdateView.h"

#include "ClProgressDialog.h"
#include "framework/ClMessageBox.h"
#include "update/ClDownload.h"
#include "update/ClTovuDownload.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>

namespace {
std::function<QString()>& fileChooser()
{
    static std::function<QString()> fnChooser;
    return fnChooser;
}
}  // namespace

void ClUpdateView::setFileChooserForTests(std::function<QString()> fnChooser)
{
    fileChooser() = std::move(fnChooser);
}

ClUpdateView::ClUpdateView(ClTovuDownload* pclDownload, QWidget* pclWindow)
    : QObject(pclWindow), pclDownload(pclDownload), pclWindow(pclWindow)
{
    connect(pclDownload, &ClTovuDownload::sigMessage, this, &ClUpdateView::slotMessage);
    connect(pclDownload, &ClTovuDownload::sigQuestion, this, &ClUpdateView::slotQuestion);
    connect(pclDownload, &ClDownload::sigProgressStart, this, &ClUpdateView::slotProgressStart);
    connect(pclDownload, &ClDownload::sigTotalProgress, this, [this](qint32 lReceived) {
        if (ClProgressDialog* pclShown = progressDialog())
            pclShown->slotTotalProgress(lReceived);
    });
    connect(pclDownload, &ClDownload::sigPartProgress, this, [this](qint64 llReceived, qint64 llTotal) {
        if (ClProgressDialog* pclShown = progressDialog())
            pclShown->slotPartProgress(llReceived, llTotal);
    });
    connect(pclDownload, &ClDownload::sigProgressInstalling, this, [this] {
        if (ClProgressDialog* pclShown = progressDialog())
            pclShown->slotChangeView();
    });
    connect(pclDownload, &ClTovuDownload::sigProgressEnd, this, [this] {
        if (ClProgressDialog* pclShown = progressDialog())
            pclShown->close();
    });
    // Writing into the camera: the same dialog, without Cancel.
    connect(pclDownload, &ClTovuDownload::sigWriteStart, this, [this](qint32 lBlocks) {
        if (ClProgressDialog* pclShown = progressDialog()) {
            pclShown->showWriting(lBlocks);
            pclShown->show();
        }
    });
    connect(pclDownload, &ClTovuDownload::sigWriteProgress, this, [this](qint32 lWritten) {
        if (ClProgressDialog* pclShown = progressDialog())
            pclShown->slotTotalProgress(lWritten);
    });
    connect(pclDownload, &ClTovuDownload::sigWriteEnd, this, [this] {
        if (ClProgressDialog* pclShown = progressDialog())
            pclShown->slotWriteEnd();
    });
}

ClUpdateView::~ClUpdateView()
{
    // The dialog lives as long as this view, even if the window outlives both.
    delete pclDialog.data();
}

ClProgressDialog* ClUpdateView::progressDialog() const
{
    if (!bDialogMade) {
        bDialogMade = true;
        pclDialog = new ClProgressDialog(pclWindow);
        pclDialog->setModal(true);
        pclDialog->setWindowTitle(ClMessageBox::applicationTitle());
        // Cancel confirmed in the dialog abandons the run.
        if (pclDownload)
            connect(pclDialog, &ClProgressDialog::sigCancel, pclDownload, &ClDownload::slotCancel);
    }
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
    ClProgressDialog* pclShown = progressDialog();
    if (pclShown == nullptr)
        return;
    pclShown->reset();
    pclShown->slotTotalFiles(lFileCount);
    pclShown->show();
}

void ClUpdateView::slotInstallFromFile()
{
    if (!pclDownload)
        return;
    const QString strPath = fileChooser() ? fileChooser()()
                                          : QFileDialog::getOpenFileName(pclWindow, tr("Install firmware from a file"),
                                                                         QString(), tr("Firmware (*.bin);;All files (*)"));
    if (!strPath.isEmpty())
        installFromFile(strPath);
}

void ClUpdateView::installFromFile(const QString& strPath)
{
    if (!pclDownload)
        return;
    const QString strName = QFileInfo(strPath).fileName();
    QFile clFile(strPath);
    if (!clFile.open(QIODevice::ReadOnly) || clFile.size() == 0 || clFile.size() > ClDownload::llMaxFileBytes) {
        slotMessage(ClMessageBox::applicationTitle(),
                    tr("%1 cannot be read as firmware (it is empty, too large or not readable). Nothing was written.")
                        .arg(strName));
        return;
    }
    const QByteArray clData = clFile.readAll();
    const QString strQuestion
        = tr("Write this firmware into the camera?\n\nFile: %1\nSize: %2 bytes\nSHA-256: %3\nFirmware in the camera "
             "now: %4\n\nA file you pick is not checked for a signature: use only firmware from your dealer.")
              .arg(strName, QLocale().toString(clData.size()),
                   QString::fromLatin1(QCryptographicHash::hash(clData, QCryptographicHash::Sha256).toHex()),
                   pclDownload->cameraVersion());
    ClMessageBox clAsk(pclWindow, strQuestion, ClMessageBox::applicationTitle(), QMessageBox::Yes | QMessageBox::No);
    if (clAsk.exec() != 1 || !pclDownload)
        return;
    if (!pclDownload->writeFirmwareFile(strName, clData))
        slotMessage(ClMessageBox::applicationTitle(),
                    tr("The firmware cannot be written now: connect the camera, wait until any update has ended, "
                       "and try again."));
}
