// The settings dialog: music source, CD track to repeat and sound file, saved by Set. Painted
// gradient backgrounds kept in images of their own; windowless labels and marks drawn over them.
#include "settings_dialog_win32.h"

#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>

#include <array>
#include <cstring>

#include "command_win32.h"
#include "dialog_values.h"
#include "forms_win32.h"
#include "resources.h"
#include "settings_store.h"
#include "settings_window_zoom.h"

namespace {

constexpr char kSettingsDialogTitle[] = "<テセラリウム>";
constexpr char kHomePage[] = "https://tessellarium.example.org/";
constexpr char kCredit[] = "Designed by テセラ Ver.1.0.0";  // the author: the project, by its short name
constexpr char kFontFace[] = "ＭＳ Ｐゴシック";
constexpr char kPanelClassName[] = "TessellariumPanel";

// Positions and sizes in twips, as the dialog's layout is stored.
struct TwipRect {
    int left, top, width, height;
};
constexpr int kClientWidth = 7185, kClientHeight = 3780;
constexpr TwipRect kPanel = {180, 240, 6795, 2535};
constexpr TwipRect kCmdEtc = {2880, 3000, 1875, 375}, kCmdSet = {4800, 3000, 1095, 375},
                   kCmdCan = {5940, 3000, 1035, 375};
constexpr TwipRect kCredit7 = {180, 2940, 2475, 195};
// Inside the panel.
constexpr TwipRect kShape3 = {300, 300, 1695, 315}, kLbl15 = {300, 360, 1665, 195};
constexpr TwipRect kRepeatBox = {1380, 780, 615, 300}, kLbl14 = {2040, 840, 990, 195};
constexpr TwipRect kCmdBgm = {540, 1740, 435, 315}, kFileName = {1020, 1740, 5355, 435};
// Img_BGM(i) and lbl_BGM(i), numbered by the source they choose: 0 none, 1 CD, 2 file.
constexpr std::array<TwipRect, 3> kSourceMarks = {{{300, 1140, 195, 195}, {300, 840, 195, 195}, {300, 1440, 195, 195}}};
constexpr std::array<TwipRect, 3> kSourceLabels = {{{540, 1140, 345, 195}, {540, 840, 645, 195}, {540, 1440, 900, 195}}};
constexpr std::array<const char*, 3> kSourceCaptions = {"無し", "音楽CD", "MP3、WAV"};

constexpr COLORREF kDialogBackground = RGB(192, 192, 192), kPanelBackground = RGB(224, 224, 224);
enum ControlId { kIdRepeatBox = 100, kIdCmdBgm, kIdCmdSet, kIdCmdCan, kIdCmdEtc };

RECT toPixels(const TwipRect& r, TwipsPerPixel f) {
    return {r.left / f.x, r.top / f.y, (r.left + r.width) / f.x, (r.top + r.height) / f.y};
}

// A persistent image: painted once, shown on every repaint.
struct PaintedImage {
    HBITMAP bitmap = nullptr;
    int width = 0, height = 0;
    ~PaintedImage() {
        if (bitmap) DeleteObject(bitmap);
    }
};

// One horizontal line per row of half a sine wave, as the dialog's backgrounds are painted.
void paintGradient(PaintedImage& image, int width, int height, COLORREF background, bool panelColours) {
    HDC screen = GetDC(nullptr);
    if (image.bitmap) DeleteObject(image.bitmap);
    image.bitmap = CreateCompatibleBitmap(screen, width, height);
    image.width = width;
    image.height = height;
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, image.bitmap);
    HBRUSH brush = CreateSolidBrush(background);
    RECT all = {0, 0, width, height};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    for (int y = 0, last = gradientLastRow(height); y <= last; ++y) {
        int v = gradientLevel(y, height);
        HPEN pen = CreatePen(PS_SOLID, 1, panelColours ? RGB(v + 30, v + 30, v + 30) : RGB(v, v, v + 30));
        HGDIOBJ oldPen = SelectObject(dc, pen);
        MoveToEx(dc, 0, y, nullptr);
        LineTo(dc, width, y);
        SelectObject(dc, oldPen);
        DeleteObject(pen);
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
}

void showImage(HDC target, const PaintedImage& image) {
    if (!image.bitmap) return;
    HDC dc = CreateCompatibleDC(target);
    HGDIOBJ old = SelectObject(dc, image.bitmap);
    BitBlt(target, 0, 0, image.width, image.height, dc, 0, 0, SRCCOPY);
    SelectObject(dc, old);
    DeleteDC(dc);
}

// A windowless label: transparent, one line from the top of its box. The text is not cut at
// the box, so a face a little wider than the one the layout was made with still shows it all.
void drawLabel(HDC dc, const RECT& box, const char* text, COLORREF colour, UINT format) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    RECT r = box;
    DrawTextA(dc, text, -1, &r, format | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
}

bool pointIn(const RECT& r, POINT p) { return PtInRect(&r, p) != 0; }

// The stored properties of the four buttons: their captions and the dialog's font; nothing
// else is stored, so they start enabled, with black captions and an opaque face.
constexpr char kStoredButtonLayout[] =
    "[Cmd_Etc]\r\nCaption=その他の作品\r\nFont=ＭＳ Ｐゴシック,9.75,400,0,0,0,128\r\n"
    "[Cmd_Set]\r\nCaption=設定\r\nFont=ＭＳ Ｐゴシック,9.75,400,0,0,0,128\r\n"
    "[Cmd_Can]\r\nCaption=ｷｬﾝｾﾙ\r\nFont=ＭＳ Ｐゴシック,9.75,400,0,0,0,128\r\n"
    "[Cmd_BGM]\r\nCaption=...\r\nFont=ＭＳ Ｐゴシック,9.75,400,0,0,0,128\r\n";

class SettingsDialog : public Form {
public:
    explicit SettingsDialog(FrontEnd& frontEnd) : frontEnd_(frontEnd), twips_(twipsPerPixel()) {}
    bool open();
    RECT toPixelsOf(const TwipRect& r) const { return toPixels(r, twips_); }

protected:
    void onLoad() override;
    void onUnload() override;
    void onPaint(HDC dc) override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static LRESULT CALLBACK panelProcedure(HWND, UINT, WPARAM, LPARAM);
    void paintPanel(HDC dc);
    void paintGradients();
    void selectSource(int source);
    void showSource();
    void pickFile();
    void saveAndClose();
    void openHomePage();

    FrontEnd& frontEnd_;
    TwipsPerPixel twips_;
    HFONT font_ = nullptr;
    HWND panel_ = nullptr, repeatBox_ = nullptr;
    CommandButton cmdBgm_, cmdSet_, cmdCan_, cmdEtc_;
    PaintedImage dialogImage_, panelImage_;
    HBITMAP marks_[2] = {};  // Img_Ra(0) unselected, Img_Ra(1) selected
    int selectedMark_ = -1;
};

bool SettingsDialog::open() {
    RECT frame = {0, 0, kClientWidth / twips_.x, kClientHeight / twips_.y};
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    return load(kSettingsDialogTitle, style, WS_EX_CONTROLPARENT,
                RECT{0, 0, frame.right - frame.left, frame.bottom - frame.top});
}

void SettingsDialog::onLoad() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HWND dialog = window();
    SendMessageA(dialog, WM_SETICON, ICON_BIG,
                 LPARAM(LoadIconA(instance, MAKEINTRESOURCEA(kDialogIconResource))));
    marks_[0] = LoadBitmapA(instance, MAKEINTRESOURCEA(kMarkUnselectedResource));
    marks_[1] = LoadBitmapA(instance, MAKEINTRESOURCEA(kMarkSelectedResource));
    // 9.75 points at the screen's resolution.
    HDC screen = GetDC(nullptr);
    int pixelsHigh = MulDiv(975, GetDeviceCaps(screen, LOGPIXELSY), 7200);
    ReleaseDC(nullptr, screen);
    font_ = CreateFontA(-pixelsHigh, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, kFontFace);

    // 1. Placed a third of the way down the screen, centred across it (in twips, fraction dropped).
    RECT window;
    GetWindowRect(dialog, &window);
    int screenWidth = GetSystemMetrics(SM_CXSCREEN) * twips_.x, screenHeight = GetSystemMetrics(SM_CYSCREEN) * twips_.y;
    int width = (window.right - window.left) * twips_.x, height = (window.bottom - window.top) * twips_.y;
    SetWindowPos(dialog, nullptr, ((screenWidth - width) / 2) / twips_.x, ((screenHeight - height) / 3) / twips_.y,
                 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    // The controls, created in tab order: the panel, the track box, "...", Set, Cancel, the home page.
    WNDCLASSA panelClass = {};
    panelClass.lpfnWndProc = panelProcedure;
    panelClass.hInstance = instance;
    panelClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    panelClass.lpszClassName = kPanelClassName;
    RegisterClassA(&panelClass);
    RECT p = toPixels(kPanel, twips_);
    panel_ = CreateWindowExA(WS_EX_CONTROLPARENT, kPanelClassName, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN,
                             p.left, p.top, p.right - p.left, p.bottom - p.top, dialog, nullptr, instance, this);
    SetWindowLongPtrA(panel_, GWLP_USERDATA, LONG_PTR(this));

    RECT r = toPixels(kRepeatBox, twips_);
    repeatBox_ = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                                 r.left, r.top, r.right - r.left, 200, panel_, HMENU(kIdRepeatBox), instance, nullptr);
    SendMessageA(repeatBox_, WM_SETFONT, WPARAM(font_), FALSE);

    const std::string layout = kStoredButtonLayout;
    const CaptionFont dialogFont = {kFontFace, 9.75, FW_NORMAL, false, false, false, SHIFTJIS_CHARSET};
    cmdBgm_.create(panel_, kIdCmdBgm, toPixels(kCmdBgm, twips_), storedPropertiesOf(layout, "Cmd_BGM"), dialogFont);
    cmdSet_.create(dialog, kIdCmdSet, toPixels(kCmdSet, twips_), storedPropertiesOf(layout, "Cmd_Set"), dialogFont);
    cmdCan_.create(dialog, kIdCmdCan, toPixels(kCmdCan, twips_), storedPropertiesOf(layout, "Cmd_Can"), dialogFont);
    cmdEtc_.create(dialog, kIdCmdEtc, toPixels(kCmdEtc, twips_), storedPropertiesOf(layout, "Cmd_Etc"), dialogFont);
    cmdBgm_.Click = [this] { pickFile(); };
    cmdSet_.Click = [this] { saveAndClose(); };
    cmdCan_.Click = [this] { unload(); };
    cmdEtc_.Click = [this] { openHomePage(); };

    // 2. Each button on its own: one failing does not stop the others.
    for (CommandButton* button : {&cmdCan_, &cmdSet_, &cmdBgm_, &cmdEtc_}) button->Initialize();
    // 3. The source as loaded; BgmType itself is not changed.
    showSource();
    // 4, 5. The track, and the list: an empty entry, then 1 to 30.
    SetWindowTextA(repeatBox_, trackText(frontEnd_.music.bgmRepeatTrack).c_str());
    for (int i = 0; i <= 30; ++i) SendMessageA(repeatBox_, CB_ADDSTRING, 0, LPARAM(trackText(i).c_str()));
    SetWindowTextA(repeatBox_, trackText(frontEnd_.music.bgmRepeatTrack).c_str());  // kept as typed
    // 7, 8. Zoom open from the pointer, or from the top-left corner when it cannot be read.
    POINT cursor = {};
    if (GetCursorPos(&cursor)) {
        frontEnd_.startX = int16_t(cursor.x);
        frontEnd_.startY = int16_t(cursor.y);
    } else {
        frontEnd_.startX = frontEnd_.startY = 0;
    }
    AnimateOpen(dialog, POINT{frontEnd_.startX, frontEnd_.startY});
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    paintGradients();
}

void SettingsDialog::onUnload() {
    AnimateClose(window(), POINT{frontEnd_.startX, frontEnd_.startY});
}

// The dialog's fixed size paints its backgrounds once; the images keep them across repaints.
void SettingsDialog::paintGradients() {
    RECT client;
    GetClientRect(window(), &client);
    paintGradient(dialogImage_, client.right, client.bottom, kDialogBackground, false);
    GetClientRect(panel_, &client);
    paintGradient(panelImage_, client.right, client.bottom, kPanelBackground, true);
    InvalidateRect(window(), nullptr, TRUE);
    InvalidateRect(panel_, nullptr, TRUE);
}

void SettingsDialog::onPaint(HDC dc) {
    showImage(dc, dialogImage_);
    HGDIOBJ old = SelectObject(dc, font_);
    drawLabel(dc, toPixels(kCredit7, twips_), kCredit, RGB(255, 255, 255), DT_LEFT);
    SelectObject(dc, old);
}

// The panel's one paint routine: its gradient, then the frame, labels and marks above it.
void SettingsDialog::paintPanel(HDC dc) {
    showImage(dc, panelImage_);
    HGDIOBJ oldFont = SelectObject(dc, font_);
    RECT frame = toPixels(kShape3, twips_);
    FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    drawLabel(dc, toPixels(kLbl15, twips_), "BGM", RGB(0, 0, 0), DT_CENTER);
    drawLabel(dc, toPixels(kLbl14, twips_), "曲目をﾘﾋﾟｰﾄ", RGB(0, 0, 0), DT_LEFT);
    for (int source = 0; source < 3; ++source) {
        drawLabel(dc, toPixels(kSourceLabels[source], twips_), kSourceCaptions[source], RGB(0, 0, 0),
                  DT_LEFT);
        HBITMAP mark = marks_[source == selectedMark_ ? 1 : 0];
        if (!mark) continue;
        RECT at = toPixels(kSourceMarks[source], twips_);
        HDC markDc = CreateCompatibleDC(dc);
        HGDIOBJ oldMark = SelectObject(markDc, mark);
        BitBlt(dc, at.left, at.top, 12, 12, markDc, 0, 0, SRCCOPY);  // at its own size
        SelectObject(markDc, oldMark);
        DeleteDC(markDc);
    }
    RECT fileBox = toPixels(kFileName, twips_);
    FrameRect(dc, &fileBox, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    RECT fileText = {fileBox.left + 2, fileBox.top + 2, fileBox.right - 2, fileBox.bottom - 2};
    drawLabel(dc, fileText, frontEnd_.music.bgmFile.c_str(), RGB(0, 0, 0), DT_LEFT);
    SelectObject(dc, oldFont);
}

LRESULT CALLBACK SettingsDialog::panelProcedure(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* dialog = reinterpret_cast<SettingsDialog*>(GetWindowLongPtrA(panel, GWLP_USERDATA));
    if (!dialog) return DefWindowProcA(panel, message, wParam, lParam);
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(panel, &paint);
        dialog->paintPanel(dc);
        EndPaint(panel, &paint);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;  // the paint routine covers everything
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        // Any button on a mark or its label chooses that source at once.
        POINT at = {short(LOWORD(lParam)), short(HIWORD(lParam))};
        for (int source = 0; source < 3; ++source)
            if (pointIn(dialog->toPixelsOf(kSourceMarks[source]), at) ||
                pointIn(dialog->toPixelsOf(kSourceLabels[source]), at))
                dialog->selectSource(source);
        return 0;
    }
    case WM_COMMAND:  // the track box's notifications go to the dialog
        return SendMessageA(dialog->window(), message, wParam, lParam);
    }
    return DefWindowProcA(panel, message, wParam, lParam);
}

void SettingsDialog::selectSource(int source) {
    frontEnd_.music.bgmType = int16_t(source);
    showSource();
}

// Exactly one control is active besides the choice: the track box for the CD, "..." for a file.
void SettingsDialog::showSource() {
    cmdBgm_.setEnabled(false);
    EnableWindow(repeatBox_, FALSE);
    SourceControls controls = sourceControlsFor(frontEnd_.music.bgmType);
    selectedMark_ = controls.selectedMark;
    if (controls.trackBoxEnabled) EnableWindow(repeatBox_, TRUE);
    if (controls.fileButtonEnabled) cmdBgm_.setEnabled(true);
    InvalidateRect(panel_, nullptr, FALSE);
}

void SettingsDialog::pickFile() {
    char fileName[256] = {}, fileTitle[256] = {};
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window();
    dialog.hInstance = GetModuleHandleA(nullptr);
    dialog.lpstrFilter = "BGMﾌｧｲﾙ (MP3 WAV)\0*.MP3;*.WAV\0";
    dialog.lpstrFile = fileName;
    dialog.nMaxFile = 255;
    dialog.lpstrFileTitle = fileTitle;
    dialog.nMaxFileTitle = 255;
    dialog.lpstrTitle = "ﾌｧｲﾙを開く";
    dialog.Flags = 0;  // a name that does not exist is accepted as typed
    if (!GetOpenFileNameA(&dialog)) return;
    frontEnd_.music.bgmFile.assign(fileName, strnlen(fileName, sizeof fileName));
    InvalidateRect(panel_, nullptr, FALSE);
}

// The three values in the file's order, the track box read even while it is disabled.
void SettingsDialog::saveAndClose() {
    char text[256] = {};
    GetWindowTextA(repeatBox_, text, sizeof text);
    frontEnd_.music.bgmRepeatTrack = trackBoxNumber(text);
    SaveSettings(frontEnd_.music, frontEnd_.folder);
    unload();
}

void SettingsDialog::openHomePage() {
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    ShellExecuteA(window(), "open", kHomePage, "", nullptr, SW_SHOWNORMAL);
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
}

bool SettingsDialog::onMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message == WM_ERASEBKGND) {
        result = 1;  // the paint routine covers everything
        return true;
    }
    return false;
}

}  // namespace

void showSettingsDialog(FrontEnd& frontEnd) {
    SettingsDialog dialog(frontEnd);
    if (!dialog.open()) return;
    dialog.showModal();
}
