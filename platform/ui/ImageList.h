// A list of equally sized images with optional transparency, drawn into a DC
// and shown by tab, list and tree controls.
#pragma once

#include "platform/ui/GdiObject.h"
#include "platform/ui/UiExport.h"

#include <memory>

#define ILC_MASK 0x0001u
#define ILC_COLOR 0x0000u
#define ILC_COLOR4 0x0004u
#define ILC_COLOR8 0x0008u
#define ILC_COLOR16 0x0010u
#define ILC_COLOR24 0x0018u
#define ILC_COLOR32 0x0020u

#define ILD_NORMAL 0x0000u
#define ILD_TRANSPARENT 0x0001u
#define ILD_BLEND25 0x0002u
#define ILD_BLEND50 0x0004u
#define ILD_BLEND ILD_BLEND50

#define CLR_NONE 0xFFFFFFFFu
#define CLR_DEFAULT 0xFF000000u

class CWnd;
struct ImageListData;

struct IMAGEINFO {
    HBITMAP hbmImage;
    HBITMAP hbmMask;
    int Unused1;
    int Unused2;
    RECT rcImage; // the image's place in the list's strip
};
typedef ImageListData* HIMAGELIST;

class PLATFORM_UI_API CImageList
{
public:
    CImageList();
    ~CImageList();
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    // From a bitmap strip of the resource module, cut into images `cx` wide;
    // pixels of `mask` colour become transparent.
    BOOL Create(UINT bitmapId, int cx, int grow, COLORREF mask);
    BOOL DeleteImageList();

    // Adds the images of a bitmap (cut into images of the list's width);
    // gives the index of the first one added, -1 on failure.
    int Add(CBitmap* bitmap, COLORREF mask);
    int Add(CBitmap* bitmap, CBitmap* mask);
    BOOL Remove(int index);
    int GetImageCount() const;
    BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const;
    COLORREF SetBkColor(COLORREF color);
    BOOL Draw(CDC* dc, int index, POINT point, UINT style);

    // The drag picture: a copy of one image that follows the pointer over a
    // window while something is dragged. One drag at a time, process-wide;
    // points are in the locked window's client coordinates.
    BOOL BeginDrag(int nImage, POINT ptHotSpot);
    static BOOL DragEnter(CWnd* pWndLock, POINT point);
    static BOOL DragMove(POINT point);
    static BOOL DragShowNolock(BOOL bShow);
    static BOOL DragLeave(CWnd* pWndLock);
    static void EndDrag();

    HIMAGELIST GetSafeHandle() const { return m_handle.get(); }
    operator HIMAGELIST() const { return m_handle.get(); }

private:
    std::unique_ptr<ImageListData> m_handle;
};
