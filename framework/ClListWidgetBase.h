#pragma once
// The container of composite pages: a list of sub-pages on the left and the page of the
// current row on the right. Only the page shown is attached to the main window.
#include "ClPage.h"

#include <QModelIndex>
#include <QPointer>
#include <QWidget>

class ClPageListView;
class ClWidgetBase;
class QStackedLayout;
class QVBoxLayout;
class QStandardItemModel;

class ClListWidgetBase : public QWidget, public ClPage
{
    Q_OBJECT

public:
    explicit ClListWidgetBase(QWidget* parent = nullptr);

    // Passes model and firmware version on to every page.
    void setCameraInfo(qint32 lModel, QString strVersion) override;
    // Attaches the page shown to the main window, and remembers the window so that a
    // row pressed later moves the attachment.
    void activate(QWidget* pclMain) override;
    void deactivate(QWidget* pclMain) override;
    QWidget* pageWidget() override { return this; }
    // The selected icon is the resource at strIcon + "s".
    virtual void addPage(QWidget* pclPage, QString strIcon, QString strTitle, int lPosition);
    virtual void removePage(int lPosition);

    int pageCount() const;
    QWidget* page(int lPosition) const;
    QWidget* currentPage() const;
    int currentRow() const;
    ClPageListView* listView() const { return pclList; }

    static constexpr int lPageWidth = 460;

public Q_SLOTS:
    virtual void slotPageChange(QModelIndex clIndex);

protected:
    // A widget shown above every page (the stream section's preview), as wide as the pages.
    void setPageHeader(QWidget* pclHeader);

private:
    ClWidgetBase* currentWidgetBase() const;

    ClPageListView* pclList = nullptr;
    QStandardItemModel* pclModel = nullptr;
    QStackedLayout* pclStack = nullptr;
    QVBoxLayout* pclAreaLayout = nullptr;
    QPointer<QWidget> pclMain;
};
