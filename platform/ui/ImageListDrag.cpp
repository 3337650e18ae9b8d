// The drag picture of CImageList: a child widget of the locked window that
// carries the image, so a grab of the window shows it under the pointer.
#include "platform/ui/ImageListInternal.h"
#include "platform/ui/Wnd.h"

#include <QLabel>
#include <QPixmap>
#include <QPointer>

namespace
{

struct DragState {
    QImage image;
    QPoint hotSpot;
    QPoint position;
    QPointer<QLabel> picture;
    bool shown = true;
};

DragState& Drag()
{
    static DragState state;
    return state;
}

void Place()
{
    DragState& d = Drag();
    if (!d.picture)
        return;
    d.picture->move(d.position - d.hotSpot);
    d.picture->raise();
    d.picture->setVisible(d.shown);
}

void RemovePicture()
{
    DragState& d = Drag();
    delete d.picture.data();
    d.picture = nullptr;
}

} // namespace

BOOL CImageList::BeginDrag(int nImage, POINT ptHotSpot)
{
    const QImage image = ImageListImage(GetSafeHandle(), nImage);
    if (image.isNull())
        return FALSE;
    EndDrag();
    DragState& d = Drag();
    d.image = image;
    d.hotSpot = QPoint(ptHotSpot.x, ptHotSpot.y);
    d.shown = true;
    return TRUE;
}

BOOL CImageList::DragEnter(CWnd* pWndLock, POINT point)
{
    DragState& d = Drag();
    QWidget* lock = pWndLock ? pWndLock->GetWidget() : nullptr;
    if (d.image.isNull() || !lock)
        return FALSE;
    RemovePicture();
    d.picture = new QLabel(lock);
    d.picture->setAttribute(Qt::WA_TransparentForMouseEvents);
    d.picture->setAttribute(Qt::WA_TranslucentBackground);
    d.picture->setPixmap(QPixmap::fromImage(d.image));
    d.picture->resize(d.image.size());
    d.position = QPoint(point.x, point.y);
    d.shown = true;
    Place();
    return TRUE;
}

BOOL CImageList::DragMove(POINT point)
{
    DragState& d = Drag();
    if (d.image.isNull())
        return FALSE;
    d.position = QPoint(point.x, point.y);
    Place();
    return TRUE;
}

BOOL CImageList::DragShowNolock(BOOL bShow)
{
    DragState& d = Drag();
    if (d.image.isNull())
        return FALSE;
    d.shown = bShow != FALSE;
    Place();
    return TRUE;
}

BOOL CImageList::DragLeave(CWnd*)
{
    RemovePicture();
    return TRUE;
}

void CImageList::EndDrag()
{
    RemovePicture();
    Drag().image = QImage();
}
