#include "seams/win32/win32_prompts.h"

#include <windows.h>

#include <cstddef>
#include <utility>

#include "seams/win32/wide_text.h"

namespace varnolux {

namespace {

// The value of `key` in a table of pairs; `otherwise` when it has none.
template <typename Key, typename Value, size_t N>
Value Lookup(const std::pair<Key, Value> (&table)[N], Key key, Value otherwise) {
    for (const auto& [k, v] : table)
        if (k == key) return v;
    return otherwise;
}

constexpr std::pair<PromptButtons, UINT> kButtonFlags[] = {
    {PromptButtons::Ok, MB_OK},
    {PromptButtons::OkCancel, MB_OKCANCEL},
    {PromptButtons::YesNoCancel, MB_YESNOCANCEL},
    {PromptButtons::YesNo, MB_YESNO},
    {PromptButtons::RetryCancel, MB_RETRYCANCEL},
    {PromptButtons::AbortRetryIgnore, MB_ABORTRETRYIGNORE},
};

constexpr std::pair<PromptIcon, UINT> kIconFlags[] = {
    {PromptIcon::None, 0},
    {PromptIcon::Information, MB_ICONINFORMATION},
    {PromptIcon::Question, MB_ICONQUESTION},
    {PromptIcon::Exclamation, MB_ICONEXCLAMATION},
    {PromptIcon::Error, MB_ICONERROR},
};

constexpr std::pair<int, UINT> kDefaultButtonFlags[] = {
    {2, MB_DEFBUTTON2},
    {3, MB_DEFBUTTON3},
};

constexpr std::pair<PromptModality, UINT> kModalityFlags[] = {
    {PromptModality::Application, MB_APPLMODAL},
    {PromptModality::Task, MB_TASKMODAL},
    {PromptModality::System, MB_SYSTEMMODAL},
};

constexpr std::pair<int, PromptAnswer> kAnswers[] = {
    {IDOK, PromptAnswer::Ok},         {IDCANCEL, PromptAnswer::Cancel},
    {IDYES, PromptAnswer::Yes},       {IDNO, PromptAnswer::No},
    {IDRETRY, PromptAnswer::Retry},   {IDABORT, PromptAnswer::Abort},
    {IDIGNORE, PromptAnswer::Ignore},
};

}  // namespace

PromptAnswer Win32Prompts::Show(const PromptRequest& request) {
    UINT flags = Lookup(kButtonFlags, request.buttons, UINT(MB_OK)) |
                 Lookup(kIconFlags, request.icon, UINT(0)) |
                 Lookup(kModalityFlags, request.modality, UINT(MB_TASKMODAL)) |
                 Lookup(kDefaultButtonFlags, request.defaultButton, UINT(MB_DEFBUTTON1));
    if (request.foreground) flags |= MB_SETFOREGROUND;
    if (request.topmost) flags |= MB_TOPMOST;
    const int result = MessageBoxW(nullptr, WideFromText(request.text).c_str(),
                                   WideFromText(request.caption).c_str(), flags);
    return Lookup(kAnswers, result, PromptAnswer::Closed);
}

}  // namespace varnolux
