#include "generator/hand_log_file.h"

namespace fanwright {

HANDLE openHandLog()
{
    HANDLE file = CreateFileW(L"Fanwright.log", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE)
        SetFilePointer(file, 0, nullptr, FILE_END);
    return file;
}

void closeHandLog(HANDLE file)
{
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
}

}  // namespace fanwright
