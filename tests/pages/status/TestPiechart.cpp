// The pie chart's geometry: angles and quadrants, rim points, the slices of the camera
// page's chart with the walls and cut faces they get, and that pieces do not pile up.
#include "pages/status/ClPiechart.h"
#include "pages/status/ClWidgetCameraState.h"

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
    void anglesAndQuadrants_data()
    {
        QTest::addColumn<double>("dAngle");
        QTest::addColumn<double>("dNormal");
        QTest::addColumn<int>("lQuadrant");
        QTest::newRow("0 is no quadrant's inside") << 0.0 << 0.0 << 1;
        QTest::newRow("90 closes the first") << 90.0 << 90.0 << 1;
        QTest::newRow("90.5") << 90.5 << 90.5 << 2;
        QTest::newRow("180") << 180.0 << 180.0 << 2;
        QTest::newRow("270") << 270.0 << 270.0 << 3;
        QTest::newRow("359.9") << 359.9 << 359.9 << 4;
        QTest::newRow("360 wraps") << 360.0 << 0.0 << 1;
        QTest::newRow("450.25 keeps its fraction") << 450.25 << 90.25 << 2;
        QTest::newRow("negative keeps its sign") << -90.5 << -90.5 << 1;
    }

    void anglesAndQuadrants()
    {
        QFETCH(double, dAngle);
        QFETCH(double, dNormal);
        QFETCH(int, lQuadrant);
        ClPiechart clPie;
        QCOMPARE(clPie.normalizeAngle(dAngle), dNormal);
        QCOMPARE(clPie.quadrant(dAngle), lQuadrant);
    }

    void tiltAndRim()
    {
        ClPiechart clPie;
        cameraPageChart(clPie);
        QCOMPARE(clPie.tiltFactor(), 90.0 / 80.0);
        QCOMPARE(clPie.boundingRect(false), QRectF(180, 180, 200, 150 / 1.125));
        QCOMPARE(clPie.boundingRect(true).height(), 150 / 1.125 + 25);
        // 0 degrees is 3 o'clock, 90 the top, 270 the front.
        QCOMPARE(clPie.rimPoint(0, 0, 0), QPointF(380, 180 + 150 / 1.125 / 2));
        QCOMPARE(clPie.rimPoint(90, 0, 0).x(), 280.0);
        QCOMPARE(clPie.rimPoint(90, 0, 0).y(), 180.0);
        QCOMPARE(clPie.rimPoint(270, 0, 0).y(), 180 + 150 / 1.125);
        // A given width and height replace the chart's.
        QCOMPARE(clPie.rimPoint(180, 100, 50), QPointF(180, 205));
        // Tilts outside 0..90 are not tilted.
        for (double dAlpha : {0.0, 90.0, 120.0, -10.0}) {
            clPie.setAlpha(dAlpha);
            QCOMPARE(clPie.tiltFactor(), 1.0);
        }
    }

    void cameraPageSlices()
    {
        ClPiechart clPie;
        cameraPageChart(clPie);
        // 8 GiB with 2 GiB used.
        const double dUsed = ClWidgetCameraState::usedPercent(8ull << 30, 2ull << 30);
        QCOMPARE(dUsed, 25.0);
        clPie.addPiece(QStringLiteral("Space"), QColor(102, 255, 51), 100 - dUsed);
        clPie.addPiece(QStringLiteral("Used"), QColor(102, 51, 204), dUsed);
        draw(clPie);

        const QList<ClPiece*> lstPieces = clPie.pieces();
        QCOMPARE(lstPieces.size(), 2);
        const QRectF clTop(180, 180, 200, 150 / 1.125);
        QCOMPARE(lstPieces[0]->drawnRect(), clTop);
        QCOMPARE(lstPieces[0]->drawnStart(), 90.0);
        QCOMPARE(lstPieces[0]->drawnSpan(), 270.0);
        QCOMPARE(lstPieces[1]->drawnStart(), 360.0);
        QCOMPARE(lstPieces[1]->drawnSpan(), 90.0);

        // The first slice passes the whole front; the second lies behind.
        using Parts = QList<ClPiechart::WallPart>;
        QCOMPARE(clPie.drawnWalls(), (QList<Parts> {Parts {{180.0, 360.0}}, Parts {}}));
        // No end face (the pie is closed there); the start face at 90 degrees is a
        // vertical line at the centre.
        QCOMPARE(clPie.drawnFaces().size(), 1);
        QCOMPARE(clPie.drawnFaces().at(0).dAngle, 90.0);
        const QPolygonF clFace = clPie.drawnFaces().at(0).clPolygon;
        for (const QPointF& ptCorner : clFace)
            QCOMPARE(ptCorner.x(), 280.0);
        QCOMPARE(clFace.boundingRect().height(), 150 / 1.125 / 2 + 25);
    }

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
