#pragma once
// What the user sees of the update controller's runs: the progress dialog it owns, the
// controller's messages and questions shown as the tool's message boxes, and the choice
// and confirmation of a firmware file to write into the camera.
#include <QObject>
#include <QPointer>

#include <functional>

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

    // Made when first asked for: most runs of the tool never show it.
    ClProgressDialog* progressDialog() const;

    // For tests only: answers the file dialog with the path it returns (empty: none
    // chosen) instead of showing it; an empty function shows the dialog again.
    static void setFileChooserForTests(std::function<QString()> fnChooser);
    // Shows what strPath holds and the camera's version, and on Yes has the controller
    // write it into the camera.
    void installFromFile(const QString& strPath);

public Q_SLOTS:
    void slotMessage(QString strTitle, QString strText);
    // Asks Yes or No and gives the controller the answer.
    void slotQuestion(QString strTitle, QString strText);
    // A new run's files are on their way: the dialog starts afresh and shows them.
    void slotProgressStart(qint32 lFileCount);
    // Lets the user pick a firmware file, then as installFromFile.
    void slotInstallFromFile();

private:
    QPointer<ClTovuDownload> pclDownload;
    QWidget* pclWindow = nullptr;
    mutable QPointer<ClProgressDialog> pclDialog;
    mutable bool bDialogMade = false;
};
