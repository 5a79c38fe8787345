#include "win32/dialog_template.h"

#include <commctrl.h>
#include <richedit.h>

#include "platform/win32/wide_text.h"

namespace zlx::win32 {

namespace {

// The dialog font of Windows' own dialogs, which MS Shell Dlg names on every version.
constexpr const wchar_t* kFontFace = L"MS Shell Dlg";

class Writer {
  public:
    void word(WORD w) { words_.push_back(w); }
    void dword(DWORD d) {
        word(LOWORD(d));
        word(HIWORD(d));
    }
    void text(const std::wstring& s) {
        for (wchar_t c : s) word(static_cast<WORD>(c));
        word(0);
    }
    void alignDword() {
        if (words_.size() % 2) word(0);
    }
    std::vector<WORD>& words() { return words_; }

  private:
    std::vector<WORD> words_;
};

DWORD windowStyle(const ui::Dialog& window, TemplateRole role) {
    DWORD style = DS_SETFONT | DS_FIXEDSYS | DS_3DLOOK;
    if (role == TemplateRole::Child) return style | WS_CHILD | DS_CONTROL | WS_CLIPSIBLINGS;
    // No WS_CLIPCHILDREN: a group box draws only its frame and title, and the dialog paints
    // what lies inside it.
    style |= WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    // An owned window goes down with its owner; only the others have a minimise box.
    if (window.owner() == ui::kNoWindow) style |= WS_MINIMIZEBOX;
    if (window.dialogTemplate().resizable) style |= WS_THICKFRAME | WS_MAXIMIZEBOX;
    return style;
}

}  // namespace

const wchar_t* controlClass(ui::ControlKind kind) {
    switch (kind) {
        case ui::ControlKind::Static:
        case ui::ControlKind::Icon:
            return WC_STATICW;
        case ui::ControlKind::PushButton:
        case ui::ControlKind::RadioButton:
        case ui::ControlKind::GroupBox:
            return WC_BUTTONW;
        case ui::ControlKind::DropDownList:
            return WC_COMBOBOXW;
        case ui::ControlKind::Edit:
            return WC_EDITW;
        case ui::ControlKind::Progress:
            return PROGRESS_CLASSW;
        case ui::ControlKind::RichText:
            return kRichEditClass;
        case ui::ControlKind::Graph:
            return kGraphClass;
    }
    return WC_STATICW;
}

DWORD controlStyle(const ui::Control& control, const ui::Control* previous) {
    DWORD style = WS_CHILD;
    if (control.visible) style |= WS_VISIBLE;
    if (!control.enabled) style |= WS_DISABLED;
    switch (control.kind) {
        case ui::ControlKind::Static:
            if (control.style & ui::kStyleCentered)
                style |= SS_CENTER;
            else if (control.style & ui::kStyleFitWidth)
                style |= SS_LEFTNOWORDWRAP;
            else
                style |= SS_LEFT;
            if (control.style & ui::kStyleEllipsis) style |= SS_WORDELLIPSIS;
            break;
        case ui::ControlKind::Icon:
            style |= SS_ICON | SS_REALSIZEIMAGE;
            break;
        case ui::ControlKind::PushButton:
            style |= WS_TABSTOP |
                     ((control.style & ui::kStyleDefault) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
            break;
        case ui::ControlKind::RadioButton:
            // Not automatic: the model checks the button.
            style |= BS_RADIOBUTTON;
            if (!previous || previous->kind != ui::ControlKind::RadioButton) style |= WS_GROUP;
            break;
        case ui::ControlKind::GroupBox:
            style |= BS_GROUPBOX;
            break;
        case ui::ControlKind::DropDownList:
            style |= CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
            break;
        case ui::ControlKind::Edit:
            // The model takes no text from the user, so even a writable edit only shows.
            style |= ES_READONLY | WS_TABSTOP |
                     ((control.style & ui::kStyleMultiLine) ? ES_MULTILINE | WS_VSCROLL
                                                            : ES_AUTOHSCROLL);
            break;
        case ui::ControlKind::Progress:
            style |= PBS_SMOOTH;
            break;
        case ui::ControlKind::RichText:
            style |=
                ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP | ES_SAVESEL;
            break;
        case ui::ControlKind::Graph:
            break;
    }
    if (control.kind != ui::ControlKind::RadioButton &&
        (!previous || previous->kind == ui::ControlKind::RadioButton))
        style |= WS_GROUP;
    return style;
}

DWORD controlExStyle(const ui::Control& control) {
    switch (control.kind) {
        case ui::ControlKind::Edit:
        case ui::ControlKind::RichText:
        case ui::ControlKind::Graph:
            return WS_EX_CLIENTEDGE;
        default:
            return 0;
    }
}

std::vector<WORD> dialogTemplateWords(const ui::Dialog& window, TemplateRole role) {
    const ui::DialogTemplate& t = window.dialogTemplate();
    const auto& controls = window.controls();
    Writer w;
    w.word(1);                     // dlgVer
    w.word(0xFFFF);                // signature: the extended form
    w.dword(0);                    // helpID
    w.dword(WS_EX_CONTROLPARENT);  // Tab goes on into the pages of a sheet
    w.dword(windowStyle(window, role));
    w.word(static_cast<WORD>(controls.size()));
    w.word(0);
    w.word(0);
    w.word(static_cast<WORD>(window.width() > 0 ? window.width() : t.width));
    w.word(static_cast<WORD>(window.height() > 0 ? window.height() : t.height));
    w.word(0);  // no menu
    w.word(0);  // the dialog class
    w.text(platform::win32::toWide(window.title()));
    w.word(kDialogFontPoints);
    w.word(FW_NORMAL);
    w.word(MAKEWORD(FALSE, DEFAULT_CHARSET));  // italic, charset
    w.text(kFontFace);
    const ui::Control* previous = nullptr;
    for (const ui::Control& c : controls) {
        w.alignDword();
        w.dword(0);  // helpID
        w.dword(controlExStyle(c));
        w.dword(controlStyle(c, previous));
        w.word(static_cast<WORD>(c.rect.x));
        w.word(static_cast<WORD>(c.rect.y));
        w.word(static_cast<WORD>(c.rect.width));
        w.word(static_cast<WORD>(c.rect.height));
        w.dword(static_cast<DWORD>(c.id));
        w.text(controlClass(c.kind));
        w.word(0);  // no text yet: sync sets it, with the model's sanitising
        w.word(0);  // no creation data
        previous = &c;
    }
    return std::move(w.words());
}

}  // namespace zlx::win32
