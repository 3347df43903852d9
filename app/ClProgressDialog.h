#pragma once
// Shows an update run: the file being fetched, its bytes, a small dot animation, and a
// Cancel button guarded by a confirmation.
#include <QDialog>
#include <QPointer>
#include <QTimer>

class QDialogButtonBox;
class QLabel;
#include <QMessageBox>
class QProgressBar;

class ClProgressDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ClProgressDialog(QWidget* parent = nullptr);
    ~ClProgressDialog() override;

    // Ready for a new run: downloading view, no dots, both bars at 0, Cancel offered.
    void reset();
    // Firmware is being written into the camera, lBlocks in all: a half-written camera is
    // worse than a wait, so Cancel is gone and the dialog says so; it stays until the
    // write ends (slotWriteEnd).
    void showWriting(qint32 lBlocks);
    bool isWriting() const { return bWriting; }

    // The confirmation box while it is shown (for tests); null otherwise.
    QMessageBox* confirmation() const { return pclConfirm; }

Q_SIGNALS:
    void sigCancel();

public Q_SLOTS:
    void slotTotalFiles(qint32 lFileCount);
    void slotTotalProgress(qint32 lDownloadedFileCount);
    void slotPartProgress(qint64 llReceived, qint64 llTotal);
    void slotChangeView();
    void slotTimerMovie();
    void slotSecondDotMove();
    void slotTherdDotMove();
    void slotEndMove();
    void slotCloseEvent();
    void slotWriteEnd();

public:
    // Escape and the window's close button do nothing while the camera is written.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* pclEvent) override;

private:
    QFont statusFont() const;

    QLabel* pclLogo = nullptr;
    QLabel* pclStatus = nullptr;
    QLabel* pclDots[3] = {};
    QProgressBar* pclFileBar = nullptr;
    QProgressBar* pclByteBar = nullptr;
    QDialogButtonBox* pclButtons = nullptr;
    QLabel* pclNoCancel = nullptr;
    bool bWriting = false;
    QTimer clMovieTimer;
    QPointer<QMessageBox> pclConfirm;
};
