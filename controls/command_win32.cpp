// The Command button as a Win32 child window (see command_win32.h).
#include "command_win32.h"

#include <cmath>

#include "command_face.h"
#include "command_resources.h"

namespace {

constexpr char kClassName[] = "TessellariumCommand";
constexpr UINT_PTR kTmrMouse = 1;
constexpr UINT kTmrMouseInterval = 100;  // ms

constexpr int kPictureResources[] = {kCommandNormalPicture, kCommandHighLightPicture,
                                     kCommandHighLightSelectPicture, kCommandPressedPicture,
                                     kCommandDisablePicture, kCommandSelectedPicture};

bool registerClass(WNDPROC procedure) {
    static bool registered = false;
    if (registered) return true;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    wc.lpszClassName = kClassName;
    registered = RegisterClassA(&wc) != 0;
    return registered;
}

unsigned bit(MouseButton button) { return 1u << unsigned(button); }

}  // namespace

CommandButton::~CommandButton() {
    if (window_) DestroyWindow(window_);
    if (faceDC_) {
        SelectObject(faceDC_, faceDCDefault_);
        DeleteDC(faceDC_);
    }
    if (faceImage_) DeleteObject(faceImage_);
    if (captionFont_) DeleteObject(captionFont_);
    for (HBITMAP picture : pictures_)
        if (picture) DeleteObject(picture);
}

bool CommandButton::create(HWND host, int controlId, const RECT& bounds,
                           const std::string& storedProperties, const CaptionFont& hostFont) {
    if (window_ || !registerClass(procedure)) return false;
    host_ = host;
    hostFont_ = hostFont;
    appearance_.font = hostFont;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (int i = 0; i < 6; ++i)
        pictures_[i] = HBITMAP(LoadImageA(instance, MAKEINTRESOURCEA(kPictureResources[i]), IMAGE_BITMAP,
                                          0, 0, LR_CREATEDIBSECTION));
    CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS,
                    bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
                    host, HMENU(INT_PTR(controlId)), instance, this);
    if (!window_) return false;

    // Load, then the first resize.
    makeFaceImage();
    loaded_ = true;
    LookOutcome loaded = loadProperties(state_, appearance_, PropertyStore::fromText(storedProperties), hostFont_);
    makeCaptionFont();
    SetWindowTextA(window_, appearance_.caption.c_str());
    carryOut(loaded);
    carryOut(ApplyEnabledLook(state_));
    return true;
}

void CommandButton::Initialize() {
    carryOut(::Initialize(state_));
    if (window_) SetTimer(window_, kTmrMouse, kTmrMouseInterval, nullptr);
}

bool CommandButton::Enabled() {
    carryOut(readEnabled(state_));
    return state_.Enabled;
}

void CommandButton::setEnabled(bool enabled) { carryOut(::setEnabled(state_, enabled)); }

std::string CommandButton::Caption() const { return appearance_.caption; }

void CommandButton::setCaption(const std::string& text) {
    appearance_.caption = text;
    if (!window_) return;
    SetWindowTextA(window_, text.c_str());
    InvalidateRect(window_, nullptr, FALSE);  // the old text goes with the face image under it
}

uint8_t CommandButton::Visible() {
    VisibleReading reading = readVisible(state_, appearance_);
    carryOut(reading.look);
    return reading.value;
}

void CommandButton::setVisible(uint8_t value) {
    carryOut(writeVisible(state_, appearance_, value));
    if (window_) InvalidateRect(window_, nullptr, FALSE);
}

COLORREF CommandButton::FontColour() {
    ColourReading reading = readFontColour(state_, appearance_);
    carryOut(reading.look);
    return reading.value;
}

void CommandButton::setFontColour(COLORREF colour) {
    carryOut(writeFontColour(state_, appearance_, colour));
    if (window_) InvalidateRect(window_, nullptr, FALSE);
}

std::string CommandButton::saveProperties() {
    SavedProperties saved = ::saveProperties(state_, appearance_, hostFont_);
    carryOut(saved.look);
    return saved.store.toText();
}

void CommandButton::carryOut(const LookOutcome& outcome) {
    applyCaptionColour(outcome, appearance_);
    if (outcome.caption != CaptionLook::Unchanged) captionEnabled_ = outcome.caption == CaptionLook::Enabled;
    if (!window_ || !faceDC_) return;
    for (const FaceDraw& draw : outcome.drawn) DrawFace(draw);
    if (outcome.drawn.empty() && (outcome.captionColourReset || outcome.caption != CaptionLook::Unchanged))
        InvalidateRect(window_, nullptr, FALSE);
}

// ---- the face ----

void CommandButton::makeFaceImage() {
    RECT client;
    GetClientRect(window_, &client);
    faceWidth_ = client.right;
    faceHeight_ = client.bottom;
    if (!faceDC_) {
        HDC screen = GetDC(nullptr);
        faceDC_ = CreateCompatibleDC(screen);
        ReleaseDC(nullptr, screen);
    }
    HDC screen = GetDC(nullptr);
    HBITMAP image = CreateCompatibleBitmap(screen, faceWidth_ > 0 ? faceWidth_ : 1, faceHeight_ > 0 ? faceHeight_ : 1);
    ReleaseDC(nullptr, screen);
    HGDIOBJ previous = SelectObject(faceDC_, image);
    if (!faceDCDefault_) faceDCDefault_ = HBITMAP(previous);
    if (faceImage_) DeleteObject(faceImage_);
    faceImage_ = image;
}

void CommandButton::DrawFace(const FaceDraw& draw) {
    const Twips W = twipsFromPixels(faceWidth_), H = twipsFromPixels(faceHeight_);
    RECT all = {0, 0, faceWidth_, faceHeight_};
    FillRect(faceDC_, &all, GetSysColorBrush(COLOR_BTNFACE));
    PaintGradient(draw.gradientReversed, faceWidth_, faceHeight_);

    if (HBITMAP picture = pictures_[int(draw.picture)]) {
        HDC source = CreateCompatibleDC(faceDC_);
        HGDIOBJ previous = SelectObject(source, picture);
        SetStretchBltMode(faceDC_, COLORONCOLOR);  // the strips are uniform along their length
        for (const FaceSlice& slice : faceSlices(W, H)) {
            std::optional<PixelRect> to = toPixels(slice.face), from = toPixels(slice.picture);
            if (!to || !from) continue;  // its 16-bit arithmetic overflowed: skipped
            StretchBlt(faceDC_, to->x, to->y, to->width, to->height, source, from->x, from->y,
                       from->width, from->height, SRCCOPY);
        }
        SelectObject(source, previous);
        DeleteDC(source);
    }

    // Caption box: left 0, width W, height 195 twips, centred in the free height.
    if (std::optional<PixelRect> box = toPixels({int16_t(0), captionTop(H), W, kCaptionHeight}))
        captionBox_ = {box->x, box->y, box->x + box->width, box->y + box->height};
    InvalidateRect(window_, nullptr, FALSE);
    UpdateWindow(window_);
}

void CommandButton::PaintGradient(bool reversed, int width, int height) {
    std::optional<GradientEnds> ends = gradientEnds(reversed);
    if (!ends || width < 1 || height < 1) return;
    TRIVERTEX vertices[2] = {};
    vertices[0] = {0, 0, COLOR16(ends->top.red), COLOR16(ends->top.green), COLOR16(ends->top.blue),
                   COLOR16(ends->top.alpha)};
    vertices[1] = {width - 1, height - 1, COLOR16(ends->bottom.red), COLOR16(ends->bottom.green),
                   COLOR16(ends->bottom.blue), COLOR16(ends->bottom.alpha)};
    GRADIENT_RECT rect = {0, 1};  // excludes its right column and bottom row: the frame covers them
    GradientFill(faceDC_, vertices, 2, &rect, 1, GRADIENT_FILL_RECT_V);
}

// ---- showing it ----

void CommandButton::makeCaptionFont() {
    const CaptionFont& f = appearance_.font;
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    LOGFONTA lf = {};
    lf.lfHeight = -LONG(std::lround(f.points * (dpi > 0 ? dpi : 96) / 72.0));  // 9.75 pt: 13 px
    lf.lfWeight = f.weight;
    lf.lfItalic = f.italic;
    lf.lfUnderline = f.underline;
    lf.lfStrikeOut = f.strikethrough;
    lf.lfCharSet = f.charset;
    lstrcpynA(lf.lfFaceName, f.faceName.c_str(), LF_FACESIZE);
    if (HFONT font = CreateFontIndirectA(&lf)) {
        if (captionFont_) DeleteObject(captionFont_);
        captionFont_ = font;
    }
}

void CommandButton::paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window_, &ps);
    if (appearance_.opaque)
        BitBlt(dc, 0, 0, faceWidth_, faceHeight_, faceDC_, 0, 0, SRCCOPY);
    else
        paintHostBehind(dc);
    drawCaption(dc);
    EndPaint(window_, &ps);
}

// A transparent background shows the host's own drawing under the button.
void CommandButton::paintHostBehind(HDC dc) {
    POINT origin = {0, 0};
    MapWindowPoints(window_, host_, &origin, 1);
    POINT previous;
    SetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
    SendMessageA(host_, WM_ERASEBKGND, WPARAM(dc), 0);
    SendMessageA(host_, WM_PRINTCLIENT, WPARAM(dc), PRF_CLIENT);
    SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

void CommandButton::drawCaption(HDC dc) {
    HGDIOBJ previousFont = SelectObject(dc, captionFont_ ? HGDIOBJ(captionFont_) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    const UINT format = DT_CENTER | DT_WORDBREAK;  // from the top of the box, clipped to it
    RECT box = captionBox_;
    const std::string& text = appearance_.caption;
    if (captionEnabled_) {
        SetTextColor(dc, appearance_.fontColour);
        DrawTextA(dc, text.c_str(), int(text.size()), &box, format);
    } else {
        // The platform's greyed text: an embossed highlight one pixel down and right.
        RECT shifted = {box.left + 1, box.top + 1, box.right + 1, box.bottom + 1};
        SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
        DrawTextA(dc, text.c_str(), int(text.size()), &shifted, format);
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
        DrawTextA(dc, text.c_str(), int(text.size()), &box, format);
    }
    SelectObject(dc, previousFont);
}

// ---- input ----

void CommandButton::pressed(MouseButton button) {
    buttonsPressedHere_ |= bit(button);
    SetCapture(window_);  // the release comes here wherever the pointer is
    carryOut(buttonDown(state_, button));
    if (button == MouseButton::Left && GetFocus() != window_) SetFocus(window_);
}

void CommandButton::released(MouseButton button) {
    // Only a release whose press this button saw: another window held the capture otherwise.
    if (!(buttonsPressedHere_ & bit(button))) return;
    buttonsPressedHere_ &= ~bit(button);
    if (!buttonsPressedHere_ && GetCapture() == window_) ReleaseCapture();
    LookOutcome outcome = buttonUp(state_, button);
    carryOut(outcome);
    if (outcome.clickRaised && Click) {
        std::function<void()> click = Click;  // the handler may destroy this button
        click();
    }
}

void CommandButton::tick() {
    POINT pointer;
    if (!GetCursorPos(&pointer)) return;
    carryOut(timerTick(state_, WindowFromPoint(pointer) == window_));
}

LRESULT CALLBACK CommandButton::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<CommandButton*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, LONG_PTR(self));
    }
    auto* self = reinterpret_cast<CommandButton*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    return self->handle(message, wParam, lParam);
}

LRESULT CommandButton::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = window_;
    switch (message) {
    case WM_PAINT: paint(); return 0;
    case WM_ERASEBKGND: return 1;  // the paint covers everything
    case WM_SIZE:
        if (loaded_) {
            makeFaceImage();
            carryOut(ApplyEnabledLook(state_));
        }
        return 0;
    case WM_TIMER:
        if (wParam == kTmrMouse) tick();
        return 0;
    case WM_MOUSEMOVE: carryOut(mouseMoved(state_)); return 0;
    case WM_LBUTTONDOWN: pressed(MouseButton::Left); return 0;
    case WM_RBUTTONDOWN: pressed(MouseButton::Right); return 0;
    case WM_MBUTTONDOWN: pressed(MouseButton::Middle); return 0;
    // The Click handler may destroy this button: nothing may follow these.
    case WM_LBUTTONUP: released(MouseButton::Left); return 0;
    case WM_RBUTTONUP: released(MouseButton::Right); return 0;
    case WM_MBUTTONUP: released(MouseButton::Middle); return 0;
    case WM_CAPTURECHANGED:
        if (HWND(lParam) != window_) buttonsPressedHere_ = 0;  // taken away: no release will come
        return 0;
    case WM_SETFOCUS: carryOut(focusGained(state_)); return 0;
    case WM_KILLFOCUS: carryOut(focusLost(state_)); return 0;
    // A tab stop that wants no keys: Tab moves on, and Enter or Space click nothing.
    case WM_GETDLGCODE: return 0;
    case WM_DESTROY:
        KillTimer(window_, kTmrMouse);
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        window_ = nullptr;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
