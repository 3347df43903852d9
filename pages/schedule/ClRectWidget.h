#pragma once
// A picture widget the user can move and stretch with the mouse: it paints itself as a
// nine-part frame (corners unscaled, edges and centre stretched), is exactly as large as
// its painted shape (clicks on transparent parts reach what lies beneath) and follows a
// left-button drag, moving or resizing at the edge that was grabbed.
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QRegion>
#include <QWidget>

class ClRectWidget : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool dragMove READ dragMove WRITE setDragMove)
    Q_PROPERTY(bool dragChangeSize READ dragChangeSize WRITE setDragChangeSize)
    Q_PROPERTY(QPixmap imgTopLeft READ imgTopLeft WRITE setImgTopLeft)
    Q_PROPERTY(QPixmap imgTop READ imgTop WRITE setImgTop)
    Q_PROPERTY(QPixmap imgTopRight READ imgTopRight WRITE setImgTopRight)
    Q_PROPERTY(QPixmap imgLeft READ imgLeft WRITE setImgLeft)
    Q_PROPERTY(QPixmap imgCenter READ imgCenter WRITE setImgCenter)
    Q_PROPERTY(QPixmap imgRight READ imgRight WRITE setImgRight)
    Q_PROPERTY(QPixmap imgBottomLeft READ imgBottomLeft WRITE setImgBottomLeft)
    Q_PROPERTY(QPixmap imgBottom READ imgBottom WRITE setImgBottom)
    Q_PROPERTY(QPixmap imgBottomRight READ imgBottomRight WRITE setImgBottomRight)

public:
    // Edge flags of the hit test; the drag modes.
    enum { EdgeTop = 1, EdgeLeft = 2, EdgeRight = 4, EdgeBottom = 8 };
    enum { ModeNone = 0, ModeResize = 16, ModeMove = 32 };
    // The nine parts, row by row.
    enum ePart { TopLeft, Top, TopRight, Left, Center, Right, BottomLeft, Bottom, BottomRight, PartCount };

    explicit ClRectWidget(QWidget* parent = nullptr);

    bool dragMove() const { return bDragMove; }
    void setDragMove(bool bValue) { bDragMove = bValue; }
    bool dragChangeSize() const { return bDragChangeSize; }
    void setDragChangeSize(bool bValue) { bDragChangeSize = bValue; }

    QPixmap image(ePart ePartIndex) const { return aImages[ePartIndex]; }
    void setImage(ePart ePartIndex, const QPixmap& clPixmap);
    QPixmap imgTopLeft() const { return image(TopLeft); }
    void setImgTopLeft(const QPixmap& clPixmap) { setImage(TopLeft, clPixmap); }
    QPixmap imgTop() const { return image(Top); }
    void setImgTop(const QPixmap& clPixmap) { setImage(Top, clPixmap); }
    QPixmap imgTopRight() const { return image(TopRight); }
    void setImgTopRight(const QPixmap& clPixmap) { setImage(TopRight, clPixmap); }
    QPixmap imgLeft() const { return image(Left); }
    void setImgLeft(const QPixmap& clPixmap) { setImage(Left, clPixmap); }
    QPixmap imgCenter() const { return image(Center); }
    void setImgCenter(const QPixmap& clPixmap) { setImage(Center, clPixmap); }
    QPixmap imgRight() const { return image(Right); }
    void setImgRight(const QPixmap& clPixmap) { setImage(Right, clPixmap); }
    QPixmap imgBottomLeft() const { return image(BottomLeft); }
    void setImgBottomLeft(const QPixmap& clPixmap) { setImage(BottomLeft, clPixmap); }
    QPixmap imgBottom() const { return image(Bottom); }
    void setImgBottom(const QPixmap& clPixmap) { setImage(Bottom, clPixmap); }
    QPixmap imgBottomRight() const { return image(BottomRight); }
    void setImgBottomRight(const QPixmap& clPixmap) { setImage(BottomRight, clPixmap); }

    // 0 none, ModeResize + the grabbed edges, ModeMove.
    int dragMode() const { return lDragMode; }
    // The edges under a local point: 1, 2, 4, 8, the corners 3, 5, 10, 12, or 0.
    virtual int hitTest(const QPoint& ptLocal) const;

    // How far from an edge a press still grabs it.
    static constexpr int lGrabMargin = 5;

Q_SIGNALS:
    // The left button was let go after a move or a stretch.
    void sigDragFinished();

protected:
    // The new rectangle (parent's coordinates) when the grabbed edges are dragged to
    // ptEdge; keeps the minimum size.
    virtual QRect resizedRect(int lEdges, const QPoint& ptEdge) const;
    // What the widget paints besides its parts, added to its shape (local coordinates).
    virtual QRegion extraShape() const { return QRegion(); }
    // The shape changed outside the parts: placed again now when shown, else when the
    // widget is shown.
    void markLayoutOutdated();

    void mousePressEvent(QMouseEvent* pclEvent) override;
    void mouseMoveEvent(QMouseEvent* pclEvent) override;
    void mouseReleaseEvent(QMouseEvent* pclEvent) override;
    void paintEvent(QPaintEvent* pclEvent) override;
    void resizeEvent(QResizeEvent* pclEvent) override;
    void showEvent(QShowEvent* pclEvent) override;

private:
    struct Part
    {
        QPixmap clPixmap;
        QPoint ptAt;
        QRegion clRegion;
    };
    // How much of a picture is opaque. Read once when the picture is set: most parts are
    // wholly opaque or wholly clear, and their shape at any size is then their rectangle
    // or nothing, without reading pixels at every resize.
    enum class eCover { Opaque, Clear, Mixed };
    struct Shape
    {
        eCover eKind = eCover::Opaque;
        // The unscaled picture's own shape, for a mixed one.
        QRegion clRegion;
    };
    static Shape shapeOf(const QPixmap& clPixmap);
    void placeParts();
    void updateCursor(int lEdges);

    bool bDragMove = true;
    bool bDragChangeSize = true;
    QPixmap aImages[PartCount];
    Shape aShapes[PartCount];
    QList<Part> lstParts;
    bool bLayoutOutdated = true;
    QPoint ptPress;
    int lDragMode = ModeNone;
    QPoint ptOffset;
};
