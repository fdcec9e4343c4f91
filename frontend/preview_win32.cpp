// The preview window: a still of the animation inside the Display Properties preview pane,
// decoded by the system's picture support from the JPEG in the program's resources.
#include "preview_win32.h"

#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <algorithm>

#include "forms_win32.h"
#include "resources.h"

namespace {

constexpr char kPreviewTitle[] = "Preview Window";

// The JPEG resource as a picture object; null when it cannot be decoded.
IPicture* loadPreviewStill() {
    HRSRC resource = FindResourceA(nullptr, MAKEINTRESOURCEA(kPreviewStillResource), MAKEINTRESOURCEA(10));
    if (!resource) return nullptr;
    DWORD size = SizeofResource(nullptr, resource);
    const void* bytes = LockResource(LoadResource(nullptr, resource));
    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!bytes || !copy) return nullptr;
    std::copy_n(static_cast<const char*>(bytes), size, static_cast<char*>(GlobalLock(copy)));
    GlobalUnlock(copy);
    IStream* stream = nullptr;
    IPicture* picture = nullptr;
    if (SUCCEEDED(CreateStreamOnHGlobal(copy, TRUE, &stream))) {
        OleLoadPicture(stream, LONG(size), FALSE, IID_IPicture, reinterpret_cast<void**>(&picture));
        stream->Release();
    }
    return picture;
}

// Pane sizes are kept in twips as 16-bit values, as the form's layout stores them: at most
// 32,767 twips (2,184 pixels at 15 twips a pixel).
int16_t toTwips16(long pixels, int twipsPerPixel) {
    long twips = pixels * twipsPerPixel;
    return int16_t(std::clamp(twips, 0L, 32767L));
}

class PreviewForm : public Form {
public:
    PreviewForm() : picture_(loadPreviewStill()) {}

protected:
    // The picture fills the pane: exactly at its own size in a standard 152 x 112 pane,
    // stretched in any other.
    void onPaint(HDC deviceContext) override {
        RECT client;
        GetClientRect(window(), &client);
        if (!picture_) return;
        OLE_XSIZE_HIMETRIC width = 0;
        OLE_YSIZE_HIMETRIC height = 0;
        picture_->get_Width(&width);
        picture_->get_Height(&height);
        picture_->Render(deviceContext, 0, 0, client.right, client.bottom, 0, height, width, -height, nullptr);
    }
    // The pane let the window go: the program ends.
    void onUnload() override { PostQuitMessage(0); }

private:
    IPicture* picture_;
};

}  // namespace

bool showPreview(int32_t parentHandle) {
    HWND pane = reinterpret_cast<HWND>(static_cast<intptr_t>(parentHandle));
    // The desktop is no pane: it never goes away, so nothing would end a preview made its child.
    if (!parentHandle || !IsWindow(pane) || pane == GetDesktopWindow()) return false;

    RECT paneRect = {};
    GetWindowRect(pane, &paneRect);
    TwipsPerPixel factor = twipsPerPixel();
    int16_t widthTwips = toTwips16(paneRect.right - paneRect.left, factor.x);
    int16_t heightTwips = toTwips16(paneRect.bottom - paneRect.top, factor.y);
    int width = widthTwips / factor.x, height = heightTwips / factor.y;

    OleInitialize(nullptr);
    static PreviewForm preview;  // lives until the program ends
    if (!preview.load(kPreviewTitle, WS_POPUP, 0, RECT{0, 0, width, height})) return false;
    HWND window = preview.window();
    // A child of the pane, and no longer a pop-up: with both styles the system would take the
    // pane for an owner rather than a parent.
    SetWindowLongA(window, GWL_STYLE, (GetWindowLongA(window, GWL_STYLE) & ~WS_POPUP) | WS_CHILD);
    // The pane may have gone since it was looked at: an orphan preview would never end.
    if (!SetParent(window, pane)) {
        preview.unload();
        return false;
    }
    MoveWindow(window, 0, 0, width, height, FALSE);
    preview.showModeless();
    return true;
}
