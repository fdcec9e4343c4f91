// The Command button as a Win32 child window of its host: the face painted into a memory
// bitmap, the caption, the 100 ms pointer poll, mouse capture and focus, all driven by the
// portable look state machine (command_logic.h).
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "command_logic.h"
#include "command_properties.h"

class CommandButton {
public:
    CommandButton() = default;
    ~CommandButton();  // destroys the window, which stops TmrMouse
    CommandButton(const CommandButton&) = delete;
    CommandButton& operator=(const CommandButton&) = delete;

    // Creates the button as a visible WS_TABSTOP child of `host` over `bounds` (pixels of the
    // host's client area), loads `storedProperties` (PropertyStore text; "" loads every
    // default) with `hostFont` as the host's font, then sizes it, which paints the face.
    // The six state pictures come from the program's own resources (command_resources.h).
    bool create(HWND host, int controlId, const RECT& bounds, const std::string& storedProperties,
                const CaptionFont& hostFont);
    // Idle state; starts TmrMouse. The host calls it once after create.
    void Initialize();

    // Reading repaints the Normal or Disable look (and switches on a button with FirstRun 0).
    bool Enabled();
    void setEnabled(bool enabled);
    std::string Caption() const;
    void setCaption(const std::string& text);  // code page 932; the face is not repainted
    uint8_t Visible();                         // 0 transparent, 255 opaque
    void setVisible(uint8_t value);
    COLORREF FontColour();
    void setFontColour(COLORREF colour);
    // The stored-properties text for this button's present values.
    std::string saveProperties();

    HWND window() const { return window_; }

    // Raised from inside the button-up handling. The handler may destroy the button.
    std::function<void()> Click;

private:
    static LRESULT CALLBACK procedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void carryOut(const LookOutcome& outcome);
    void DrawFace(const FaceDraw& draw);
    void PaintGradient(bool reversed, int width, int height);
    void makeFaceImage();
    void makeCaptionFont();
    void paint();
    void paintHostBehind(HDC dc);
    void drawCaption(HDC dc);
    void pressed(MouseButton button);
    void released(MouseButton button);
    void tick();

    HWND window_ = nullptr;
    HWND host_ = nullptr;
    CommandState state_;
    CommandAppearance appearance_;
    CaptionFont hostFont_;
    bool captionEnabled_ = true;  // LblMsg's enabled flag: greyed text when clear
    RECT captionBox_ = {0, 6, 109, 19};  // pixels; design: 0, 90, 1635 x 195 twips
    HFONT captionFont_ = nullptr;
    HBITMAP pictures_[6] = {};
    HDC faceDC_ = nullptr;
    HBITMAP faceImage_ = nullptr, faceDCDefault_ = nullptr;
    int faceWidth_ = 0, faceHeight_ = 0;  // pixels
    bool loaded_ = false;                 // sizing during CreateWindow paints nothing
    unsigned buttonsPressedHere_ = 0;     // one bit per MouseButton
};
