#pragma once

#include "ui/controls/activex.h"
#include "ui/controls/com_guids.h"
#include "ui/controls/webbrowser_handler.h"

namespace SkinUI {

// The system's web browser control through the ActiveX host: navigates to a
// home page when asked, listens to the browser's events, hosts its document
// (script errors suppressed) and hands it keyboard accelerators.
class CWebBrowserUI : public CActiveXUI,
                      public IDocHostUIHandler,
                      public IServiceProvider,
                      public IOleCommandTarget,
                      public IDispatch,
                      public IDownloadManager,
                      public ITranslateAccelerator {
public:
    // Show-script-error command of the document host command group.
    static constexpr DWORD kShowScriptErrorCommand = 40;

    CWebBrowserUI();

    const wchar_t* GetClassName() const override;
    void* GetInterfaceByName(const wchar_t* name) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;
    void ReleaseControl() override;
    bool CreateControl() override;

    void SetHomePage(const wchar_t* url) { m_homePage = url; }
    const CUIString& GetHomePage() const { return m_homePage; }
    void SetAutoNavigate(bool autoNavigate) { m_autoNavigate = autoNavigate; }
    bool IsAutoNavigate() const { return m_autoNavigate; }
    // Not owned; null restores the answers of no handler.
    void SetEventHandler(CWebBrowserEventHandler* handler) { m_handler = handler; }
    IWebBrowser2* GetWebBrowser2() const { return m_webBrowser; }

    void Navigate2(const wchar_t* url);
    // Connects (true) or disconnects the browser event sink.
    HRESULT RegisterEventHandler(bool connect);

    // IUnknown: the control's lifetime is the framework's; the count only
    // tells whether the browser still holds the control.
    STDMETHOD(QueryInterface)(REFIID iid, void** out) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;
    ULONG GetComReferenceCount() const { return static_cast<ULONG>(m_comReferences); }

    // IDispatch: the DWebBrowserEvents2 sink.
    STDMETHOD(GetTypeInfoCount)(UINT* count) override;
    STDMETHOD(GetTypeInfo)(UINT index, LCID locale, ITypeInfo** info) override;
    STDMETHOD(GetIDsOfNames)(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;
    STDMETHOD(Invoke)(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result,
                      EXCEPINFO* exception, UINT* argumentError) override;

    // IDocHostUIHandler
    STDMETHOD(ShowContextMenu)(DWORD id, POINT* point, IUnknown* target, IDispatch* object) override;
    STDMETHOD(GetHostInfo)(DOCHOSTUIINFO* info) override;
    STDMETHOD(ShowUI)(DWORD id, IOleInPlaceActiveObject* active, IOleCommandTarget* target,
                      IOleInPlaceFrame* frame, IOleInPlaceUIWindow* document) override;
    STDMETHOD(HideUI)() override;
    STDMETHOD(UpdateUI)() override;
    STDMETHOD(EnableModeless)(BOOL enable) override;
    STDMETHOD(OnDocWindowActivate)(BOOL activate) override;
    STDMETHOD(OnFrameWindowActivate)(BOOL activate) override;
    STDMETHOD(ResizeBorder)(LPCRECT border, IOleInPlaceUIWindow* window, BOOL frameWindow) override;
    STDMETHOD(TranslateAccelerator)(LPMSG msg, const GUID* group, DWORD command) override;
    STDMETHOD(GetOptionKeyPath)(LPOLESTR* key, DWORD reserved) override;
    STDMETHOD(GetDropTarget)(IDropTarget* target, IDropTarget** replacement) override;
    STDMETHOD(GetExternal)(IDispatch** external) override;
    STDMETHOD(TranslateUrl)(DWORD translate, OLECHAR* url, OLECHAR** translated) override;
    STDMETHOD(FilterDataObject)(IDataObject* object, IDataObject** filtered) override;

    // IServiceProvider
    STDMETHOD(QueryService)(REFGUID service, REFIID iid, void** out) override;

    // IOleCommandTarget
    STDMETHOD(QueryStatus)(const GUID* group, ULONG count, OLECMD* commands, OLECMDTEXT* text) override;
    STDMETHOD(Exec)(const GUID* group, DWORD command, DWORD options, VARIANT* in, VARIANT* out) override;

    // IDownloadManager
    STDMETHOD(Download)(IMoniker* moniker, IBindCtx* context, DWORD verb, LONG flags, BINDINFO* info,
                        LPCOLESTR headers, LPCOLESTR redirect, UINT codePage) override;

    // ITranslateAccelerator: key messages while the focus is in the browser.
    HRESULT TranslateAccelerator(MSG* msg) override;

protected:
    ~CWebBrowserUI() override;

private:
    CWebBrowserEventHandler& Handler();
    // The browser's document takes this control as its UI handler.
    void HostDocument();
    // Whether `browser` is the top-level browser (not a frame's).
    bool IsTopLevelBrowser(IDispatch* browser) const;
    HRESULT DispatchBrowserEvent(DISPID id, DISPPARAMS& params);
    void ReportScriptError(VARIANT* in);

    IWebBrowser2* m_webBrowser = nullptr;
    DWORD m_eventCookie = 0;
    CUIString m_homePage;
    CWebBrowserEventHandler* m_handler = nullptr;
    bool m_autoNavigate = false;
    LONG m_comReferences = 0;
};


}  // namespace SkinUI
