#pragma once
// The page shown while no camera is connected. When a Tovu is on the bus but cannot be
// used, it says why and what to do instead of asking for a cable that is plugged in.
#include "framework/ClWidgetBase.h"

#include <QStringList>

class QLabel;

class ClWidgetNotConnect : public ClWidgetBase
{
    Q_OBJECT

public:
    explicit ClWidgetNotConnect(QWidget* parent = nullptr);

    // lReason a ClUnusableReason; Usable goes back to asking for the cable. strNode is the
    // camera's device node, lstHolders the programs found holding it.
    void showDiagnosis(qint32 lReason, const QString& strNode, const QStringList& lstHolders);

    // Where the camera's udev rule is looked for; tests point it elsewhere.
    static void setRuleFolders(const QStringList& lstFolders);
    static bool ruleInstalled();

private:
    QLabel* pclText = nullptr;
    QLabel* pclDiagnosis = nullptr;
};
