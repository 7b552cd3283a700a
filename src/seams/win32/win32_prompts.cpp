#include "seams/win32/win32_prompts.h"

#include <windows.h>

#include "seams/win32/wide_text.h"

namespace varnolux {

namespace {

UINT ButtonFlags(PromptButtons buttons) {
    switch (buttons) {
        case PromptButtons::Ok:
            return MB_OK;
        case PromptButtons::OkCancel:
            return MB_OKCANCEL;
        case PromptButtons::YesNoCancel:
            return MB_YESNOCANCEL;
        case PromptButtons::YesNo:
            return MB_YESNO;
        case PromptButtons::RetryCancel:
            return MB_RETRYCANCEL;
        case PromptButtons::AbortRetryIgnore:
            return MB_ABORTRETRYIGNORE;
    }
    return MB_OK;
}

UINT IconFlags(PromptIcon icon) {
    switch (icon) {
        case PromptIcon::None:
            return 0;
        case PromptIcon::Information:
            return MB_ICONINFORMATION;
        case PromptIcon::Question:
            return MB_ICONQUESTION;
        case PromptIcon::Exclamation:
            return MB_ICONEXCLAMATION;
        case PromptIcon::Error:
            return MB_ICONERROR;
    }
    return 0;
}

UINT DefaultButtonFlags(int button) {
    switch (button) {
        case 2:
            return MB_DEFBUTTON2;
        case 3:
            return MB_DEFBUTTON3;
        default:
            return MB_DEFBUTTON1;
    }
}

UINT ModalityFlags(PromptModality modality) {
    switch (modality) {
        case PromptModality::Application:
            return MB_APPLMODAL;
        case PromptModality::Task:
            return MB_TASKMODAL;
        case PromptModality::System:
            return MB_SYSTEMMODAL;
    }
    return MB_TASKMODAL;
}

PromptAnswer AnswerOf(int result) {
    switch (result) {
        case IDOK:
            return PromptAnswer::Ok;
        case IDCANCEL:
            return PromptAnswer::Cancel;
        case IDYES:
            return PromptAnswer::Yes;
        case IDNO:
            return PromptAnswer::No;
        case IDRETRY:
            return PromptAnswer::Retry;
        case IDABORT:
            return PromptAnswer::Abort;
        case IDIGNORE:
            return PromptAnswer::Ignore;
        default:
            return PromptAnswer::Closed;
    }
}

}  // namespace

PromptAnswer Win32Prompts::Show(const PromptRequest& request) {
    UINT flags = ButtonFlags(request.buttons) | IconFlags(request.icon) |
                 ModalityFlags(request.modality) | DefaultButtonFlags(request.defaultButton);
    if (request.foreground) flags |= MB_SETFOREGROUND;
    if (request.topmost) flags |= MB_TOPMOST;
    return AnswerOf(MessageBoxW(nullptr, WideFromText(request.text).c_str(),
                                WideFromText(request.caption).c_str(), flags));
}

}  // namespace varnolux
