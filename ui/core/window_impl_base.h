#pragma once

#include <windows.h>

#include "ui/core/layout_builder.h"
#include "ui/core/notify_pump.h"
#include "ui/core/ui_events.h"
#include "ui/core/ui_string.h"
#include "ui/core/window_manager.h"
#include "ui/core/window_wnd.h"

namespace SkinUI {

// Called when a window's skin cannot be built. The default shows the error
// box (" ", "SkinUI") and ends the process with exit code 1; a handler that
// returns leaves the window without a layout.
typedef void (*SkinFailureHandlerUI)();

// The skinned window: owns a window manager, builds its layout from the skin
// when the window is created, and gives a borderless window its caption
// band, size box, maximise behaviour, round corners and the buttons
// "closebtn", "minbtn", "maxbtn" and "restorebtn".
class WindowImplBase : public CWindowWnd,
                       public CNotifyPump,
                       public INotifyUI,
                       public IMessageFilterUI,
                       public IDialogBuilderCallback {
public:
    // Where the skin comes from (GetResourceType).
    enum ResourceKind {
        SkinFiles = 1,    // files below the resource folder
        SkinZipFile = 2,  // the zip GetSkinZipName in the resource folder
        SkinXmlResource = 3,  // an "xml" resource whose id is the decimal GetSkinFile
        SkinZipResource = 4,  // a "ZIPRES" resource named GetSkinResourceId
    };

    WindowImplBase();
    ~WindowImplBase() override;

    CWindowManagerUI& GetManager() { return m_manager; }

    // Replaces the skin-failure handler; null restores the default. Returns
    // the handler in force before.
    static SkinFailureHandlerUI SetSkinFailureHandler(SkinFailureHandlerUI handler);

    static const NotifyMapUI* ClassNotifyMap();

    // INotifyUI: through the notification maps.
    void Notify(NotifyRecordUI& record) override;
    // IMessageFilterUI, as a pre-translation filter: Return and Escape go to
    // HandleDefaultKey; the message always goes on to normal processing.
    LRESULT MessageHandler(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
    // IDialogBuilderCallback: windows with tags of their own override it.
    CControlUI* CreateControl(const wchar_t* tag) override;

protected:
    UINT GetWindowClassStyle() const override;
    LRESULT ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Final: derived windows override OnDestroyed instead.
    void OnFinalMessage(HWND formerWindow) final;
    const NotifyMapUI* GetNotifyMap() const override;

    // After the window's last message: leaves the manager's filters and
    // receivers. Windows that delete themselves do so after calling it.
    virtual void OnDestroyed(HWND formerWindow);
    // Once the layout is built and attached.
    virtual void InitWindow();
    // "click" of any control: the window's own buttons.
    virtual void OnClick(NotifyRecordUI& record);
    virtual CUIString GetSkinFolder() = 0;
    virtual CUIString GetSkinFile() = 0;
    // The answer is not used to take the key; true for Escape.
    virtual bool HandleDefaultKey(UINT key);
    virtual int GetResourceType() const;
    virtual CUIString GetSkinZipName();
    virtual CUIString GetSkinResourceId();

    // Message handlers: `handled` is true on entry; a handler that leaves the
    // message to others sets it to false.
    virtual LRESULT OnClose(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnDestroy(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnNcActivate(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnNcCalcSize(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnNcPaint(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnNcHitTest(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnGetMinMaxInfo(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnMouseWheel(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnMouseHover(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnSize(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnChar(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnSysCommand(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnCreate(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnKeyDown(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnKillFocus(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnSetFocus(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnLButtonDown(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnLButtonUp(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnMouseMove(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    // Any message left unhandled by the handlers above.
    virtual LRESULT HandleCustomMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    // The window's style without WS_CAPTION.
    virtual DWORD GetWindowStyle() const;

    CWindowManagerUI m_manager;

private:
    // The handler of one of the routed messages; false for any other message.
    bool RouteToHandler(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Selects the resource zip of kinds 2 and 4; false when a kind-4 zip is missing.
    bool SelectSkinZip();
    CControlUI* BuildSkin();
    void SwapMaximizeButtons(bool wasMaximized);
};

}  // namespace SkinUI
