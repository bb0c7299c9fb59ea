// A UI Automation client, as a Windows screen reader is one: prints the tree
// of UI Automation elements under each top-level window of the given
// caption, one element a line, indented by its depth:
//   Window "Metrova  Ver.1.12    HALVERN CO.,LTD" [ConverterWindow]
//     Edit "Value to convert" [ConverterWindow.valueBox]
//     Text "-16.990 Decibel (dB)" [ConverterWindow.resultLabel]
// (the control type, the name, the AutomationId or "?" where the client
// cannot read it; "offscreen" after one that says it is). Asking for the tree is also what makes Qt start serving UI
// Automation, and raise its events from then on.
//   metrova_uia_tree [--wait SECONDS] CAPTION...
// Exit status: 0 every window printed; 1 a caption had no window within the
// wait (default 10 s); 2 UI Automation failed.
#include <windows.h>

#include <initguid.h>
#include <uiautomation.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

namespace {

// The names of UI Automation's control types, from 50000 on.
const char* const kControlTypes[] = {
    "Button", "Calendar", "CheckBox",  "ComboBox",     "Edit",        "Hyperlink", "Image",    "ListItem", "List",
    "Menu",   "MenuBar",  "MenuItem",  "ProgressBar",  "RadioButton", "ScrollBar", "Slider",   "Spinner",  "StatusBar",
    "Tab",    "TabItem",  "Text",      "ToolBar",      "ToolTip",     "Tree",      "TreeItem", "Custom",   "Group",
    "Thumb",  "DataGrid", "DataItem",  "Document",     "SplitButton", "Window",    "Pane",     "Header",   "HeaderItem",
    "Table",  "TitleBar", "Separator", "SemanticZoom", "AppBar",
};
constexpr int kFirstControlType = UIA_ButtonControlTypeId;
constexpr int kDeepest = 24;         // no tree of this window is deeper
constexpr int kMostElements = 4000;  // nor larger

std::string utf8(const wchar_t* text) {
    if (text == nullptr) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    std::string out(static_cast<std::size_t>(size - 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    std::string line;
    for (const char ch : out) line += ch == '\n' ? std::string("\\n") : std::string(1, ch);
    return line;
}

// A BSTR that frees itself.
class Text {
public:
    Text() = default;
    Text(const Text&) = delete;
    Text& operator=(const Text&) = delete;
    ~Text() { SysFreeString(text_); }
    BSTR* out() { return &text_; }
    [[nodiscard]] std::string str() const { return utf8(text_); }

private:
    BSTR text_ = nullptr;
};

std::string controlType(IUIAutomationElement* element) {
    CONTROLTYPEID id = 0;
    if (FAILED(element->get_CurrentControlType(&id))) return "?";
    const int index = id - kFirstControlType;
    if (index >= 0 && index < static_cast<int>(sizeof kControlTypes / sizeof *kControlTypes)) {
        return kControlTypes[index];
    }
    return "ControlType" + std::to_string(id);
}

// The AutomationId, or "?" where the client cannot read it (wine 10's
// answers E_NOTIMPL however it is asked).
std::string automationId(IUIAutomationElement* element) {
    VARIANT value;
    VariantInit(&value);
    std::string id = "?";
    if (SUCCEEDED(element->GetCurrentPropertyValue(UIA_AutomationIdPropertyId, &value))) {
        id = value.vt == VT_BSTR ? utf8(value.bstrVal) : std::string();
    }
    VariantClear(&value);
    return id;
}

int printed = 0;

void print(IUIAutomationTreeWalker* walker, IUIAutomationElement* element, int depth) {
    if (++printed > kMostElements) return;
    Text name;
    element->get_CurrentName(name.out());
    BOOL offscreen = FALSE;
    element->get_CurrentIsOffscreen(&offscreen);
    std::printf("%*s%s \"%s\" [%s]%s\n", depth * 2, "", controlType(element).c_str(), name.str().c_str(),
                automationId(element).c_str(), offscreen ? " offscreen" : "");
    if (depth >= kDeepest) return;
    IUIAutomationElement* child = nullptr;
    if (FAILED(walker->GetFirstChildElement(element, &child))) return;
    while (child != nullptr) {
        print(walker, child, depth + 1);
        IUIAutomationElement* next = nullptr;
        if (FAILED(walker->GetNextSiblingElement(child, &next))) next = nullptr;
        child->Release();
        child = next;
    }
}

HWND windowOf(const wchar_t* caption, DWORD waitMs) {
    const ULONGLONG until = GetTickCount64() + waitMs;
    for (;;) {
        if (HWND window = FindWindowW(nullptr, caption)) return window;
        if (GetTickCount64() >= until) return nullptr;
        Sleep(100);
    }
}

int failed(const char* call, HRESULT hr) {
    std::fprintf(stderr, "metrova_uia_tree: %s failed: 0x%08lx\n", call, static_cast<unsigned long>(hr));
    return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    DWORD waitMs = 10000;
    int first = 1;
    if (argc > 2 && std::wcscmp(argv[1], L"--wait") == 0) {
        waitMs = static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10) * 1000);
        first = 3;
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: metrova_uia_tree [--wait SECONDS] CAPTION...\n");
        return 2;
    }
    HRESULT hr = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (FAILED(hr)) return failed("CoInitializeEx", hr);
    IUIAutomation* automation = nullptr;
    hr = CoCreateInstance(CLSID_CUIAutomation, nullptr, CLSCTX_INPROC_SERVER, IID_IUIAutomation,
                          reinterpret_cast<void**>(&automation));
    if (FAILED(hr)) return failed("CoCreateInstance(CUIAutomation)", hr);
    // The raw view, as a walker over every element (wine has no
    // RawViewWalker of its own).
    IUIAutomationCondition* every = nullptr;
    hr = automation->CreateTrueCondition(&every);
    if (FAILED(hr)) return failed("CreateTrueCondition", hr);
    IUIAutomationTreeWalker* walker = nullptr;
    hr = automation->CreateTreeWalker(every, &walker);
    if (FAILED(hr)) return failed("CreateTreeWalker", hr);
    int status = 0;
    for (int i = first; i < argc; ++i) {
        HWND window = windowOf(argv[i], waitMs);
        if (window == nullptr) {
            std::printf("no window \"%s\"\n", utf8(argv[i]).c_str());
            status = 1;
            continue;
        }
        IUIAutomationElement* root = nullptr;
        hr = automation->ElementFromHandle(window, &root);
        if (FAILED(hr) || root == nullptr) {
            status = failed("ElementFromHandle", hr);
            continue;
        }
        print(walker, root, 0);
        root->Release();
    }
    std::fflush(stdout);
    walker->Release();
    every->Release();
    automation->Release();
    CoUninitialize();
    return status;
}
