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

    // Ready for a new run: downloading view, no dots, both bars at 0.
    void reset();

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
    QTimer clMovieTimer;
    QPointer<QMessageBox> pclConfirm;
};
