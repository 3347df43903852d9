#include "ClWidgetStreamSetting.h"

#include "app/framework/ClWidgetBase.h"

ClWidgetStreamSetting::ClWidgetStreamSetting(QWidget* parent) : ClListWidgetBase(parent)
{
    setObjectName(QStringLiteral("pageStream"));
    // The rows' pages are empty until their own settings arrive.
    addPage(new ClWidgetBase, QStringLiteral(":/move/live"), tr("Common \nmovie setting"), 0);
    addPage(new ClWidgetBase, QStringLiteral(":/move/record"), tr("Recording \nsetting"), 1);
    addPage(new ClWidgetBase, QStringLiteral(":/move/video"), tr("Live \nviewing setting"), 2);
}
