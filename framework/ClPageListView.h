#pragma once
// The list of a composite page's sub-pages: one 40-pixel row per page with icon and
// title, the current row drawn over the highlight and the arrow pointing at the page.
#include <QListView>

class ClPageListView : public QListView
{
    Q_OBJECT

public:
    explicit ClPageListView(QWidget* parent = nullptr);

    static constexpr int lRowHeight = 40;

Q_SIGNALS:
    // The user moved to another row with the keyboard.
    void sigRowChosen(QModelIndex clIndex);

protected:
    void keyPressEvent(QKeyEvent* pclEvent) override;
    void paintEvent(QPaintEvent* pclEvent) override;
};
