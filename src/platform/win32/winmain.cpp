// The program's entry point: builds the real platform and runs the tutorial.
#include <windows.h>

#include "app/main_routine.h"
#include "platform/win32/resource_strings.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_ui.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    lt::win32::ResourceStrings strings(instance);
    // Events run under the binding's guard; this one covers setting it up.
    try {
        lt::win32::Win32Files files;
        lt::win32::Win32Ui ui(instance, strings);
        lt::win32::Win32Desktop desktop(ui, strings);
        lt::Tutorial tutorial(desktop, files, strings, ui);
        ui.attach(tutorial.forms);
        return ui.run([&] { lt::Main(tutorial); });
    } catch (const std::exception& e) {
        lt::win32::endWithError(strings, e.what());
    } catch (...) {
        lt::win32::endWithError(strings, nullptr);
    }
}
