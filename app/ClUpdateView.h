#pragma once
// What the user sees of the update controller's runs: the progress dialog it owns, and
// the controller's messages and questions shown as the tool's message boxes.
#include <QObject>
#include <QPointer>

class ClProgressDialog;
class ClTovuDownload;
class QWidget;

class ClUpdateView : public QObject
{
    Q_OBJECT

public:
    // The dialog and every box are modal over pclWindow, which also owns this object.
    ClUpdateView(ClTovuDownload* pclDownload, QWidget* pclWindow);
    ~ClUpdateView() override;

    ClProgressDialog* progressDialog() const;

public Q_SLOTS:
    void slotMessage(QString strTitle, QString strText);
    // Asks Yes or No and gives the controller the answer.
    void slotQuestion(QString strTitle, QString strText);
    // A new run's files are on their way: the dialog starts afresh and shows them.
    void slotProgressStart(qint32 lFileCount);

private:
    QPointer<ClTovuDownload> pclDownload;
    QWidget* pclWindow = nullptr;
    QPointer<ClProgressDialog> pclDialog;
};
