#include "win32/accessible_control.h"

#include <commctrl.h>
#include <oleacc.h>

#include <atomic>
#include <new>

namespace zlx::win32 {

namespace {

// The property that holds the source of a control answering for itself: a destroyed control,
// or another window given its handle later, has none.
constexpr const wchar_t* kSourceProperty = L"ZlxAccessibleSource";

const AccessibleSource* sourceOf(HWND control) {
    return static_cast<const AccessibleSource*>(GetPropW(control, kSourceProperty));
}

bool isSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// The control's own object: its role, name and value; the rest from the standard object
// Windows makes for the window (CreateStdAccessibleObject). Windows could annotate the standard
// object instead (IAccPropServices::SetHwndPropStr, or CreateStdAccessibleProxy with a name of
// our own), but Wine's oleacc implements neither, and the program runs there too; an object of
// its own answers alike on both.
class ControlAccessible final : public IAccessible, public IOleWindow {
  public:
    // Takes over the caller's reference to `standard`.
    ControlAccessible(HWND control, LONG role, IAccessible* standard)
        : control_(control), role_(role), standard_(standard) {}
    ControlAccessible(const ControlAccessible&) = delete;
    ControlAccessible& operator=(const ControlAccessible&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
            IsEqualIID(iid, IID_IAccessible)) {
            *object = static_cast<IAccessible*>(this);
        } else if (IsEqualIID(iid, IID_IOleWindow)) {
            *object = static_cast<IOleWindow*>(this);
        } else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    // IDispatch: the interface is reached through its own methods only.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info) *info = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return answer(child, name, &AccessibleFacts::name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return answer(child, value, &AccessibleFacts::value);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!role) return E_POINTER;
        VariantInit(role);
        if (!isSelf(child)) return E_INVALIDARG;
        role->vt = VT_I4;
        role->lVal = role_;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return standard_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return standard_->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override {
        return standard_->get_accHelp(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
        return standard_->get_accKeyboardShortcut(child, keys);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return standard_->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_->accDoDefaultAction(child);
    }
    // The name and value are the model's: nothing sets them from outside.
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        if (!window) return E_POINTER;
        *window = control_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  private:
    ~ControlAccessible() { standard_->Release(); }

    // One of the facts, read now; S_FALSE with no string when it is empty, as for a control
    // without a name.
    HRESULT answer(const VARIANT& child, BSTR* out, std::wstring AccessibleFacts::*fact) const {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (!isSelf(child)) return E_INVALIDARG;
        const AccessibleSource* source = sourceOf(control_);
        const std::optional<AccessibleFacts> facts =
            source ? source->accessibleFactsOf(control_) : std::nullopt;
        if (!facts) return CO_E_OBJNOTCONNECTED;
        const std::wstring& text = (*facts).*fact;
        if (text.empty()) return S_FALSE;
        *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        return *out ? S_OK : E_OUTOFMEMORY;
    }

    std::atomic<ULONG> references_{1};
    const HWND control_;
    const LONG role_;
    IAccessible* const standard_;
};

// The answer to WM_GETOBJECT for the client area; 0 when there is none, and the standard
// object answers.
LRESULT answerClientObject(HWND control, WPARAM flags, LONG role) {
    IAccessible* standard = nullptr;
    if (FAILED(CreateStdAccessibleObject(control, OBJID_CLIENT, IID_IAccessible,
                                         reinterpret_cast<void**>(&standard))) ||
        !standard)
        return 0;
    auto* object = new (std::nothrow) ControlAccessible(control, role, standard);
    if (!object) {
        standard->Release();
        return 0;
    }
    // The result holds a reference of its own until the screen reader takes the object.
    const LRESULT result =
        LresultFromObject(IID_IAccessible, flags, static_cast<IAccessible*>(object));
    object->Release();
    return result > 0 ? result : 0;
}

LRESULT CALLBACK answeringProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                               UINT_PTR role, DWORD_PTR) {
    switch (message) {
        case WM_GETOBJECT:
            // The object id is a DWORD, whichever way the sender widened it.
            if (static_cast<LONG>(static_cast<DWORD>(lParam)) == OBJID_CLIENT)
                if (LRESULT answer = answerClientObject(control, wParam, static_cast<LONG>(role)))
                    return answer;
            break;
        case WM_NCDESTROY:
            RemovePropW(control, kSourceProperty);
            RemoveWindowSubclass(control, &answeringProc, role);
            break;
        default:
            break;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace

LONG answeredRole(ui::ControlKind kind) {
    switch (kind) {
        case ui::ControlKind::Static:
            return ROLE_SYSTEM_STATICTEXT;
        case ui::ControlKind::Progress:
            return ROLE_SYSTEM_PROGRESSBAR;
        case ui::ControlKind::Graph:
            return ROLE_SYSTEM_CHART;
        default:
            return 0;
    }
}

void answerAccessibility(HWND control, ui::ControlKind kind, const AccessibleSource& source) {
    const LONG role = answeredRole(kind);
    if (!control || !role) return;
    // The source is read, never changed, through the property.
    if (SetPropW(control, kSourceProperty, const_cast<AccessibleSource*>(&source)) &&
        !SetWindowSubclass(control, &answeringProc, static_cast<UINT_PTR>(role), 0))
        RemovePropW(control, kSourceProperty);
}

void announceValueChange(HWND control) {
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace zlx::win32
