// The pie chart: which stretches of its front wall a slice gets, wherever it starts and
// ends, and that pieces do not pile up. (The slices of the camera page's card are the
// page's tests.)
#include "pages/status/ClPiechart.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

namespace {
// The chart as the camera page sets it up.
void cameraPageChart(ClPiechart& clPie)
{
    clPie.setPosition(QPointF(180, 180));
    clPie.setDepth(25);
    clPie.setClockwise(false);
    clPie.setStartAngle(90);
    clPie.setWidth(200);
    clPie.setHeight(150);
    clPie.setAlpha(80);
}

void draw(ClPiechart& clPie)
{
    QImage clImage(600, 500, QImage::Format_ARGB32);
    QPainter clPainter(&clImage);
    clPie.draw3D(&clPainter);
}
}  // namespace

class TestPiechart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Walls by where a slice starts and ends, on a chart starting at the slice's start.
    void walls_data()
    {
        QTest::addColumn<double>("dStart");
        QTest::addColumn<double>("dPercent");
        QTest::addColumn<QList<ClPiechart::WallPart>>("lstParts");
        using Parts = QList<ClPiechart::WallPart>;
        QTest::newRow("front to front") << 200.0 << 10.0 << Parts {{200.0, 236.0}};
        QTest::newRow("back into front") << 150.0 << 25.0 << Parts {{180.0, 240.0}};
        QTest::newRow("front into back") << 300.0 << 25.0 << Parts {{300.0, 360.0}};
        QTest::newRow("back only") << 45.0 << 25.0 << Parts {};
        QTest::newRow("round behind") << 300.0 << 90.0 << Parts {{180.0, 264.0}, {300.0, 360.0}};
        QTest::newRow("whole pie") << 0.0 << 100.0 << Parts {{180.0, 360.0}};
    }

    void walls()
    {
        QFETCH(double, dStart);
        QFETCH(double, dPercent);
        QFETCH(QList<ClPiechart::WallPart>, lstParts);
        ClPiechart clPie;
        cameraPageChart(clPie);
        clPie.setStartAngle(dStart);
        clPie.addPiece(QStringLiteral("one"), Qt::red, dPercent);
        draw(clPie);
        QCOMPARE(clPie.drawnWalls().size(), 1);
        const QList<ClPiechart::WallPart> lstDrawn = clPie.drawnWalls().at(0);
        QCOMPARE(lstDrawn.size(), lstParts.size());
        for (int i = 0; i < lstParts.size(); ++i) {
            QVERIFY(qAbs(lstDrawn[i].first - lstParts[i].first) < 1e-9);
            QVERIFY(qAbs(lstDrawn[i].second - lstParts[i].second) < 1e-9);
        }
    }

    void piecesComeAndGo()
    {
        ClPiechart clPie;
        QImage clImage(10, 10, QImage::Format_ARGB32);
        QPainter clPainter(&clImage);
        clPie.draw3D(&clPainter);  // nothing to draw, nothing drawn
        QVERIFY(clPie.drawnWalls().isEmpty());

        ClPiece clOwn(QStringLiteral("mine"), Qt::blue, 30);
        clPie.addPiece(QStringLiteral("a"), Qt::red, 40);
        clPie.appendPiece(&clOwn);
        clPie.addPiece(QStringLiteral("b"), Qt::green, 30);
        clPie.sortAscending();
        QCOMPARE(clPie.pieces().at(0), &clOwn);  // stable: the first of the two 30s stays first
        clPie.sortDescending();
        QCOMPARE(clPie.pieces().at(0)->name(), QStringLiteral("a"));
        clPie.removePieces(QStringLiteral("a"));
        QCOMPARE(clPie.pieces().size(), 2);
        clPie.removePiece(&clOwn);
        QCOMPARE(clPie.pieces().size(), 1);

        // Redrawn every few seconds for hours, the chart keeps only its current pieces.
        for (int i = 0; i < 100; ++i) {
            clPie.clear();
            clPie.addPiece(QStringLiteral("Space"), Qt::green, 60);
            clPie.addPiece(QStringLiteral("Used"), Qt::blue, 40);
        }
        QCOMPARE(clPie.findChildren<ClPiece*>().size(), 2);
        QCOMPARE(clOwn.name(), QStringLiteral("mine"));  // a piece the chart did not make survives
    }
};

QTEST_MAIN(TestPiechart)
#include "TestPiechart.moc"
