#include "framework/Accessibility.h"

#include <oleacc.h>

#include <atomic>

// IID_IAccessible of the import library is the address of an import thunk, not the interface
// id: __uuidof gives the id itself.
namespace {

// An owned BSTR of a narrow text in the ANSI code page.
BSTR AllocateText(const std::string& text) {
    const int length =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    BSTR result = SysAllocStringLen(nullptr, static_cast<UINT>(length));
    if (result)
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), result, length);
    return result;
}

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// The accessible object of a window: the given name, description and role, the window's state
// and place; no children. What accessibility clients do not need of a button is not answered.
class TWindowAccessible final : public IAccessible {
public:
    TWindowAccessible(HWND window, const TAccessibleText& text) : window_(window), text_(text) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (!object)
            return E_POINTER;
        if (IsEqualIID(riid, __uuidof(IUnknown)) || IsEqualIID(riid, __uuidof(IDispatch)) ||
            IsEqualIID(riid, __uuidof(IAccessible))) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0)
            delete this;
        return left;
    }

    // IDispatch: not offered (clients use the IAccessible methods directly)
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count)
            *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return IsSelf(child) ? Answer(text_.Name, name) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        if (!IsSelf(child))
            return E_INVALIDARG;
        if (text_.Description.empty()) {
            if (description)
                *description = nullptr;
            return S_FALSE;
        }
        return Answer(text_.Description, description);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!IsSelf(child))
            return E_INVALIDARG;
        if (!role)
            return E_POINTER;
        role->vt = VT_I4;
        role->lVal = text_.Role != 0 ? text_.Role : ROLE_SYSTEM_CLIENT;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (!IsSelf(child))
            return E_INVALIDARG;
        if (!state)
            return E_POINTER;
        LONG flags = STATE_SYSTEM_FOCUSABLE;
        if (!IsWindowVisible(window_))
            flags |= STATE_SYSTEM_INVISIBLE;
        if (!IsWindowEnabled(window_))
            flags |= STATE_SYSTEM_UNAVAILABLE;
        if (GetFocus() == window_)
            flags |= STATE_SYSTEM_FOCUSED;
        state->vt = VT_I4;
        state->lVal = flags;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        if (!IsSelf(child))
            return E_INVALIDARG;
        if (!left || !top || !width || !height)
            return E_POINTER;
        RECT r;
        if (!GetWindowRect(window_, &r))
            return E_FAIL;
        *left = r.left;
        *top = r.top;
        *width = r.right - r.left;
        *height = r.bottom - r.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        if (!parent)
            return E_POINTER;
        *parent = nullptr;
        HWND owner = GetParent(window_);
        if (!owner)
            return S_FALSE;
        return AccessibleObjectFromWindow(owner, static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IDispatch), reinterpret_cast<void**>(parent));
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        if (!count)
            return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** object) override {
        if (object)
            *object = nullptr;
        return E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        if (!child)
            return E_POINTER;
        child->vt = VT_EMPTY;
        if (GetFocus() == window_) {
            child->vt = VT_I4;
            child->lVal = CHILDID_SELF;
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        if (!child)
            return E_POINTER;
        RECT r;
        child->vt = VT_EMPTY;
        if (GetWindowRect(window_, &r) && PtInRect(&r, POINT{x, y})) {
            child->vt = VT_I4;
            child->lVal = CHILDID_SELF;
            return S_OK;
        }
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return IsSelf(child) && text_.Role == ROLE_SYSTEM_PUSHBUTTON ? Answer(kPress, action)
                                                                     : DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (!IsSelf(child) || text_.Role != ROLE_SYSTEM_PUSHBUTTON)
            return DISP_E_MEMBERNOTFOUND;
        // A click as the keyboard gives it, through the window's own handling.
        PostMessageA(window_, WM_KEYDOWN, VK_SPACE, 0);
        PostMessageA(window_, WM_KEYUP, VK_SPACE, 0);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT, BSTR*) override {
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR*) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR*, VARIANT, LONG*) override {
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR*) override {
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        if (children)
            children->vt = VT_EMPTY;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG, VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG, VARIANT, VARIANT* end) override {
        if (end)
            end->vt = VT_EMPTY;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ~TWindowAccessible() = default;

    static constexpr char kPress[] = "Press";

    static HRESULT Answer(const std::string& text, BSTR* out) {
        if (!out)
            return E_POINTER;
        *out = AllocateText(text);
        return *out ? S_OK : E_OUTOFMEMORY;
    }

    HWND window_;
    TAccessibleText text_;
    std::atomic<ULONG> references_{1};
};

} // namespace

LRESULT AnswerAccessibleObject(HWND window, WPARAM wParam, LPARAM objectId,
                               const TAccessibleText& text) {
    if (static_cast<LONG>(objectId) != OBJID_CLIENT)
        return 0;
    auto* object = new TWindowAccessible(window, text);
    const LRESULT result = LresultFromObject(__uuidof(IAccessible), wParam, object);
    object->Release(); // the result holds its own reference
    return result < 0 ? 0 : result;
}

TComApartment::TComApartment()
    : initialized_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}

TComApartment::~TComApartment() {
    if (initialized_)
        CoUninitialize();
}
