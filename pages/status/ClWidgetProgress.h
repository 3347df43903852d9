#pragma once
// The battery gauge: a bar without text and, below it, the level in per cent in bold, in
// green, the warning colour from 49 down to 10, and red below. A level the camera cannot
// have shows "--".
#include <QWidget>

class QLabel;
class QProgressBar;

class ClWidgetProgress : public QWidget
{
    Q_OBJECT

public:
    explicit ClWidgetProgress(QWidget* parent = nullptr);

    // lLevel in per cent; above 100 shows 100, below 0 shows "--" and an empty bar.
    void setLevel(qint64 lLevel);
    QString levelText() const;
    QColor levelColor() const;
    int barValue() const;

private:
    void announce(const QString& strLevel);

    QProgressBar* pclBar = nullptr;
    QLabel* pclLabel = nullptr;
};
